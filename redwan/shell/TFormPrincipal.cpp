#include "TFormPrincipal.h"

#include "AreaDesenho.h"
#include "ArquivoLinhas.h"
#include "ArquivoRedwan.h"
#include "arquivoProjetoRedwan.h"
#include "DialogosArquivo.h"
#include "RelatorioRedwan.h"
#include "ArquivoFabricante.h"
#include "ExecucaoModal.h"
#include "JanelaEntrada.h"
#include "Mensagens.h"
#include "PainelResumoRedwan.h"
#include "TFDimensionamentoArmadura.h"
#include "TFcustos.h"
#include "custoTubo.h"
#include "TFcadastro.h"
#include "TFclasseRedwa.h"
#include "TFfabricante.h"
#include "TFgeometria.h"
#include "TFobra.h"
#include "TFormDimensionamento.h"
#include "TFsobre.h"
#include "TFtabelaArmaduras.h"
#include "TextoQt.h"
#include "classeTubo.h"
#include "comandosRedwan.h"
#include "geometriaRedwan.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace {
std::vector<ComandoJanela> comandosDaJanela()
{
    std::vector<ComandoJanela> comandos;
    for (const ComandoRedwan& c : comandosRedwan())
        comandos.push_back({c.nome, c.dica, c.menu, c.item, c.habilitadoNoInicio, c.visivel, c.separadorDepois,
                            c.atalho, c.naBarra});
    return comandos;
}
} // namespace

TFormPrincipal::TFormPrincipal(ProjetoRedwan& projeto, ResultadosRedwan& resultados, QWidget* parent)
    : JanelaPrincipal(QStringLiteral("Dimensionamento da armadura de tubos de concreto armado"),
                      new PainelResumoRedwan, parent),
      projeto_(projeto), resultados_(resultados), textosResumo_(resumoInicialRedwan())
{
    painel_ = static_cast<PainelResumoRedwan*>(painelResumo());
    transversal_->setObjectName(QStringLiteral("Image1"));
    longitudinal_->setObjectName(QStringLiteral("Image2"));
    connect(painel_, &PainelResumoRedwan::disposto, this, &TFormPrincipal::atualizarRotulosCota);
    criarComandos(comandosDaJanela());
    definirArquivosProjeto({"Bsav", "rdw", "RecentesRedwan.txt"});
    ligarComandos();

    projeto_.etapas = EtapasRedwan{};
    mostrarResumo();
    escalarNaTela();
}

void TFormPrincipal::ligarComandos()
{
    connect(comando(QStringLiteral("Bnov")), &QAction::triggered, this, &TFormPrincipal::BnovClick);
    connect(comando(QStringLiteral("Babr")), &QAction::triggered, this, &TFormPrincipal::BabrClick);
    connect(comando(QStringLiteral("Bsav")), &QAction::triggered, this, &TFormPrincipal::BsavClick);
    connect(comando(QStringLiteral("BrelD")), &QAction::triggered, this, &TFormPrincipal::BrelDClick);
    connect(comando(QStringLiteral("BmemD")), &QAction::triggered, this, &TFormPrincipal::BmemDClick);
    connect(comando(QStringLiteral("Bsai")), &QAction::triggered, this, &QWidget::close);
    connect(comando(QStringLiteral("Bdim")), &QAction::triggered, this, &TFormPrincipal::BdimClick);
    const std::pair<const char*, std::function<QDialog*()>> janelas[] = {
        {"Btel", [this] { return janelas_.cadastro; }},
        {"Bfab", [this] { return janelas_.fabricante; }},
        {"Bcus", [this] { return static_cast<QDialog*>(janelas_.custos); }},
        {"Bobr", [this] { return janelas_.obra; }},
        {"Bgeo", [this] { return janelas_.geometria; }},
        {"BclaD", [this] { return janelas_.classe; }},
        {"Barm", [this] { return janelas_.dimensionamento; }},
        {"BsobreD", [this] { return janelas_.sobre; }},
        {"Btab", [this] { return janelas_.tabela; }},
    };
    for (const auto& [nome, janela] : janelas)
        connect(comando(QLatin1String(nome)), &QAction::triggered, this, [this, janela] { abrir(janela()); });
}

void TFormPrincipal::ligarJanelas(const JanelasRedwan& janelas)
{
    janelas_ = janelas;
    ligarAvisoESaida(janelas_.comeco, janelas_.sair);
    if (janelas_.geometria)
        connect(janelas_.geometria, &TFgeometria::geometriaAlterada, this, &TFormPrincipal::aoAlterarGeometria);
    if (janelas_.classe)
        connect(janelas_.classe, &TFclasseRedwa::classeAlterada, this, &TFormPrincipal::aoAlterarClasse);
    if (janelas_.dimensionamento)
        connect(janelas_.dimensionamento, &TFormDimensionamento::parametrosConfirmados, this,
                &TFormPrincipal::aoConfirmarParametros);
    if (janelas_.custos) {
        // New prices reprice the design on show, in the summary too.
        connect(janelas_.custos, &TFcustos::precosAlterados, this, [this] {
            precificarResultados();
            atualizarPrecosResumo(textosResumo_, precos());
            if (textosResumo_.comResultados)
                atualizarResultadosResumo(textosResumo_, resumoResultados(resultados_.textos));
            mostrarResumo();
        });
        atualizarPrecosResumo(textosResumo_, precos());
        mostrarResumo();
        if (janelas_.tabela)
            janelas_.tabela->definirJanelaCustos(janelas_.custos);
    }
    // The line's report prints the manufacturer as the manufacturer window holds it now.
    if (janelas_.tabela && janelas_.fabricante)
        janelas_.tabela->definirFonteFabricante([f = janelas_.fabricante] {
            return FabricanteAtual{f->dados(), f->logo()};
        });
}

