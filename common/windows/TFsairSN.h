#pragma once
// The exit question: "Deseja sair do programa?" with "Sim" and "Não".
// "Sim" sets `confirmado` to 1; "Não" and the close box leave it at 0.

#include <QDialog>

class TFsairSN : public QDialog {
    Q_OBJECT
public:
    explicit TFsairSN(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;
};

// Shows the exit question modally; true when it was answered "Sim".
bool perguntarSaida(TFsairSN& janela);
