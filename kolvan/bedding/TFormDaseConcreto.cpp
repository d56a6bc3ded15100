#include "TFormDaseConcreto.h"

#include "Figuras.h"
#include "basesConcreto.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFormDaseConcreto::TFormDaseConcreto(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormDaseConcreto"));
    setWindowTitle(QString::fromUtf8(tituloBasesConcreto));
    setModal(true);

    auto* grade = new QGridLayout;
    const auto& bases = basesConcreto();
    for (int linha = 0; linha < linhasBasesConcreto; ++linha)
        for (int coluna = 0; coluna < colunasBasesConcreto; ++coluna) {
            const BaseConcreto& base = bases[static_cast<std::size_t>(linha)][static_cast<std::size_t>(coluna)];
            auto* painel = new QFrame(this);
            painel->setFrameShape(QFrame::StyledPanel);
            auto* figura = new QLabel(painel);
            figura->setAlignment(Qt::AlignCenter);
            figura->setFixedSize(230, 150);
            figuras_.append(figura);
            auto* botao = new QPushButton(QString::fromUtf8(base.botao), painel);
            botao->setObjectName(QStringLiteral("BotaoBase%1%2").arg(linha).arg(coluna));
            botao->setAutoDefault(false);
            connect(botao, &QPushButton::clicked, this, [this, linha, coluna] {
                escolha_ = {linha, coluna};
                accept();
            });
            auto* coluna_ = new QVBoxLayout(painel);
            coluna_->addWidget(figura);
            coluna_->addWidget(botao);
            grade->addWidget(painel, linha, coluna);
        }
    auto* voltar = new QPushButton(QStringLiteral("Voltar"), this);
    voltar->setObjectName(QStringLiteral("BotaoVoltar"));
    voltar->setAutoDefault(false);
    connect(voltar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(voltar);
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(grade);
    principal->addLayout(botoes);
    carregarFiguras();
}

void TFormDaseConcreto::carregarFiguras()
{
    const auto& bases = basesConcreto();
    int k = 0;
    for (const auto& linha : bases)
        for (const BaseConcreto& base : linha)
            figuras_[k++]->setPixmap(carregarFigura(QString::fromUtf8(base.figura))
                                         .scaled(230, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFormDaseConcreto::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous())
        escolha_ = {-1, -1};
    QDialog::showEvent(evento);
}
