// A .rdw of any bytes: the reader refuses or accepts it, never crashes,
// and a refused file leaves the project and the results as they were.
#include "arquivoProjetoRedwan.h"
#include "windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    const ProjetoRedwan atual;
    const TextosResultados resultados;
    const LeituraRedwan r = lerLinhasProjetoRedwan(separarArquivoLinhas(bytes), atual, resultados);
    if (!r.ok && linhasProjetoRedwan(r.projeto, r.resultados) != linhasProjetoRedwan(atual, resultados))
        std::abort();
    if (r.ok && !lerLinhasProjetoRedwan(linhasProjetoRedwan(r.projeto, r.resultados), atual, resultados).ok)
        std::abort();
    return 0;
}
