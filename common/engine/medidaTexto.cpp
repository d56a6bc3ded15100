#include "medidaTexto.h"

#include <cmath>

namespace {
bool continuacao(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Splits off the longest head of `palavra` that fits, at least one character,
// so a long word always makes progress.
std::string cortarCabeca(std::string& palavra, int largura, const EstiloTexto& estilo, const MedidorTexto& medidor)
{
    std::size_t corte = 0;
    std::size_t i = 0;
    while (i < palavra.size()) {
        std::size_t fim = i + 1;
        while (fim < palavra.size() && continuacao(palavra[fim]))
            ++fim;
        if (corte > 0 && medidor.largura(palavra.substr(0, fim), estilo) > largura)
            break;
        corte = fim;
        i = fim;
    }
    std::string cabeca = palavra.substr(0, corte);
    palavra.erase(0, corte);
    return cabeca;
}

void quebrarParagrafo(const std::string& paragrafo, int largura, const EstiloTexto& estilo,
                      const MedidorTexto& medidor, std::vector<std::string>& linhas)
{
    const std::size_t antes = linhas.size();
    std::string linha;
    std::size_t inicio = 0;
    while (inicio <= paragrafo.size()) {
        std::size_t fim = paragrafo.find(' ', inicio);
        if (fim == std::string::npos)
            fim = paragrafo.size();
        std::string palavra = paragrafo.substr(inicio, fim - inicio);
        inicio = fim + 1;
        if (palavra.empty())
            continue;
        const std::string junta = linha.empty() ? palavra : linha + ' ' + palavra;
        if (medidor.largura(junta, estilo) <= largura) {
            linha = junta;
            continue;
        }
        if (!linha.empty())
            linhas.push_back(linha);
        linha.clear();
        while (medidor.largura(palavra, estilo) > largura)
            linhas.push_back(cortarCabeca(palavra, largura, estilo, medidor));
        linha = palavra;
    }
    // A blank paragraph keeps its line; cut words leave no empty tail.
    if (!linha.empty() || linhas.size() == antes)
        linhas.push_back(linha);
}
} // namespace

MedidorTexto medidorAproximado()
{
    return {
        [](const std::string& texto, const EstiloTexto& estilo) {
            return contarCaracteres(texto) * estilo.tamanho * (estilo.negrito ? 0.65 : 0.6);
        },
        [](const EstiloTexto& estilo) { return static_cast<int>(std::ceil(estilo.tamanho * 1.2)); },
    };
}

std::size_t contarCaracteres(const std::string& texto)
{
    std::size_t n = 0;
    for (char c : texto)
        n += continuacao(c) ? 0 : 1;
    return n;
}

std::vector<std::string> quebrarLinhas(const std::string& texto, int largura, const EstiloTexto& estilo,
                                       const MedidorTexto& medidor)
{
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    while (true) {
        const std::size_t fim = texto.find('\n', inicio);
        std::string paragrafo = texto.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio);
        if (!paragrafo.empty() && paragrafo.back() == '\r')
            paragrafo.pop_back();
        if (largura > 0)
            quebrarParagrafo(paragrafo, largura, estilo, medidor, linhas);
        else
            linhas.push_back(paragrafo);
        if (fim == std::string::npos)
            break;
        inicio = fim + 1;
    }
    return linhas;
}
