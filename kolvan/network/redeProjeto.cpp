#include "redeProjeto.h"

#include <algorithm>
#include <cctype>

bool ehArquivoProjeto(const std::string& caminho)
{
    if (caminho.size() < 4)
        return false;
    std::string fim = caminho.substr(caminho.size() - 4);
    std::transform(fim.begin(), fim.end(), fim.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return fim == ".kvn";
}

std::string caminhoRedeDoProjeto(const std::string& caminhoProjeto)
{
    const std::string base = ehArquivoProjeto(caminhoProjeto) ? caminhoProjeto.substr(0, caminhoProjeto.size() - 4)
                                                             : caminhoProjeto;
    return base + "-rede.csv";
}
