#include "TFtabelaArmaduras.h"

#include "ArquivoLinhas.h"
#include "DialogoArmaduraJanela.h"
#include "DialogosArquivo.h"
#include "ExportacaoPlanilha.h"
#include "FiltroNumerico.h"
#include "Mensagens.h"
#include "ModeloTabelaArmaduras.h"
#include "RelatorioLinha.h"
#include "TextoQt.h"
#include "buscaParede.h"
#include "conferenciaLinha.h"
#include "geometriaRedwan.h"
#include "textosCelula.h"
#include "ExecucaoModal.h"
#include "TFcustos.h"
#include "planilhaLinha.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QLineEdit* criarCampo(const QString& nome, QWidget* pai) { return criarCampoNumerico(nome, 70, pai); }

QComboBox* criarLista(const QString& nome, const std::vector<std::string>& itens, QWidget* pai)
{
    auto* lista = new QComboBox(pai);
    lista->setObjectName(nome);
    for (const std::string& item : itens)
        lista->addItem(qt(item));
    return lista;
}

QPushButton* criarBotao(const QString& nome, const QString& texto, QWidget* pai)
{
    auto* botao = new QPushButton(texto, pai);
    botao->setObjectName(nome);
    botao->setAutoDefault(false);
    return botao;
}

enum ColunaParede { colunaDi, colunaH, colunaTipo };
} // namespace

