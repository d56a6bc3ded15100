#pragma once
// A Mensagens for window tests: keeps every message shown, in order, as
// "aviso: …", "aviso2: … | …", "mensagem: …", "pergunta: …" or
// "pergunta com cancelar: …", and answers questions from a script (Sim when
// `respostas` is empty, Não when `respostasComCancelar` is).

#include "Mensagens.h"

#include <QList>
#include <QStringList>

class MensagensGravadas : public Mensagens {
public:
    MensagensGravadas() { instalarMensagens(this); }
    ~MensagensGravadas() override { instalarMensagens(nullptr); }

    void aviso(const QString& linha) override { mostradas << QStringLiteral("aviso: ") + linha; }
    void aviso2(const QString& superior, const QString& inferior) override
    {
        mostradas << QStringLiteral("aviso2: ") + superior + QStringLiteral(" | ") + inferior;
    }
    void mensagem(const QString& texto) override { mostradas << QStringLiteral("mensagem: ") + texto; }
    bool pergunta(const QString& texto) override
    {
        mostradas << QStringLiteral("pergunta: ") + texto;
        return respostas.isEmpty() ? true : respostas.takeFirst();
    }

    Resposta perguntaComCancelar(const QString& texto) override
    {
        mostradas << QStringLiteral("pergunta com cancelar: ") + texto;
        return respostasComCancelar.isEmpty() ? Resposta::Nao : respostasComCancelar.takeFirst();
    }

    QString ultima() const { return mostradas.isEmpty() ? QString() : mostradas.last(); }

    QStringList mostradas;
    QList<bool> respostas;
    QList<Resposta> respostasComCancelar;
};
