#include "pastasPrograma.h"

namespace {
std::string juntar(const std::string& pasta, const std::string& nome)
{
    if (pasta.empty() || pasta.back() == '/')
        return pasta + nome;
    return pasta + "/" + nome;
}
} // namespace

PastasPrograma escolherPastas(const LocaisPrograma& l)
{
    if (l.pastaAtualTemFiguras || l.pastaInstalada.empty() || l.pastaDadosUsuario.empty())
        return {l.pastaAtual, "", juntar(l.pastaAtual, "Arquivos"), false};
    const std::string documentos = l.pastaDocumentos.empty() ? l.pastaDadosUsuario : l.pastaDocumentos;
    return {l.pastaDadosUsuario, juntar(l.pastaInstalada, "Pictures"), juntar(documentos, l.programa), true};
}