TFtabelaArmaduras::TFtabelaArmaduras(const ProjetoRedwan& projeto, QWidget* parent)
    : QDialog(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFtabelaArmaduras"));
    setWindowTitle(QStringLiteral("Tabela de armaduras"));

    auto* linha = new QGroupBox(QStringLiteral("Linha de produtos:"), this);
    CmbBxFinalidade = criarLista(QStringLiteral("CmbBxFinalidade"), finalidadesRedwan(), linha);
    CmbBxTipoTubo = criarLista(QStringLiteral("CmbBxTipoTubo"), tiposTuboRedwan(), linha);
    EditFck = criarCampo(QStringLiteral("EditFck"), linha);
    CmbBxArmadura = criarLista(QStringLiteral("CmbBxArmadura"), tiposArmadura(), linha);
    EditDint = criarCampo(QStringLiteral("EditDint"), linha);
    EditDext = criarCampo(QStringLiteral("EditDext"), linha);
    EditGamaS = criarCampo(QStringLiteral("EditGamaS"), linha);
    EditGamaC = criarCampo(QStringLiteral("EditGamaC"), linha);
    auto* grade = new QGridLayout(linha);
    const std::pair<QString, QWidget*> linhas[] = {
        {QStringLiteral("Finalidade:"), CmbBxFinalidade},
        {QStringLiteral("Tipo de Tubo:"), CmbBxTipoTubo},
        {QStringLiteral("f<sub>ck</sub> (MPa) ="), EditFck},
        {QStringLiteral("Tipo de Armadura:"), CmbBxArmadura},
        {QStringLiteral("d'<sub>int</sub> (cm) ="), EditDint},
        {QStringLiteral("d'<sub>ext</sub> (cm) ="), EditDext},
        {QStringLiteral("γ<sub>s</sub> ="), EditGamaS},
        {QStringLiteral("γ<sub>c</sub> ="), EditGamaC},
    };
    int k = 0;
    for (const auto& [rotulo, controle] : linhas) {
        grade->addWidget(new QLabel(rotulo, linha), k, 0);
        grade->addWidget(controle, k++, 1, Qt::AlignLeft);
    }

    auto* paredes = new QGroupBox(QStringLiteral("Espessuras da parede:"), this);
    GradeParedes = new QTableWidget(0, 3, paredes);
    GradeParedes->setObjectName(QStringLiteral("GradeParedes"));
    GradeParedes->setHorizontalHeaderLabels(
        {QStringLiteral("di (mm)"), QStringLiteral("h (mm)"), QStringLiteral("Armadura")});
    GradeParedes->verticalHeader()->hide();
    GradeParedes->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    GradeParedes->setSelectionMode(QAbstractItemView::SingleSelection);
    BParedesMinimas = criarBotao(QStringLiteral("BParedesMinimas"), QStringLiteral("Paredes mínimas"), paredes);
    BAdotarParedes =
        criarBotao(QStringLiteral("BAdotarParedes"), QStringLiteral("Adotar paredes encontradas"), paredes);
    auto* colunaParedes = new QVBoxLayout(paredes);
    colunaParedes->addWidget(GradeParedes);
    auto* botoesParedes = new QHBoxLayout;
    botoesParedes->addWidget(BParedesMinimas);
    botoesParedes->addWidget(BAdotarParedes);
    colunaParedes->addLayout(botoesParedes);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(linha);
    esquerda->addWidget(paredes, 1);

    BDimensionar = criarBotao(QStringLiteral("BDimensionar"), QStringLiteral("Dimensionar"), this);
    BBuscar = criarBotao(QStringLiteral("BBuscar"), QStringLiteral("Buscar paredes mínimas"), this);
    BBuscarCusto = criarBotao(QStringLiteral("BBuscarCusto"), QStringLiteral("Buscar menor custo"), this);
    BCancelar = criarBotao(QStringLiteral("BCancelar"), QStringLiteral("Cancelar busca"), this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    auto* acoes = new QHBoxLayout;
    acoes->addWidget(BDimensionar);
    acoes->addWidget(BBuscar);
    acoes->addWidget(BBuscarCusto);
    acoes->addWidget(ProgressBar1, 1);
    acoes->addWidget(BCancelar);

    GradeTabela = new QTableView(this);
    GradeTabela->setObjectName(QStringLiteral("GradeTabela"));
    modelo_ = new ModeloTabelaArmaduras(this);
    GradeTabela->setModel(modelo_);
    GradeTabela->setSelectionMode(QAbstractItemView::SingleSelection);
    GradeTabela->setWordWrap(true);
    GradeTabela->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    GradeTabela->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Detalhes = new QTextBrowser(this);
    Detalhes->setObjectName(QStringLiteral("Detalhes"));
    Detalhes->setMaximumHeight(170);

    BCustos = criarBotao(QStringLiteral("BCustos"), QStringLiteral("Custos"), this);
    BExportar = criarBotao(QStringLiteral("BExportar"), QStringLiteral("Exportar"), this);
    BRelatorio = criarBotao(QStringLiteral("BRelatorio"), QStringLiteral("Relatório da tabela"), this);
    BFechar = criarBotao(QStringLiteral("BFechar"), QStringLiteral("Fechar"), this);
    auto* pe = new QHBoxLayout;
    pe->addWidget(BCustos);
    pe->addStretch();
    pe->addWidget(BExportar);
    pe->addWidget(BRelatorio);
    pe->addWidget(BFechar);

    auto* direita = new QVBoxLayout;
    direita->addLayout(acoes);
    direita->addWidget(GradeTabela, 1);
    direita->addWidget(Detalhes);
    direita->addLayout(pe);
    auto* principal = new QHBoxLayout(this);
    principal->addLayout(esquerda);
    principal->addLayout(direita, 1);
    resize(1180, 820);

    connect(BDimensionar, &QPushButton::clicked, this, &TFtabelaArmaduras::Dimensionar);
    connect(BBuscar, &QPushButton::clicked, this, &TFtabelaArmaduras::BuscarParedes);
    connect(BBuscarCusto, &QPushButton::clicked, this, &TFtabelaArmaduras::BuscarMenorCusto);
    connect(BAdotarParedes, &QPushButton::clicked, this, &TFtabelaArmaduras::AdotarParedes);
    connect(BCustos, &QPushButton::clicked, this, &TFtabelaArmaduras::Custos);
    connect(BCancelar, &QPushButton::clicked, this, [this] { cancelar_ = true; });
    connect(BExportar, &QPushButton::clicked, this, &TFtabelaArmaduras::Exportar);
    connect(BRelatorio, &QPushButton::clicked, this, &TFtabelaArmaduras::RelatorioTabela);
    connect(BFechar, &QPushButton::clicked, this, &QDialog::close);
    connect(BParedesMinimas, &QPushButton::clicked, this, [this] {
        EntradaLinha l = tabela_ ? tabela_->entrada : lerControles();
        aplicarParedesMinimas(l);
        if (!tabela_) {
            carregar(l);
            return;
        }
        // A designed line keeps its work: only the diameters whose wall changes are designed again.
        for (int d = 0; d < static_cast<int>(l.diametros.size()); ++d)
            if (l.diametros[static_cast<std::size_t>(d)].h != tabela_->entrada.diametros[static_cast<std::size_t>(d)].h)
                redimensionarDiametro(*tabela_, d, l.diametros[static_cast<std::size_t>(d)].h);
        carregar(l);
        mostrarTabelaAlterada();
    });
    connect(GradeTabela->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TFtabelaArmaduras::mostrarDetalhes);
    // Another pipe or purpose: the walls go back to the least ones for it.
    connect(CmbBxFinalidade, &QComboBox::currentIndexChanged, this, [this] {
        if (carregando_)
            return;
        EntradaLinha l = lerControles();
        aplicarParedesMinimas(l);
        carregar(l);
        limparTabela();
    });
    connect(CmbBxArmadura, &QComboBox::currentIndexChanged, this, [this](int tipo) {
        if (carregando_)
            return;
        // Every diameter takes the type; the positions keep what is typed.
        for (DiametroLinha& d : diametros_)
            d.tipo = tipo;
        EntradaLinha l = lerControles();
        carregar(l);
        limparTabela();
    });
    for (QComboBox* lista : {CmbBxTipoTubo})
        connect(lista, &QComboBox::currentIndexChanged, this, [this] {
            if (!carregando_)
                limparTabela();
        });
    for (QLineEdit* c : {EditFck, EditDint, EditDext, EditGamaS, EditGamaC})
        connect(c, &QLineEdit::textEdited, this, &TFtabelaArmaduras::limparTabela);
    connect(GradeParedes, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!carregando_ && item->column() == colunaH)
            aoEditarParede(item->row());
    });
    carregarDoProjeto();
}

