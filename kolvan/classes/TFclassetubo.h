#pragma once
// "Resultados - Classe": the required strength, the least loads of the
// reinforced and simple classes that cover it, and the class line, as the
// class computation left them. "Confirma" publishes them on the main
// window; "Cancela" withdraws the result there.

#include "JanelaEntrada.h"
#include "ProjetoTubo.h"

class QLabel;

class TFclassetubo : public JanelaEntrada {
    Q_OBJECT
public:
    explicit TFclassetubo(const ProjetoTubo& projeto, QWidget* parent = nullptr);

    QLabel* LabelValor;
    QLabel* LabelArmado;
    QLabel* LabelSimples;
    QLabel* LabelClasse;

protected:
    void FormShow() override;
    bool FormCloseQuery() override { return true; }
    void restaurarInstantaneo() override {}

private:
    const ProjetoTubo& projeto_;
};