void TFormPrincipal::abrir(QDialog* janela)
{
    // The work's and the client's data are saved with the project.
    const DadosObra obra = projeto_.obra;
    const DadosCliente cliente = projeto_.cliente;
    const int resultado = janela ? executarModal(*janela) : QDialog::Rejected;
    if (!(obra == projeto_.obra && cliente == projeto_.cliente))
        marcarAlterado();
    // Kept for the next project at once: "Novo" rereads the files.
    if (janela && janela == janelas_.fabricante && resultado == QDialog::Accepted)
        gravarFabricante();
}

int TFormPrincipal::alturaTextoResumo() const { return painel_->alturaTexto(); }

void TFormPrincipal::disporResumo() { painel_->dispor(); }

// The manufacturer data are kept for the next run; a file that cannot be
// written is said, and the program still ends.
void TFormPrincipal::aoSair()
{
    gravarFabricante();
}

void TFormPrincipal::gravarFabricante()
{
    if (!janelas_.fabricante)
        return;
    if (QString erro; !gravarArquivoFabricante(janelas_.fabricante->dados(), &erro))
        mensagens().mensagem(erro);
    if (QString erro; !gravarLogoFabricante(janelas_.fabricante->logo(), &erro))
        mensagens().mensagem(erro);
}

void TFormPrincipal::novoProjeto()
{
    habilitar(comandosDesabilitadosNoNovo(), false);
    ::novoProjeto(projeto_);
    if (janelas_.fabricante) {
        janelas_.fabricante->definirDados(lerArquivoFabricante());
        janelas_.fabricante->definirLogo(lerLogoFabricante());
    }
    if (janelas_.geometria)
        janelas_.geometria->carregarFigura();
    if (janelas_.sobre)
        janelas_.sobre->carregarLogos();
    textosResumo_ = resumoInicialRedwan(precos());
    mostrarResumo();
}

void TFormPrincipal::BnovClick()
{
    if (!podeDescartarProjeto())
        return;
    marcarNovo();
    limparSecoes();
    novoProjeto();
    atualizarRotulosCota();
}

void TFormPrincipal::BabrClick()
{
    if (!podeDescartarProjeto())
        return;
    const QString caminho = escolherArquivoAbrir(this, QStringLiteral("Abrir"), pastaArquivosProjeto(),
                                                 QString::fromUtf8(filtroArquivosRedwan), QStringLiteral("rdw"));
    if (!caminho.isEmpty())
        abrirProjetoDe(caminho);
}

bool TFormPrincipal::abrirProjetoDe(const QString& caminho)
{
    const std::string nome = std8(QFileInfo(caminho).fileName());
    const LeituraRedwan leitura = abrirProjetoRedwan(caminho, projeto_, resultados_.textos);
    // A file that does not read leaves the open project exactly as it was.
    if (!leitura.ok) {
        mensagens().mensagem(qt(mensagemArquivoRedwanRecusado(nome, leitura)));
        return false;
    }
    projeto_ = leitura.projeto;
    restaurarResultados(resultados_, leitura.resultados);
    precificarResultados();
    setWindowTitle(qt(legendaAposAbrir(std8(legenda()), nome)));
    redesenharSecoes();
    atualizarGeometriaResumo(textosResumo_, projeto_);
    atualizarClasseResumo(textosResumo_, projeto_);
    atualizarParametrosResumo(textosResumo_, projeto_);
    atualizarResultadosResumo(textosResumo_, resumoResultados(resultados_.textos));
    mostrarResumo();
    // The stored results can be printed, with their calculation sheet;
    // saving waits for a new design.
    habilitar({"BclaD", "Barm", "Bdim", "BrelD", "BmemD"}, true);
    marcarSalvo(caminho);
    return true;
}

void TFormPrincipal::BsavClick() { salvarProjetoAtual(); }

bool TFormPrincipal::salvarProjetoAtual()
{
    const QString caminho = escolherArquivoSalvar(this, QStringLiteral("Salvar"), pastaArquivosProjeto(),
                                                  QString::fromUtf8(filtroArquivosRedwan),
                                                  QString::fromUtf8(nomePropostoRedwan), QStringLiteral("rdw"));
    if (caminho.isEmpty())
        return false;
    QString erro;
    if (!salvarProjetoRedwan(projeto_, resultados_.textos, caminho, erro)) {
        mensagens().mensagem(erro);
        return false;
    }
    marcarSalvo(caminho);
    return true;
}

