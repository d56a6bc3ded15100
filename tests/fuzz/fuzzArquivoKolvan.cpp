// A .kvn of any bytes: the reader refuses or accepts it, never crashes,
// and a refused file leaves the project as it was.
#include "ProjetoTubo.h"
#include "arquivoProjeto.h"
#include "windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    const ProjetoTubo atual;
    const LeituraProjeto r = lerLinhasProjeto(separarArquivoLinhas(bytes), atual);
    if (!r.ok && linhasProjeto(r.projeto) != linhasProjeto(atual))
        std::abort();
    // An accepted file writes back to lines that read to the same project.
    if (r.ok) {
        const LeituraProjeto deNovo = lerLinhasProjeto(linhasProjeto(r.projeto), atual);
        if (!deNovo.ok)
            std::abort();
    }
    return 0;
}
