#include "TFormRede.h"

#include "ArquivoLinhas.h"
#include "ArquivoSeguro.h"
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
#include "redeProjeto.h"
#include "Figuras.h"
#include "FiltroNumerico.h"
#include "valaRede.h"

#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QToolTip>

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

QString escapar(const std::string& texto) { return qt(texto).toHtmlEscaped(); }

const char* const filtroRedes =
    "Redes (*.csv *.xml *.inp);;Planilha CSV (*.csv);;LandXML (*.xml);;SWMM 5 (*.inp);;Todos os arquivos (*)";

// The surcharges a stretch accepts; empty: the project's.
const QStringList sobrecargasAceitas{QString(), QStringLiteral("nula"), QStringLiteral("classe 45"),
                                     QStringLiteral("classe 30"), QStringLiteral("eixo triplo")};

// Cells of the network table: the surcharge picked from the accepted
// values, and a text cut by its column shown whole in the tooltip.
class DelegadoRede : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        if (indice.column() != static_cast<int>(ColunaTrecho::Sobrecarga))
            return QStyledItemDelegate::createEditor(pai, opcao, indice);
        auto* lista = new QComboBox(pai);
        lista->setObjectName(QStringLiteral("CmbBxSobrecarga"));
        lista->addItem(QStringLiteral("(a do projeto)"), QString());
        for (const QString& s : sobrecargasAceitas.mid(1))
            lista->addItem(s, s);
        return lista;
    }

    void setEditorData(QWidget* editor, const QModelIndex& indice) const override
    {
        if (auto* lista = qobject_cast<QComboBox*>(editor)) {
            const int i = lista->findData(indice.data(Qt::EditRole).toString().trimmed().toLower());
            lista->setCurrentIndex(std::max(0, i));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, indice);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* modelo, const QModelIndex& indice) const override
    {
        if (auto* lista = qobject_cast<QComboBox*>(editor)) {
            modelo->setData(indice, lista->currentData().toString());
            return;
        }
        QStyledItemDelegate::setModelData(editor, modelo, indice);
    }

    bool helpEvent(QHelpEvent* evento, QAbstractItemView* vista, const QStyleOptionViewItem& opcao,
                   const QModelIndex& indice) override
    {
        if (evento && evento->type() == QEvent::ToolTip) {
            const QString dica = dicaCelula(indice, opcao.rect.width(), opcao.fontMetrics);
            if (dica.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(evento->globalPos(), dica, vista);
            return true;
        }
        return QStyledItemDelegate::helpEvent(evento, vista, opcao, indice);
    }
};

} // namespace

// What the tooltip of a cell shows: its text when the column cuts it, and
// the message of a stretch without a class.
QString dicaCelula(const QModelIndex& indice, int largura, const QFontMetrics& medida)
{
    const QString texto = indice.data(Qt::DisplayRole).toString();
    const QString mensagem = indice.data(Qt::ToolTipRole).toString();
    const bool cortado = !texto.isEmpty() && medida.horizontalAdvance(texto) + 8 > largura;
    if (cortado && texto != mensagem)
        return mensagem.isEmpty() ? texto : texto + QLatin1Char('\n') + mensagem;
    return mensagem;
}