void TFormPrincipal::BrelDClick()
{
    QTemporaryDir pasta;
    visualizarRelatorioDimensionamento(dadosDoRelatorio(pasta), this);
}

void TFormPrincipal::BmemDClick()
{
    QTemporaryDir pasta;
    visualizarMemoriaDimensionamento(dadosDoRelatorio(pasta), this);
}

DadosRelatorioDimensionamento TFormPrincipal::dadosDoRelatorio(const QTemporaryDir& pasta)
{
    DadosRelatorioDimensionamento dados;
    dados.projeto = projeto_;
    dados.resultados = resultados_.textos;
    dados.precos = precos();
    // The logo as the manufacturer window holds it now, saved or not.
    dados.logo.clear();
    if (janelas_.fabricante) {
        dados.fabricante = janelas_.fabricante->dados();
        // The fields the report prints lose their leading blanks, in the
        // manufacturer window too.
        if (dados.fabricante.imprimir) {
            removerBrancosIniciais(dados.fabricante);
            janelas_.fabricante->definirDados(dados.fabricante);
        }
        const QString logo = pasta.filePath(QStringLiteral("logotipo.png"));
        if (!janelas_.fabricante->logo().isNull() && janelas_.fabricante->logo().save(logo))
            dados.logo = std8(logo);
    }
    marcarMomentoAtual(dados);
    return dados;
}

// A run that stops says why and leaves the results, the summary and the
// commands as they were. A successful one replaces the results and shows
// them; its confirmation publishes them, its cancellation withdraws them.
void TFormPrincipal::BdimClick()
{
    // A special load confirmed for another diameter may no longer exceed the
    // largest class of this one: no design (and no file) is made with it.
    const int finalidade = projeto_.geometria.finalidade;
    if (especialEscolhida(projeto_.classe, finalidade)) {
        const ConferenciaEspecial c = conferirEspecial(textoEspecial(projeto_.classe, finalidade), finalidade,
                                                       diametroInterno(projeto_.geometria));
        if (c.problema == ConferenciaEspecial::NaoMaior) {
            mensagens().mensagem(qt(c.avisoSuperior + " " + c.avisoInferior + "."));
            return;
        }
    }
    EstadoDimensionamento estado;
    const ExecucaoDimensionamento execucao = executarDimensionamento(entradaDoProjeto(projeto_), estado);
    if (execucao.desfecho != Desfecho::Resultados) {
        mensagens().mensagem(qt(execucao.mensagem));
        return;
    }
    const std::vector<std::string> antes = linhasProjetoRedwan(projeto_, resultados_.textos);
    guardarResultados(resultados_, execucao.resultado);
    precificarResultados();
    if (!janelas_.resultados)
        return;
    executarModal(*janelas_.resultados);
    if (confirmado == 1) {
        // The design found again for unchanged inputs changes nothing to save.
        if (linhasProjetoRedwan(projeto_, resultados_.textos) != antes)
            marcarAlterado();
        mostrarResultados(resumoResultados(resultados_.textos));
    } else
        invalidarResultados();
}

void TFormPrincipal::mostrarResultados(const ResultadosResumo& resultados)
{
    atualizarResultadosResumo(textosResumo_, resultados);
    mostrarResumo();
    habilitar(comandosDosResultados(), true);
}

void TFormPrincipal::invalidarResultados()
{
    habilitar(comandosDosResultados(), false);
    limparResultadosResumo(textosResumo_);
    mostrarResumo();
}

void TFormPrincipal::aoAlterarGeometria()
{
    marcarAlterado();
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
    marcarAlterado();
    atualizarClasseResumo(textosResumo_, projeto_);
    invalidarResultados();
    comando(QStringLiteral("Barm"))->setEnabled(true);
}

void TFormPrincipal::aoConfirmarParametros(bool alterados)
{
    if (alterados) {
        marcarAlterado();
        atualizarParametrosResumo(textosResumo_, projeto_);
        invalidarResultados();
    }
    comando(QStringLiteral("Bdim"))->setEnabled(true);
}

void TFormPrincipal::redesenharSecoes()
{
    desenharSecoes(static_cast<TipoJunta>(projeto_.geometria.tipoTubo), qt(textoDiametro(projeto_.geometria)),
                   qt(textoComprimento(projeto_.geometria)));
}

PrecosCusto TFormPrincipal::precos() const
{
    return janelas_.custos ? janelas_.custos->precos() : PrecosCusto{};
}

void TFormPrincipal::precificarResultados()
{
    ::precificarResultados(resultados_, projeto_, precos());
}

void TFormPrincipal::mostrarResumo() { painel_->mostrar(textosResumo_); }

void TFormPrincipal::atualizarRotulosCota()
{
    if (projeto_.etapas.geometria)
        definirRotulosCota(qt(textoDiametro(projeto_.geometria)), qt(textoComprimento(projeto_.geometria)));
    else
        definirRotulosCota(QString(), QString());
}
