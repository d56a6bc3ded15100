#include "JanelaTabelaClasse.h"

#include "TextoQt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidget* criarGrade(QWidget* pai, int linhas, int colunas, const std::vector<int>& larguras)
{
    auto* grade = new QTableWidget(linhas, colunas, pai);
    grade->horizontalHeader()->hide();
    grade->verticalHeader()->hide();
    grade->setSelectionMode(QAbstractItemView::NoSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setFocusPolicy(Qt::NoFocus);
    grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grade->setTextElideMode(Qt::ElideNone);
    grade->setWordWrap(false);
    // The column widths are those of the printed tables: a compact font fits them.
    QFont fonte = grade->font();
    fonte.setPixelSize(11);
    grade->setFont(fonte);
    grade->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 3px; }"));
    grade->verticalHeader()->setDefaultSectionSize(20);
    grade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int largura = 2 * grade->frameWidth();
    for (int c = 0; c < colunas; ++c) {
        grade->setColumnWidth(c, larguras[static_cast<std::size_t>(c)]);
        largura += larguras[static_cast<std::size_t>(c)];
    }
    grade->setFixedWidth(largura);
    return grade;
}

void ajustarAltura(QTableWidget* grade)
{
    int altura = 2 * grade->frameWidth();
    for (int l = 0; l < grade->rowCount(); ++l)
        altura += grade->rowHeight(l);
    grade->setFixedHeight(altura);
}

void celula(QTableWidget* grade, int linha, int coluna, const QString& texto, Qt::Alignment alinhamento,
            int linhas = 1, int colunas = 1)
{
    auto* item = new QTableWidgetItem(texto);
    item->setTextAlignment(alinhamento | Qt::AlignVCenter);
    grade->setItem(linha, coluna, item);
    if (linhas > 1 || colunas > 1)
        grade->setSpan(linha, coluna, linhas, colunas);
}
} // namespace

JanelaTabelaClasse::JanelaTabelaClasse(const GradeTabela& g, const QString& nomeObjeto, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(nomeObjeto);
    setWindowTitle(qt(g.titulo));
    setModal(true);
    const int colunas = static_cast<int>(g.largurasColunas.size());

    // Header: purpose, the two lines of the kind of load, the class names.
    Cabecalho = criarGrade(this, 4, colunas, g.largurasColunas);
    Cabecalho->setObjectName(QStringLiteral("Cabecalho"));
    celula(Cabecalho, 0, 0, QString::fromUtf8(rotuloDN), Qt::AlignCenter, 3, 1);
    celula(Cabecalho, 3, 0, QString::fromUtf8(rotuloClasse), Qt::AlignCenter);
    for (const GrupoCabecalho& grupo : g.finalidades)
        celula(Cabecalho, 0, grupo.primeiraColuna, qt(grupo.linhas.at(0)), Qt::AlignCenter, 1, grupo.colunas);
    for (const GrupoCabecalho& grupo : g.tiposCarga)
        for (int l = 0; l < 2 && l < static_cast<int>(grupo.linhas.size()); ++l)
            celula(Cabecalho, 1 + l, grupo.primeiraColuna, qt(grupo.linhas[static_cast<std::size_t>(l)]),
                   Qt::AlignCenter, 1, grupo.colunas);
    for (int c = 1; c < colunas; ++c)
        celula(Cabecalho, 3, c, qt(g.classes[static_cast<std::size_t>(c)]), Qt::AlignCenter);
    QFont negrito = Cabecalho->font();
    negrito.setBold(true);
    Cabecalho->setFont(negrito);
    // A kind of load over three narrow columns takes two lines.
    Cabecalho->setWordWrap(true);
    Cabecalho->setRowHeight(1, 32);
    ajustarAltura(Cabecalho);

    const int linhas = static_cast<int>(g.celulas.size());
    StringGrid1 = criarGrade(this, linhas, colunas, g.largurasColunas);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    for (int l = 0; l < linhas; ++l)
        for (int c = 0; c < colunas; ++c)
            // The padding blanks right-align the texts; the cell aligns them itself.
            celula(StringGrid1, l, c,
                   qt(g.celulas[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)]).trimmed(),
                   Qt::AlignRight);
    celula(StringGrid1, g.linhaFaixa, 1, QString::fromUtf8(faixaCargaDiametral), Qt::AlignCenter, 2, colunas - 1);
    ajustarAltura(StringGrid1);

    auto* voltar = new QPushButton(QStringLiteral("Voltar"), this);
    voltar->setObjectName(QStringLiteral("BotaoVoltar"));
    connect(voltar, &QPushButton::clicked, this, &QDialog::accept);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(voltar);

    auto* principal = new QVBoxLayout(this);
    principal->setSpacing(0);
    principal->addWidget(Cabecalho);
    principal->addWidget(StringGrid1);
    principal->addSpacing(10);
    principal->addLayout(botoes);
    principal->setSizeConstraint(QLayout::SetFixedSize);
}

TFtabelaA3::TFtabelaA3(QWidget* parent) : JanelaTabelaClasse(gradeTabelaA3(), QStringLiteral("TFtabelaA3"), parent) {}

TFtabelaA4::TFtabelaA4(QWidget* parent) : JanelaTabelaClasse(gradeTabelaA4(), QStringLiteral("TFtabelaA4"), parent) {}
