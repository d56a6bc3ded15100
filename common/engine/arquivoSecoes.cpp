#include "arquivoSecoes.h"

std::string mensagemArquivoRecusado(const std::string& nomeArquivo, int linha, const std::string& erro)
{
    if (linha <= 0) // the file itself could not be read
        return "Não foi possível abrir o arquivo \"" + nomeArquivo + "\": " + erro + ".";
    return "Não foi possível abrir o arquivo \"" + nomeArquivo + "\": linha " + std::to_string(linha) + ", " + erro +
           ". O projeto aberto não foi alterado.";
}
