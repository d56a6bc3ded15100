#include "arquivoSecoes.h"

std::string mensagemArquivoRecusado(const std::string& nomeArquivo, int linha, const std::string& erro,
                                    LeitorProjeto leitor)
{
    if (linha <= 0) // the file itself could not be read
        return "Não foi possível abrir o arquivo \"" + nomeArquivo + "\": " + erro + ".";
    std::string mensagem =
        "Não foi possível abrir o arquivo \"" + nomeArquivo + "\": linha " + std::to_string(linha) + ", " + erro + ".";
    if (leitor == LeitorProjeto::Programa)
        mensagem += " O projeto aberto não foi alterado.";
    return mensagem;
}
