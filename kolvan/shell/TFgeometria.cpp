#include "TFgeometria.h"

#include "Mensagens.h"
#include "TextoQt.h"
#include "limitesInstalacao.h"
#include "numeros.h"

TFgeometria::TFgeometria(ProjetoTubo& projeto, QWidget* parent)
    : JanelaGeometria({QStringLiteral("Parâmetros da Geometria"), listaFinalidades(), listaTiposTubo(), listaDiametros(),
                       listaComprimentos, QStringLiteral("CmbBxDiametro"), QStringLiteral("CmbBxComprimento")},
                      parent),
      CmbBxDiametro(listaDiametro), CmbBxComprimento(listaComprimento), projeto_(projeto)
{
}

EscolhaGeometria TFgeometria::geometriaDoProjeto() const
{
    const Geometria& g = projeto_.geometria;
    return {g.finalidade, g.tipoTubo, g.indiceDi, g.indiceComprimento};
}

bool TFgeometria::geometriaConfirmada() const { return projeto_.etapas.geometria; }

void TFgeometria::gravarGeometria(const EscolhaGeometria& escolha, bool mudou)
{
    projeto_.geometria = {escolha.finalidade, escolha.tipoTubo, escolha.indiceDi, escolha.indiceComprimento};
    if (!mudou)
        return;
    projeto_.etapas.geometria = true;
    bool corrigida = false;
    try {
        corrigida = corrigirLimitesInstalacao(projeto_);
    } catch (const ErroConversao& erro) {
        mensagens().mensagem(qt(erro.what()));
    }
    emit geometriaAlterada(corrigida);
}
