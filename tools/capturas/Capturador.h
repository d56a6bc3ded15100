#pragma once
// Screenshots of a program's windows as a user meets them, for a person to
// look at. Modal windows are played by a script: each step shows the window,
// shoots the whole screen and then does what the user would do there.

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class Capturador {
public:
    explicit Capturador(const QString& pasta);

    // What the user does in the next modal window; `nome` names its shot.
    void quandoAbrir(const QString& nome, std::function<void(QDialog&)> acao);
    // Replaces the modal executor and the pauses of the program.
    void instalar();
    void desinstalar();

    // Lets the window system draw, then saves the screen as NN-nome.png.
    void foto(const QString& nome);
    // Clicks the button with this object name or, failing that, this caption.
    static void clicar(QWidget& janela, const QString& botao);

    int fotos() const { return numero_; }
    QStringList falhas() const { return falhas_; }

private:
    int executar(QDialog& janela);
    struct Passo {
        QString nome;
        std::function<void(QDialog&)> acao;
    };
    QString pasta_;
    QList<Passo> roteiro_;
    QStringList falhas_;
    int numero_ = 0;
};
