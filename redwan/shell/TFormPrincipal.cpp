#include "TFormPrincipal.h"

#include "AreaDesenho.h"
#include "ArquivoFabricante.h"
#include "ExecucaoModal.h"
#include "JanelaEntrada.h"
#include "Mensagens.h"
#include "PainelResumoRedwan.h"
#include "TFDimensionamentoArmadura.h"
#include "TFcadastro.h"
#include "TFclasseRedwa.h"
#include "TFcomeco.h"
#include "TFfabricante.h"
#include "TFgeometria.h"
#include "TFobra.h"
#include "TFormDimensionamento.h"
#include "TFsairSN.h"
#include "TFsobre.h"
#include "TextoQt.h"
#include "comandosRedwan.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "escalaJanela.h"
#include "layoutResumo.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <functional>

namespace {
QIcon iconeDe(QStyle* estilo, const QString& nome)
{
    static const std::map<QString, QStyle::StandardPixmap> padroes{
        {QStringLiteral("Bnov"), QStyle::SP_FileIcon},
        {QStringLiteral("Babr"), QStyle::SP_DialogOpenButton},
        {QStringLiteral("Bsav"), QStyle::SP_DialogSaveButton},
        {QStringLiteral("Bsai"), QStyle::SP_DialogCloseButton},
        {QStringLiteral("Btel"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("Bfab"), QStyle::SP_DirHomeIcon},
        {QStringLiteral("Bobr"), QStyle::SP_DirIcon},
        {QStringLiteral("Bgeo"), QStyle::SP_DriveHDIcon},
        {QStringLiteral("BclaD"), QStyle::SP_ArrowDown},
        {QStringLiteral("Barm"), QStyle::SP_ArrowUp},
        {QStringLiteral("Bdim"), QStyle::SP_DialogApplyButton},
        {QStringLiteral("BrelD"), QStyle::SP_FileDialogContentsView},
        {QStringLiteral("BsobreD"), QStyle::SP_MessageBoxInformation}};
    const auto achado = padroes.find(nome);
    return achado == padroes.end() ? QIcon() : estilo->standardIcon(achado->second);
}
} // namespace

TFormPrincipal::TFormPrincipal(ProjetoRedwan& projeto, ResultadosRedwan& resultados, QWidget* parent)
    : QMainWindow(parent), projeto_(projeto), resultados_(resultados), textosResumo_(resumoInicialRedwan())
{
    setObjectName(QStringLiteral("TFormPrincipal"));
    setWindowTitle(QStringLiteral("Dimensionamento da armadura de tubos de concreto armado"));
    criarComandos();

    areaCliente_ = new QWidget(this);
    transversal_ = new AreaDesenho(areaCliente_);
    transversal_->setObjectName(QStringLiteral("Image1"));
    longitudinal_ = new AreaDesenho(areaCliente_);
    longitudinal_->setObjectName(QStringLiteral("Image2"));
    painel_ = new PainelResumoRedwan(areaCliente_);
    setCentralWidget(areaCliente_);
    connect(painel_, &PainelResumoRedwan::disposto, this, &TFormPrincipal::atualizarRotulosCota);

    projeto_.etapas = EtapasRedwan{};
    mostrarResumo();
    escalarNaTela();
}

void TFormPrincipal::criarComandos()
{
    QToolBar* barra = addToolBar(QStringLiteral("Comandos"));
    barra->setObjectName(QStringLiteral("BarraFerramentas"));
    barra->setMovable(false);
    std::map<QString, QMenu*> menus;
    for (const ComandoRedwan& c : comandosRedwan()) {
        auto* acao = new QAction(iconeDe(style(), QLatin1String(c.nome)), QString::fromUtf8(c.item), this);
        acao->setObjectName(QLatin1String(c.nome));
        acao->setToolTip(QString::fromUtf8(c.dica));
        acao->setEnabled(c.habilitadoNoInicio);
        acao->setVisible(c.visivel);
        comandos_[QLatin1String(c.nome)] = acao;
        if (!c.visivel)
            continue;
        const QString nomeMenu = QString::fromUtf8(c.menu);
        QMenu*& menu = menus[nomeMenu];
        if (!menu)
            menu = menuBar()->addMenu(nomeMenu);
        menu->addAction(acao);
        barra->addAction(acao);
        if (c.separadorDepois)
            barra->addSeparator();
    }
    // "Abrir", "Salvar" and "Relatório" open the windows of the project file
    // and the report, which connect to these commands.
    connect(comando(QStringLiteral("Bnov")), &QAction::triggered, this, &TFormPrincipal::BnovClick);
    connect(comando(QStringLiteral("Bsai")), &QAction::triggered, this, &QWidget::close);
    connect(comando(QStringLiteral("Bdim")), &QAction::triggered, this, &TFormPrincipal::BdimClick);
    const std::pair<const char*, std::function<QDialog*()>> janelas[] = {
        {"Btel", [this] { return janelas_.cadastro; }},
        {"Bfab", [this] { return janelas_.fabricante; }},
        {"Bobr", [this] { return janelas_.obra; }},
        {"Bgeo", [this] { return janelas_.geometria; }},
        {"BclaD", [this] { return janelas_.classe; }},
        {"Barm", [this] { return janelas_.dimensionamento; }},
        {"BsobreD", [this] { return janelas_.sobre; }},
    };
    for (const auto& [nome, janela] : janelas)
        connect(comando(QLatin1String(nome)), &QAction::triggered, this, [this, janela] { abrir(janela()); });
}

QAction* TFormPrincipal::comando(const QString& nome) const
{
    const auto achado = comandos_.find(nome);
    return achado == comandos_.end() ? nullptr : achado->second;
}

void TFormPrincipal::ligarJanelas(const JanelasRedwan& janelas)
{
    janelas_ = janelas;
    if (janelas_.geometria)
        connect(janelas_.geometria, &TFgeometria::geometriaAlterada, this, &TFormPrincipal::aoAlterarGeometria);
    if (janelas_.classe)
        connect(janelas_.classe, &TFclasseRedwa::classeAlterada, this, &TFormPrincipal::aoAlterarClasse);
    if (janelas_.dimensionamento)
        connect(janelas_.dimensionamento, &TFormDimensionamento::parametrosConfirmados, this,
                &TFormPrincipal::aoConfirmarParametros);
}

void TFormPrincipal::abrir(QDialog* janela)
{
    if (janela)
        executarModal(*janela);
}

void TFormPrincipal::escalarNaTela()
{
    QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela)
        return;
    const QRect area = tela->geometry();
    const double fator = fatorEscalaJanela(area.width(), area.height());
    resize(static_cast<int>(larguraProjeto * fator), static_cast<int>(alturaProjeto * fator));
    move(area.center() - rect().center());
}

