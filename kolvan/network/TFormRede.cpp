#include "TFormRede.h"

#include "ArquivoLinhas.h"
#include "DialogosArquivo.h"
#include "Mensagens.h"
#include "ModeloRede.h"
#include "colunasRede.h"
#include "TextoQt.h"
#include "VisualizacaoRelatorio.h"
#include "memoriaRede.h"
#include "exportacaoRede.h"
#include "leituraRede.h"
#include "numeros.h"
#include "planilhaCsv.h"
#include "planilhaXlsx.h"
#include "relatorioRede.h"

#include <QDateTime>
#include <QFontMetrics>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const filtroRedes = "Redes (*.csv *.xml);;Planilha CSV (*.csv);;LandXML (*.xml);;Todos os arquivos (*)";

QString escapar(const std::string& texto) { return qt(texto).toHtmlEscaped(); }

QString tabelaClasses(const char* titulo, const std::vector<LinhaQuantitativo>& linhas)
{
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(QString::fromUtf8(titulo));
    if (linhas.empty())
        return html + QStringLiteral("<p>nenhum</p>");
    html += QStringLiteral("<table cellspacing='0' cellpadding='3' border='1'><tr><th>DI (mm)</th><th>Classe</th>"
                           "<th>Comprimento (m)</th><th>Trechos</th></tr>");
    for (const LinhaQuantitativo& l : linhas)
        html += QStringLiteral("<tr><td align='right'>%1</td><td>%2</td><td align='right'>%3</td><td align='right'>%4</td></tr>")
                    .arg(l.di)
                    .arg(escapar(l.classe), qt(formatar2(l.metros)))
                    .arg(l.trechos);
    return html + QStringLiteral("</table>");
}

QPushButton* botao(const char* texto, const char* nome, QWidget* pai)
{
    auto* b = new QPushButton(QString::fromUtf8(texto), pai);
    b->setObjectName(QString::fromUtf8(nome));
    return b;
}

} // namespace

TFormRede::TFormRede(const ProjetoTubo& projeto, QWidget* parent)
    : QWidget(parent, Qt::Window), projeto_(projeto), modelo_(new ModeloRede(projeto, this))
{
    setObjectName(QStringLiteral("TFormRede"));
    setWindowTitle(QStringLiteral("[*]Rede de tubulações"));

    auto* importar = botao("Importar", "Bimportar", this);
    auto* exportar = botao("Exportar", "Bexportar", this);
    auto* menuExportar = new QMenu(exportar);
    QAction* csv = menuExportar->addAction(QStringLiteral("Planilha CSV (;)..."));
    csv->setObjectName(QStringLiteral("MexportarCsv"));
    QAction* xlsx = menuExportar->addAction(QStringLiteral("Planilha do Excel (.xlsx)..."));
    xlsx->setObjectName(QStringLiteral("MexportarXlsx"));
    exportar->setMenu(menuExportar);
    auto* incluir = botao("Incluir trecho", "Bincluir", this);
    auto* excluir = botao("Excluir trecho", "Bexcluir", this);
    auto* relatorio = botao("Relatório da rede", "Brelatorio", this);
    auto* memoria = botao("Memória de cálculo", "Bmemoria", this);
    memoria->setToolTip(QStringLiteral("Memória de cálculo da rede, com a do trecho selecionado na sua altura de "
                                       "terra governante"));
    auto* fechar = botao("Fechar", "Bfechar", this);

    tabela_ = new QTableView(this);
    tabela_->setObjectName(QStringLiteral("TabelaTrechos"));
    tabela_->setModel(modelo_);
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    tabela_->verticalHeader()->setDefaultSectionSize(tabela_->fontMetrics().height() + 6);
    // Each column as wide as its heading's longest line or a number like 1234,56.
    QHeaderView* cabecalho = tabela_->horizontalHeader();
    const QFontMetrics medida(cabecalho->font());
    for (int c = 0; c < modelo_->columnCount(); ++c) {
        int largura = medida.horizontalAdvance(QStringLiteral("1234,56"));
        for (const QString& linha : modelo_->headerData(c, Qt::Horizontal).toString().split(QLatin1Char('\n')))
            largura = std::max(largura, medida.horizontalAdvance(linha));
        cabecalho->resizeSection(c, largura + 16);
    }
    cabecalho->resizeSection(0, std::max(cabecalho->sectionSize(0), medida.horizontalAdvance(QStringLiteral("T-000 ramal A")) + 16));
    cabecalho->resizeSection(ModeloRede::colunaResultado(static_cast<int>(ColunaResultado::Classe)), 360);
    cabecalho->setStretchLastSection(true);
    tabela_->setWordWrap(false);

    quantitativos_ = new QTextBrowser(this);
    quantitativos_->setObjectName(QStringLiteral("Quantitativos"));
    resumo_ = new QLabel(this);
    resumo_->setObjectName(QStringLiteral("ResumoRede"));

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {importar, exportar, incluir, excluir, relatorio, memoria})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(fechar);

    auto* baixo = new QWidget(this);
    auto* layoutBaixo = new QVBoxLayout(baixo);
    layoutBaixo->setContentsMargins(0, 0, 0, 0);
    auto* tituloQuantitativos = new QLabel(QStringLiteral("<b>Quantitativos</b>"), baixo);
    layoutBaixo->addWidget(tituloQuantitativos);
    layoutBaixo->addWidget(quantitativos_);

    auto* divisor = new QSplitter(Qt::Vertical, this);
    divisor->addWidget(tabela_);
    divisor->addWidget(baixo);
    divisor->setStretchFactor(0, 3);
    divisor->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(botoes);
    layout->addWidget(divisor, 1);
    layout->addWidget(resumo_);

    connect(importar, &QPushButton::clicked, this, &TFormRede::BimportarClick);
    connect(csv, &QAction::triggered, this, &TFormRede::BexportarCsvClick);
    connect(xlsx, &QAction::triggered, this, &TFormRede::BexportarXlsxClick);
    connect(incluir, &QPushButton::clicked, this, &TFormRede::BincluirClick);
    connect(excluir, &QPushButton::clicked, this, &TFormRede::BexcluirClick);
    connect(relatorio, &QPushButton::clicked, this, &TFormRede::BrelatorioClick);
    connect(memoria, &QPushButton::clicked, this, &TFormRede::BmemoriaClick);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(modelo_, &ModeloRede::redeAlterada, this, &TFormRede::atualizarQuantitativos);
    connect(modelo_, &ModeloRede::entradasAlteradas, this, [this] { setWindowModified(true); });

    resize(1180, 720);
    atualizarQuantitativos();
}