// Hiding the window on its way out moves the grid's selection and the
// fields' focus; nothing of that may reach the members already gone.
TFtabelaArmaduras::~TFtabelaArmaduras()
{
    pararBusca();
    for (QObject* origem : findChildren<QObject*>())
        disconnect(origem, nullptr, this, nullptr);
    disconnect(GradeTabela->selectionModel(), nullptr, this, nullptr);
    modelo_->definirTabela(nullptr);
}

void TFtabelaArmaduras::showEvent(QShowEvent* evento)
{
    // The confirmed project changed since the inputs were taken from it.
    const bool mudou = !origem_ || origem_->geometria != projeto_.geometria
        || origem_->parametros != projeto_.parametros || origem_->etapas.geometria != projeto_.etapas.geometria
        || origem_->etapas.parametros != projeto_.etapas.parametros;
    if (mudou && !buscando_)
        carregarDoProjeto();
    QDialog::showEvent(evento);
}

void TFtabelaArmaduras::carregarDoProjeto()
{
    origem_ = projeto_;
    carregar(linhaDoProjeto(projeto_));
    limparTabela();
}

void TFtabelaArmaduras::carregar(const EntradaLinha& l)
{
    carregando_ = true;
    CmbBxFinalidade->setCurrentIndex(l.finalidade);
    CmbBxTipoTubo->setCurrentIndex(l.tipoTubo);
    EditFck->setText(qt(l.parametros.fck));
    CmbBxArmadura->setCurrentIndex(l.parametros.tipo == armaduraDupla ? 1 : 0);
    EditDint->setText(qt(l.parametros.dInt));
    EditDext->setText(qt(l.parametros.dExt));
    EditGamaS->setText(qt(l.parametros.gamaS));
    EditGamaC->setText(qt(l.parametros.gamaC));
    diametros_ = l.diametros;
    GradeParedes->setRowCount(static_cast<int>(l.diametros.size()));
    for (int k = 0; k < static_cast<int>(l.diametros.size()); ++k) {
        const DiametroLinha& d = l.diametros[static_cast<std::size_t>(k)];
        auto* di = new QTableWidgetItem(qt(diametrosRedwan()[static_cast<std::size_t>(d.indiceDi)]));
        di->setFlags(Qt::ItemIsEnabled);
        di->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* h = new QTableWidgetItem(qt(d.h));
        h->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* tipo = new QTableWidgetItem(d.tipo == armaduraDupla ? QStringLiteral("dupla") : QStringLiteral("simples"));
        tipo->setFlags(Qt::ItemIsEnabled);
        GradeParedes->setItem(k, colunaDi, di);
        GradeParedes->setItem(k, colunaH, h);
        GradeParedes->setItem(k, colunaTipo, tipo);
    }
    mostrarTipo();
    carregando_ = false;
}

