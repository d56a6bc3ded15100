#include "TFcomeco.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QStringList& TFcomeco::linhas()
{
    static const QStringList texto{
        QStringLiteral("1) Este programa é uma ferramenta destinada aos profissionais de engenharia e"),
        QStringLiteral("arquitetura devidamente registrados no CREA - Conselho Regional"),
        QStringLiteral("de Engenharia, Arquitetura e Agronomia."),
        QStringLiteral("2) Os programas de computadores devem ser vistos como uma ferramenta de"),
        QStringLiteral("auxílio aos engenheiros e arquitetos, e não como uma solução fechada, pois a"),
        QStringLiteral("utilização, o detalhamento e a verificação são de responsabilidade do usuário."),
        QStringLiteral("3) Os resultados apresentados neste programa estão sujeitos a variações em"),
        QStringLiteral("função da forma de interpretação e das premissas adotadas pelo usuário."),
        QStringLiteral("4) Os critérios e normas utilizados constam do material que acompanha o programa."),
        QStringLiteral("5) Ressaltasse que nenhuma das pessoas envolvidas nesse programa se"),
        QStringLiteral(" responsabilizam pelos resultados obtidos, portanto os mesmos não têm nenhum"),
        QStringLiteral("dever legal ou responsabilidade pelos danos causados direta ou indiretamente"),
        QStringLiteral("resultantes do uso de alguma informação aqui disponibilizada.")};
    return texto;
}

TFcomeco::TFcomeco(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFcomeco"));
    setWindowTitle(QStringLiteral("Aviso"));
    setModal(true);

    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(24, 18, 24, 14);
    // A paragraph starts at every numbered line.
    static const QList<int> inicioParagrafo{3, 6, 8, 9};
    for (int i = 0; i < linhas().size(); ++i) {
        if (inicioParagrafo.contains(i))
            principal->addSpacing(8);
        auto* linha = new QLabel(linhas().at(i), this);
        linha->setObjectName(QStringLiteral("Linha%1").arg(i + 1));
        principal->addWidget(linha);
    }
    auto* iniciar = new QPushButton(QStringLiteral("Iniciar"), this);
    iniciar->setObjectName(QStringLiteral("BotaoIniciar"));
    connect(iniciar, &QPushButton::clicked, this, &QDialog::accept);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(iniciar);
    botoes->addStretch();
    principal->addSpacing(12);
    principal->addLayout(botoes);
}