namespace {

QString caminhoConfiguracao() { return caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Rede.ini")); }

ParametrosVala lerConfiguracaoVala()
{
    std::vector<std::string> linhas;
    std::string erro;
    if (!lerArquivoLinhas(caminhoConfiguracao(), linhas, erro))
        return {};
    return parametrosValaDasLinhas(linhas);
}

bool gravarConfiguracaoVala(const ParametrosVala& p)
{
    const QString caminho = caminhoConfiguracao();
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QString erro;
    return gravarArquivoLinhas(linhasParametrosVala(p), caminho, erro);
}

QString tabelaVala(const QuantitativosRede& q)
{
    const TotaisVala& v = q.vala;
    QString html = QStringLiteral("<p><b>Quantitativos de vala</b></p>");
    if (!v.aplicavel)
        return html + QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(avisoValaNaoAplicavel));
    html += QStringLiteral("<p>Escavação (m³) por faixa de profundidade e de largura; escoramento (m²):</p>"
                           "<table cellspacing='0' cellpadding='3' border='1'><tr><th>Profundidade</th>");
    for (const std::string& f : faixasLargura())
        html += QStringLiteral("<th>largura %1</th>").arg(escapar(f));
    html += QStringLiteral("<th>Total</th><th>Escoramento</th></tr>");
    for (std::size_t p = 0; p < v.escavacao.size(); ++p) {
        html += QStringLiteral("<tr><td>%1</td>").arg(escapar(faixasProfundidade()[p]));
        for (double volume : v.escavacao[p])
            html += QStringLiteral("<td align='right'>%1</td>").arg(qt(formatar2(volume)));
        html += QStringLiteral("<td align='right'>%1</td><td align='right'>%2</td></tr>")
                    .arg(qt(formatar2(v.escavacaoProfundidade[p])), qt(formatar2(v.escoramento[p])));
    }
    html += QStringLiteral("</table><p>");
    const QuantidadesVala& t = v.total;
    const std::vector<std::pair<const char*, std::string>> servicos{
        {"Escavação", formatar2(t.escavacao) + " m³"},        {"Escoramento", formatar2(t.escoramento) + " m²"},
        {"Lastro", formatar2(t.lastro) + " m³"},              {"Berço de concreto", formatar2(t.berco) + " m³"},
        {"Envolvimento", formatar2(t.envolvimento) + " m³"},  {"Tubos", formatar2(t.tubo) + " m³"},
        {"Reaterro", formatar2(t.reaterro) + " m³"},          {"Bota-fora", formatar2(t.botaFora) + " m³"}};
    QStringList partes;
    for (const auto& [nome, valor] : servicos)
        partes << QStringLiteral("%1: <b>%2</b>").arg(QString::fromUtf8(nome), qt(valor));
    return html + partes.join(QStringLiteral("; ")) + QStringLiteral(".</p>");
}

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

// Deleted while shown (the program ending with the window open), QWidget's
// destructor closes it and takes the focus off a trench field: its
// editingFinished must not reach this window, already half destroyed.
TFormRede::~TFormRede()
{
    for (QObject* filho : findChildren<QObject*>())
        filho->disconnect(this);
}

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
    tabela_->setItemDelegate(new DelegadoRede(tabela_));
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
    for (ColunaVala c : {ColunaVala::FaixaProfundidade, ColunaVala::FaixaLargura})
        cabecalho->resizeSection(ModeloRede::colunaVala(c), medida.horizontalAdvance(QStringLiteral("acima de 6,00 m")) + 16);
    cabecalho->setStretchLastSection(true);
    tabela_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabela_->setWordWrap(false);

    quantitativos_ = new QTextBrowser(this);
    quantitativos_->setObjectName(QStringLiteral("Quantitativos"));
    resumo_ = new QLabel(this);
    resumo_->setObjectName(QStringLiteral("ResumoRede"));

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {importar, exportar, incluir, excluir, relatorio, memoria})
        botoes->addWidget(b);
    criarBotoesPerfis(botoes);
    botoes->addStretch();
    botoes->addWidget(fechar);

    auto* baixo = new QWidget(this);
    auto* layoutBaixo = new QVBoxLayout(baixo);
    layoutBaixo->setContentsMargins(0, 0, 0, 0);
    auto* tituloQuantitativos = new QLabel(QStringLiteral("<b>Quantitativos</b>"), baixo);
    auto* linhaVala = new QHBoxLayout;
    linhaVala->addWidget(tituloQuantitativos);
    linhaVala->addStretch();
    editLastro_ = criarCampoNumerico(QStringLiteral("EditLastro"), 50, baixo);
    editEscoramento_ = criarCampoNumerico(QStringLiteral("EditEscoramento"), 50, baixo);
    editEmpolamento_ = criarCampoNumerico(QStringLiteral("EditEmpolamento"), 50, baixo);
    for (auto [rotulo, campo] : {std::pair{"Lastro da base classe B (m):", editLastro_},
                                 std::pair{"Escorar a vala acima de (m):", editEscoramento_},
                                 std::pair{"Empolamento:", editEmpolamento_}}) {
        linhaVala->addWidget(new QLabel(QString::fromUtf8(rotulo), baixo));
        linhaVala->addWidget(campo);
        connect(campo, &QLineEdit::editingFinished, this, &TFormRede::lerCampoVala);
    }
    layoutBaixo->addLayout(linhaVala);
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
    connect(modelo_, &ModeloRede::entradasAlteradas, this, [this] {
        setWindowModified(true);
        emit redeEditada();
    });

    resize(1180, 720);
    modelo_->definirParametrosVala(lerConfiguracaoVala());
    mostrarParametrosVala();
    atualizarQuantitativos();
}


