// A LandXML file of any bytes gives stretches or a refusal, and every text it
// gives is well-formed UTF-8.
#include "leituraRedeConferida.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    conferirLeituraRede(lerLandXmlRede(std::string(reinterpret_cast<const char*>(dados), tamanho)));
    return 0;
}
