#include "TFormRecobrimentos.h"

#include "ArquivoLinhas.h"
#include "DialogosArquivo.h"
#include "Mensagens.h"
#include "PintorGraficoRecobrimento.h"
#include "TextoQt.h"
#include "VisualizacaoRelatorio.h"
#include "numeros.h"
#include "planilhaCsv.h"
#include "planilhaXlsx.h"
#include "relatorioRecobrimentos.h"
#include "saidaRecobrimentos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QColor corQt(CorClasse c) { return QColor(c.r, c.g, c.b); }

QPushButton* botao(const char* texto, const char* nome, QWidget* pai)
{
    auto* b = new QPushButton(QString::fromUtf8(texto), pai);
    b->setObjectName(QString::fromUtf8(nome));
    return b;
}

QTableWidget* novaTabela(const char* nome, QWidget* pai)
{
    auto* t = new QTableWidget(pai);
    t->setObjectName(QString::fromUtf8(nome));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::ContiguousSelection);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

QTableWidgetItem* itemTexto(const QString& texto, Qt::Alignment alinhamento = Qt::AlignCenter)
{
    auto* item = new QTableWidgetItem(texto);
    item->setTextAlignment(alinhamento);
    return item;
}

} // namespace

TFormRecobrimentos::TFormRecobrimentos(const ProjetoTubo& projeto, QWidget* parent)
    : QWidget(parent, Qt::Window), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFormRecobrimentos"));
    setWindowTitle(QStringLiteral("Tabela de recobrimentos"));
    setWindowIcon(iconeTabelaRecobrimentos());

    auto* relatorio = botao("Relatório", "Brelatorio", this);
    auto* exportar = botao("Exportar", "Bexportar", this);
    auto* menuExportar = new QMenu(exportar);
    QAction* csv = menuExportar->addAction(QStringLiteral("Planilha CSV (;)..."));
    csv->setObjectName(QStringLiteral("MexportarCsv"));
    QAction* xlsx = menuExportar->addAction(QStringLiteral("Planilha do Excel (.xlsx)..."));
    xlsx->setObjectName(QStringLiteral("MexportarXlsx"));
    exportar->setMenu(menuExportar);
    auto* fechar = botao("Fechar", "Bfechar", this);

    tabelaClasses_ = novaTabela("TabelaClasses", this);
    tabelaCoberturas_ = novaTabela("TabelaCoberturas", this);
    auto* abas = new QTabWidget(this);
    abas->setObjectName(QStringLiteral("Abas"));
    abas->addTab(tabelaClasses_, QStringLiteral("Alturas de terra por classe"));
    abas->addTab(tabelaCoberturas_, QStringLiteral("Classe por altura de terra"));

    CmbBxDiametro = new QComboBox(this);
    CmbBxDiametro->setObjectName(QStringLiteral("CmbBxDiametro"));
    for (const std::string& di : listaDiametros())
        CmbBxDiametro->addItem(qt(di) + QStringLiteral(" mm"));
    grafico_ = new AreaGraficoRecobrimento(this);
    auto* linhaDiametro = new QHBoxLayout;
    auto* rotuloDiametro = new QLabel(QStringLiteral("Gráfico do diâmetro:"), this);
    rotuloDiametro->setBuddy(CmbBxDiametro);
    linhaDiametro->addWidget(rotuloDiametro);
    linhaDiametro->addWidget(CmbBxDiametro);
    linhaDiametro->addStretch();
    auto* baixo = new QWidget(this);
    auto* layoutBaixo = new QVBoxLayout(baixo);
    layoutBaixo->setContentsMargins(0, 0, 0, 0);
    layoutBaixo->addLayout(linhaDiametro);
    layoutBaixo->addWidget(grafico_, 1);

    auto* divisor = new QSplitter(Qt::Vertical, this);
    divisor->addWidget(abas);
    divisor->addWidget(baixo);
    divisor->setStretchFactor(0, 1);
    divisor->setStretchFactor(1, 1);

    situacao_ = new QLabel(this);
    situacao_->setObjectName(QStringLiteral("Situacao"));
    situacao_->setWordWrap(true);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(relatorio);
    botoes->addWidget(exportar);
    botoes->addStretch();
    botoes->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(botoes);
    layout->addWidget(divisor, 1);
    layout->addWidget(situacao_);

    connect(relatorio, &QPushButton::clicked, this, &TFormRecobrimentos::BrelatorioClick);
    connect(csv, &QAction::triggered, this, &TFormRecobrimentos::BexportarCsvClick);
    connect(xlsx, &QAction::triggered, this, &TFormRecobrimentos::BexportarXlsxClick);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(CmbBxDiametro, &QComboBox::currentIndexChanged, this, &TFormRecobrimentos::CmbBxDiametroChange);

    resize(1180, 800);
}

