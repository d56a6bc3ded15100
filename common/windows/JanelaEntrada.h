#pragma once
// The protocol every input window follows. On show, `confirmado` goes to 0
// and the window takes its snapshot; "Confirma" (and Alt+F4) sets it to 1
// and asks to close; the close check then validates and may refuse, leaving
// the window open with the focus on the field. "Cancela", Esc and the close
// box close with `confirmado` 0 and put the snapshot back.

#include <QDialog>

// The shared modal result of the last closed modal window: 1 confirmed, 0 not.
extern int confirmado;

class QHBoxLayout;
class QPushButton;

class JanelaEntrada : public QDialog {
    Q_OBJECT
public:
    explicit JanelaEntrada(QWidget* parent = nullptr);

public slots:
    void confirmar(); // "Confirma" and Alt+F4
    void cancelar();  // "Cancela"
    void reject() override;

protected:
    // Reads the project into the controls and takes the snapshot.
    virtual void FormShow() = 0;
    // The close check of a confirmed close: true accepts it. A refusal sets
    // `confirmado` back to 0 (unless the window means to keep it) and
    // returns false.
    virtual bool FormCloseQuery() = 0;
    // A cancelled close: puts the snapshot back.
    virtual void restaurarInstantaneo() = 0;
    // Whether Alt+F4 confirms this window.
    void permitirAltF4(bool confirma);

    // "Confirma" and "Cancela" as every input window places them.
    QPushButton* criarBotaoConfirma();
    QPushButton* criarBotaoCancela();
    // The row of the window's foot: "Confirma" and "Cancela" at the right.
    QHBoxLayout* criarLinhaBotoes();

    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    bool altF4Confirma_ = true;
};
