#pragma once
// The warning window the input windows use for a refused value: a picture
// and either one middle line (`avisoModo` 1) or an upper and a lower line.

#include "Mensagens.h"

#include <QDialog>

class QLabel;

extern int avisoModo;

class TFaviso : public QDialog {
    Q_OBJECT
public:
    explicit TFaviso(QWidget* parent = nullptr);

    QLabel* LabelSuperior;
    QLabel* LabelMeio;
    QLabel* LabelInferior;

    // Fills the lines for the current `avisoModo`, centres the window on the
    // screen and shows it modally.
    void mostrar();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    QLabel* Image1;
};

// The programs' messages: warnings in TFaviso, the rest in message boxes.
class MensagensPrograma : public MensagensCaixas {
public:
    explicit MensagensPrograma(TFaviso& aviso) : aviso_(aviso) {}
    void aviso(const QString& linha) override;
    void aviso2(const QString& superior, const QString& inferior) override;

private:
    TFaviso& aviso_;
};

// Centres a window on the screen it is on.
void centralizarNaTela(QWidget& janela);