void TFormRecobrimentos::projetoAlterado()
{
    desatualizada_ = true;
    if (isVisible())
        recalcular();
}

void TFormRecobrimentos::showEvent(QShowEvent* evento)
{
    if (desatualizada_)
        recalcular();
    QWidget::showEvent(evento);
}

void TFormRecobrimentos::recalcular()
{
    tabela_ = calcularTabelaRecobrimentos(projeto_);
    desatualizada_ = false;
    // The chart follows the project's diameter until the user picks another.
    if (tabela_.indiceProjeto != diametroProjeto_) {
        diametroProjeto_ = tabela_.indiceProjeto;
        const QSignalBlocker bloqueio(CmbBxDiametro);
        CmbBxDiametro->setCurrentIndex(diametroProjeto_);
    }
    preencherTabelas();
    CmbBxDiametroChange();
}

void TFormRecobrimentos::CmbBxDiametroChange()
{
    const int i = CmbBxDiametro->currentIndex();
    grafico_->definirDiametro(i >= 0 && i < static_cast<int>(tabela_.diametros.size())
                                  ? &tabela_.diametros[static_cast<std::size_t>(i)]
                                  : nullptr);
}

void TFormRecobrimentos::preencherTabelas()
{
    const std::vector<CargaClasse> colunas = colunasClasses(tabela_);
    const int linhas = static_cast<int>(tabela_.diametros.size());
    QStringList diametros;
    for (const DiametroRecobrimento& d : tabela_.diametros)
        diametros << QStringLiteral("%1 mm").arg(d.di);

    tabelaClasses_->clear();
    tabelaClasses_->setRowCount(linhas);
    tabelaClasses_->setColumnCount(static_cast<int>(colunas.size()));
    tabelaClasses_->setVerticalHeaderLabels(diametros);
    for (int c = 0; c < static_cast<int>(colunas.size()); ++c) {
        const CargaClasse& k = colunas[static_cast<std::size_t>(c)];
        auto* cabecalho = new QTableWidgetItem(qt(k.classe) + (k.armado ? QStringLiteral("\narmado") : QStringLiteral("\nsimples")));
        tabelaClasses_->setHorizontalHeaderItem(c, cabecalho);
    }
    int semR = 0;
    std::string primeiraMensagem;
    for (int r = 0; r < linhas; ++r) {
        const DiametroRecobrimento& d = tabela_.diametros[static_cast<std::size_t>(r)];
        for (const PontoRecobrimento& p : d.pontos)
            if (!p.classificado) {
                ++semR;
                if (primeiraMensagem.empty())
                    primeiraMensagem = "DI " + std::to_string(d.di) + " mm, " + p.mensagem;
            }
        for (int c = 0; c < static_cast<int>(colunas.size()); ++c) {
            const CargaClasse& k = colunas[static_cast<std::size_t>(c)];
            const ClasseRecobrimento* classe = classeDe(d, k);
            QTableWidgetItem* item = itemTexto(classe ? qt(textoIntervalos(classe->intervalos)) : QString(),
                                               Qt::AlignLeft | Qt::AlignVCenter);
            if (classe)
                item->setToolTip(QStringLiteral("%1 de %2 mm: carga %3 kN/m")
                                     .arg(qt(k.classe))
                                     .arg(d.di)
                                     .arg(qt(formatar2(classe->carga.carga))));
            else
                item->setBackground(QColor(235, 235, 235));
            tabelaClasses_->setItem(r, c, item);
        }
    }
    tabelaClasses_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    const std::vector<int>& coberturas = coberturasClassePorCobertura();
    tabelaCoberturas_->clear();
    tabelaCoberturas_->setRowCount(linhas);
    tabelaCoberturas_->setColumnCount(static_cast<int>(coberturas.size()));
    tabelaCoberturas_->setVerticalHeaderLabels(diametros);
    QStringList titulos;
    for (int cm : coberturas)
        titulos << qt(formatar2(cm / 100.0));
    tabelaCoberturas_->setHorizontalHeaderLabels(titulos);
    for (int r = 0; r < linhas; ++r) {
        const DiametroRecobrimento& d = tabela_.diametros[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(coberturas.size()); ++c) {
            const int cm = coberturas[static_cast<std::size_t>(c)];
            const std::string classe = classePorCobertura(d, cm);
            QTableWidgetItem* item = itemTexto(qt(classe));
            const PontoRecobrimento& p = d.ponto(cm);
            if (classe != semClasseCobertura)
                item->setBackground(corQt(corClasse(classe, true)));
            item->setToolTip(p.classificado ? QStringLiteral("hs = %1 m: R = %2 kN/m")
                                                  .arg(qt(formatar2(cm / 100.0)), qt(formatar2(p.R)))
                                            : qt(p.mensagem)); // it names its cover
            tabelaCoberturas_->setItem(r, c, item);
        }
    }
    tabelaCoberturas_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The project's diameter stands out in both tables.
    for (QTableWidget* t : {tabelaClasses_, tabelaCoberturas_})
        if (QTableWidgetItem* cabecalho = t->verticalHeaderItem(tabela_.indiceProjeto)) {
            QFont fonte = cabecalho->font();
            fonte.setBold(true);
            cabecalho->setFont(fonte);
        }

    QString texto = QStringLiteral("Alturas de terra %1, a cada centímetro; na tabela de classe por "
                                   "altura de terra, cada coluna é uma altura hs em m. ")
                        .arg(qt(textoFaixaCoberturas()));
    if (semR > 0)
        texto += QStringLiteral("Pontos sem R: %1 (por exemplo %2).").arg(semR).arg(qt(primeiraMensagem));
    situacao_->setText(texto);
}

