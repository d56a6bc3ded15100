#pragma once
// The monkey: drives one whole program in-process with a seed. Each action
// is a user's gesture: a command of the main window (toolbar button, menu
// item or its key), a click, a typed, pasted or dropped text, a key, a
// closing of a window; the modal windows the program opens are played
// through the executarModal seam, the file dialogs answered by
// ArquivosMacaco. After every action of the main window the program's
// invariants are checked.
//
// A run is a row of episodes, each a fresh program in a fresh base folder
// with the seed before it plus one; a failing episode is printed with its
// seed, and `macaco_<programa> SEMENTE` replays exactly that episode.

#include "ArquivosMacaco.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

class QDialog;
class QMainWindow;
class Sorteio;
class Vigia;

// One program under the monkey: its main window, and its invariants.
class ProgramaMacaco {
public:
    virtual ~ProgramaMacaco() = default;
    virtual QMainWindow& principal() = 0;
    // Empty while every invariant holds; else what broke.
    virtual QString verificar() = 0;
    // Distinct confirmed results saved and reopened so far, which says how
    // deep the run went.
    long conferidos = 0;

protected:
    // A confirmed result saved, reopened and saved again gives the same
    // bytes. `salvar(caminho, erro)` writes the project shown; `abrir(caminho)`
    // reads a file back (a reading with ok, linha and erro); `salvarLido(lido,
    // caminho, erro)` writes what was read. Files go in `pasta`, with the
    // extension `extensao`; a file already checked is not checked again.
    template <class Salvar, class Abrir, class SalvarLido>
    QString salvaEReabre(const QString& pasta, const QString& extensao, Salvar salvar, Abrir abrir,
                         SalvarLido salvarLido)
    {
        const QString primeiro = pasta + QStringLiteral("/conferencia.") + extensao;
        const QString segundo = pasta + QStringLiteral("/reaberto.") + extensao;
        QString erro;
        if (!salvar(primeiro, erro))
            return QStringLiteral("um resultado confirmado não se salva: ") + erro;
        const QByteArray bytes = bytesDoArquivo(primeiro);
        if (bytes == ultimoConferido_)
            return {};
        const auto lido = abrir(primeiro);
        if (!lido.ok)
            return QStringLiteral("o projeto salvo é recusado ao abrir: linha %1, %2")
                .arg(lido.linha)
                .arg(QString::fromStdString(lido.erro));
        if (!salvarLido(lido, segundo, erro))
            return QStringLiteral("o projeto reaberto não se salva: ") + erro;
        if (bytesDoArquivo(segundo) != bytes)
            return QStringLiteral("o projeto reaberto não se salva igual ao salvo");
        ultimoConferido_ = bytes;
        ++conferidos;
        return {};
    }

private:
    QByteArray ultimoConferido_;
};

class Macaco {
public:
    Macaco(Sorteio& sorteio, Vigia& vigia, const QString& quem, bool verboso);
    ~Macaco();
    Macaco(const Macaco&) = delete;
    Macaco& operator=(const Macaco&) = delete;

    // One action on the main window (with all it opens).
    void passoPrincipal(QMainWindow& principal);
    long acoes() const { return acoes_; }
    QString ultimaAcao() const { return ultima_; }
    // From now on every window is closed at once and the exit question
    // answered "Sim": the program can end.
    void encerrar();
    // What the monkey saw go wrong in the windows it played (a number shown
    // as "nan", a window left open), or empty.
    QString falha() const { return falha_; }

private:
    int executar(QDialog& janela);
    void fechar(QDialog& janela);
    void contar(const QString& descricao);
    void rejeitarJanelasEstranhas();
    void conferirTextos(QWidget& janela);

    Sorteio& s_;
    Vigia& vigia_;
    QString quem_;
    bool verboso_;
    long acoes_ = 0;
    QString ultima_;
    QList<QDialog*> pilha_; // the modal windows open now, innermost last
    QTimer guarda_;
    bool encerrando_ = false;
    QString falha_;
};

// Runs the monkey over a program (`criar` makes it fresh for each episode)
// and prints "<nome>: N ações, F falhas"; returns the process's exit code.
int rodarMacaco(const char* nome, const QString& extensao, int argc, char** argv,
                const std::function<std::unique_ptr<ProgramaMacaco>()>& criar);
