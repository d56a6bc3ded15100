#include "TFaviso.h"

#include "ExecucaoModal.h"
#include "Figuras.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

int avisoModo = 1;

void centralizarNaTela(QWidget& janela)
{
    QScreen* tela = janela.screen() ? janela.screen() : QGuiApplication::primaryScreen();
    if (!tela)
        return;
    // The size follows what the window holds now: a layout that was laid out
    // before keeps the size hints of its inner layouts until it is
    // activated again, and adjustSize() reads the hint before activating.
    if (QLayout* disposicao = janela.layout()) {
        disposicao->invalidate();
        disposicao->activate();
    }
    janela.adjustSize();
    const QRect area = tela->availableGeometry();
    // adjustSize() stops at two thirds of the screen; a long line may use it all.
    const int largura = std::min(janela.sizeHint().width(), area.width());
    if (largura > janela.width())
        janela.resize(largura, janela.height());
    janela.move(area.center() - janela.rect().center());
}

TFaviso::TFaviso(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFaviso"));
    setWindowTitle(QStringLiteral("Aviso"));
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setPixmap(carregarFigura(QStringLiteral("aviso.bmp")));
    Image1->setAlignment(Qt::AlignTop);

    auto criarLinha = [this](const char* nome) {
        auto* rotulo = new QLabel(this);
        rotulo->setObjectName(QLatin1String(nome));
        rotulo->setAlignment(Qt::AlignCenter);
        return rotulo;
    };
    LabelSuperior = criarLinha("LabelSuperior");
    LabelMeio = criarLinha("LabelMeio");
    LabelInferior = criarLinha("LabelInferior");

    auto* voltar = new QPushButton(QStringLiteral("Voltar"), this);
    voltar->setObjectName(QStringLiteral("BotaoVoltar"));
    connect(voltar, &QPushButton::clicked, this, &QDialog::accept);

    auto* linhas = new QVBoxLayout;
    linhas->addWidget(LabelSuperior);
    linhas->addWidget(LabelMeio);
    linhas->addWidget(LabelInferior);
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(Image1);
    corpo->addSpacing(12);
    corpo->addLayout(linhas, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(voltar);
    botoes->addStretch();
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(botoes);
    setMinimumWidth(380);
}

void TFaviso::FormShow()
{
    const bool umaLinha = avisoModo == 1;
    if (umaLinha) {
        LabelSuperior->clear();
        LabelInferior->clear();
    } else {
        LabelMeio->clear();
    }
    LabelSuperior->setVisible(!umaLinha);
    LabelInferior->setVisible(!umaLinha);
    LabelMeio->setVisible(umaLinha);
}

void TFaviso::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous())
        FormShow();
    QDialog::showEvent(evento);
}

void TFaviso::mostrar()
{
    FormShow();
    centralizarNaTela(*this);
    executarModal(*this);
}

void MensagensPrograma::aviso(const QString& linha)
{
    avisoModo = 1;
    aviso_.LabelMeio->setText(linha);
    aviso_.mostrar();
}

void MensagensPrograma::aviso2(const QString& superior, const QString& inferior)
{
    avisoModo = 2;
    aviso_.LabelSuperior->setText(superior);
    aviso_.LabelInferior->setText(inferior);
    aviso_.mostrar();
}