void TFormRede::projetoAlterado() { modelo_->reclassificar(); }

void TFormRede::atualizarQuantitativos()
{
    const RedeTubulacoes& rede = modelo_->rede();
    const QuantitativosRede q = quantitativosRede(rede.entradas, rede.resultados);
    QString html;
    if (!q.problemas.empty()) {
        html += QStringLiteral("<p style='color:#c80000'><b>Trechos sem classe (%1):</b></p><ul style='color:#c80000'>")
                    .arg(q.problemas.size());
        for (const TrechoSemClasse& p : q.problemas)
            html += QStringLiteral("<li>%1: %2</li>").arg(escapar(p.trecho), escapar(p.mensagem));
        html += QStringLiteral("</ul>");
    }
    html += tabelaClasses("Tubos armados", q.armados);
    html += tabelaClasses("Tubos simples, onde uma classe simples atende a R (alternativa aos armados)", q.simples);
    quantitativos_->setHtml(html);
    resumo_->setText(QStringLiteral("%1 trechos, %2 m; com classe: %3 trechos, %4 m; sem classe: %5 trechos.")
                         .arg(q.trechos)
                         .arg(qt(formatar2(q.comprimentoTotal)))
                         .arg(q.trechosClassificados)
                         .arg(qt(formatar2(q.comprimentoClassificado)))
                         .arg(q.problemas.size()));
}

bool TFormRede::importarArquivo(const QString& caminho)
{
    const QString nome = QFileInfo(caminho).fileName();
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        mensagens().mensagem(QStringLiteral("Não foi possível ler o arquivo %1.").arg(nome));
        return false;
    }
    const LeituraRede leitura = lerArquivoRede(arquivo.readAll().toStdString());
    if (!leitura.ok) {
        mensagens().mensagem(QStringLiteral("O arquivo %1 não pôde ser lido. %2").arg(nome, qt(leitura.erro)));
        return false;
    }
    modelo_->definirTrechos(leitura.trechos);
    setWindowTitle(QStringLiteral("[*]") + nome + QStringLiteral(" - Rede de tubulações"));
    setWindowModified(false);
    return true;
}

