#pragma once
// "Parâmetros da Geometria": purpose, joint type, internal diameter and
// length of the pipe, all from fixed lists. A first confirmation, or one
// with a change, announces itself with `geometriaAlterada`.

#include "JanelaEntrada.h"
#include "ProjetoTubo.h"

class QComboBox;
class QLabel;

class TFgeometria : public JanelaEntrada {
    Q_OBJECT
public:
    TFgeometria(ProjetoTubo& projeto, QWidget* parent = nullptr);

    QComboBox* CmbBxFinalidade;
    QComboBox* CmbBxTipoTubo;
    QComboBox* CmbBxDiametro;
    QComboBox* CmbBxComprimento;
    QLabel* Image1;

    void carregarFigura();

signals:
    // The geometry was confirmed for the first time or with a change;
    // `instalacaoCorrigida` tells that ha or bv were brought into their limits.
    void geometriaAlterada(bool instalacaoCorrigida);

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    void CmbBxFinalidadeChange();
    ProjetoTubo& projeto_;
    Geometria instantaneo_;
};
