#include "TFgeometria.h"

TFgeometria::TFgeometria(ProjetoRedwan& projeto, QWidget* parent)
    : JanelaGeometria({QStringLiteral("Geometria"), finalidadesRedwan(), tiposTuboRedwan(), diametrosRedwan(),
                       comprimentosRedwan, QStringLiteral("CmbBxDi"), QStringLiteral("ComboBoxCompr")},
                      parent),
      CmbBxDi(listaDiametro), ComboBoxCompr(listaComprimento), projeto_(projeto)
{
}

EscolhaGeometria TFgeometria::geometriaDoProjeto() const
{
    const GeometriaRedwan& g = projeto_.geometria;
    return {g.finalidade, g.tipoTubo, g.indiceDi, g.indiceComprimento};
}

bool TFgeometria::geometriaConfirmada() const { return projeto_.etapas.geometria; }

void TFgeometria::gravarGeometria(const EscolhaGeometria& escolha, bool mudou)
{
    if (!mudou)
        return;
    projeto_.geometria = {escolha.finalidade, escolha.tipoTubo, escolha.indiceDi, escolha.indiceComprimento};
    projeto_.etapas.geometria = true;
    aplicarEspessuraMinima(projeto_);
    emit geometriaAlterada();
}
