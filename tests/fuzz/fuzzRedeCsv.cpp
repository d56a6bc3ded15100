// A network CSV file of any bytes gives stretches or a refusal, and classing
// them never crashes.
#include "leituraRede.h"
#include "redeTubulacoes.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    const LeituraRede r = lerCsvRede(bytes);
    if (r.ok)
        (void)classificarRede(ProjetoTubo{}, r.trechos);
    return 0;
}
