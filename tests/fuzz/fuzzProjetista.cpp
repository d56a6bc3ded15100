// Config/Projetista.ini of any bytes gives designer data, never a crash.
#include "arquivoProjeto.h"
#include "windows1252.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    const DadosProjetista d = projetistaDasLinhas(separarArquivoLinhas(bytes));
    (void)linhasProjetista(d);
    return 0;
}
