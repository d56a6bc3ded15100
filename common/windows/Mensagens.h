#pragma once
// Every warning, plain message and Sim/Não question of the programs goes
// through here. The program installs the real windows; a test installs a
// recorder that keeps what was shown and answers questions from a script.

#include <QString>

// The answers of a question that can also call the command off.
enum class Resposta { Sim, Nao, Cancelar };

class Mensagens {
public:
    virtual ~Mensagens() = default;
    // The warning window with one middle line.
    virtual void aviso(const QString& linha) = 0;
    // The warning window with an upper and a lower line.
    virtual void aviso2(const QString& superior, const QString& inferior) = 0;
    // A plain message box with "OK".
    virtual void mensagem(const QString& texto) = 0;
    // A question answered "Sim" (true) or "Não" (false).
    virtual bool pergunta(const QString& texto) = 0;
    // A question answered "Sim", "Não" or "Cancelar" (Esc and the close box
    // cancel).
    virtual Resposta perguntaComCancelar(const QString& texto);
};

// The messages in use; before any is installed, plain message boxes.
Mensagens& mensagens();
// Installs `m` (not owned); nullptr puts the plain message boxes back.
void instalarMensagens(Mensagens* m);

// Plain message boxes, used until the warning window exists and by tests that
// need no recording.
class MensagensCaixas : public Mensagens {
public:
    void aviso(const QString& linha) override;
    void aviso2(const QString& superior, const QString& inferior) override;
    void mensagem(const QString& texto) override;
    bool pergunta(const QString& texto) override;
};
