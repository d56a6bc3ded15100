#pragma once
// "Geometria": purpose, joint type, internal diameter (300 to 2000 mm) and
// length of the pipe, all from fixed lists. A first confirmation, or one
// with a change, resets the wall thickness to the least one for the pipe
// and announces itself with `geometriaAlterada`.

#include "JanelaEntrada.h"
#include "ProjetoRedwan.h"

class QComboBox;
class QLabel;

class TFgeometria : public JanelaEntrada {
    Q_OBJECT
public:
    TFgeometria(ProjetoRedwan& projeto, QWidget* parent = nullptr);

    QComboBox* CmbBxFinalidade;
    QComboBox* CmbBxTipoTubo;
    QComboBox* CmbBxDi;
    QComboBox* ComboBoxCompr;
    QLabel* Image1;

    // The picture of the cross-section, (re)loaded by a new project.
    void carregarFigura();

signals:
    void geometriaAlterada();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    void CmbBxFinalidadeChange();
    GeometriaRedwan lerControles() const;
    ProjetoRedwan& projeto_;
    GeometriaRedwan instantaneo_;
};
