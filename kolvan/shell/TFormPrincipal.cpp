#include "TFormPrincipal.h"

#include "AreaDesenho.h"
#include "ArquivoProjetista.h"
#include "ExecucaoModal.h"
#include "Mensagens.h"
#include "PainelResumo.h"
#include "TFcomeco.h"
#include "TFgeometria.h"
#include "TFormInstalacao.h"
#include "TFormLagrVala.h"
#include "TFormRazaoRecalque.h"
#include "TFormSobreCarga.h"
#include "TFormBasesSaliPosit.h"
#include "TFormBasesVala.h"
#include "TFormDaseConcreto.h"
#include "baseResumo.h"
#include "JanelaTabelaClasse.h"
#include "TFclassetubo.h"
#include "calculoClasse.h"
#include "relatorioClasse.h"
#include "ArquivoKolvan.h"
#include "DialogosArquivo.h"
#include "TFobra.h"
#include "TFprojetista.h"
#include <QFileInfo>
#include "VisualizacaoRelatorio.h"
#include <QDateTime>
#include "TFsairSN.h"
#include "TFsobre.h"
#include "TextoQt.h"
#include "escalaJanela.h"
#include "layoutResumo.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

namespace {
struct DefinicaoComando {
    const char* nome;
    const char* dica;
    const char* menu;
    const char* item;
    bool habilitado;
    bool separadorDepois;
};

const DefinicaoComando definicoes[] = {
    {"Bnov", "Novo", "Arquivos", "Novo", true, false},
    {"Babr", "Abrir", "Arquivos", "Abrir", true, false},
    {"Bsal", "Salvar", "Arquivos", "Salvar", false, false},
    {"Bsai", "Sair", "Arquivos", "Sair", true, true},
    {"BA3", "Dados da compressão diametral de tubos simples", "Dados",
     "Compressão diametral de tubos simples", true, false},
    {"BA4", "Dados da compressão diametral de tubos armados", "Dados",
     "Compressão diametral de tubos armados", true, false},
    {"Bpro", "Dados do projetista", "Dados", "Projetista", true, false},
    {"Bobr", "Dados da Obra/Cliente", "Dados", "Obra/Cliente", true, true},
    {"Bgeo", "Geometria", "Parâmetros", "Geometria", true, false},
    {"Bins", "Instalação", "Parâmetros", "Instalação", false, false},
    {"Bsob", "Sobrecarga", "Parâmetros", "Sobrecarga", false, false},
    {"Bfat", "Tipo de base", "Parâmetros", "Tipo de base", false, true},
    {"Bcla", "Resultado da classe do tubo", "Resultados", "Classe do Tudo", false, false},
    {"BrelC", "Relatório", "Resultados", "Relatorio", false, true},
    {"BsobreC", "Autores e Responsáveis", "Sobre", "Autores e Responsaveis", true, false},
};

QIcon iconeDe(QStyle* estilo, const QString& nome)
{
    static const std::map<QString, QStyle::StandardPixmap> padroes{
        {QStringLiteral("Bnov"), QStyle::SP_FileIcon},
        {QStringLiteral("Babr"), QStyle::SP_DialogOpenButton},
        {QStringLiteral("Bsal"), QStyle::SP_DialogSaveButton},
        {QStringLiteral("Bsai"), QStyle::SP_DialogCloseButton},
        {QStringLiteral("BA3"), QStyle::SP_FileDialogListView},
        {QStringLiteral("BA4"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("Bpro"), QStyle::SP_DirHomeIcon},
        {QStringLiteral("Bobr"), QStyle::SP_DirIcon},
        {QStringLiteral("Bgeo"), QStyle::SP_DriveHDIcon},
        {QStringLiteral("Bins"), QStyle::SP_ArrowDown},
        {QStringLiteral("Bsob"), QStyle::SP_ArrowUp},
        {QStringLiteral("Bfat"), QStyle::SP_ToolBarHorizontalExtensionButton},
        {QStringLiteral("Bcla"), QStyle::SP_DialogApplyButton},
        {QStringLiteral("BrelC"), QStyle::SP_FileDialogContentsView},
        {QStringLiteral("BsobreC"), QStyle::SP_MessageBoxInformation}};
    const auto achado = padroes.find(nome);
    return achado == padroes.end() ? QIcon() : estilo->standardIcon(achado->second);
}
} // namespace

TFormPrincipal::TFormPrincipal(ProjetoTubo& projeto, QWidget* parent)
    : QMainWindow(parent), projeto_(projeto), textosResumo_(resumoInicial())
{
    setObjectName(QStringLiteral("TFormPrincipal"));
    setWindowTitle(QStringLiteral("Especificação da classe de resistência dos tubos de concreto"));
    criarComandos();

    areaCliente_ = new QWidget(this);
    transversal_ = new AreaDesenho(areaCliente_);
    transversal_->setObjectName(QStringLiteral("DesenhoTransversal"));
    longitudinal_ = new AreaDesenho(areaCliente_);
    longitudinal_->setObjectName(QStringLiteral("DesenhoLongitudinal"));
    painel_ = new PainelResumo(qt(tituloResumo), areaCliente_);
    setCentralWidget(areaCliente_);
    connect(painel_, &PainelResumo::disposto, this, &TFormPrincipal::atualizarRotulosCota);

    projeto_.etapas = Etapas{};
    mostrarResumo();
    escalarNaTela();
}

void TFormPrincipal::criarComandos()
{
    QToolBar* barra = addToolBar(QStringLiteral("Comandos"));
    barra->setObjectName(QStringLiteral("BarraFerramentas"));
    barra->setMovable(false);
    std::map<QString, QMenu*> menus;
    for (const DefinicaoComando& d : definicoes) {
        const QString nomeMenu = QString::fromUtf8(d.menu);
        QMenu*& menu = menus[nomeMenu];
        if (!menu)
            menu = menuBar()->addMenu(nomeMenu);
        auto* acao = new QAction(iconeDe(style(), QLatin1String(d.nome)), QString::fromUtf8(d.item), this);
        acao->setObjectName(QLatin1String(d.nome));
        acao->setToolTip(QString::fromUtf8(d.dica));
        acao->setEnabled(d.habilitado);
        menu->addAction(acao);
        barra->addAction(acao);
        if (d.separadorDepois)
            barra->addSeparator();
        comandos_[QLatin1String(d.nome)] = acao;
    }
    connect(comando(QStringLiteral("Bnov")), &QAction::triggered, this, &TFormPrincipal::BnovClick);
    connect(comando(QStringLiteral("Bsai")), &QAction::triggered, this, &QWidget::close);
    connect(comando(QStringLiteral("Babr")), &QAction::triggered, this, &TFormPrincipal::BabrClick);
    connect(comando(QStringLiteral("Bsal")), &QAction::triggered, this, &TFormPrincipal::BsalClick);
    connect(comando(QStringLiteral("Bpro")), &QAction::triggered, this, [this] {
        if (janelas_.projetista)
            executarModal(*janelas_.projetista);
    });
    connect(comando(QStringLiteral("Bobr")), &QAction::triggered, this, [this] {
        if (janelas_.obra)
            executarModal(*janelas_.obra);
    });
    connect(comando(QStringLiteral("Bgeo")), &QAction::triggered, this, &TFormPrincipal::BgeoClick);
    connect(comando(QStringLiteral("Bins")), &QAction::triggered, this, &TFormPrincipal::BinsClick);
    connect(comando(QStringLiteral("Bsob")), &QAction::triggered, this, &TFormPrincipal::BsobClick);
    connect(comando(QStringLiteral("Bfat")), &QAction::triggered, this, &TFormPrincipal::BfatClick);
    connect(comando(QStringLiteral("Bcla")), &QAction::triggered, this, &TFormPrincipal::BclaClick);
    connect(comando(QStringLiteral("BrelC")), &QAction::triggered, this, &TFormPrincipal::BrelCClick);
    connect(comando(QStringLiteral("BA3")), &QAction::triggered, this, [this] {
        if (janelas_.tabelaA3)
            executarModal(*janelas_.tabelaA3);
    });
    connect(comando(QStringLiteral("BA4")), &QAction::triggered, this, [this] {
        if (janelas_.tabelaA4)
            executarModal(*janelas_.tabelaA4);
    });
    connect(comando(QStringLiteral("BsobreC")), &QAction::triggered, this, &TFormPrincipal::BsobreCClick);
}

QAction* TFormPrincipal::comando(const QString& nome) const
{
    const auto achado = comandos_.find(nome);
    return achado == comandos_.end() ? nullptr : achado->second;
}

void TFormPrincipal::ligarJanelas(const JanelasKolvan& janelas)
{
    janelas_ = janelas;
    if (janelas_.geometria)
        connect(janelas_.geometria, &TFgeometria::geometriaAlterada, this,
                &TFormPrincipal::aoAlterarGeometria);
    if (janelas_.instalacao)
        connect(janelas_.instalacao, &TFormInstalacao::instalacaoAlterada, this,
                &TFormPrincipal::aoAlterarInstalacao);
    if (janelas_.sobrecarga)
        connect(janelas_.sobrecarga, &TFormSobreCarga::sobrecargaAlterada, this,
                &TFormPrincipal::aoAlterarSobrecarga);
    for (JanelaBaseAssentamento* janela : {static_cast<JanelaBaseAssentamento*>(janelas_.basesVala),
                                           static_cast<JanelaBaseAssentamento*>(janelas_.basesAterro)})
        if (janela)
            connect(janela, &JanelaBaseAssentamento::baseAlterada, this, &TFormPrincipal::aoAlterarBase);
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
    if (!gravarArquivoProjetista(projeto_.projetista))
        mensagens().mensagem(QStringLiteral("Não foi possível gravar os dados do projetista em Config/Projetista.ini."));
    evento->accept();
}

void TFormPrincipal::novoProjeto()
{
    for (const char* nome : {"Bins", "Bsob", "Bfat", "Bcla", "BrelC", "Bsal"})
        comando(QLatin1String(nome))->setEnabled(false);
    ::novoProjeto(projeto_, lerArquivoProjetista());
    if (janelas_.geometria)
        janelas_.geometria->carregarFigura();
    if (janelas_.razaoRecalque)
        janelas_.razaoRecalque->reiniciar();
    if (janelas_.larguraVala)
        janelas_.larguraVala->reiniciar();
    if (janelas_.basesConcreto)
        janelas_.basesConcreto->carregarFiguras();
    if (janelas_.sobre)
        janelas_.sobre->carregarLogos();
}

void TFormPrincipal::BnovClick()
{
    projeto_.etapas = Etapas{};
    transversal_->limpar();
    longitudinal_->limpar();
    novoProjeto();
    textosResumo_ = resumoInicial();
    mostrarResumo();
    atualizarRotulosCota();
}

void TFormPrincipal::BabrClick()
{
    const QString caminho = escolherArquivoAbrir(this, QStringLiteral("Abrir"), pastaArquivos(),
                                                 QString::fromUtf8(filtroArquivosKolvan));
    if (caminho.isEmpty())
        return;
    const QString nome = QFileInfo(caminho).fileName();
    const LeituraProjeto leitura = abrirProjeto(caminho, projeto_);
    // A file that does not read leaves the open project exactly as it was.
    if (!leitura.ok) {
        mensagens().mensagem(qt(mensagemArquivoRecusado(std8(nome), leitura)));
        return;
    }
    projeto_ = leitura.projeto;
    setWindowTitle(nome + QStringLiteral(" - ") + windowTitle());
    mostrarProjetoAberto();
}

void TFormPrincipal::mostrarProjetoAberto()
{
    redesenharSecoes();
    atualizarGeometriaResumo(textosResumo_, projeto_);
    atualizarInstalacaoResumo(textosResumo_, projeto_);
    atualizarSobrecargaResumo(textosResumo_, projeto_);
    atualizarBaseResumo();
    atualizarResultadoResumo(textosResumo_, projeto_);
    mostrarResumo();
    for (const char* nome : {"Bins", "Bsob", "Bfat", "Bcla", "BrelC"})
        comando(QLatin1String(nome))->setEnabled(true);
}

void TFormPrincipal::BsalClick()
{
    const QString caminho =
        escolherArquivoSalvar(this, QStringLiteral("Salvar"), pastaArquivos(), QString::fromUtf8(filtroArquivosKolvan),
                              QStringLiteral("ClaTubo1"), QStringLiteral("kvn"));
    if (caminho.isEmpty())
        return;
    QString erro;
    if (!salvarProjeto(projeto_, caminho, erro))
        mensagens().mensagem(erro);
}

void TFormPrincipal::BgeoClick()
{
    if (janelas_.geometria)
        executarModal(*janelas_.geometria);
}

void TFormPrincipal::BinsClick()
{
    if (janelas_.instalacao)
        executarModal(*janelas_.instalacao);
}

void TFormPrincipal::BsobClick()
{
    if (janelas_.sobrecarga)
        executarModal(*janelas_.sobrecarga);
}

void TFormPrincipal::BfatClick()
{
    // The bedding window that matches the installation.
    JanelaBaseAssentamento* janela = usaBaseAterro(projeto_.instalacao)
                                         ? static_cast<JanelaBaseAssentamento*>(janelas_.basesAterro)
                                         : static_cast<JanelaBaseAssentamento*>(janelas_.basesVala);
    if (janela)
        executarModal(*janela);
}

void TFormPrincipal::BclaClick()
{
    const CalculoClasse calculo = calcularClasse(projeto_, estadoSobrecarga_);
    if (calculo.semSolucao)
        mensagens().mensagem(QString::fromUtf8(mensagemSolucaoNaoEncontrada));
    // A computation that stopped shows its message only: the window would
    // otherwise present the last project's class as this one's.
    if (!calculo.calculada()) {
        mensagens().mensagem(qt(calculo.mensagem));
        return;
    }
    if (!janelas_.classeTubo)
        return;
    executarModal(*janelas_.classeTubo);
    if (confirmado == 1) {
        atualizarResultadoResumo(textosResumo_, projeto_);
        mostrarResumo();
        comando(QStringLiteral("BrelC"))->setEnabled(true);
        comando(QStringLiteral("Bsal"))->setEnabled(true);
    } else {
        // These results belong to the inputs: a save stays possible.
        limparResultado(false);
    }
}

void TFormPrincipal::BrelCClick()
{
    const QDateTime agora = QDateTime::currentDateTime();
    const MomentoRelatorio momento{std8(agora.toString(QStringLiteral("dd/MM/yyyy"))),
                                   std8(agora.toString(QStringLiteral("hh:mm")))};
    visualizarRelatorio(montarRelatorioClasse(projeto_, momento), this);
}

void TFormPrincipal::BsobreCClick()
{
    if (janelas_.sobre)
        executarModal(*janelas_.sobre);
}

void TFormPrincipal::limparResultado(bool porMudancaDeEntrada)
{
    comando(QStringLiteral("BrelC"))->setEnabled(false);
    if (porMudancaDeEntrada)
        comando(QStringLiteral("Bsal"))->setEnabled(false);
    limparResultadoResumo(textosResumo_);
    mostrarResumo();
}

void TFormPrincipal::aoAlterarGeometria(bool instalacaoCorrigida)
{
    redesenharSecoes();
    atualizarGeometriaResumo(textosResumo_, projeto_);
    limparResultado();
    comando(QStringLiteral("Bins"))->setEnabled(true);
    // A silent correction of ha or bv shows at once on the summary, beside
    // the results that will be computed from it.
    if (instalacaoCorrigida && projeto_.etapas.instalacao)
        atualizarInstalacaoResumo(textosResumo_, projeto_);
    if (instalacaoCorrigida && projeto_.etapas.base)
        atualizarBaseResumo();
    mostrarResumo();
}

void TFormPrincipal::aoAlterarInstalacao()
{
    if (projeto_.etapas.base)
        atualizarBaseResumo();
    atualizarInstalacaoResumo(textosResumo_, projeto_);
    limparResultado();
    comando(QStringLiteral("Bsob"))->setEnabled(true);
    mostrarResumo();
}

void TFormPrincipal::aoAlterarSobrecarga()
{
    atualizarSobrecargaResumo(textosResumo_, projeto_);
    limparResultado();
    comando(QStringLiteral("Bfat"))->setEnabled(true);
    mostrarResumo();
}

void TFormPrincipal::aoAlterarBase()
{
    atualizarBaseResumo();
    limparResultado();
    comando(QStringLiteral("Bcla"))->setEnabled(true);
    mostrarResumo();
}

// The bedding lines follow the current installation: the embankment factor
// is computed again first.
void TFormPrincipal::atualizarBaseResumo()
{
    const AtualizacaoFatorAterro a = ::atualizarBaseResumo(textosResumo_, projeto_);
    if (a.fator.semSolucao)
        mensagens().mensagem(QStringLiteral("Solução não encontrada"));
    if (!a.mensagem.empty())
        mensagens().mensagem(qt(a.mensagem));
}

void TFormPrincipal::redesenharSecoes()
{
    const auto tipo = static_cast<TipoJunta>(projeto_.geometria.tipoTubo);
    const int b = painel_->alturaTexto();
    longitudinal_->desenharLongitudinal(tipo, b);
    transversal_->desenharTransversal(tipo, longitudinal_->size(), b);
    atualizarRotulosCota();
}

void TFormPrincipal::mostrarResumo()
{
    for (int c = 0; c < 3; ++c)
        for (int k = 1; k <= 10; ++k)
            painel_->definirLinha(c, k, qt(textosResumo_.linhas[c][k - 1]));
}

void TFormPrincipal::atualizarRotulosCota()
{
    const int b = painel_->alturaTexto();
    if (projeto_.etapas.geometria) {
        transversal_->definirRotuloCota(qt(textoDiametro(projeto_.geometria)) + QStringLiteral(" mm"), b);
        longitudinal_->definirRotuloCota(qt(textoComprimento(projeto_.geometria)) + QStringLiteral(" m"), b);
    } else {
        transversal_->definirRotuloCota(QString(), b);
        longitudinal_->definirRotuloCota(QString(), b);
    }
}