void TFormRede::definirParametrosVala(const ParametrosVala& p)
{
    modelo_->definirParametrosVala(p);
    mostrarParametrosVala();
    if (!gravarConfiguracaoVala(p))
        mensagens().mensagem(QStringLiteral("Não foi possível gravar os parâmetros da vala em Config/Rede.ini."));
}

void TFormRede::mostrarParametrosVala()
{
    const ParametrosVala& p = modelo_->rede().vala;
    editLastro_->setText(qt(formatar2(p.lastro)));
    editEscoramento_->setText(qt(formatar2(p.escoramentoAcima)));
    editEmpolamento_->setText(qt(formatar2(p.empolamento)));
}

// A trench parameter typed: taken when it is a number in its range, else
// said and put back.
void TFormRede::lerCampoVala()
{
    ParametrosVala p = modelo_->rede().vala;
    struct Campo {
        QLineEdit* edit;
        double ParametrosVala::*valor;
        const char* mensagem;
    };
    for (const Campo& c : {Campo{editLastro_, &ParametrosVala::lastro,
                                 "A espessura do lastro deve estar entre 0 e 100 m."},
                           Campo{editEscoramento_, &ParametrosVala::escoramentoAcima,
                                 "A profundidade acima da qual a vala é escorada deve estar entre 0 e 100 m."},
                           Campo{editEmpolamento_, &ParametrosVala::empolamento,
                                 "O empolamento deve estar entre 1 e 100."}}) {
        double v = 0.0;
        if (!lerNumero(std8(c.edit->text()), v) || !parametroValaValido(c.valor, v)) {
            mensagens().mensagem(QString::fromUtf8(c.mensagem));
            mostrarParametrosVala();
            return;
        }
        p.*c.valor = v;
    }
    if (p == modelo_->rede().vala) {
        mostrarParametrosVala();
        return;
    }
    definirParametrosVala(p);
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
    html += tabelaVala(q);
    quantitativos_->setHtml(html);
    resumo_->setText(QStringLiteral("%1, %2 m; com classe: %3, %4 m; sem classe: %5.")
                         .arg(qt(contarTrechos(static_cast<std::size_t>(q.trechos))))
                         .arg(qt(formatar2(q.comprimentoTotal)))
                         .arg(qt(contarTrechos(static_cast<std::size_t>(q.trechosClassificados))))
                         .arg(qt(formatar2(q.comprimentoClassificado)))
                         .arg(qt(contarTrechos(q.problemas.size()))));
}

bool TFormRede::importarArquivo(const QString& caminho)
{
    const QString nome = QFileInfo(caminho).fileName();
    QByteArray bytes;
    if (QString motivo; !lerArquivoSeguro(caminho, limiteArquivoRede, bytes, motivo)) {
        mensagens().mensagem(QStringLiteral("Não foi possível ler o arquivo %1: %2.").arg(nome, motivo));
        return false;
    }
    const LeituraRede leitura = lerArquivoRede(bytes.toStdString());
    if (!leitura.ok) {
        mensagens().mensagem(QStringLiteral("O arquivo %1 não pôde ser lido. %2").arg(nome, qt(leitura.erro)));
        return false;
    }
    modelo_->definirTrechos(leitura.trechos);
    definirTitulo(nome);
    setWindowModified(false);
    // The project holds the network it was imported into.
    emit redeEditada();
    return true;
}

void TFormRede::definirTitulo(const QString& arquivo)
{
    setWindowTitle(QStringLiteral("[*]") + (arquivo.isEmpty() ? QString() : arquivo + QStringLiteral(" - ")) +
                   QStringLiteral("Rede de tubulações"));
}

