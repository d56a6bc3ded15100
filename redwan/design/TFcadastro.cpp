#include "TFcadastro.h"

#include "TextoQt.h"
#include "cadastroTelas.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

constexpr int margemCelula = 14; // px around the widest text of a column

QTableWidget* criarGrade(QWidget* pai, int linhas, const std::array<int, colunasCadastroTelas>& larguras)
{
    auto* grade = new QTableWidget(linhas, colunasCadastroTelas, pai);
    grade->horizontalHeader()->hide();
    grade->verticalHeader()->hide();
    grade->setSelectionMode(QAbstractItemView::NoSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setFocusPolicy(Qt::NoFocus);
    grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grade->setWordWrap(false);
    int largura = 2 * grade->frameWidth();
    for (int c = 0; c < colunasCadastroTelas; ++c) {
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
        if (!grade->isRowHidden(l))
            altura += grade->rowHeight(l);
    grade->setFixedHeight(altura);
}

void celula(QTableWidget* grade, int linha, int coluna, const QString& texto, int colunas = 1, int linhas = 1)
{
    auto* item = new QTableWidgetItem(texto);
    item->setTextAlignment(Qt::AlignCenter);
    grade->setItem(linha, coluna, item);
    if (colunas > 1 || linhas > 1)
        grade->setSpan(linha, coluna, linhas, colunas);
}

// Each column as wide as its widest heading or cell; the two cross-section
// columns together as wide as the heading they share.
std::array<int, colunasCadastroTelas> largurasColunas(const CadastroTelas& c, const QFont& fonteCabecalho,
                                                      const QFont& fonteCelulas)
{
    const QFontMetrics mc(fonteCabecalho);
    const QFontMetrics mt(fonteCelulas);
    std::array<int, colunasCadastroTelas> larguras{};
    for (int col = 0; col < colunasCadastroTelas; ++col) {
        const CabecalhoColuna& cab = cabecalhosCadastroTelas[static_cast<std::size_t>(col)];
        int w = std::max(mc.horizontalAdvance(QString::fromUtf8(cab.linha1)),
                         mc.horizontalAdvance(QString::fromUtf8(cab.linha2)));
        for (int l = 0; l < linhasCadastroTelas; ++l)
            w = std::max(w, mt.horizontalAdvance(qt(c.celula(col, l))));
        larguras[static_cast<std::size_t>(col)] = w + margemCelula;
    }
    const int secao = mc.horizontalAdvance(QString::fromUtf8(cabecalhoSecaoFios)) + margemCelula;
    const int falta = secao - (larguras[3] + larguras[4]);
    if (falta > 0) {
        larguras[3] += falta / 2;
        larguras[4] += falta - falta / 2;
    }
    return larguras;
}

QWidget* paginaCatalogo(TFcadastro& janela, QWidget* pai)
{
    const CadastroTelas cadastro = preencherCadastroTelas();
    auto* pagina = new QWidget(pai);

    auto* titulo = new QLabel(QString::fromUtf8(tituloCadastroTelas), pagina);
    titulo->setObjectName(QStringLiteral("PanelTitulo"));
    titulo->setFrameStyle(QFrame::Panel | QFrame::Raised);
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setMargin(4);
    QFont fonteTitulo = titulo->font();
    fonteTitulo.setBold(true);
    fonteTitulo.setPointSizeF(fonteTitulo.pointSizeF() * 1.2);
    titulo->setFont(fonteTitulo);

    QFont negrito = pagina->font();
    negrito.setBold(true);
    const auto larguras = largurasColunas(cadastro, negrito, pagina->font());

    // Headings: the upper line over the lower one; "Designação" over both;
    // the cross-section heading over its two columns.
    janela.Cabecalho = criarGrade(pagina, 2, larguras);
    janela.Cabecalho->setObjectName(QStringLiteral("Cabecalho"));
    janela.Cabecalho->setFont(negrito);
    for (int col = 0; col < colunasCadastroTelas; ++col) {
        const CabecalhoColuna& cab = cabecalhosCadastroTelas[static_cast<std::size_t>(col)];
        if (col == 3)
            celula(janela.Cabecalho, 0, col, QString::fromUtf8(cabecalhoSecaoFios), 2);
        else if (col != 4 && *cab.linha2 == '\0')
            celula(janela.Cabecalho, 0, col, QString::fromUtf8(cab.linha1), 1, 2);
        else if (col != 4)
            celula(janela.Cabecalho, 0, col, QString::fromUtf8(cab.linha1));
        if (*cab.linha2 != '\0')
            celula(janela.Cabecalho, 1, col, QString::fromUtf8(cab.linha2));
    }
    ajustarAltura(janela.Cabecalho);

    // The catalogue: row 0 lies under the headings.
    janela.StringGrid1 = criarGrade(pagina, linhasCadastroTelas, larguras);
    janela.StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    for (int l = 1; l < linhasCadastroTelas; ++l)
        for (int col = 0; col < colunasCadastroTelas; ++col)
            celula(janela.StringGrid1, l, col, qt(cadastro.celula(col, l)));
    janela.StringGrid1->setRowHidden(0, true);
    ajustarAltura(janela.StringGrid1);

    auto* coluna = new QVBoxLayout(pagina);
    coluna->setSpacing(0);
    coluna->addWidget(titulo);
    coluna->addSpacing(6);
    coluna->addWidget(janela.Cabecalho);
    coluna->addWidget(janela.StringGrid1);
    coluna->addStretch();
    return pagina;
}

} // namespace

TFcadastro::TFcadastro(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFcadastro"));
    setWindowTitle(QString::fromUtf8(tituloJanelaCadastro));
    setModal(true);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(paginaCatalogo(*this, PageControl1), QString::fromUtf8(paginaMachoFemea));
    for (const char* pagina : {paginaPontaBolsa10, paginaPontaBolsa15})
        PageControl1->addTab(new QWidget(PageControl1), QString::fromUtf8(pagina));

    auto* voltar = new QPushButton(QString::fromUtf8(botaoVoltar), this);
    voltar->setObjectName(QStringLiteral("BotaoVoltar"));
    voltar->setAutoDefault(false);
    connect(voltar, &QPushButton::clicked, this, &QDialog::accept);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(voltar);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(PageControl1);
    principal->addLayout(botoes);
    principal->setSizeConstraint(QLayout::SetFixedSize);
}
