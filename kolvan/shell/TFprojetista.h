#pragma once
// "Dados do Projetista": the eleven designer texts that head the report. No
// field is checked; "Limpar dados" empties them all and "Cancela" brings
// back what the window opened with.

#include "JanelaEntrada.h"
#include "ProjetoTubo.h"

#include <array>

class QLineEdit;

class TFprojetista : public JanelaEntrada {
    Q_OBJECT
public:
    explicit TFprojetista(ProjetoTubo& projeto, QWidget* parent = nullptr);

    // Edit1 … Edit11 in the order of the designer data.
    std::array<QLineEdit*, 11> Edit{};

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    void carregar(const DadosProjetista& d);
    ProjetoTubo& projeto_;
    DadosProjetista instantaneo_;
};
