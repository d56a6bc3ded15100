#pragma once
// What every network reader must give for any bytes: stretches or a
// refusal, and every text of them well-formed UTF-8. A fuzzer aborts on
// anything else. Classing has a fuzzer of its own (fuzzClassificacaoRede.cpp),
// so the readers' fuzzers run as fast as the readers do.
#include "leituraRede.h"
#include "textoUtf8.h"

#include <cstdlib>

inline void conferirLeituraRede(const LeituraRede& r)
{
    if (!utf8BemFormado(r.erro))
        std::abort();
    for (const EntradaTrecho& e : r.trechos) {
        if (!utf8BemFormado(e.problemaLeitura))
            std::abort();
        for (int c = 0; c < numeroColunasTrecho; ++c)
            if (!utf8BemFormado(campoTrecho(e, static_cast<ColunaTrecho>(c))))
                std::abort();
    }
}
