#pragma once
// "Dimensionamento Armadura": one successful design run as the user checks
// it before accepting it. The forces, depths, neutral axis, domain and steel
// of the crown and the springline; the practical crown depth and steel of a
// single cage; the meshes; the three checks with their verdicts in blue
// (passed) or red (failed); the minimum steels. It shows the texts the
// design run made (resultadoDimensionamento.h) and computes nothing.
// "Confirma" and Alt+F4 leave `confirmado` at 1, "Cancela" and the close
// box at 0; the main window acts on it.

#include "JanelaEntrada.h"
#include "resultadoDimensionamento.h"

#include <QString>
#include <map>

class QGridLayout;
class QGroupBox;
class QLabel;

class TFDimensionamentoArmadura : public JanelaEntrada {
    Q_OBJECT
public:
    // `textos` are read each time the window is shown.
    explicit TFDimensionamentoArmadura(const TextosResultados& textos, QWidget* parent = nullptr);

    // A text of the window by its component name ("Label3", "Pint", …).
    QLabel* rotulo(const QString& nome) const;

protected:
    void FormShow() override;
    bool FormCloseQuery() override { return true; }
    void restaurarInstantaneo() override {}

private:
    QLabel* criarValor(const char* nome, QWidget* pai);
    QLabel* criarPainel(const char* nome, QWidget* pai);
    QGroupBox* grupoDimensionamento();
    QGroupBox* grupoConstrutivo();
    QGroupBox* grupoTelas();
    QGroupBox* grupoVerificacoes();
    QGroupBox* grupoMinimas();

    const TextosResultados& textos_;
    std::map<QString, QLabel*> rotulos_;
};
