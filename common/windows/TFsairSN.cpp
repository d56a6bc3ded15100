#include "TFsairSN.h"

#include "ExecucaoModal.h"
#include "Figuras.h"
#include "JanelaEntrada.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFsairSN::TFsairSN(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFsairSN"));
    setWindowTitle(QStringLiteral("Confirmação"));
    setModal(true);

    auto* figura = new QLabel(this);
    figura->setPixmap(carregarFigura(QStringLiteral("sair.bmp")));
    auto* pergunta = new QLabel(QStringLiteral("Deseja sair do programa?"), this);

    auto* sim = new QPushButton(QStringLiteral("Sim"), this);
    sim->setObjectName(QStringLiteral("BotaoSim"));
    auto* nao = new QPushButton(QStringLiteral("Não"), this);
    nao->setObjectName(QStringLiteral("BotaoNao"));
    connect(sim, &QPushButton::clicked, this, [this] {
        confirmado = 1;
        accept();
    });
    connect(nao, &QPushButton::clicked, this, &QDialog::reject);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(figura);
    corpo->addSpacing(12);
    corpo->addWidget(pergunta, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(sim);
    botoes->addWidget(nao);
    botoes->addStretch();
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(botoes);
}

void TFsairSN::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous())
        confirmado = 0;
    QDialog::showEvent(evento);
}

bool perguntarSaida(TFsairSN& janela)
{
    confirmado = 0;
    executarModal(janela);
    return confirmado == 1;
}
