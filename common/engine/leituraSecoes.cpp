#include "leituraSecoes.h"

#include "numeros.h"

const std::string& LeitorSecoes::texto()
{
    if (proxima_ >= static_cast<int>(linhas_.size()))
        throw RecusaArquivo(proxima_ + 1, "o arquivo termina antes do esperado");
    return linhas_[static_cast<std::size_t>(proxima_++)];
}

void LeitorSecoes::cabecalho(const std::string& esperado)
{
    if (texto() != esperado)
        throw RecusaArquivo(proxima_, "esperava-se \"" + esperado + "\"");
}

void LeitorSecoes::fimSecao()
{
    if (texto() != separadorSecao)
        throw RecusaArquivo(proxima_, "esperava-se a linha separadora");
    if (!texto().empty())
        throw RecusaArquivo(proxima_, "esperava-se uma linha vazia");
}

void LeitorSecoes::proximaSecao(const std::string& cabecalhoSeguinte)
{
    fimSecao();
    cabecalho(cabecalhoSeguinte);
}

void LeitorSecoes::secaoTextos(const std::string& cabecalhoSecao, const std::vector<std::string*>& textos)
{
    cabecalho(cabecalhoSecao);
    for (std::string* t : textos)
        *t = texto();
    fimSecao();
}

long LeitorSecoes::inteiro(std::size_t digitos)
{
    const std::string& t = texto();
    if (t.empty() || t.size() > digitos || t.find_first_not_of("0123456789") != std::string::npos)
        throw RecusaArquivo(proxima_, "\"" + t + "\" não é um número inteiro");
    return std::stol(t);
}

int LeitorSecoes::indice(std::size_t quantidade)
{
    const long valor = inteiro(5);
    if (valor >= static_cast<long>(quantidade))
        throw RecusaArquivo(proxima_, "\"" + linhas_[static_cast<std::size_t>(proxima_ - 1)] +
                                          "\" está fora da lista de opções");
    return static_cast<int>(valor);
}

std::string LeitorSecoes::numero(double& valor)
{
    const std::string& t = texto();
    if (!lerNumero(t, valor))
        throw RecusaArquivo(proxima_, "\"" + t + "\" não é um número válido");
    return semSinalNoZero(t);
}

void LeitorSecoes::exigir(bool condicao, int linha, const std::string& motivo) const
{
    if (!condicao)
        throw RecusaArquivo(linha, motivo);
}
