// A SWMM input file of any bytes gives stretches or a refusal; the first
// few stretches are classed too (their covers mix typed ones and
// elevations), so the reader's output never crashes what follows it.
#include "leituraRede.h"
#include "redeTubulacoes.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    LeituraRede r = lerSwmmRede(bytes);
    if (r.ok) {
        if (r.trechos.size() > 4)
            r.trechos.resize(4);
        (void)classificarRede(ProjetoTubo{}, r.trechos);
    }
    return 0;
}
