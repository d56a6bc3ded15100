#include "inicioKolvan.h"

#include "Mensagens.h"
#include "Pausa.h"
#include "TFaviso.h"
#include "TFcomeco.h"
#include "TFgeometria.h"
#include "TFormInstalacao.h"
#include "TFormLagrVala.h"
#include "TFormRazaoRecalque.h"
#include "TFormSobreCarga.h"
#include "TFormBasesSaliPosit.h"
#include "TFormBasesVala.h"
#include "TFormDaseConcreto.h"
#include "JanelaTabelaClasse.h"
#include "TFclassetubo.h"
#include "TFobra.h"
#include "TFprojetista.h"
#include "TFormPrincipal.h"
#include "TFsairSN.h"
#include "TFsobre.h"
#include "TFsplash.h"
#include "TFormRede.h"

#include <QApplication>

const char* const versaoKolvan = "2.4";

namespace {
const QString titulo1 = QStringLiteral("Especificação da classe de resistência");
const QString titulo2 = QStringLiteral("dos tubos de concreto");
} // namespace

const QStringList& etapasInicioKolvan()
{
    static const QStringList etapas{
        QStringLiteral("Principal"),          QStringLiteral("Parâmetros de Base"),
        QStringLiteral("Tipos de Base"),      QStringLiteral("Geometria"),
        QStringLiteral("Tipos de Instalação"), QStringLiteral("Tipos de Sobrecarga"),
        QStringLiteral("Determinação de Largura"), QStringLiteral("Formulário de Avisos"),
        QStringLiteral("Razão de Recalque"),  QStringLiteral("Compressão Diametral - Armado"),
        QStringLiteral("Formulário de Informação"), QStringLiteral("Bases de Concreto"),
        QStringLiteral("Relatórios"),         QStringLiteral("Formulário de Entrada"),
        QStringLiteral("Formulário de Saída"), QStringLiteral("Compressão Diametral - Simples"),
        QStringLiteral("Formulário da Obra"), QStringLiteral("Formulário do Projetista"),
        QStringLiteral("Resultado Clase")};
    return etapas;
}

AplicacaoKolvan::~AplicacaoKolvan()
{
    instalarMensagens(nullptr);
}

std::unique_ptr<AplicacaoKolvan> iniciarKolvan()
{
    auto app = std::make_unique<AplicacaoKolvan>();
    const QString versao = QString::fromLatin1(versaoKolvan);

    TFsplash splash(titulo1, titulo2);
    splash.definirVersao(versao);
    splash.show();
    splash.repintar();
    splash.definirProgresso(0);

    const QStringList& etapas = etapasInicioKolvan();
    for (int i = 0; i < etapas.size(); ++i) {
        for (const QString& texto : textosCarregando(etapas[i])) {
            splash.definirStatus(texto);
            pausar(50);
            splash.repintar();
        }
        splash.definirProgresso(splash.progresso() + 5);
        if (i == 0)
            definirTituloAplicacao(QStringLiteral("Kolva"));
        switch (i) {
        case 0: app->principal = std::make_unique<TFormPrincipal>(app->projeto); break;
        case 1: app->basesAterro = std::make_unique<TFormBasesSaliPosit>(app->projeto); break;
        case 2: app->basesVala = std::make_unique<TFormBasesVala>(app->projeto); break;
        case 3: app->geometria = std::make_unique<TFgeometria>(app->projeto); break;
        case 4: app->instalacao = std::make_unique<TFormInstalacao>(app->projeto); break;
        case 5: app->sobrecarga = std::make_unique<TFormSobreCarga>(app->projeto); break;
        case 6: app->larguraVala = std::make_unique<TFormLagrVala>(); break;
        case 7:
            app->aviso = std::make_unique<TFaviso>();
            app->mensagensPrograma = std::make_unique<MensagensPrograma>(*app->aviso);
            instalarMensagens(app->mensagensPrograma.get());
            break;
        case 8: app->razaoRecalque = std::make_unique<TFormRazaoRecalque>(); break;
        case 9: app->tabelaA4 = std::make_unique<TFtabelaA4>(); break;
        case 10:
            app->sobre = std::make_unique<TFsobre>(titulo1, titulo2);
            app->sobre->definirVersao(versao);
            break;
        case 11: app->basesConcreto = std::make_unique<TFormDaseConcreto>(); break;
        case 13: app->comeco = std::make_unique<TFcomeco>(); break;
        case 14: app->sair = std::make_unique<TFsairSN>(); break;
        case 15: app->tabelaA3 = std::make_unique<TFtabelaA3>(); break;
        case 16:
            app->obra = std::make_unique<TFobra>(app->projeto.obra, app->projeto.cliente, ModoObra::ComProtocolo);
            break;
        case 17: app->projetista = std::make_unique<TFprojetista>(app->projeto); break;
        case 18: app->classeTubo = std::make_unique<TFclassetubo>(app->projeto); break;
        default: break; // windows of the later steps join here as they are built
        }
    }

    JanelasKolvan janelas;
    janelas.geometria = app->geometria.get();
    janelas.instalacao = app->instalacao.get();
    janelas.razaoRecalque = app->razaoRecalque.get();
    janelas.larguraVala = app->larguraVala.get();
    janelas.sobrecarga = app->sobrecarga.get();
    janelas.basesVala = app->basesVala.get();
    janelas.basesAterro = app->basesAterro.get();
    janelas.basesConcreto = app->basesConcreto.get();
    janelas.tabelaA3 = app->tabelaA3.get();
    janelas.tabelaA4 = app->tabelaA4.get();
    janelas.classeTubo = app->classeTubo.get();
    janelas.obra = app->obra.get();
    janelas.projetista = app->projetista.get();
    app->basesVala->ligarBasesConcreto(app->basesConcreto.get());
    app->instalacao->ligarAuxiliares(app->razaoRecalque.get(), app->larguraVala.get());
    janelas.comeco = app->comeco.get();
    janelas.sair = app->sair.get();
    janelas.sobre = app->sobre.get();
    app->rede = std::make_unique<TFormRede>(app->projeto);
    janelas.rede = app->rede.get();
    app->principal->ligarJanelas(janelas);
    splash.close();
    return app;
}
