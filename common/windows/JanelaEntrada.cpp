#include "JanelaEntrada.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

int confirmado = 0;

JanelaEntrada::JanelaEntrada(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    auto* altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    altF4->setContext(Qt::WindowShortcut);
    connect(altF4, &QShortcut::activated, this, [this] {
        if (altF4Confirma_)
            confirmar();
        else
            cancelar();
    });
}

void JanelaEntrada::permitirAltF4(bool confirma) { altF4Confirma_ = confirma; }

QPushButton* JanelaEntrada::criarBotaoConfirma()
{
    auto* botao = new QPushButton(QStringLiteral("Confirma"), this);
    botao->setObjectName(QStringLiteral("BotaoConfirma"));
    botao->setAutoDefault(false);
    connect(botao, &QPushButton::clicked, this, &JanelaEntrada::confirmar);
    return botao;
}

QPushButton* JanelaEntrada::criarBotaoCancela()
{
    auto* botao = new QPushButton(QStringLiteral("Cancela"), this);
    botao->setObjectName(QStringLiteral("BotaoCancela"));
    botao->setAutoDefault(false);
    connect(botao, &QPushButton::clicked, this, &JanelaEntrada::cancelar);
    return botao;
}

QHBoxLayout* JanelaEntrada::criarLinhaBotoes()
{
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(criarBotaoConfirma());
    botoes->addWidget(criarBotaoCancela());
    return botoes;
}

void JanelaEntrada::confirmar()
{
    confirmado = 1;
    close();
}

void JanelaEntrada::cancelar()
{
    confirmado = 0;
    close();
}

// Esc goes through the close check like the close box.
void JanelaEntrada::reject() { close(); }

void JanelaEntrada::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous()) {
        confirmado = 0;
        FormShow();
    }
    QDialog::showEvent(evento);
}

void JanelaEntrada::closeEvent(QCloseEvent* evento)
{
    if (confirmado == 1) {
        if (!FormCloseQuery()) {
            evento->ignore();
            return;
        }
    } else {
        restaurarInstantaneo();
    }
    evento->accept();
    done(confirmado == 1 ? QDialog::Accepted : QDialog::Rejected);
}