void TFormRecobrimentos::BrelatorioClick()
{
    if (desatualizada_)
        recalcular();
    const MomentoRelatorio momento = momentoAtual();
    visualizarRelatorio(montarRelatorioRecobrimentos(projeto_, tabela_, CmbBxDiametro->currentIndex(), momento), this);
}

bool TFormRecobrimentos::exportarCsv(const QString& caminho)
{
    if (desatualizada_)
        recalcular();
    const std::string erro = gravarArquivoTexto(csvRecobrimentos(tabela_), std8(caminho));
    if (!erro.empty())
        mensagens().mensagem(qt(erro));
    return erro.empty();
}

bool TFormRecobrimentos::exportarXlsx(const QString& caminho)
{
    if (desatualizada_)
        recalcular();
    const std::string erro = gravarXlsx(planilhaRecobrimentos(tabela_), std8(caminho));
    if (!erro.empty())
        mensagens().mensagem(qt(erro));
    return erro.empty();
}

void TFormRecobrimentos::BexportarCsvClick()
{
    const QString caminho = escolherArquivoSalvar(this, QStringLiteral("Exportar tabela de recobrimentos"),
                                                  pastaArquivosProjeto(), QStringLiteral("Planilha CSV (*.csv)"),
                                                  QStringLiteral("Recobrimentos1"), QStringLiteral("csv"));
    if (!caminho.isEmpty())
        exportarCsv(caminho);
}

void TFormRecobrimentos::BexportarXlsxClick()
{
    const QString caminho = escolherArquivoSalvar(this, QStringLiteral("Exportar tabela de recobrimentos"),
                                                  pastaArquivosProjeto(), QStringLiteral("Planilha do Excel (*.xlsx)"),
                                                  QStringLiteral("Recobrimentos1"), QStringLiteral("xlsx"));
    if (!caminho.isEmpty())
        exportarXlsx(caminho);
}

QIcon iconeTabelaRecobrimentos()
{
    QIcon icone;
    for (int lado : {16, 24, 32, 48}) {
        QPixmap figura(lado, lado);
        figura.fill(Qt::transparent);
        QPainter p(&figura);
        p.setRenderHint(QPainter::Antialiasing);
        const double u = lado / 16.0;
        // Class bands from the lightest up, then the curve of R through them.
        const CorClasse faixas[] = {corClasse("PA1", false), corClasse("PA2", false), corClasse("PA3", false),
                                    corClasse("PA4", false)};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(1 * u, (12 - 3 * i) * u, 14 * u, 3 * u), corQt(faixas[i]).lighter(150));
        p.setPen(QPen(QColor(40, 40, 40), 1.0 * u));
        p.drawLine(QPointF(1 * u, 1 * u), QPointF(1 * u, 15 * u));
        p.drawLine(QPointF(1 * u, 15 * u), QPointF(15 * u, 15 * u));
        QPainterPath curva;
        curva.moveTo(2 * u, 6 * u);
        curva.quadTo(4 * u, 13 * u, 7 * u, 11 * u);
        curva.lineTo(14.5 * u, 2 * u);
        p.setPen(QPen(Qt::black, 1.5 * u));
        p.drawPath(curva);
        icone.addPixmap(figura);
    }
    return icone;
}
