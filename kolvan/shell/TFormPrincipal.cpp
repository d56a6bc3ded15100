#include "TFormPrincipal.h"

#include "AreaDesenho.h"
#include "ArquivoProjetista.h"
#include "ExecucaoModal.h"
#include "Mensagens.h"
#include "PainelResumo.h"
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
#include "memoriaClasse.h"
#include "relatorioClasse.h"
#include "ArquivoKolvan.h"
#include "ArquivoLinhas.h"
#include "DialogosArquivo.h"
#include "TFobra.h"
#include "TFprojetista.h"
#include <QFileInfo>
#include "VisualizacaoRelatorio.h"
#include "TFormRede.h"
#include "TFormRecobrimentos.h"
#include "TFsobre.h"
#include "TextoQt.h"

#include <QAction>

namespace {
const std::vector<ComandoJanela>& comandosKolvan()
{
    static const std::vector<ComandoJanela> comandos{
        {"Bnov", "Novo", "Arquivos", "Novo", true, true, false, "Ctrl+N"},
        {"Babr", "Abrir", "Arquivos", "Abrir", true, true, false, "Ctrl+O"},
        {"Bsal", "Salvar", "Arquivos", "Salvar", false, true, false, "Ctrl+S"},
        {"Bsai", "Sair", "Arquivos", "Sair", true, true, true, "Ctrl+Q"},
        {"BA3", "Dados da compressão diametral de tubos simples", "Dados", "Compressão diametral de tubos simples",
         true, true, false},
        {"BA4", "Dados da compressão diametral de tubos armados", "Dados", "Compressão diametral de tubos armados",
         true, true, false},
        {"Bpro", "Dados do projetista", "Dados", "Projetista", true, true, false},
        {"Bobr", "Dados da Obra/Cliente", "Dados", "Obra/Cliente", true, true, true},
        {"Bgeo", "Geometria", "Parâmetros", "Geometria", true, true, false, "F2"},
        {"Bins", "Instalação", "Parâmetros", "Instalação", false, true, false, "F3"},
        {"Bsob", "Sobrecarga", "Parâmetros", "Sobrecarga", false, true, false, "F4"},
        {"Bfat", "Tipo de base", "Parâmetros", "Tipo de base", false, true, true, "F5"},
        {"Bcla", "Resultado da classe do tubo", "Resultados", "Classe do Tudo", false, true, false, "F6"},
        {"BrelC", "Relatório", "Resultados", "Relatorio", false, true, false, "F7"},
        {"BmemC", "Memória de cálculo", "Resultados", "Memória de cálculo", false, true, false, "F8"},
        {"Brede", "Rede de tubulações", "Resultados", "Rede de tubulações", false, true, false, "F9"},
        {"Brecob", "Tabela de recobrimentos", "Resultados", "Tabela de recobrimentos", false, true, true, "F10"},
        {"BsobreC", "Autores e Responsáveis", "Sobre", "Autores e Responsaveis", true, true, false},
    };
    return comandos;
}
} // namespace

TFormPrincipal::TFormPrincipal(ProjetoTubo& projeto, QWidget* parent)
    : JanelaPrincipal(QStringLiteral("Especificação da classe de resistência dos tubos de concreto"),
                      new PainelResumo(qt(tituloResumo)), parent),
      projeto_(projeto), textosResumo_(resumoInicial())
{
    painel_ = static_cast<PainelResumo*>(painelResumo());
    transversal_->setObjectName(QStringLiteral("DesenhoTransversal"));
    longitudinal_->setObjectName(QStringLiteral("DesenhoLongitudinal"));
    connect(painel_, &PainelResumo::disposto, this, &TFormPrincipal::atualizarRotulosCota);
    criarComandos(comandosKolvan());
    definirArquivosProjeto({"Bsal", "kvn", "RecentesKolvan.txt"});
    ligarComandos();

    projeto_.etapas = Etapas{};
    mostrarResumo();
    escalarNaTela();
}