void TFormRede::esvaziar()
{
    modelo_->definirTrechos({});
    definirTitulo({});
    setWindowModified(false);
    redeIlegivel_.clear();
}

bool TFormRede::gravarJuntoAoProjeto(const QString& caminhoProjeto, QString& erro)
{
    const QString caminho = qt(caminhoRedeDoProjeto(std8(caminhoProjeto)));
    const QString nome = QFileInfo(caminho).fileName();
    if (modelo_->rowCount() == 0) {
        // A network left there by an earlier save of this project would come
        // back at the next "Abrir"; one that could not be read is kept.
        if (QFileInfo(caminho).isFile() && QFileInfo(caminho).absoluteFilePath() != redeIlegivel_ &&
            !QFile::remove(caminho)) {
            erro = QStringLiteral("Não foi possível apagar a rede anterior, %1.").arg(nome);
            return false;
        }
        return true;
    }
    const std::string bytes = csvRede(modelo_->rede());
    if (QString motivo; !gravarArquivoSeguro(caminho, QByteArray::fromStdString(bytes), motivo)) {
        erro = QStringLiteral("Não foi possível gravar a rede em %1: %2. A rede anterior, se havia, continua como "
                              "estava.")
                   .arg(nome, motivo);
        return false;
    }
    if (QFileInfo(caminho).absoluteFilePath() == redeIlegivel_)
        redeIlegivel_.clear();
    definirTitulo(nome);
    setWindowModified(false);
    return true;
}

bool TFormRede::lerJuntoAoProjeto(const QString& caminhoProjeto, QString& erro)
{
    esvaziar();
    const QString caminho = qt(caminhoRedeDoProjeto(std8(caminhoProjeto)));
    if (!QFileInfo::exists(caminho))
        return true;
    const QString nome = QFileInfo(caminho).fileName();
    LeituraRede leitura;
    QByteArray bytes;
    if (QString motivo; !lerArquivoSeguro(caminho, limiteArquivoRede, bytes, motivo))
        leitura.erro = std8(motivo) + ".";
    else
        leitura = lerArquivoRede(bytes.toStdString());
    if (!leitura.ok) {
        redeIlegivel_ = QFileInfo(caminho).absoluteFilePath();
        erro = QStringLiteral("A rede de tubulações do projeto, %1, não pôde ser lida: %2 O projeto foi aberto sem ela.")
                   .arg(nome, qt(leitura.erro));
        return false;
    }
    modelo_->definirTrechos(leitura.trechos);
    definirTitulo(nome);
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
        !mensagens().pergunta(
            (alterada() ? QStringLiteral("As alterações da rede que não foram exportadas serão perdidas.\n")
                        : QString()) +
            (modelo_->rowCount() == 1 ? QStringLiteral("Substituir o trecho da tabela pelos do arquivo?")
                                      : QStringLiteral("Substituir os %1 trechos da tabela pelos do arquivo?")
                                            .arg(modelo_->rowCount()))))
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
    QString pergunta = QStringLiteral("Excluir os %1 trechos selecionados?").arg(linhas.size());
    if (linhas.size() == 1) {
        const QString nome = qt(modelo_->rede().entradas[static_cast<std::size_t>(linhas[0])].trecho).trimmed();
        pergunta = nome.isEmpty() ? QStringLiteral("Excluir o trecho sem nome da linha %1?").arg(linhas[0] + 1)
                                  : QStringLiteral("Excluir o trecho %1?").arg(nome);
    }
    if (mensagens().pergunta(pergunta))
        modelo_->excluirTrechos(linhas);
}

void TFormRede::BrelatorioClick()
{
    const MomentoRelatorio momento = momentoAtual();
    visualizarRelatorio(montarRelatorioRede(projeto_, modelo_->rede(), momento), this);
}

void TFormRede::BmemoriaClick()
{
    const MomentoRelatorio momento = momentoAtual();
    const QModelIndex atual = tabela_->currentIndex();
    visualizarRelatorio(montarMemoriaRede(projeto_, modelo_->rede(), momento, atual.isValid() ? atual.row() : -1), this);
}