EntradaLinha TFtabelaArmaduras::lerControles() const
{
    EntradaLinha l;
    l.finalidade = CmbBxFinalidade->currentIndex();
    l.tipoTubo = CmbBxTipoTubo->currentIndex();
    l.parametros.fck = std8(EditFck->text());
    l.parametros.tipo = CmbBxArmadura->currentIndex();
    l.parametros.dInt = std8(EditDint->text());
    l.parametros.dExt = std8(EditDext->text());
    l.parametros.gamaS = std8(EditGamaS->text());
    l.parametros.gamaC = std8(EditGamaC->text());
    l.diametros = diametros_;
    for (int k = 0; k < static_cast<int>(l.diametros.size()); ++k) {
        DiametroLinha& d = l.diametros[static_cast<std::size_t>(k)];
        d.h = std8(GradeParedes->item(k, colunaH)->text());
        // The line's positions serve every diameter with two cages.
        if (d.tipo == armaduraDupla && l.parametros.tipo == armaduraDupla) {
            d.dInt = l.parametros.dInt;
            d.dExt = l.parametros.dExt;
        }
    }
    return l;
}

void TFtabelaArmaduras::mostrarTipo()
{
    const bool dupla = CmbBxArmadura->currentIndex() == armaduraDupla;
    EditDint->setEnabled(dupla);
    EditDext->setEnabled(dupla);
}

QLineEdit* TFtabelaArmaduras::campo(CampoArmadura c) const
{
    switch (c) {
    case CampoArmadura::Fck: return EditFck;
    case CampoArmadura::DInt: return EditDint;
    case CampoArmadura::DExt: return EditDext;
    case CampoArmadura::GamaS: return EditGamaS;
    case CampoArmadura::GamaC: return EditGamaC;
    default: return nullptr;
    }
}

void TFtabelaArmaduras::limparTabela()
{
    if (buscando_)
        return;
    modelo_->definirTabela(nullptr);
    tabela_.reset();
    Detalhes->clear();
    ProgressBar1->setValue(0);
    habilitar();
}

void TFtabelaArmaduras::habilitar()
{
    const bool livre = !buscando_;
    for (QWidget* w : std::initializer_list<QWidget*>{CmbBxFinalidade, CmbBxTipoTubo, EditFck, CmbBxArmadura, EditGamaS,
                                                     EditGamaC, GradeParedes, BParedesMinimas, BDimensionar, BCustos,
                                                     BFechar})
        w->setEnabled(livre);
    EditDint->setEnabled(livre && CmbBxArmadura->currentIndex() == armaduraDupla);
    EditDext->setEnabled(EditDint->isEnabled());
    BBuscar->setEnabled(livre && tabela_.has_value());
    BBuscarCusto->setEnabled(BBuscar->isEnabled());
    BAdotarParedes->setEnabled(livre && tabela_ && paredeBuscadaEmAlguma(*tabela_));
    BExportar->setEnabled(livre && tabela_.has_value());
    BRelatorio->setEnabled(livre && tabela_.has_value());
    BCancelar->setEnabled(buscando_);
}