void TFormPrincipal::ligarComandos()
{
    connect(comando(QStringLiteral("Bnov")), &QAction::triggered, this, &TFormPrincipal::BnovClick);
    connect(comando(QStringLiteral("Bsai")), &QAction::triggered, this, &QWidget::close);
    connect(comando(QStringLiteral("Babr")), &QAction::triggered, this, &TFormPrincipal::BabrClick);
    connect(comando(QStringLiteral("Bsal")), &QAction::triggered, this, &TFormPrincipal::BsalClick);
    // The designer's, the work's and the client's data are saved with the project.
    connect(comando(QStringLiteral("Bpro")), &QAction::triggered, this, [this] {
        const ProjetoTubo antes = projeto_;
        if (janelas_.projetista)
            executarModal(*janelas_.projetista);
        if (!(antes.projetista == projeto_.projetista))
            marcarAlterado();
        // Kept for the next project at once: "Novo" rereads the file.
        if (confirmado == 1)
            gravarProjetista();
    });
    connect(comando(QStringLiteral("Bobr")), &QAction::triggered, this, [this] {
        const ProjetoTubo antes = projeto_;
        if (janelas_.obra)
            executarModal(*janelas_.obra);
        if (!(antes.obra == projeto_.obra && antes.cliente == projeto_.cliente))
            marcarAlterado();
    });
    connect(comando(QStringLiteral("Bgeo")), &QAction::triggered, this, &TFormPrincipal::BgeoClick);
    connect(comando(QStringLiteral("Bins")), &QAction::triggered, this, &TFormPrincipal::BinsClick);
    connect(comando(QStringLiteral("Bsob")), &QAction::triggered, this, &TFormPrincipal::BsobClick);
    connect(comando(QStringLiteral("Bfat")), &QAction::triggered, this, &TFormPrincipal::BfatClick);
    connect(comando(QStringLiteral("Bcla")), &QAction::triggered, this, &TFormPrincipal::BclaClick);
    connect(comando(QStringLiteral("BrelC")), &QAction::triggered, this, &TFormPrincipal::BrelCClick);
    connect(comando(QStringLiteral("BmemC")), &QAction::triggered, this, &TFormPrincipal::BmemCClick);
    connect(comando(QStringLiteral("Brede")), &QAction::triggered, this, &TFormPrincipal::BredeClick);
    // The cover table needs what the network needs: it is enabled with it.
    comando(QStringLiteral("Brecob"))->setIcon(iconeTabelaRecobrimentos());
    connect(comando(QStringLiteral("Brede")), &QAction::changed, this,
            [this] { comando(QStringLiteral("Brecob"))->setEnabled(comando(QStringLiteral("Brede"))->isEnabled()); });
    connect(comando(QStringLiteral("Brecob")), &QAction::triggered, this, &TFormPrincipal::BrecobClick);
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

void TFormPrincipal::ligarJanelas(const JanelasKolvan& janelas)
{
    janelas_ = janelas;
    ligarAvisoESaida(janelas_.comeco, janelas_.sair);
    if (janelas_.geometria)
        connect(janelas_.geometria, &TFgeometria::geometriaAlterada, this,
                &TFormPrincipal::aoAlterarGeometria);
    if (janelas_.instalacao)
        connect(janelas_.instalacao, &TFormInstalacao::instalacaoAlterada, this,
                &TFormPrincipal::aoAlterarInstalacao);
    if (janelas_.sobrecarga)
        connect(janelas_.sobrecarga, &TFormSobreCarga::sobrecargaAlterada, this,
                &TFormPrincipal::aoAlterarSobrecarga);
    // The network is part of the project: a change marks it.
    if (janelas_.rede)
        connect(janelas_.rede, &TFormRede::redeEditada, this, [this] { marcarAlterado(); });
    for (JanelaBaseAssentamento* janela : {static_cast<JanelaBaseAssentamento*>(janelas_.basesVala),
                                           static_cast<JanelaBaseAssentamento*>(janelas_.basesAterro)})
        if (janela)
            connect(janela, &JanelaBaseAssentamento::baseAlterada, this, &TFormPrincipal::aoAlterarBase);
}

int TFormPrincipal::alturaTextoResumo() const { return painel_->alturaTexto(); }

void TFormPrincipal::disporResumo() { painel_->dispor(); }

bool TFormPrincipal::podeDescartarAoSair() { return podeDescartarRede(); }

// A project that can be saved keeps its network beside it, so the save
// question covered it; one that cannot yet be saved asks to export it.
bool TFormPrincipal::podeDescartarRede()
{
    QAction* salvar = comando(QStringLiteral("Bsal"));
    return !janelas_.rede || (salvar && salvar->isEnabled()) || janelas_.rede->podeDescartar();
}

// The designer data are kept for the next run; a file that cannot be
// written is said, and the program still ends.
void TFormPrincipal::aoSair()
{
    // A network window left open would keep the program running.
    if (janelas_.rede)
        janelas_.rede->close();
    gravarProjetista();
}

void TFormPrincipal::gravarProjetista()
{
    if (QString erro; !gravarArquivoProjetista(projeto_.projetista, erro))
        mensagens().mensagem(erro);
}

void TFormPrincipal::novoProjeto()
{
    habilitar({"Bins", "Bsob", "Bfat", "Bcla", "BrelC", "BmemC", "Bsal", "Brede"}, false);
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
    avisarRede();
}

void TFormPrincipal::BnovClick()
{
    if (!podeDescartarProjeto() || !podeDescartarRede())
        return;
    if (janelas_.rede)
        janelas_.rede->esvaziar();
    marcarNovo();
    projeto_.etapas = Etapas{};
    limparSecoes();
    novoProjeto();
    textosResumo_ = resumoInicial();
    mostrarResumo();
    atualizarRotulosCota();
}

void TFormPrincipal::BabrClick()
{
    if (!podeDescartarProjeto())
        return;
    const QString caminho = escolherArquivoAbrir(this, QStringLiteral("Abrir"), pastaArquivosProjeto(),
                                                 QString::fromUtf8(filtroArquivosKolvan), QStringLiteral("kvn"));
    if (!caminho.isEmpty())
        abrirProjetoDe(caminho);
}

bool TFormPrincipal::abrirProjetoDe(const QString& caminho)
{
    // However the file was chosen ("Abrir", a recent file, a drop), the
    // network it replaces may be exported first.
    if (!podeDescartarRede())
        return false;
    const QString nome = QFileInfo(caminho).fileName();
    const LeituraProjeto leitura = abrirProjeto(caminho, projeto_);
    // A file that does not read leaves the open project exactly as it was.
    if (!leitura.ok) {
        mensagens().mensagem(qt(mensagemArquivoRecusado(std8(nome), leitura)));
        return false;
    }
    projeto_ = leitura.projeto;
    setWindowTitle(nome + QStringLiteral(" - ") + legenda());
    // The network saved beside the project, classed once the project shows.
    if (janelas_.rede)
        janelas_.rede->esvaziar();
    mostrarProjetoAberto();
    QString erroRede;
    if (janelas_.rede && !janelas_.rede->lerJuntoAoProjeto(caminho, erroRede))
        mensagens().mensagem(erroRede);
    marcarSalvo(caminho);
    return true;
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
    habilitar({"Bins", "Bsob", "Bfat", "Bcla", "BrelC", "BmemC", "Brede"}, true);
    avisarRede();
}

void TFormPrincipal::BsalClick() { salvarProjetoAtual(); }

bool TFormPrincipal::salvarProjetoAtual()
{
    const QString caminho =
        escolherArquivoSalvar(this, QStringLiteral("Salvar"), pastaArquivosProjeto(), QString::fromUtf8(filtroArquivosKolvan),
                              QStringLiteral("ClaTubo1"), QStringLiteral("kvn"));
    if (caminho.isEmpty())
        return false;
    QString erro;
    if (!salvarProjeto(projeto_, caminho, erro)) {
        mensagens().mensagem(erro);
        return false;
    }
    // The project is saved; a network that was not stays unsaved ("*").
    if (janelas_.rede && !janelas_.rede->gravarJuntoAoProjeto(caminho, erro)) {
        mensagens().mensagem(QStringLiteral("O projeto foi salvo, mas a sua rede não: ") + erro);
        return false;
    }
    marcarSalvo(caminho);
    return true;
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
    // The computation takes the embankment factor afresh: the summary shows
    // the one the result stands on.
    if (projeto_.etapas.base) {
        atualizarBaseResumoTextos(textosResumo_, projeto_);
        mostrarResumo();
    }
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
    const std::vector<std::string> antes = linhasProjeto(projeto_);
    executarModal(*janelas_.classeTubo);
    if (confirmado == 1) {
        // The class found again for unchanged inputs changes nothing to save.
        if (linhasProjeto(projeto_) != antes)
            marcarAlterado();
        atualizarResultadoResumo(textosResumo_, projeto_);
        mostrarResumo();
        habilitar({"BrelC", "BmemC", "Bsal"}, true);
    } else {
        // These results belong to the inputs: a save stays possible.
        limparResultado(false);
    }
}

void TFormPrincipal::BrelCClick()
{
    visualizarRelatorio(montarRelatorioClasse(projeto_, momentoAtual()), this);
}

void TFormPrincipal::BmemCClick()
{
    // The sheet computes a copy: the project keeps the results it shows.
    visualizarRelatorio(memoriaClasseDoProjeto(projeto_, momentoAtual()), this);
}

// The network window is not modal: it stays beside the main window and
// follows the project as it changes.
void TFormPrincipal::BredeClick()
{
    if (!janelas_.rede)
        return;
    janelas_.rede->projetoAlterado();
    janelas_.rede->show();
    janelas_.rede->raise();
    janelas_.rede->activateWindow();
}

void TFormPrincipal::avisarRede()
{
    if (janelas_.rede)
        janelas_.rede->projetoAlterado();
    if (recobrimentos_)
        recobrimentos_->projetoAlterado();
}

// Made the first time it is asked for; like the network window it stays
// beside the main window and follows the project.
void TFormPrincipal::BrecobClick()
{
    if (!recobrimentos_)
        recobrimentos_ = new TFormRecobrimentos(projeto_, this);
    recobrimentos_->show();
    recobrimentos_->raise();
    recobrimentos_->activateWindow();
}

void TFormPrincipal::BsobreCClick()
{
    if (janelas_.sobre)
        executarModal(*janelas_.sobre);
}

void TFormPrincipal::limparResultado(bool porMudancaDeEntrada)
{
    habilitar({"BrelC", "BmemC"}, false);
    if (porMudancaDeEntrada)
        comando(QStringLiteral("Bsal"))->setEnabled(false);
    limparResultadoResumo(textosResumo_);
    mostrarResumo();
}

void TFormPrincipal::aoAlterarGeometria(bool instalacaoCorrigida)
{
    marcarAlterado();
    redesenharSecoes();
    atualizarGeometriaResumo(textosResumo_, projeto_);
    limparResultado();
    comando(QStringLiteral("Bins"))->setEnabled(true);
    // A silent correction of ha or bv shows at once on the summary, beside
    // the results that will be computed from it.
    if (instalacaoCorrigida && projeto_.etapas.instalacao)
        atualizarInstalacaoResumo(textosResumo_, projeto_);
    // The embankment factor follows the pipe's diameter too.
    if (projeto_.etapas.base && (instalacaoCorrigida || usaBaseAterro(projeto_.instalacao)))
        atualizarBaseResumo();
    mostrarResumo();
    avisarRede();
}

void TFormPrincipal::aoAlterarInstalacao()
{
    marcarAlterado();
    if (projeto_.etapas.base)
        atualizarBaseResumo();
    atualizarInstalacaoResumo(textosResumo_, projeto_);
    limparResultado();
    comando(QStringLiteral("Bsob"))->setEnabled(true);
    mostrarResumo();
    avisarRede();
}

void TFormPrincipal::aoAlterarSobrecarga()
{
    marcarAlterado();
    atualizarSobrecargaResumo(textosResumo_, projeto_);
    limparResultado();
    comando(QStringLiteral("Bfat"))->setEnabled(true);
    mostrarResumo();
    avisarRede();
}

void TFormPrincipal::aoAlterarBase()
{
    marcarAlterado();
    atualizarBaseResumo();
    limparResultado();
    comando(QStringLiteral("Bcla"))->setEnabled(true);
    comando(QStringLiteral("Brede"))->setEnabled(true);
    mostrarResumo();
    avisarRede();
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
    desenharSecoes(static_cast<TipoJunta>(projeto_.geometria.tipoTubo), qt(textoDiametro(projeto_.geometria)),
                   qt(textoComprimento(projeto_.geometria)));
}

void TFormPrincipal::mostrarResumo()
{
    for (int c = 0; c < 3; ++c)
        for (int k = 1; k <= 10; ++k)
            painel_->definirLinha(c, k, qt(textosResumo_.linhas[c][k - 1]));
}

void TFormPrincipal::atualizarRotulosCota()
{
    if (projeto_.etapas.geometria)
        definirRotulosCota(qt(textoDiametro(projeto_.geometria)), qt(textoComprimento(projeto_.geometria)));
    else
        definirRotulosCota(QString(), QString());
}
