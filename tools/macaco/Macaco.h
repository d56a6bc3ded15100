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
