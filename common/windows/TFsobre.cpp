#include "TFsobre.h"

#include "ArquivoSeguro.h"

#include "Figuras.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

Creditos lerCreditos(const QString& texto)
{
    Creditos creditos;
    QList<EntradaCredito>* secao = nullptr;
    for (QString linha : texto.split(QLatin1Char('\n'))) {
        linha = linha.trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char('#')))
            continue;
        if (linha.startsWith(QLatin1Char('[')) && linha.endsWith(QLatin1Char(']'))) {
            const QString nome = linha.mid(1, linha.size() - 2).trimmed();
            if (nome == QStringLiteral("Coordenação Geral"))
                secao = &creditos.coordenacao;
            else if (nome == QStringLiteral("Programação"))
                secao = &creditos.programacao;
            else if (nome == QStringLiteral("Consultoria Técnica"))
                secao = &creditos.consultoria;
            else
                secao = nullptr;
            continue;
        }
        if (!secao)
            continue;
        const int barra = linha.indexOf(QLatin1Char('|'));
        EntradaCredito entrada;
        entrada.nome = (barra < 0 ? linha : linha.left(barra)).trimmed();
        entrada.email = barra < 0 ? QString() : linha.mid(barra + 1).trimmed();
        secao->append(entrada);
    }
    return creditos;
}

namespace {
QLabel* rotuloColorido(const QString& texto, const QColor& cor, QWidget* pai, int pixels, bool negrito)
{
    auto* rotulo = new QLabel(texto, pai);
    QFont fonte = rotulo->font();
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    rotulo->setFont(fonte);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
    return rotulo;
}
} // namespace

TFsobre::TFsobre(const QString& titulo1, const QString& titulo2, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFsobre"));
    setWindowTitle(QStringLiteral("Autores e Responsáveis"));
    setModal(true);

    const QColor verde(0, 128, 0);
    auto* principal = new QVBoxLayout(this);
    for (const QString& titulo : {titulo1, titulo2}) {
        auto* rotulo = rotuloColorido(titulo, verde, this, 18, true);
        rotulo->setAlignment(Qt::AlignCenter);
        principal->addWidget(rotulo);
    }
    auto* linhaLogos = new QHBoxLayout;
    linhaLogos->addStretch();
    for (int i = 0; i < 3; ++i) {
        auto* logo = new QLabel(this);
        logo->setFixedSize(80, 80);
        logos_.append(logo);
        linhaLogos->addWidget(logo);
        linhaLogos->addStretch();
    }
    principal->addLayout(linhaLogos);

    LabelVersao = rotuloColorido(QStringLiteral("Versão:"), Qt::blue, this, 13, false);
    LabelVersao->setObjectName(QStringLiteral("LabelVersao"));
    LabelVersao->setAlignment(Qt::AlignCenter);
    principal->addWidget(LabelVersao);

    areaCreditos_ = new QWidget(this);
    creditos_ = new QVBoxLayout(areaCreditos_);
    creditos_->setContentsMargins(0, 6, 0, 6);
    principal->addWidget(areaCreditos_);

    auto* voltar = new QPushButton(QStringLiteral("Voltar"), this);
    voltar->setObjectName(QStringLiteral("BotaoVoltar"));
    connect(voltar, &QPushButton::clicked, this, &QDialog::accept);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(voltar);
    botoes->addStretch();
    principal->addLayout(botoes);
    setMinimumWidth(460);
}

void TFsobre::definirVersao(const QString& versao)
{
    LabelVersao->setText(QStringLiteral("Versão: ") + versao);
}

void TFsobre::carregarLogos()
{
    const QStringList nomes{QStringLiteral("qzmr.bmp"), QStringLiteral("wvkp.bmp"),
                            QStringLiteral("hlno.bmp")};
    for (int i = 0; i < logos_.size(); ++i)
        logos_[i]->setPixmap(carregarFigura(nomes[i]));
}

void TFsobre::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous())
        preencherCreditos();
    QDialog::showEvent(evento);
}

void TFsobre::preencherCreditos()
{
    while (QLayoutItem* item = creditos_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    Creditos creditos;
    QByteArray bytes;
    QString motivo;
    if (lerArquivoSeguro(caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Creditos.txt")),
                         limiteArquivoConfiguracao, bytes, motivo))
        creditos = lerCreditos(QString::fromUtf8(bytes).remove(QLatin1Char('\r')));

    const QList<QPair<QString, QList<EntradaCredito>>> secoes{
        {QStringLiteral("Coordenação Geral:"), creditos.coordenacao},
        {QStringLiteral("Programação:"), creditos.programacao},
        {QStringLiteral("Consultoria Técnica:"), creditos.consultoria}};
    for (const auto& [titulo, entradas] : secoes) {
        creditos_->addWidget(rotuloColorido(titulo, Qt::red, areaCreditos_, 13, true));
        for (const EntradaCredito& entrada : entradas) {
            creditos_->addWidget(new QLabel(QStringLiteral("    ") + entrada.nome, areaCreditos_));
            auto* email = new QLabel(areaCreditos_);
            if (entrada.email.contains(QLatin1Char('@'))) {
                email->setText(QStringLiteral("    E-mail: <a href=\"mailto:%1\">%1</a>")
                                   .arg(entrada.email.toHtmlEscaped()));
                email->setTextFormat(Qt::RichText);
                email->setOpenExternalLinks(true);
            } else {
                email->setText(QStringLiteral("    E-mail: ") + entrada.email);
            }
            creditos_->addWidget(email);
        }
        creditos_->addSpacing(4);
    }
}
