#pragma once
// "Razão de recalque": the three kinds of foundation under an embankment,
// each with its range and the settlement ratio recommended for it. The
// selection belongs to the running program, not to the project.

#include "JanelaEntrada.h"

class QButtonGroup;
class QLabel;

class TFormRazaoRecalque : public JanelaEntrada {
    Q_OBJECT
public:
    explicit TFormRazaoRecalque(QWidget* parent = nullptr);

    QButtonGroup* RadioGroup1;
    QLabel* LabelFaixa;
    QLabel* LabelValor;

    int selecao() const;
    void selecionar(int indice);
    // The recommended value of the selected foundation ("1,0", "0,5", "0,3").
    QString valorRecomendado() const;
    // A new project selects the common natural soil.
    void reiniciar();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    void RadioGroup1Click();
    int instantaneo_ = 1;
};
