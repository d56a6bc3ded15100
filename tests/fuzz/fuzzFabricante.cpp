// Config/Fabricante.ini of any bytes gives manufacturer data, never a crash.
#include "fabricante.h"
#include "windows1252.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    (void)linhasFabricante(fabricanteDasLinhas(separarArquivoLinhas(bytes)));
    return 0;
}