void TFormPrincipal::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    dispor();
}

void TFormPrincipal::dispor()
{
    const DivisaoAreaCliente d = dividirAreaCliente(areaCliente_->width(), areaCliente_->height());
    auto aplicar = [](QWidget* w, const Retangulo& r) { w->setGeometry(r.x, r.y, r.largura, r.altura); };
    aplicar(transversal_, d.desenhoTransversal);
    aplicar(longitudinal_, d.desenhoLongitudinal);
    aplicar(painel_, d.resumo);
    painel_->dispor();
}

void TFormPrincipal::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    if (primeiraExibicao_) {
        primeiraExibicao_ = false;
        novoProjeto();
        dispor();
        // Some window systems never report the first activation; the
        // disclaimer comes once the event loop runs, whichever comes first.
        QMetaObject::invokeMethod(this, [this] { FormActivate(); }, Qt::QueuedConnection);
    }
}

void TFormPrincipal::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TFormPrincipal::FormActivate()
{
    dispor();
    if (avisoMostrado_ || !janelas_.comeco)
        return;
    avisoMostrado_ = true;
    executarModal(*janelas_.comeco);
    raise();
    activateWindow();
}

void TFormPrincipal::closeEvent(QCloseEvent* evento)
{
    if (janelas_.sair && !perguntarSaida(*janelas_.sair)) {
        evento->ignore();
        return;
    }
    gravarFabricante();
    evento->accept();
}

// A file that cannot be written is reported; the program still ends.
void TFormPrincipal::gravarFabricante()
{
    if (!janelas_.fabricante)
        return;
    if (!gravarArquivoFabricante(janelas_.fabricante->dados()))
        mensagens().mensagem(
            QStringLiteral("Não foi possível gravar os dados do fabricante em Config/Fabricante.ini."));
    if (!gravarLogoFabricante(janelas_.fabricante->logo()))
        mensagens().mensagem(
            QStringLiteral("Não foi possível gravar o logotipo do fabricante em Pictures/logofabri.bmp."));
}

