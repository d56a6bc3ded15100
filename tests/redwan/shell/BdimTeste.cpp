// "Resultado do dimensionamento" as a user runs it from the main window: the
// results window of the worked pipe for both cages, its verdicts and
// colours, what confirming, cancelling and Alt+F4 do to the summary and the
// commands, the runs that stop with their message, and the mesh catalogue.
#include "BaseTemporaria.h"
#include "DialogosArquivo.h"
#include "ExecucaoModal.h"
#include "JanelaEntrada.h"
#include "MensagensGravadas.h"
#include "RoteiroModal.h"
#include "PainelResumoRedwan.h"
#include "Pausa.h"
#include "TFDimensionamentoArmadura.h"
#include "TFclasseRedwa.h"
#include "TFcustos.h"
#include "TFfabricante.h"
#include "TFgeometria.h"
#include "TFormDimensionamento.h"
#include "TFormPrincipal.h"
#include "inicioRedwan.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPrintPreviewWidget>
#include <QtTest>
#include <functional>

namespace {
using Textos = QList<QPair<const char*, const char*>>; // component, text

// The worked pipe: 1000 mm stormwater, tongue and groove, PA2 = 90 kN/m,
// 100 mm wall, fck 35 MPa.
const Textos simples{
    {"Label3", "14,50 kN.m"},  {"Label2", "0,00"},          {"Label6", "45,00 kN/m"},
    {"Label10", "6,30 cm"},    {"Label4", "1,52 cm"},       {"Label12", "2"},
    {"Label5", "4,90 cm²/m"},  {"Label23", "9,01 kN.m"},    {"Label22", "45,00 kN/m"},
    {"Label24", "0,00"},       {"Label11", "3,70 cm"},      {"Label8", "1,62 cm"},
    {"Label13", "3"},          {"Label9", "4,47 cm²/m"},    {"Panel16", "6,00 cm"},
    {"Panel15", "5,20 cm²/m"}, {"Pint", "MF 138 + MF 396"}, {"Pext", "----"},
    {"Label20", "5,72 cm²/m"}, {"Label27", "(Ok. Não ocorre ruptura do cobrimento)"},
    {"Label21", "58,46 kN/m"}, {"Label28", "(Ok. Passa na verificação de esforço cortante)"},
    {"Label26", "0,1130 mm"},  {"Label29", "(Ok. Passa na verificação de abertura de fissuras)"},
    {"Label17", "2,94 cm²/m"}, {"Label18", "0,92 cm²/m"},   {"Label19", "----"},
};
const Textos dupla{
    {"Label3", "14,50 kN.m"},  {"Label2", "0,00"},          {"Label6", "45,00 kN/m"},
    {"Label10", "6,50 cm"},    {"Label4", "1,71 cm"},       {"Label12", "3"},
    {"Label5", "4,43 cm²/m"},  {"Label23", "9,01 kN.m"},    {"Label22", "45,00 kN/m"},
    {"Label24", "0,00"},       {"Label11", "7,50 cm"},      {"Label8", "1,10 cm"},
    {"Label13", "2"},          {"Label9", "1,87 cm²/m"},    {"Panel16", "----"},
    {"Panel15", "----"},       {"Pint", "MF 113 + MF 396"}, {"Pext", "MF 196"},
    {"Label20", "5,67 cm²/m"}, {"Label27", "(Ok. Não ocorre ruptura do cobrimento)"},
    {"Label21", "56,18 kN/m"}, {"Label28", "(Ok. Passa na verificação de esforço cortante)"},
    {"Label26", "0,1062 mm"},  {"Label29", "(Ok. Passa na verificação de abertura de fissuras)"},
    {"Label17", "1,72 cm²/m"}, {"Label18", "0,46 cm²/m"},   {"Label19", "0,27 cm²/m"},
};

const QColor azul(0, 0, 255);
const QColor vermelho(255, 0, 0);

using Mudanca = std::function<void(ProjetoRedwan&)>;
} // namespace

Q_DECLARE_METATYPE(Textos)
Q_DECLARE_METATYPE(Mudanca)

class BdimTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BaseTemporaria> base;
    std::unique_ptr<AplicacaoRedwan> app;
    std::unique_ptr<MensagensGravadas> msgs;
    std::unique_ptr<RoteiroModal> modal;

    TFormPrincipal& principal() { return *app->principal; }
    ProjetoRedwan& projeto() { return app->projeto; }
    QAction* cmd(const char* nome) { return principal().comando(QLatin1String(nome)); }
    QString resultado(int k) { return principal().resumo()->linha(PainelResultados, k); }
    QStringList linhasResultados()
    {
        return {resultado(3),  resultado(4),  resultado(6),  resultado(7), resultado(9),
                resultado(10), resultado(11), resultado(12), resultado(13)};
    }

    static void clicar(QDialog& janela, const char* botao)
    {
        auto* b = janela.findChild<QPushButton*>(QLatin1String(botao));
        QVERIFY2(b, botao);
        b->click();
    }

    static QString texto(QDialog& janela, const char* nome)
    {
        auto* r = static_cast<TFDimensionamentoArmadura&>(janela).rotulo(QLatin1String(nome));
        return r ? r->text() : QStringLiteral("<%1 ausente>").arg(QLatin1String(nome));
    }

    static QColor cor(QDialog& janela, const char* nome)
    {
        return static_cast<TFDimensionamentoArmadura&>(janela)
            .rotulo(QLatin1String(nome))
            ->palette()
            .color(QPalette::WindowText);
    }

    // The pipe, its class and its parameters, each confirmed in its window.
    void entradas(int diametro, int classe, const QString& parede, int tipoArmadura)
    {
        modal->roteiro.append([=](QDialog& d) {
            auto& g = static_cast<TFgeometria&>(d);
            g.CmbBxFinalidade->setCurrentIndex(0);
            g.CmbBxTipoTubo->setCurrentIndex(0);
            g.CmbBxDi->setCurrentIndex(diametro);
            clicar(d, "BotaoConfirma");
        });
        cmd("Bgeo")->trigger();
        modal->roteiro.append([=](QDialog& d) {
            static_cast<TFclasseRedwa&>(d).RadioGroup1->button(classe)->click();
            clicar(d, "BotaoConfirma");
        });
        cmd("BclaD")->trigger();
        parametros(parede, tipoArmadura);
    }

    void parametros(const QString& parede, int tipoArmadura)
    {
        modal->roteiro.append([=](QDialog& d) {
            auto& a = static_cast<TFormDimensionamento&>(d);
            a.RadioGroup1->button(tipoArmadura)->click();
            if (!parede.isEmpty())
                a.EdtEs->setText(parede);
            clicar(d, "BotaoConfirma");
        });
        cmd("Barm")->trigger();
        QVERIFY(modal->roteiro.isEmpty());
    }

    // Runs the design; `usuario` plays the results window.
    void dimensionar(std::function<void(QDialog&)> usuario)
    {
        modal->roteiro.append(std::move(usuario));
        cmd("Bdim")->trigger();
    }

    void projetoExemplo(int tipoArmadura)
    {
        entradas(7, 1, QStringLiteral("100"), tipoArmadura);
        dimensionar([](QDialog& d) { clicar(d, "BotaoConfirma"); });
        QVERIFY(msgs->mostradas.isEmpty());
    }

