// Classing stretches of any texts never crashes and gives a class or a
// reason. The input is up to four lines of ';'-separated fields in the
// order of the network's columns, so that each run classes a few stretches
// (the readers, which give any number of them, are fuzzed apart).
#include "redeTubulacoes.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    std::vector<EntradaTrecho> trechos(1);
    int coluna = 0;
    for (const char c : bytes) {
        if (c == '\n') {
            if (trechos.size() == 4)
                break;
            trechos.emplace_back();
            coluna = 0;
        } else if (c == ';') {
            ++coluna;
        } else if (coluna < numeroColunasTrecho) {
            campoTrecho(trechos.back(), static_cast<ColunaTrecho>(coluna)) += c;
        }
    }
    const std::vector<ResultadoTrecho> resultados = classificarRede(ProjetoTubo{}, trechos);
    if (resultados.size() != trechos.size())
        std::abort();
    for (const ResultadoTrecho& r : resultados)
        if (!r.classificado && r.mensagem.empty())
            std::abort();
    return 0;
}
