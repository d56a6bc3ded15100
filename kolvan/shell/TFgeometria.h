#pragma once
// "Parâmetros da Geometria": purpose, joint type, internal diameter and
// length of the pipe, all from fixed lists. A first confirmation, or one
// with a change, announces itself with `geometriaAlterada`.

#include "JanelaGeometria.h"
#include "ProjetoTubo.h"

class TFgeometria : public JanelaGeometria {
    Q_OBJECT
public:
    TFgeometria(ProjetoTubo& projeto, QWidget* parent = nullptr);

    QComboBox* CmbBxDiametro;
    QComboBox* CmbBxComprimento;

signals:
    // The geometry was confirmed for the first time or with a change;
    // `instalacaoCorrigida` tells that ha or bv were brought into their limits.
    void geometriaAlterada(bool instalacaoCorrigida);

protected:
    EscolhaGeometria geometriaDoProjeto() const override;
    bool geometriaConfirmada() const override;
    void gravarGeometria(const EscolhaGeometria& escolha, bool mudou) override;

private:
    ProjetoTubo& projeto_;
};