private slots:
    void init()
    {
        base = std::make_unique<BaseTemporaria>();
        substituirPausa([](int) {});
        modal = std::make_unique<RoteiroModal>();
        app = iniciarRedwan();
        msgs = std::make_unique<MensagensGravadas>();
        principal().show();
        QCoreApplication::processEvents();
        modal->mostradas.clear();
    }

    void cleanup()
    {
        modal->sairSemPerguntar();
        app.reset();
        msgs.reset();
        modal.reset();
        substituirPausa({});
        base.reset();
    }

    void janelaDeResultados_data()
    {
        QTest::addColumn<int>("tipoArmadura");
        QTest::addColumn<Textos>("esperados");
        QTest::newRow("Circular simples") << 0 << simples;
        QTest::newRow("Circular dupla") << 1 << dupla;
    }

    void janelaDeResultados()
    {
        QFETCH(int, tipoArmadura);
        QFETCH(Textos, esperados);
        entradas(7, 1, QStringLiteral("100"), tipoArmadura);
        dimensionar([&](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Dimensionamento Armadura"));
            QCOMPARE(confirmado, 0);
            for (const auto& [nome, esperado] : esperados)
                QCOMPARE(texto(d, nome), QString::fromUtf8(esperado));
            for (const char* nome : {"Label27", "Label28", "Label29"})
                QCOMPARE(cor(d, nome), azul);
            for (const char* nome : {"Pint", "Pext"})
                QCOMPARE(cor(d, nome), vermelho);
            clicar(d, "BotaoConfirma");
        });
        QCOMPARE(modal->mostradas.last(), QStringLiteral("TFDimensionamentoArmadura"));
        QVERIFY(msgs->mostradas.isEmpty());
        const ResultadosRedwan& r = principal().resultados();
        QVERIFY(r.valores.has_value());
        QCOMPARE(r.valores->tipoArmadura, tipoArmadura);
        for (const auto& [nome, esperado] : esperados)
            if (qstrcmp(nome, "Pint") == 0)
                QCOMPARE(QString::fromStdString(r.textos.Pint), QString::fromUtf8(esperado));
    }

    void verificacoesQueFalhamEmVermelho()
    {
        // 300 mm, 45 mm wall, PA4 = 54 kN/m: the cover and the shear fail.
        entradas(0, 3, QString(), 0);
        QCOMPARE(QString::fromStdString(projeto().parametros.h), QStringLiteral("45"));
        dimensionar([](QDialog& d) {
            QCOMPARE(texto(d, "Label27"), QStringLiteral("(Pode ocorrer ruptura do cobrimento)"));
            QCOMPARE(cor(d, "Label27"), vermelho);
            QCOMPARE(texto(d, "Label28"), QStringLiteral("(Não passa na verificação de esforço cortante)"));
            QCOMPARE(cor(d, "Label28"), vermelho);
            QCOMPARE(texto(d, "Label29"), QStringLiteral("(Ok. Passa na verificação de abertura de fissuras)"));
            QCOMPARE(cor(d, "Label29"), azul);
            clicar(d, "BotaoCancela");
        });
        // A later run that passes puts the verdicts back in blue.
        entradas(7, 1, QStringLiteral("100"), 0);
        dimensionar([](QDialog& d) {
            for (const char* nome : {"Label27", "Label28", "Label29"})
                QCOMPARE(cor(d, nome), azul);
            clicar(d, "BotaoCancela");
        });
    }

    void confirmarPublicaNoResumo()
    {
        QVERIFY(!cmd("Bsav")->isEnabled() && !cmd("BrelD")->isEnabled());
        projetoExemplo(0);
        // Steel 1,47·(π·1,08 + 0,24) + 3,73·(π·1,08 + 0,40) = 19,49 kg; concrete
        // π/4·(1,2² − 1,0²) = 0,3456 m³; 0,3456·550 + 19,49·9,50 = 375,20.
        QCOMPARE(linhasResultados(),
                 (QStringList{"Momento Fletor = 14,50 kN.m", "As = 4,90 cm²/m", "Momento Fletor = 9,01 kN.m",
                              "As = 4,47 cm²/m", "Interna = MF 138 + MF 396", "Externa = ----",
                              "Aço: 19,49 kg (interna 19,49)", "Concreto: 0,346 m³",
                              "Custo: R$ 375,20 por metro"}));
        QVERIFY(cmd("Bsav")->isEnabled() && cmd("BrelD")->isEnabled());
        // Two cages: the new run replaces every line.
        parametros(QString(), 1);
        QVERIFY(!cmd("Bsav")->isEnabled());
        dimensionar([](QDialog& d) { clicar(d, "BotaoConfirma"); });
        QCOMPARE(linhasResultados(),
                 (QStringList{"Momento Fletor = 14,50 kN.m", "As = 4,43 cm²/m", "Momento Fletor = 9,01 kN.m",
                              "As = 1,87 cm²/m", "Interna = MF 113 + MF 396", "Externa = MF 196",
                              "Aço: 26,12 kg (interna 18,57; externa 7,55)", "Concreto: 0,346 m³",
                              "Custo: R$ 438,19 por metro"}));
        QVERIFY(cmd("Bsav")->isEnabled() && cmd("BrelD")->isEnabled());

        // New prices reprice the summary at once: 0,3456·612,50 + 26,12·19,00.
        modal->roteiro.append([](QDialog& d) {
            auto& c = static_cast<TFcustos&>(d);
            c.EditPrecoConcreto->setText(QStringLiteral("612,50"));
            c.EditPrecoAco->setText(QStringLiteral("19"));
            clicar(d, "BotaoConfirma");
        });
        // "Custos" is a menu entry beside "Fabricante", not a toolbar button.
        QVERIFY(!principal().findChild<QToolBar*>()->actions().contains(cmd("Bcus")));
        cmd("Bcus")->trigger();
        QVERIFY(modal->roteiro.isEmpty());
        QCOMPARE(principal().resumo()->linha(PainelParametros, 12), QStringLiteral("Concreto: R$ 612,50 por m³"));
        QCOMPARE(principal().resumo()->linha(PainelParametros, 13), QStringLiteral("Aço: R$ 19,00 por kg"));
        QCOMPARE(resultado(13), QStringLiteral("Custo: R$ 707,91 por metro"));
        QCOMPARE(QString::fromStdString(principal().resultados().textos.Custo), resultado(13));
        // Withdrawn results take their cost lines with them; the prices stay.
        parametros(QStringLiteral("110"), 1);
        QCOMPARE(linhasResultados().mid(6), (QStringList{"Aço: ", "Concreto: ", "Custo: "}));
        QCOMPARE(principal().resumo()->linha(PainelParametros, 13), QStringLiteral("Aço: R$ 19,00 por kg"));
    }

    void fecharDaJanela_data()
    {
        QTest::addColumn<QString>("acao");
        QTest::addColumn<bool>("publica");
        QTest::newRow("Confirma") << QStringLiteral("Confirma") << true;
        QTest::newRow("Alt+F4") << QStringLiteral("Alt+F4") << true;
        QTest::newRow("Cancela") << QStringLiteral("Cancela") << false;
        QTest::newRow("Esc") << QStringLiteral("Esc") << false;
        QTest::newRow("caixa de fechar") << QStringLiteral("fechar") << false;
    }

    void fecharDaJanela()
    {
        QFETCH(QString, acao);
        QFETCH(bool, publica);
        projetoExemplo(0);
        const QStringList publicadas = linhasResultados();
        dimensionar([&](QDialog& d) {
            if (acao == QLatin1String("Confirma"))
                clicar(d, "BotaoConfirma");
            else if (acao == QLatin1String("Cancela"))
                clicar(d, "BotaoCancela");
            else if (acao == QLatin1String("Alt+F4")) {
                d.activateWindow();
                QTRY_VERIFY_WITH_TIMEOUT(d.isActiveWindow(), 5000);
                QTest::keyClick(&d, Qt::Key_F4, Qt::AltModifier);
            }
            else if (acao == QLatin1String("Esc"))
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                d.close();
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(confirmado, publica ? 1 : 0);
        QCOMPARE(cmd("Bsav")->isEnabled(), publica);
        QCOMPARE(cmd("BrelD")->isEnabled(), publica);
        const QStringList prefixos{"Momento Fletor = ", "As = ", "Momento Fletor = ", "As = ", "Interna = ",
                                   "Externa = ", "Aço: ", "Concreto: ", "Custo: "};
        QCOMPARE(linhasResultados(), publica ? publicadas : prefixos);
        // The window's texts stay as shown either way.
        QCOMPARE(QString::fromStdString(principal().resultados().textos.Pint), QStringLiteral("MF 138 + MF 396"));
        QVERIFY(cmd("Bdim")->isEnabled());
    }

    // Inputs that stop the run, put straight into the project so that the
    // results of the confirmed run stay on the summary.
    void execucaoQueParaMantemResultados_data()
    {
        QTest::addColumn<Mudanca>("mudar");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem dimensionamento")
            << Mudanca([](ProjetoRedwan& p) { p.parametros.h = "80"; })
            << QStringLiteral("Não foi possível realizar o dimensionamento de modo que a a tensão na armadura "
                              "tracionada fosse maior que 0,7 de fyd");
        QTest::newRow("telas inviáveis") << Mudanca([](ProjetoRedwan& p) {
            p.geometria.indiceDi = 13; // 2000 mm, PA2 = 180 kN/m
            p.parametros.h = "180";
        }) << QStringLiteral("Inviável utilizar as telas especificadas");
        QTest::newRow("carga especial vazia") << Mudanca([](ProjetoRedwan& p) {
            p.classe.classePluvial = 4;
            p.classe.especialPluvial.clear();
        }) << QStringLiteral("Entre com um valor para a carga minima de ruptura.");
        QTest::newRow("carga especial não numérica")
            << Mudanca([](ProjetoRedwan& p) {
                   p.classe.classePluvial = 4;
                   p.classe.especialPluvial = "2x0";
               })
            << QStringLiteral("\"2x0\" não é um número válido.");
        QTest::newRow("carga especial de outro diâmetro") << Mudanca([](ProjetoRedwan& p) {
            p.classe.classePluvial = 4;
            p.classe.especialPluvial = "120,00"; // above PA4 at 600 mm, not at 1000 mm
        }) << QStringLiteral("A carga de ruptura da classe \"Esp\" deve ser maior do que 180,00 kN/m.");
        QTest::newRow("parede sem altura útil") << Mudanca([](ProjetoRedwan& p) {
            p.parametros.tipo = armaduraDupla;
            p.parametros.dInt = "10,0";
        }) << QStringLiteral("Não é possível dimensionar a armadura: a altura útil da seção resulta em 0,00 cm. "
                             "Verifique a espessura da parede e a posição das armaduras.");
    }

    void execucaoQueParaMantemResultados()
    {
        QFETCH(Mudanca, mudar);
        QFETCH(QString, mensagem);
        projetoExemplo(0);
        const QStringList publicadas = linhasResultados();
        const std::string Pint = principal().resultados().textos.Pint;
        const double AsC = principal().resultados().valores->AsC;
        mudar(projeto());
        modal->mostradas.clear();
        cmd("Bdim")->trigger();
        QCOMPARE(msgs->mostradas, QStringList{QStringLiteral("mensagem: ") + mensagem});
        QVERIFY(modal->mostradas.isEmpty());
        QCOMPARE(linhasResultados(), publicadas);
        QVERIFY(cmd("Bsav")->isEnabled() && cmd("BrelD")->isEnabled());
        QCOMPARE(principal().resultados().textos.Pint, Pint);
        QCOMPARE(principal().resultados().valores->AsC, AsC);
    }

    void paredeMinimaDe1000mmNaoDimensiona()
    {
        // The least wall of a 1000 mm stormwater pipe is 80 mm: no position
        // of a single cage keeps both sections out of domain 4.
        entradas(7, 1, QString(), 0);
        QCOMPARE(QString::fromStdString(projeto().parametros.h), QStringLiteral("80"));
        cmd("Bdim")->trigger();
        QCOMPARE(msgs->ultima(), QStringLiteral("mensagem: Não foi possível realizar o dimensionamento de modo "
                                                "que a a tensão na armadura tracionada fosse maior que 0,7 de fyd"));
        QVERIFY(!modal->mostradas.contains(QStringLiteral("TFDimensionamentoArmadura")));
        QVERIFY(!principal().resultados().valores.has_value());
        QCOMPARE(resultado(3), QStringLiteral("Momento Fletor = "));
        QVERIFY(!cmd("Bsav")->isEnabled());
    }

    QStringList todasAsLinhas()
    {
        QStringList l;
        for (PainelRedwan p : {PainelGeometria, PainelParametros, PainelResultados})
            for (int k = 1; k <= linhasPorPainelRedwan; ++k)
                l << principal().resumo()->linha(p, k);
        return l;
    }

    void salvarEAbrirReproduzemOResumo()
    {
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("tubo.rdw"));
        projetoExemplo(1);
        const QStringList resumo = todasAsLinhas();
        QString proposto;
        substituirEscolhaArquivoSalvar([&](const QString&, const QString& caminho) {
            proposto = caminho;
            return pasta.filePath(QStringLiteral("tubo"));
        });
        cmd("Bsav")->trigger();
        substituirEscolhaArquivoSalvar({});
        QVERIFY(proposto.endsWith(QStringLiteral("Arquivos/DimTubo1")));
        QVERIFY(QFile::exists(arquivo));

        cmd("Bnov")->trigger();
        QVERIFY(todasAsLinhas() != resumo);
        const QString legenda = principal().windowTitle();
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) { return arquivo; });
        cmd("Babr")->trigger();
        QVERIFY2(msgs->mostradas.isEmpty(), qPrintable(msgs->mostradas.join(QLatin1Char('\n'))));
        QCOMPARE(todasAsLinhas(), resumo);
        QCOMPARE(principal().windowTitle(), legenda + QStringLiteral(" - tubo.rdw"));
        for (const char* n : {"BclaD", "Barm", "Bdim", "BrelD"})
            QVERIFY2(cmd(n)->isEnabled(), n);
        QVERIFY(!cmd("Bsav")->isEnabled()); // saving waits for a new design
        // The sheet comes with the report; the same design confirmed again
        // leaves nothing to save.
        QVERIFY(cmd("BmemD")->isEnabled());
        QVERIFY(!principal().isWindowModified());
        dimensionar([](QDialog& d) { clicar(d, "BotaoConfirma"); });
        QVERIFY(!principal().isWindowModified());
        QVERIFY(cmd("Bsav")->isEnabled());

        // A file cut short changes nothing and names its line.
        QFile curto(pasta.filePath(QStringLiteral("curto.rdw")));
        QVERIFY(curto.open(QIODevice::WriteOnly));
        curto.write("OBRA\r\n");
        curto.close();
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) { return curto.fileName(); });
        cmd("Babr")->trigger();
        substituirEscolhaArquivoAbrir({});
        QCOMPARE(todasAsLinhas(), resumo);
        QVERIFY(msgs->ultima().contains(QStringLiteral("curto.rdw\": linha")));
    }

    void relatorioTiraBrancosDoFabricante()
    {
        DadosFabricante d = app->fabricante->dados();
        d.nome = "   Tubos Brasil";
        d.imprimir = true;
        app->fabricante->definirDados(d);
        projetoExemplo(0);
        modal->roteiro.append([](QDialog& janela) {
            QCOMPARE(janela.objectName(), QStringLiteral("VisualizacaoRelatorio"));
            janela.reject();
        });
        cmd("BrelD")->trigger();
        QCOMPARE(app->fabricante->dados().nome, std::string("Tubos Brasil"));
    }

    void memoriaDeCalculoComOsResultados()
    {
        projetoExemplo(0);
        QVERIFY(cmd("BmemD")->isEnabled());
        int paginas = 0;
        modal->roteiro.append([&paginas](QDialog& janela) {
            QCOMPARE(janela.objectName(), QStringLiteral("VisualizacaoRelatorio"));
            janela.show();
            if (auto* previa = janela.findChild<QPrintPreviewWidget*>()) {
                previa->updatePreview();
                paginas = previa->pageCount();
            }
            janela.reject();
        });
        cmd("BmemD")->trigger();
        QVERIFY(paginas >= 3);
    }

    void telasSoldadasAbreOCatalogo()
    {
        QVERIFY(cmd("Btel")->isEnabled());
        modal->roteiro.append([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Fcadastro"));
            clicar(d, "BotaoVoltar");
            QVERIFY(!d.isVisible());
        });
        cmd("Btel")->trigger();
        QCOMPARE(modal->mostradas, QStringList{QStringLiteral("TFcadastro")});
        QVERIFY(modal->roteiro.isEmpty());
    }
};


QTEST_MAIN(BdimTeste)
#include "BdimTeste.moc"
