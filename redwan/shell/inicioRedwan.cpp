#include "inicioRedwan.h"

#include "Mensagens.h"
#include "Pausa.h"
#include "TFDimensionamentoArmadura.h"
#include "TFaviso.h"
#include "TFcadastro.h"
#include "TFclasseRedwa.h"
#include "TFcomeco.h"
#include "TFcustos.h"
#include "ArquivoCustos.h"
#include "TFfabricante.h"
#include "TFgeometria.h"
#include "TFobra.h"
#include "TFormDimensionamento.h"
#include "TFormPrincipal.h"
#include "TFsairSN.h"
#include "TFsobre.h"
#include "TFsplash.h"
#include "TFtabelaArmaduras.h"

#include <QApplication>

const char* const versaoRedwan = "2.4";
const char* const tituloRedwan1 = "Dimensionamento da armadura";
const char* const tituloRedwan2 = "de tubos de concreto armado";

AplicacaoRedwan::~AplicacaoRedwan() { instalarMensagens(nullptr); }

std::unique_ptr<AplicacaoRedwan> iniciarRedwan()
{
    auto app = std::make_unique<AplicacaoRedwan>();
    const QString versao = QString::fromLatin1(versaoRedwan);
    const QString titulo1 = QString::fromUtf8(tituloRedwan1);
    const QString titulo2 = QString::fromUtf8(tituloRedwan2);

    TFsplash splash(titulo1, titulo2);
    splash.definirVersao(versao);
    splash.show();
    splash.repintar();
    for (int passo = 1; passo <= passosInicioRedwan; ++passo) {
        splash.definirProgresso(passo);
        splash.repintar();
        pausar(pausaInicioRedwan);
    }
    definirTituloAplicacao(QStringLiteral("Redwa"));

    // The windows in the program's order; the report window joins with the report.
    ProjetoRedwan& p = app->projeto;
    app->principal = std::make_unique<TFormPrincipal>(p, app->resultados);
    app->cadastro = std::make_unique<TFcadastro>();
    app->classe = std::make_unique<TFclasseRedwa>(p);
    app->dimensionamento = std::make_unique<TFormDimensionamento>(p);
    app->fabricante = std::make_unique<TFfabricante>();
    app->custos = std::make_unique<TFcustos>();
    app->custos->definirPrecos(lerArquivoCustos());
    app->geometria = std::make_unique<TFgeometria>(p);
    app->obra = std::make_unique<TFobra>(p.obra, p.cliente, ModoObra::SemProtocolo);
    app->aviso = std::make_unique<TFaviso>();
    app->mensagensPrograma = std::make_unique<MensagensPrograma>(*app->aviso);
    instalarMensagens(app->mensagensPrograma.get());
    app->dimensionamentoArmadura = std::make_unique<TFDimensionamentoArmadura>(app->resultados.textos);
    app->sobre = std::make_unique<TFsobre>(titulo1, titulo2);
    app->sobre->definirVersao(versao);
    app->comeco = std::make_unique<TFcomeco>();
    app->sair = std::make_unique<TFsairSN>();
    app->tabela = std::make_unique<TFtabelaArmaduras>(p);

    JanelasRedwan janelas;
    janelas.geometria = app->geometria.get();
    janelas.classe = app->classe.get();
    janelas.dimensionamento = app->dimensionamento.get();
    janelas.fabricante = app->fabricante.get();
    janelas.custos = app->custos.get();
    janelas.obra = app->obra.get();
    janelas.comeco = app->comeco.get();
    janelas.sair = app->sair.get();
    janelas.sobre = app->sobre.get();
    janelas.cadastro = app->cadastro.get();
    janelas.resultados = app->dimensionamentoArmadura.get();
    janelas.tabela = app->tabela.get();
    app->principal->ligarJanelas(janelas);
    splash.close();
    return app;
}
