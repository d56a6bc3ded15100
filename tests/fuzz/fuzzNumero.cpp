// Any text through the number parser: a number it accepts is finite and
// its two-decimal text reads back.
#include "numeros.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    double valor = 0.0;
    if (!lerNumero(texto, valor))
        return 0;
    if (!std::isfinite(valor))
        std::abort();
    double relido = 0.0;
    if (!lerNumero(formatar2(valor), relido))
        std::abort();
    (void)formatar0(valor);
    return 0;
}