void TFormRede::BimportarClick()
{
    const QString caminho = escolherArquivoAbrir(this, QStringLiteral("Importar rede"), pastaArquivosProjeto(),
                                                 QString::fromUtf8(filtroRedes));
    if (caminho.isEmpty())
        return;
    if (modelo_->rowCount() > 0 &&
        !mensagens().pergunta(QStringLiteral("Substituir os %1 trechos da tabela pelos do arquivo?").arg(modelo_->rowCount())))
        return;
    importarArquivo(caminho);
}

bool TFormRede::exportarCsv(const QString& caminho)
{
    const std::string erro = gravarArquivoTexto(csvRede(modelo_->rede()), std8(caminho));
    if (!erro.empty())
        mensagens().mensagem(qt(erro));
    else
        setWindowModified(false);
    return erro.empty();
}

bool TFormRede::exportarXlsx(const QString& caminho)
{
    const std::string erro = gravarXlsx(planilhaRede(modelo_->rede(), projeto_), std8(caminho));
    if (!erro.empty())
        mensagens().mensagem(qt(erro));
    return erro.empty();
}

bool TFormRede::BexportarCsvClick()
{
    const QString caminho = escolherArquivoSalvar(this, QStringLiteral("Exportar rede"), pastaArquivosProjeto(),
                                                  QStringLiteral("Planilha CSV (*.csv)"), QStringLiteral("Rede1"),
                                                  QStringLiteral("csv"));
    return !caminho.isEmpty() && exportarCsv(caminho);
}

bool TFormRede::podeDescartar()
{
    if (!alterada())
        return true;
    switch (mensagens().perguntaComCancelar(QString::fromUtf8(perguntaExportarRede))) {
    case Resposta::Sim: return BexportarCsvClick();
    case Resposta::Nao: return true;
    case Resposta::Cancelar: break;
    }
    return false;
}

void TFormRede::BexportarXlsxClick()
{
    const QString caminho = escolherArquivoSalvar(this, QStringLiteral("Exportar rede"), pastaArquivosProjeto(),
                                                  QStringLiteral("Planilha do Excel (*.xlsx)"), QStringLiteral("Rede1"),
                                                  QStringLiteral("xlsx"));
    if (!caminho.isEmpty())
        exportarXlsx(caminho);
}

void TFormRede::BincluirClick()
{
    const QModelIndex atual = tabela_->currentIndex();
    const int linha = atual.isValid() ? atual.row() + 1 : modelo_->rowCount();
    modelo_->incluirTrecho(linha);
    const QModelIndex nome = modelo_->index(linha, 0);
    tabela_->setCurrentIndex(nome);
    tabela_->edit(nome);
}

void TFormRede::BexcluirClick()
{
    std::vector<int> linhas;
    for (const QModelIndex& i : tabela_->selectionModel()->selectedRows())
        linhas.push_back(i.row());
    if (linhas.empty() && tabela_->currentIndex().isValid())
        linhas.push_back(tabela_->currentIndex().row());
    if (linhas.empty())
        return;
    const QString pergunta = linhas.size() == 1
                                 ? QStringLiteral("Excluir o trecho %1?").arg(qt(modelo_->rede().entradas[static_cast<std::size_t>(linhas[0])].trecho))
                                 : QStringLiteral("Excluir os %1 trechos selecionados?").arg(linhas.size());
    if (mensagens().pergunta(pergunta))
        modelo_->excluirTrechos(linhas);
}

void TFormRede::BrelatorioClick()
{
    const QDateTime agora = QDateTime::currentDateTime();
    const MomentoRelatorio momento{std8(agora.toString(QStringLiteral("dd/MM/yyyy"))),
                                   std8(agora.toString(QStringLiteral("hh:mm")))};
    visualizarRelatorio(montarRelatorioRede(projeto_, modelo_->rede(), momento), this);
}

void TFormRede::BmemoriaClick()
{
    const QDateTime agora = QDateTime::currentDateTime();
    const MomentoRelatorio momento{std8(agora.toString(QStringLiteral("dd/MM/yyyy"))),
                                   std8(agora.toString(QStringLiteral("hh:mm")))};
    const QModelIndex atual = tabela_->currentIndex();
    visualizarRelatorio(montarMemoriaRede(projeto_, modelo_->rede(), momento, atual.isValid() ? atual.row() : -1), this);
}
