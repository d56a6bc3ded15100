#include "TFsplash.h"

#include "Figuras.h"
#include "TFaviso.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QShowEvent>
#include <QVBoxLayout>

QStringList textosCarregando(const QString& etapa)
{
    const QString texto = QStringLiteral("Carregando ... ") + etapa;
    return {QString(), texto + QStringLiteral("."), texto + QStringLiteral(".."),
            texto + QStringLiteral("...")};
}

TFsplash::TFsplash(const QString& titulo1, const QString& titulo2, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TFsplash"));
    setFixedSize(517, 279);

    auto criarTitulo = [this](const QString& texto) {
        auto* rotulo = new QLabel(texto, this);
        rotulo->setAlignment(Qt::AlignCenter);
        QFont fonte = rotulo->font();
        fonte.setPixelSize(20);
        fonte.setBold(true);
        rotulo->setFont(fonte);
        rotulo->setStyleSheet(QStringLiteral("color: rgb(0, 64, 128);"));
        return rotulo;
    };

    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(16, 14, 16, 12);
    principal->addWidget(criarTitulo(titulo1));
    principal->addWidget(criarTitulo(titulo2));

    auto* linhaLogos = new QHBoxLayout;
    linhaLogos->addStretch();
    for (int i = 0; i < 3; ++i) {
        auto* logo = new QLabel(this);
        logo->setFixedSize(80, 80);
        logos_.append(logo);
        linhaLogos->addWidget(logo);
        linhaLogos->addStretch();
    }
    principal->addStretch();
    principal->addLayout(linhaLogos);
    principal->addStretch();

    LabelVersao = new QLabel(QStringLiteral("Versão:"), this);
    LabelVersao->setObjectName(QStringLiteral("LabelVersao"));
    LabelVersao->setAlignment(Qt::AlignRight);
    LabelStatus = new QLabel(QStringLiteral("Carregando..."), this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(14);

    principal->addWidget(LabelVersao);
    principal->addWidget(LabelStatus);
    principal->addWidget(ProgressBar1);
}

void TFsplash::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous()) {
        // The base folder is where the program starts, unless it is an
        // installed one started elsewhere, whose folders are the user's own.
        if (!pastasDeInstalacao())
            fixarPastaBase(QDir::currentPath());
        fundo_ = carregarFigura(QStringLiteral("fundoSplash.bmp"));
        const QStringList nomes{QStringLiteral("qzmr.bmp"), QStringLiteral("wvkp.bmp"),
                                QStringLiteral("hlno.bmp")};
        for (int i = 0; i < logos_.size(); ++i)
            logos_[i]->setPixmap(carregarFigura(nomes[i]));
        centralizarNaTela(*this);
        setFixedSize(517, 279);
    }
    QWidget::showEvent(evento);
}

void TFsplash::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    if (fundo_.isNull())
        pintor.fillRect(rect(), QColor(235, 242, 248));
    else
        pintor.drawPixmap(rect(), fundo_);
    pintor.setPen(QColor(0, 64, 128));
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFsplash::definirVersao(const QString& versao)
{
    LabelVersao->setText(QStringLiteral("Versão: ") + versao);
}

void TFsplash::definirStatus(const QString& texto) { LabelStatus->setText(texto); }
void TFsplash::definirProgresso(int valor) { ProgressBar1->setValue(valor); }
int TFsplash::progresso() const { return ProgressBar1->value(); }
QString TFsplash::status() const { return LabelStatus->text(); }

void TFsplash::repintar()
{
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
