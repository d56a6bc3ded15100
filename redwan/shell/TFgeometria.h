#pragma once
// "Geometria": purpose, joint type, internal diameter (300 to 2000 mm) and
// length of the pipe, all from fixed lists. A first confirmation, or one
// with a change, resets the wall thickness to the least one for the pipe
// and announces itself with `geometriaAlterada`.

#include "JanelaGeometria.h"
#include "ProjetoRedwan.h"

class TFgeometria : public JanelaGeometria {
    Q_OBJECT
public:
    TFgeometria(ProjetoRedwan& projeto, QWidget* parent = nullptr);

    QComboBox* CmbBxDi;
    QComboBox* ComboBoxCompr;

signals:
    void geometriaAlterada();

protected:
    EscolhaGeometria geometriaDoProjeto() const override;
    bool geometriaConfirmada() const override;
    void gravarGeometria(const EscolhaGeometria& escolha, bool mudou) override;

private:
    ProjetoRedwan& projeto_;
};