void TFtabelaArmaduras::Dimensionar()
{
    if (buscando_)
        return;
    EntradaLinha l = lerControles();
    DialogoArmaduraJanela dialogo(*this, l);
    const ConferenciaLinha r = conferirLinha(l, dialogo);
    carregar(l);
    if (!r.aceita) {
        if (!r.mensagem.empty())
            mensagens().mensagem(qt(r.mensagem));
        else
            mensagens().aviso(qt(r.aviso));
        if (r.diametro >= 0) {
            GradeParedes->setFocus();
            GradeParedes->setCurrentCell(r.diametro, colunaH);
        } else if (QLineEdit* c = campo(r.campo)) {
            c->setFocus();
        }
        limparTabela();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    tabela_ = dimensionarLinha(l, precos());
    QApplication::restoreOverrideCursor();
    modelo_->definirTabela(&*tabela_);
    GradeTabela->resizeRowsToContents();
    ProgressBar1->setValue(0);
    habilitar();
    GradeTabela->setCurrentIndex(modelo_->index(0, 0));
}

// The search fills a copy of the table on a thread of its own; the window
// stays responsive, and the copy replaces the table only when every cell
// has been searched. Cancelling stops it after the cell in hand.
void TFtabelaArmaduras::BuscarParedes() { iniciarBusca(false); }

// The same search priced: each cell's thinnest and cheapest passing walls.
void TFtabelaArmaduras::BuscarMenorCusto() { iniciarBusca(true); }

void TFtabelaArmaduras::iniciarBusca(bool menorCusto)
{
    if (!tabela_ || buscando_)
        return;
    buscando_ = true;
    cancelar_ = false;
    const int geracao = ++geracao_;
    habilitar();
    ProgressBar1->setRange(0, static_cast<int>(tabela_->celulas.size()));
    ProgressBar1->setValue(0);
    auto trabalho = std::make_shared<TabelaLinha>(*tabela_);
    trabalho_ = trabalho;
    trabalhador_ = std::thread([this, trabalho, geracao, menorCusto] {
        const ProgressoBusca progresso = [this, geracao](int feitas, int) {
            QMetaObject::invokeMethod(
                this, [this, geracao, feitas] {
                    if (geracao == geracao_ && buscando_)
                        ProgressBar1->setValue(feitas);
                },
                Qt::QueuedConnection);
            return !cancelar_.load();
        };
        const bool completa =
            menorCusto ? buscarMenoresCustos(*trabalho, progresso) : buscarParedes(*trabalho, progresso);
        QMetaObject::invokeMethod(
            this, [this, geracao, completa] { terminarBusca(geracao, completa); }, Qt::QueuedConnection);
    });
}

void TFtabelaArmaduras::terminarBusca(int geracao, bool completa)
{
    if (geracao != geracao_ || !buscando_)
        return;
    if (trabalhador_.joinable())
        trabalhador_.join();
    buscando_ = false;
    if (completa && trabalho_) {
        *tabela_ = std::move(*trabalho_);
        mostrarTabelaAlterada();
    } else {
        ProgressBar1->setValue(0);
        habilitar();
    }
    trabalho_.reset();
    emit buscaTerminada(completa);
}

void TFtabelaArmaduras::pararBusca()
{
    if (!trabalhador_.joinable())
        return;
    cancelar_ = true;
    trabalhador_.join();
    if (buscando_) {
        buscando_ = false;
        trabalho_.reset();
        ProgressBar1->setValue(0);
        habilitar();
        emit buscaTerminada(false);
    }
}

// Closing stops the search; the table stays as it was before it.
void TFtabelaArmaduras::closeEvent(QCloseEvent* evento)
{
    pararBusca();
    QDialog::closeEvent(evento);
}

void TFtabelaArmaduras::reject()
{
    pararBusca();
    QDialog::reject();
}

void TFtabelaArmaduras::mostrarDetalhes()
{
    const CelulaLinha* c = modelo_->celula(GradeTabela->currentIndex());
    if (!c || !tabela_) {
        Detalhes->clear();
        return;
    }
    QString html = QStringLiteral("<table>");
    for (const auto& [legenda, valor] : detalhesCelula(*tabela_, *c))
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(qt(legenda).toHtmlEscaped(), qt(valor).toHtmlEscaped());
    Detalhes->setHtml(html + QStringLiteral("</table>"));
}

void TFtabelaArmaduras::Exportar()
{
    if (!tabela_)
        return;
    const QString caminho = escolherArquivoSalvar(
        this, QStringLiteral("Exportar"), pastaArquivosProjeto(),
        QStringLiteral("Planilha do Excel (*.xlsx);;Texto separado por ponto e vírgula (*.csv)"),
        QStringLiteral("TabelaArmaduras.xlsx"), QStringLiteral("xlsx"));
    if (caminho.isEmpty())
        return;
    const std::string erro = exportarPlanilhaLinha(*tabela_, caminho);
    if (!erro.empty())
        mensagens().mensagem(qt(erro));
}

void TFtabelaArmaduras::RelatorioTabela()
{
    if (!tabela_)
        return;
    DadosRelatorioLinha dados;
    dados.tabela = *tabela_;
    dados.logo.clear();
    FabricanteAtual fabricante;
    if (fonteFabricante_)
        fabricante = fonteFabricante_();
    dados.fabricante = fabricante.dados;
    visualizarRelatorioLinha(dados, fabricante.logo, this);
}

void TFtabelaArmaduras::definirJanelaCustos(TFcustos* custos)
{
    if (custos_)
        disconnect(custos_, nullptr, this, nullptr);
    custos_ = custos;
    if (custos_)
        connect(custos_, &TFcustos::precosAlterados, this, &TFtabelaArmaduras::aoMudarPrecos);
}

PrecosCusto TFtabelaArmaduras::precos() const { return custos_ ? custos_->precos() : PrecosCusto{}; }

void TFtabelaArmaduras::Custos()
{
    if (buscando_)
        return;
    if (!custos_) {
        auto* proprios = new TFcustos(this);
        definirJanelaCustos(proprios);
    }
    executarModal(*custos_);
}

// Costs follow the prices at once; the cheapest walls found at the old ones
// are forgotten, the thinnest ones stay.
void TFtabelaArmaduras::aoMudarPrecos()
{
    if (!tabela_ || buscando_)
        return;
    definirPrecos(*tabela_, precos());
    mostrarTabelaAlterada();
}

void TFtabelaArmaduras::mostrarTabelaAlterada()
{
    modelo_->atualizarCelulas();
    GradeTabela->resizeRowsToContents();
    mostrarDetalhes();
    habilitar();
}

namespace {
// The questions of a wall typed in the list: no other field to show.
class DialogoParede : public DialogoArmadura {
public:
    bool perguntar(const std::string& texto) override { return mensagens().pergunta(qt(texto)); }
    void informar(const std::string& texto) override { mensagens().mensagem(qt(texto)); }
};
} // namespace

// Before designing, a wall is only text. Once designed, a new wall for one
// diameter is checked as "Dimensionar" checks it and only that diameter is
// designed again; a refused one goes back to the wall designed.
void TFtabelaArmaduras::aoEditarParede(int diametro)
{
    if (!tabela_ || buscando_ || diametro < 0 || diametro >= static_cast<int>(diametros_.size()))
        return;
    EntradaLinha l = tabela_->entrada;
    std::string& h = l.diametros[static_cast<std::size_t>(diametro)].h;
    const std::string anterior = h;
    h = std8(GradeParedes->item(diametro, colunaH)->text());
    if (h == anterior)
        return;
    DialogoParede dialogo;
    const ConferenciaLinha r = conferirParede(l, diametro, dialogo);
    if (!r.aceita) {
        if (!r.mensagem.empty())
            mensagens().mensagem(qt(r.mensagem));
        else
            mensagens().aviso(qt(r.aviso));
        h = anterior;
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        redimensionarDiametro(*tabela_, diametro, h);
        QApplication::restoreOverrideCursor();
    }
    diametros_[static_cast<std::size_t>(diametro)].h = h;
    carregando_ = true;
    GradeParedes->item(diametro, colunaH)->setText(qt(h));
    carregando_ = false;
    if (!r.aceita)
        GradeParedes->setCurrentCell(diametro, colunaH);
    mostrarTabelaAlterada();
}

// Each diameter takes the thickest wall its classes found (the cheapest
// ones, when that search ran and the user takes them) and is designed again.
void TFtabelaArmaduras::AdotarParedes()
{
    if (!tabela_ || buscando_ || !paredeBuscadaEmAlguma(*tabela_))
        return;
    const bool menorCusto = menorCustoBuscadoEmAlguma(*tabela_)
        && mensagens().pergunta(QStringLiteral("Adotar as paredes de menor custo? "
                                               "(\"Não\" adota as paredes mínimas que passam.)"));
    EntradaLinha l = tabela_->entrada;
    const std::vector<int> mudados = adotarParedesEncontradas(l, *tabela_, menorCusto);
    if (mudados.empty()) {
        mensagens().mensagem(QStringLiteral("A lista já tem as paredes encontradas."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int d : mudados)
        redimensionarDiametro(*tabela_, d, l.diametros[static_cast<std::size_t>(d)].h);
    QApplication::restoreOverrideCursor();
    carregando_ = true;
    for (int d : mudados) {
        diametros_[static_cast<std::size_t>(d)].h = l.diametros[static_cast<std::size_t>(d)].h;
        GradeParedes->item(d, colunaH)->setText(qt(diametros_[static_cast<std::size_t>(d)].h));
    }
    carregando_ = false;
    mostrarTabelaAlterada();
}
