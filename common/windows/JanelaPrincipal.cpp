#include "JanelaPrincipal.h"

#include "AreaDesenho.h"
#include "ExecucaoModal.h"
#include "MenuRecentes.h"
#include "Mensagens.h"
#include "TFcomeco.h"
#include "TFsairSN.h"
#include "escalaJanela.h"
#include "layoutResumo.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <utility>

namespace {
// The toolbar pictures, by command name in either program.
QIcon iconeDe(QStyle* estilo, const QString& nome)
{
    static const std::map<QString, QStyle::StandardPixmap> padroes{
        {QStringLiteral("Bnov"), QStyle::SP_FileIcon},
        {QStringLiteral("Babr"), QStyle::SP_DialogOpenButton},
        {QStringLiteral("Bsal"), QStyle::SP_DialogSaveButton},
        {QStringLiteral("Bsav"), QStyle::SP_DialogSaveButton},
        {QStringLiteral("Bsai"), QStyle::SP_DialogCloseButton},
        {QStringLiteral("BA3"), QStyle::SP_FileDialogListView},
        {QStringLiteral("BA4"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("Btel"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("Bpro"), QStyle::SP_DirHomeIcon},
        {QStringLiteral("Bfab"), QStyle::SP_DirHomeIcon},
        {QStringLiteral("Bobr"), QStyle::SP_DirIcon},
        {QStringLiteral("Bgeo"), QStyle::SP_DriveHDIcon},
        {QStringLiteral("Bins"), QStyle::SP_ArrowDown},
        {QStringLiteral("BclaD"), QStyle::SP_ArrowDown},
        {QStringLiteral("Bsob"), QStyle::SP_ArrowUp},
        {QStringLiteral("Barm"), QStyle::SP_ArrowUp},
        {QStringLiteral("Bfat"), QStyle::SP_ToolBarHorizontalExtensionButton},
        {QStringLiteral("Bcla"), QStyle::SP_DialogApplyButton},
        {QStringLiteral("Bdim"), QStyle::SP_DialogApplyButton},
        {QStringLiteral("BrelC"), QStyle::SP_FileDialogContentsView},
        {QStringLiteral("BrelD"), QStyle::SP_FileDialogContentsView},
        {QStringLiteral("BmemC"), QStyle::SP_FileDialogInfoView},
        {QStringLiteral("BmemD"), QStyle::SP_FileDialogInfoView},
        {QStringLiteral("Brede"), QStyle::SP_DriveNetIcon},
        {QStringLiteral("Btab"), QStyle::SP_FileDialogListView},
        {QStringLiteral("BsobreC"), QStyle::SP_MessageBoxInformation},
        {QStringLiteral("BsobreD"), QStyle::SP_MessageBoxInformation}};
    const auto achado = padroes.find(nome);
    return achado == padroes.end() ? QIcon() : estilo->standardIcon(achado->second);
}
} // namespace

JanelaPrincipal::JanelaPrincipal(const QString& titulo, QWidget* painelResumo, QWidget* parent)
    : QMainWindow(parent), painelResumo_(painelResumo)
{
    setObjectName(QStringLiteral("TFormPrincipal"));
    // The mark of unsaved changes heads the caption ("*obra.kvn - …").
    setWindowTitle(QStringLiteral("[*]") + titulo);
    setAcceptDrops(true);
    areaCliente_ = new QWidget(this);
    transversal_ = new AreaDesenho(areaCliente_);
    longitudinal_ = new AreaDesenho(areaCliente_);
    painelResumo_->setParent(areaCliente_);
    setCentralWidget(areaCliente_);
}

void JanelaPrincipal::criarComandos(const std::vector<ComandoJanela>& comandos)
{
    QToolBar* barra = addToolBar(QStringLiteral("Comandos"));
    barra->setObjectName(QStringLiteral("BarraFerramentas"));
    barra->setMovable(false);
    std::map<QString, QMenu*>& menus = menus_;
    for (const ComandoJanela& c : comandos) {
        auto* acao = new QAction(iconeDe(style(), QLatin1String(c.nome)), QString::fromUtf8(c.item), this);
        acao->setObjectName(QLatin1String(c.nome));
        acao->setToolTip(QString::fromUtf8(c.dica));
        acao->setEnabled(c.habilitado);
        acao->setVisible(c.visivel);
        if (c.atalho)
            acao->setShortcut(QKeySequence(QLatin1String(c.atalho)));
        comandos_[QLatin1String(c.nome)] = acao;
        if (!c.visivel)
            continue;
        const QString nomeMenu = QString::fromUtf8(c.menu);
        QMenu*& menu = menus[nomeMenu];
        if (!menu)
            menu = menuBar()->addMenu(nomeMenu);
        menu->addAction(acao);
        if (!c.naBarra)
            continue;
        barra->addAction(acao);
        if (c.separadorDepois)
            barra->addSeparator();
    }
}

QAction* JanelaPrincipal::comando(const QString& nome) const
{
    const auto achado = comandos_.find(nome);
    return achado == comandos_.end() ? nullptr : achado->second;
}

void JanelaPrincipal::habilitar(const std::vector<std::string>& nomes, bool habilitado)
{
    for (const std::string& nome : nomes)
        if (QAction* acao = comando(QString::fromStdString(nome)))
            acao->setEnabled(habilitado);
}

void JanelaPrincipal::ligarAvisoESaida(TFcomeco* comeco, TFsairSN* sair)
{
    comeco_ = comeco;
    sair_ = sair;
}

void JanelaPrincipal::definirArquivosProjeto(const ArquivosProjeto& arquivos)
{
    arquivos_ = arquivos;
    QAction* sair = comando(QStringLiteral("Bsai"));
    for (const auto& [nome, menu] : menus_)
        if (sair && menu->actions().contains(sair)) {
            recentes_ = new MenuRecentes(menu, sair, QString::fromUtf8(arquivos.listaRecentes), this);
            connect(recentes_, &MenuRecentes::escolhido, this, &JanelaPrincipal::abrirArquivo);
        }
}

QString JanelaPrincipal::legenda() const { return windowTitle().remove(QStringLiteral("[*]")); }

void JanelaPrincipal::marcarSalvo(const QString& caminho)
{
    setWindowModified(false);
    if (recentes_)
        recentes_->acrescentar(caminho);
}

bool JanelaPrincipal::podeDescartarProjeto()
{
    if (!isWindowModified())
        return true;
    QAction* salvar = comando(QString::fromUtf8(arquivos_.comandoSalvar));
    if (!salvar || !salvar->isEnabled())
        return mensagens().pergunta(QString::fromUtf8(perguntaDadosPerdidos));
    switch (mensagens().perguntaComCancelar(QString::fromUtf8(perguntaSalvarProjeto))) {
    case Resposta::Sim: return salvarProjetoAtual();
    case Resposta::Nao: return true;
    case Resposta::Cancelar: break;
    }
    return false;
}

void JanelaPrincipal::abrirAoIniciar(const QString& caminho)
{
    arquivoInicial_ = QFileInfo(caminho).absoluteFilePath();
}

void JanelaPrincipal::abrirArquivo(const QString& caminho)
{
    if (podeDescartarProjeto())
        abrirProjetoDe(caminho);
}

// The first project file among the dropped ones.
QString JanelaPrincipal::arquivoProjetoEm(const QMimeData* dados) const
{
    if (!dados || !dados->hasUrls())
        return {};
    for (const QUrl& url : dados->urls()) {
        const QFileInfo arquivo(url.toLocalFile());
        if (url.isLocalFile() &&
            arquivo.suffix().compare(QString::fromUtf8(arquivos_.extensao), Qt::CaseInsensitive) == 0)
            return arquivo.absoluteFilePath();
    }
    return {};
}

void JanelaPrincipal::dragEnterEvent(QDragEnterEvent* evento)
{
    if (!arquivoProjetoEm(evento->mimeData()).isEmpty())
        evento->acceptProposedAction();
}

void JanelaPrincipal::dropEvent(QDropEvent* evento)
{
    const QString caminho = arquivoProjetoEm(evento->mimeData());
    if (caminho.isEmpty())
        return;
    evento->acceptProposedAction();
    // The questions and the opening come once the drop is over, so the
    // window that dragged the file is not held meanwhile.
    QTimer::singleShot(0, this, [this, caminho] { abrirArquivo(caminho); });
}

void JanelaPrincipal::escalarNaTela()
{
    QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela)
        return;
    const QRect area = tela->geometry();
    const double fator = fatorEscalaJanela(area.width(), area.height());
    resize(static_cast<int>(larguraProjeto * fator), static_cast<int>(alturaProjeto * fator));
    move(area.center() - rect().center());
}

void JanelaPrincipal::dispor()
{
    const DivisaoAreaCliente d = dividirAreaCliente(areaCliente_->width(), areaCliente_->height());
    auto aplicar = [](QWidget* w, const Retangulo& r) { w->setGeometry(r.x, r.y, r.largura, r.altura); };
    aplicar(transversal_, d.desenhoTransversal);
    aplicar(longitudinal_, d.desenhoLongitudinal);
    aplicar(painelResumo_, d.resumo);
    disporResumo();
}

void JanelaPrincipal::desenharSecoes(TipoJunta tipo, const QString& diametro, const QString& comprimento)
{
    const int b = alturaTextoResumo();
    longitudinal_->desenharLongitudinal(tipo, b);
    transversal_->desenharTransversal(tipo, longitudinal_->size(), b);
    definirRotulosCota(diametro, comprimento);
}

void JanelaPrincipal::definirRotulosCota(const QString& diametro, const QString& comprimento)
{
    const int b = alturaTextoResumo();
    transversal_->definirRotuloCota(diametro.isEmpty() ? QString() : diametro + QStringLiteral(" mm"), b);
    longitudinal_->definirRotuloCota(comprimento.isEmpty() ? QString() : comprimento + QStringLiteral(" m"), b);
}

void JanelaPrincipal::limparSecoes()
{
    transversal_->limpar();
    longitudinal_->limpar();
}

void JanelaPrincipal::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    dispor();
}

void JanelaPrincipal::showEvent(QShowEvent* evento)
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

void JanelaPrincipal::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    // Whatever the program writes into the caption, the mark stays at its head.
    if (evento->type() == QEvent::WindowTitleChange) {
        const QString comMarca = QStringLiteral("[*]") + legenda();
        if (windowTitle() != comMarca)
            setWindowTitle(comMarca);
    }
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void JanelaPrincipal::FormActivate()
{
    dispor();
    if (avisoMostrado_ || !comeco_)
        return;
    avisoMostrado_ = true;
    executarModal(*comeco_);
    raise();
    activateWindow();
    if (!arquivoInicial_.isEmpty())
        abrirArquivo(std::exchange(arquivoInicial_, QString()));
}

void JanelaPrincipal::closeEvent(QCloseEvent* evento)
{
    if (!podeDescartarProjeto() || !podeDescartarAoSair() || (sair_ && !perguntarSaida(*sair_))) {
        evento->ignore();
        return;
    }
    aoSair();
    evento->accept();
}