void TFormPrincipal::novoProjeto()
{
    for (const std::string& nome : comandosDesabilitadosNoNovo())
        comando(qt(nome))->setEnabled(false);
    ::novoProjeto(projeto_);
    if (janelas_.fabricante) {
        janelas_.fabricante->definirDados(lerArquivoFabricante());
        janelas_.fabricante->definirLogo(lerLogoFabricante());
    }
    if (janelas_.geometria)
        janelas_.geometria->carregarFigura();
    if (janelas_.sobre)
        janelas_.sobre->carregarLogos();
    textosResumo_ = resumoInicialRedwan();
    mostrarResumo();
}

void TFormPrincipal::BnovClick()
{
    transversal_->limpar();
    longitudinal_->limpar();
    novoProjeto();
    atualizarRotulosCota();
}

// A run that stops says why and leaves the results, the summary and the
// commands as they were. A successful one replaces the results and shows
// them; its confirmation publishes them, its cancellation withdraws them.
void TFormPrincipal::BdimClick()
{
    EstadoDimensionamento estado;
    const ExecucaoDimensionamento execucao = executarDimensionamento(entradaDoProjeto(projeto_), estado);
    if (execucao.desfecho != Desfecho::Resultados) {
        mensagens().mensagem(qt(execucao.mensagem));
        return;
    }
    guardarResultados(resultados_, execucao.resultado);
    if (!janelas_.resultados)
        return;
    executarModal(*janelas_.resultados);
    if (confirmado == 1)
        mostrarResultados(resumoResultados(resultados_.textos));
    else
        invalidarResultados();
}

void TFormPrincipal::mostrarResultados(const ResultadosResumo& resultados)
{
    atualizarResultadosResumo(textosResumo_, resultados);
    mostrarResumo();
    for (const std::string& nome : comandosDosResultados())
        comando(qt(nome))->setEnabled(true);
}

void TFormPrincipal::invalidarResultados()
{
    for (const std::string& nome : comandosDosResultados())
        comando(qt(nome))->setEnabled(false);
    limparResultadosResumo(textosResumo_);
    mostrarResumo();
}

void TFormPrincipal::aoAlterarGeometria()
{
    redesenharSecoes();
    atualizarGeometriaResumo(textosResumo_, projeto_);
    // The class loads follow the new pipe at once, and the wall thickness
    // went back to the least one for it.
    if (projeto_.etapas.classe)
        atualizarClasseResumo(textosResumo_, projeto_);
    if (projeto_.etapas.parametros)
        atualizarParametrosResumo(textosResumo_, projeto_);
    invalidarResultados();
    comando(QStringLiteral("BclaD"))->setEnabled(true);
}

void TFormPrincipal::aoAlterarClasse()
{
    atualizarClasseResumo(textosResumo_, projeto_);
    invalidarResultados();
    comando(QStringLiteral("Barm"))->setEnabled(true);
}

void TFormPrincipal::aoConfirmarParametros(bool alterados)
{
    if (alterados) {
        atualizarParametrosResumo(textosResumo_, projeto_);
        invalidarResultados();
    }
    comando(QStringLiteral("Bdim"))->setEnabled(true);
}

void TFormPrincipal::redesenharSecoes()
{
    const auto tipo = static_cast<TipoJunta>(projeto_.geometria.tipoTubo);
    const int f = painel_->alturaTexto();
    longitudinal_->desenharLongitudinal(tipo, f);
    transversal_->desenharTransversal(tipo, longitudinal_->size(), f);
    atualizarRotulosCota();
}

void TFormPrincipal::mostrarResumo() { painel_->mostrar(textosResumo_); }

void TFormPrincipal::atualizarRotulosCota()
{
    const int f = painel_->alturaTexto();
    if (projeto_.etapas.geometria) {
        transversal_->definirRotuloCota(qt(textoDiametro(projeto_.geometria)) + QStringLiteral(" mm"), f);
        longitudinal_->definirRotuloCota(qt(textoComprimento(projeto_.geometria)) + QStringLiteral(" m"), f);
    } else {
        transversal_->definirRotuloCota(QString(), f);
        longitudinal_->definirRotuloCota(QString(), f);
    }
}
