// A network CSV file of any bytes gives stretches or a refusal, and every
// text it gives is well-formed UTF-8. Classing has a fuzzer of its own
// (fuzzClassificacaoRede.cpp), so this one reads as fast as the reader does.
#include "leituraRede.h"
#include "textoUtf8.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    const LeituraRede r = lerCsvRede(bytes);
    if (!utf8BemFormado(r.erro))
        std::abort();
    for (const EntradaTrecho& e : r.trechos)
        for (int c = 0; c < numeroColunasTrecho; ++c)
            if (!utf8BemFormado(campoTrecho(e, static_cast<ColunaTrecho>(c))) || !utf8BemFormado(e.problemaLeitura))
                std::abort();
    return 0;
}
