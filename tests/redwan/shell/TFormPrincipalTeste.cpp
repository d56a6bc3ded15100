// Redwan's main window driven as a user would: real windows, the modal
// windows played by a script, the messages recorded, in a base folder of
// the test's own.
#include "AreaDesenho.h"
#include "BaseTemporaria.h"
#include "DiscoCheio.h"
#include "ExecucaoModal.h"
#include "MensagensGravadas.h"
#include "RoteiroModal.h"
#include "PainelResumoRedwan.h"
#include "Pausa.h"
#include "TFclasseRedwa.h"
#include "TFfabricante.h"
#include "TFgeometria.h"
#include "TFobra.h"
#include "TFormDimensionamento.h"
#include "TFormPrincipal.h"
#include "TFsairSN.h"
#include "inicioRedwan.h"
#include "windows1252.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <functional>

class TFormPrincipalTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BaseTemporaria> base;
    std::unique_ptr<AplicacaoRedwan> app;
    std::unique_ptr<MensagensGravadas> msgs;
    // What the user does inside the next modal windows, in order.
    std::unique_ptr<RoteiroModal> modal;
    QList<int> pausas;

    TFormPrincipal& principal() { return *app->principal; }
    ProjetoRedwan& projeto() { return app->projeto; }
    QAction* cmd(const char* nome) { return principal().comando(QLatin1String(nome)); }
    QString linha(PainelRedwan painel, int k, int item = 0) { return principal().resumo()->linha(painel, k, item); }

    static void clicar(QDialog& janela, const char* botao)
    {
        auto* b = janela.findChild<QPushButton*>(QLatin1String(botao));
        QVERIFY2(b, botao);
        b->click();
    }

    void iniciar()
    {
        app = iniciarRedwan();
        msgs = std::make_unique<MensagensGravadas>();
        principal().show();
        QCoreApplication::processEvents();
    }

    // Exits through the exit question answered "Sim".
    void sair()
    {
        modal->roteiro.append([](QDialog& d) { clicar(d, "BotaoSim"); });
        principal().close();
    }

    void geometria(int finalidade, int tipo, int di, int comprimento, bool confirma = true)
    {
        modal->roteiro.append([=](QDialog& d) {
            auto& g = static_cast<TFgeometria&>(d);
            g.CmbBxFinalidade->setCurrentIndex(finalidade);
            g.CmbBxTipoTubo->setCurrentIndex(tipo);
            g.CmbBxDi->setCurrentIndex(di);
            g.ComboBoxCompr->setCurrentIndex(comprimento);
            clicar(g, confirma ? "BotaoConfirma" : "BotaoCancela");
        });
        cmd("Bgeo")->trigger();
    }

    // Chooses a class of the visible group (and a special load) and confirms.
    void classe(int indice, const QString& especial = QString())
    {
        modal->roteiro.append([=](QDialog& d) {
            auto& c = static_cast<TFclasseRedwa&>(d);
            const bool esgoto = c.PanelEA->isVisibleTo(&c);
            (esgoto ? c.RadioGroup2 : c.RadioGroup1)->button(indice)->click();
            if (!especial.isNull())
                (esgoto ? c.Eaesp : c.Epesp)->setText(especial);
            clicar(c, "BotaoConfirma");
        });
        cmd("BclaD")->trigger();
    }

    void parametros(std::function<void(TFormDimensionamento&)> editar)
    {
        modal->roteiro.append([=](QDialog& d) {
            auto& a = static_cast<TFormDimensionamento&>(d);
            if (editar)
                editar(a);
            clicar(a, "BotaoConfirma");
        });
        cmd("Barm")->trigger();
    }

    // Through all three input steps and a confirmed design result.
    void projetoCompleto()
    {
        geometria(0, 1, 3, 0);
        classe(2);
        parametros({});
        principal().mostrarResultados({"12,34", "3,21", "-9,87", "2,10", "Q 196", "Q 138"});
    }

    bool resultadosValidos()
    {
        return cmd("Bsav")->isEnabled() && cmd("BrelD")->isEnabled() && cmd("BmemD")->isEnabled()
            && linha(PainelResultados, 3) == QStringLiteral("Momento Fletor = 12,34");
    }

    bool resultadosRetirados()
    {
        return !cmd("Bsav")->isEnabled() && !cmd("BrelD")->isEnabled() && !cmd("BmemD")->isEnabled()
            && linha(PainelResultados, 3) == QStringLiteral("Momento Fletor = ")
            && linha(PainelResultados, 10) == QStringLiteral("Externa = ");
    }

    QStringList habilitados()
    {
        QStringList nomes;
        for (const char* n : {"Bnov", "Babr", "Bsav", "Bsai", "Btel", "Bfab", "Bobr", "Bgeo", "BclaD", "Barm",
                              "Bdim", "BrelD", "BmemD", "BsobreD"})
            if (cmd(n)->isEnabled())
                nomes << QLatin1String(n);
        return nomes;
    }

private slots:
    void init()
    {
        base = std::make_unique<BaseTemporaria>();
        pausas.clear();
        substituirPausa([this](int ms) { pausas.append(ms); });
        modal = std::make_unique<RoteiroModal>();
        iniciar();
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

    void inicioComCemPassosDe30ms()
    {
        QCOMPARE(pausas, QList<int>(100, 30));
        QCOMPARE(tituloAplicacao(), QStringLiteral("Redwa"));
        QCOMPARE(principal().legenda(), QStringLiteral("Dimensionamento da armadura de tubos de concreto armado"));
        QCOMPARE(principal().resumo()->titulo(), QStringLiteral("Quadro de Resumo"));
        QCOMPARE(modal->mostradas, QStringList{QStringLiteral("TFcomeco")});
        QVERIFY(principal().avisoMostrado());
        principal().hide();
        principal().show();
        QCoreApplication::processEvents();
        QCOMPARE(modal->mostradas.count(QStringLiteral("TFcomeco")), 1);
    }

    // The product line needs no project: always there, F8, under "Resultados".
    void tabelaDeArmadurasSempreDisponivel()
    {
        QAction* tabela = cmd("Btab");
        QVERIFY(tabela->isEnabled());
        QCOMPARE(tabela->shortcut(), QKeySequence(QStringLiteral("F8")));
        QCOMPARE(tabela->toolTip(), QStringLiteral("Tabela de armaduras"));
        tabela->trigger();
        QCOMPARE(modal->mostradas.last(), QStringLiteral("TFtabelaArmaduras"));
        projetoCompleto();
        QVERIFY(cmd("Btab")->isEnabled());
    }

    void comandosDepoisDoInicio()
    {
        QCOMPARE(habilitados(), (QStringList{"Bnov", "Babr", "Bsai", "Btel", "Bfab", "Bobr", "Bgeo", "BsobreD"}));
        QVERIFY(!cmd("ToolButton2")->isVisible());
        // Menus and hints as the user reads them.
        QStringList menus;
        for (QAction* menu : principal().menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"Arquivos", "Dados", "Parâmetros", "Resultados", "Sobre"}));
        QCOMPARE(cmd("BrelD")->text(), QStringLiteral("Relatorio"));
        QCOMPARE(cmd("BrelD")->toolTip(), QStringLiteral("Relatório"));
    }

    void cadaEtapaHabilitaAProxima()
    {
        const QStringList inicio{"Bnov", "Babr", "Bsai", "Btel", "Bfab", "Bobr", "Bgeo", "BsobreD"};
        geometria(0, 1, 3, 0, false);
        QCOMPARE(habilitados(), inicio);
        geometria(0, 1, 3, 0);
        auto mais = [&](const QStringList& extras) {
            QStringList todos = inicio + extras;
            todos.sort();
            return todos;
        };
        auto ordenados = [this] {
            QStringList nomes = habilitados();
            nomes.sort();
            return nomes;
        };
        QCOMPARE(ordenados(), mais({"BclaD"}));
        classe(0);
        QCOMPARE(ordenados(), mais({"BclaD", "Barm"}));
        parametros({});
        QCOMPARE(ordenados(), mais({"BclaD", "Barm", "Bdim"}));
        principal().mostrarResultados({"1", "2", "3", "4", "5", "6"});
        QCOMPARE(habilitados(), (QStringList{"Bnov", "Babr", "Bsav", "Bsai", "Btel", "Bfab", "Bobr", "Bgeo",
                                             "BclaD", "Barm", "Bdim", "BrelD", "BmemD", "BsobreD"}));
    }

    void resumoEDesenhosDeCadaEtapa()
    {
        geometria(1, 0, 10, 1); // sewage, "Macho e Fêmea", 1300 mm, 2,50 m
        QCOMPARE(linha(PainelGeometria, 2), QStringLiteral("Finalidade: Esgoto sanitário"));
        QCOMPARE(linha(PainelGeometria, 3), QStringLiteral("Tipo de Tubo: Macho e Fêmea"));
        QCOMPARE(linha(PainelGeometria, 4), QStringLiteral("Diâmetro interno (di) = 1300 mm"));
        QCOMPARE(linha(PainelGeometria, 5), QStringLiteral("Comprimento longitudinal (l) = 2,50 m"));
        QCOMPARE(linha(PainelGeometria, 7), QStringLiteral("Classe: "));
        QCOMPARE(principal().desenhoTransversal()->rotuloCota(), QStringLiteral("1300 mm"));
        QCOMPARE(principal().desenhoLongitudinal()->rotuloCota(), QStringLiteral("2,50 m"));
        const QImage& imagem = principal().desenhoLongitudinal()->imagem();
        bool vermelho = false;
        for (int y = 0; y < imagem.height() && !vermelho; ++y)
            for (int x = 0; x < imagem.width() && !vermelho; ++x)
                vermelho = imagem.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY2(vermelho, "the outline is drawn in red");
        // The least wall for the pipe went into the design parameters.
        QCOMPARE(QString::fromStdString(projeto().parametros.h), QStringLiteral("115"));

        classe(1); // EA3
        QCOMPARE(linha(PainelGeometria, 7), QStringLiteral("Classe: EA3"));
        QCOMPARE(linha(PainelGeometria, 9), QStringLiteral("Valor = 176,00 kN/m"));
        QCOMPARE(linha(PainelParametros, 3), QStringLiteral("Valor = "));

        parametros([](TFormDimensionamento& a) {
            a.RadioGroup1->button(1)->click();
            a.Edit2->setText(QStringLiteral("30"));
        });
        QCOMPARE(linha(PainelParametros, 3), QStringLiteral("Valor = 30,00 MPa"));
        QCOMPARE(linha(PainelParametros, 4), QStringLiteral("Tipo de armadura: Circular dupla"));
        QCOMPARE(linha(PainelParametros, 6, 1), QStringLiteral("dext = 2,5 cm"));
        QCOMPARE(linha(PainelParametros, 7), QStringLiteral("Espessura da parede = 115 mm"));
    }

    void mudancaDeCadaEtapaRetiraResultados()
    {
        struct Caso {
            const char* nome;
            std::function<void()> acao;
            bool retira;
        };
        const QList<Caso> casos{
            {"geometria igual", [this] { geometria(0, 1, 3, 0); }, false},
            {"geometria cancelada", [this] { geometria(1, 0, 8, 1, false); }, false},
            {"comprimento", [this] { geometria(0, 1, 3, 1); }, true},
            {"classe igual", [this] { classe(2); }, false},
            {"classe", [this] { classe(3); }, true},
            {"parametros iguais", [this] { parametros({}); }, false},
            {"fck", [this] { parametros([](auto& a) { a.Edit2->setText(QStringLiteral("36")); }); }, true},
            {"parede", [this] { parametros([](auto& a) { a.EdtEs->setText(QStringLiteral("70")); }); }, true},
            {"fabricante e obra", [this] {
                 modal->roteiro.append([](QDialog& d) { clicar(d, "BotaoConfirma"); });
                 cmd("Bfab")->trigger();
                 modal->roteiro.append([](QDialog& d) { clicar(d, "BotaoConfirma"); });
                 cmd("Bobr")->trigger();
             }, false},
        };
        for (const Caso& c : casos) {
            projetoCompleto();
            QVERIFY2(resultadosValidos(), c.nome);
            c.acao();
            QVERIFY2(modal->roteiro.isEmpty(), c.nome);
            QVERIFY2(c.retira ? resultadosRetirados() : resultadosValidos(), c.nome);
            QVERIFY2(cmd("Bdim")->isEnabled(), c.nome);
        }
    }

    void geometriaNovaRefazCargaEEspessura()
    {
        geometria(0, 1, 3, 0);    // 600 mm
        classe(3);                // PA4: 108,00
        parametros([](auto& a) { a.EdtEs->setText(QStringLiteral("80")); });
        QCOMPARE(linha(PainelParametros, 7), QStringLiteral("Espessura da parede = 80 mm"));
        geometria(0, 1, 12, 0);   // 1750 mm
        QCOMPARE(linha(PainelGeometria, 9), QStringLiteral("Valor = 315,00 kN/m"));
        QCOMPARE(linha(PainelParametros, 7), QStringLiteral("Espessura da parede = 140 mm"));
        // The purpose switches the class group: PA4 was followed by EA4.
        geometria(1, 1, 12, 0);
        QCOMPARE(linha(PainelGeometria, 7), QStringLiteral("Classe: EA4"));
        QCOMPARE(linha(PainelGeometria, 9), QStringLiteral("Valor = 315,00 kN/m"));
        QCOMPARE(linha(PainelParametros, 7), QStringLiteral("Espessura da parede = 150 mm"));
        // The design parameters window opens with the new wall.
        parametros([](TFormDimensionamento& a) { QCOMPARE(a.EdtEs->text(), QStringLiteral("150")); });
    }

    void cargaEspecialNovaEMudanca()
    {
        geometria(0, 1, 3, 0);
        classe(4, QStringLiteral("250"));
        QCOMPARE(linha(PainelGeometria, 9), QStringLiteral("Valor = 250,00 kN/m"));
        parametros({});
        principal().mostrarResultados({"12,34", "3,21", "-9,87", "2,10", "Q 196", "Q 138"});
        classe(4, QStringLiteral("250,00"));
        QVERIFY(resultadosValidos());
        classe(4, QStringLiteral("260"));
        QCOMPARE(linha(PainelGeometria, 9), QStringLiteral("Valor = 260,00 kN/m"));
        QVERIFY(resultadosRetirados());
    }

    void novoVoltaAoInicio()
    {
        geometria(1, 0, 10, 1);
        classe(2);
        parametros([](auto& a) { a.Edit2->setText(QStringLiteral("30")); });
        principal().mostrarResultados({"1", "2", "3", "4", "5", "6"});
        projeto().obra.servicos = "Rede coletora";
        cmd("Bnov")->trigger();
        QCOMPARE(habilitados(), (QStringList{"Bnov", "Babr", "Bsai", "Btel", "Bfab", "Bobr", "Bgeo", "BsobreD"}));
        QVERIFY(!projeto().etapas.geometria && !projeto().etapas.classe && !projeto().etapas.parametros);
        QCOMPARE(projeto().geometria, GeometriaRedwan{});
        QCOMPARE(QString::fromStdString(projeto().parametros.fck), QStringLiteral("35,00"));
        QCOMPARE(QString::fromStdString(projeto().parametros.h), QStringLiteral("60"));
        QCOMPARE(QString::fromStdString(projeto().obra.servicos), QStringLiteral("Rede coletora"));
        const ResumoRedwan inicial = resumoInicialRedwan();
        for (PainelRedwan painel : {PainelGeometria, PainelParametros, PainelResultados}) {
            const auto linhas = linhasPainel(inicial, painel);
            for (int k = 1; k <= linhasPorPainelRedwan; ++k)
                for (int i = 0; i < static_cast<int>(linhas[k - 1].textos.size()); ++i)
                    QCOMPARE(linha(painel, k, i), QString::fromStdString(linhas[k - 1].textos[i]));
        }
        QCOMPARE(principal().desenhoTransversal()->rotuloCota(), QString());
        QCOMPARE(principal().desenhoLongitudinal()->rotuloCota(), QString());
        const QImage& imagem = principal().desenhoTransversal()->imagem();
        for (int y = 0; y < imagem.height(); y += 5)
            for (int x = 0; x < imagem.width(); x += 5)
                QCOMPARE(imagem.pixel(x, y), qRgb(255, 255, 255));
        // The input windows open on the defaults.
        modal->roteiro.append([](QDialog& d) {
            auto& g = static_cast<TFgeometria&>(d);
            QCOMPARE(g.CmbBxFinalidade->currentIndex(), 0);
            QCOMPARE(g.CmbBxDi->currentText(), QStringLiteral("600"));
            QCOMPARE(g.ComboBoxCompr->count(), 4);
            clicar(d, "BotaoCancela");
        });
        cmd("Bgeo")->trigger();
    }

    void sairComNaoContinuaENadaGrava()
    {
        modal->roteiro.append([](QDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("TFsairSN"));
            clicar(d, "BotaoNao");
        });
        principal().close();
        QVERIFY(principal().isVisible());
        modal->roteiro.append([](QDialog& d) { d.close(); }); // the close box
        principal().close();
        QVERIFY(principal().isVisible());
        QVERIFY(!QFile::exists(base->caminho(QStringLiteral("Config/Fabricante.ini"))));
    }

    void fabricanteGravadoNaSaidaELidoNoNovo()
    {
        modal->roteiro.append([](QDialog& d) {
            auto& f = static_cast<TFfabricante&>(d);
            f.E[0]->setText(QStringLiteral("Tubos São João"));
            f.E[5]->setText(QStringLiteral("Goiânia"));
            f.CB1->setChecked(true);
            clicar(d, "BotaoCancela"); // the edits stay all the same
        });
        cmd("Bfab")->trigger();
        QCOMPARE(app->fabricante->dados().nome, std::string("Tubos São João"));
        sair();
        QVERIFY(!principal().isVisible());
        QFile arquivo(base->caminho(QStringLiteral("Config/Fabricante.ini")));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray bytes = arquivo.readAll();
        QVERIFY(bytes.startsWith("FABRICANTE\r\nTubos S\xe3o Jo\xe3o\r\n"));
        const auto linhas = separarArquivoLinhas(bytes.toStdString());
        QCOMPARE(linhas.size(), std::size_t(14));
        QCOMPARE(QString::fromStdString(linhas[6]), QStringLiteral("Goiânia"));
        QCOMPARE(QString::fromStdString(linhas[12]), QStringLiteral("1"));
        QVERIFY(QFile::exists(base->caminho(QStringLiteral("Pictures/logofabri.bmp"))));

        // The next run reads them; "Novo" reads the file again over unsaved edits.
        app.reset();
        iniciar();
        QCOMPARE(app->fabricante->dados().cidade, std::string("Goiânia"));
        QVERIFY(app->fabricante->CB1->isChecked());
        QVERIFY(!app->fabricante->logo().isNull());
        app->fabricante->E[0]->setText(QStringLiteral("Outro"));
        cmd("Bnov")->trigger();
        QCOMPARE(app->fabricante->dados().nome, std::string("Tubos São João"));
    }

    void semArquivoDoFabricanteDadosVazios()
    {
        QVERIFY(app->fabricante->dados() == DadosFabricante{});
        QVERIFY(msgs->mostradas.isEmpty());
        QFile::remove(base->caminho(QStringLiteral("Pictures/logofabri.bmp")));
        cmd("Bnov")->trigger();
        QVERIFY(app->fabricante->logo().isNull());
        QVERIFY(msgs->mostradas.isEmpty());
        // An empty logo writes nothing at the exit.
        sair();
        QVERIFY(!QFile::exists(base->caminho(QStringLiteral("Pictures/logofabri.bmp"))));
        QVERIFY(msgs->mostradas.isEmpty());
    }

    void arquivosQueNaoSeGravamSaoAvisados()
    {
        // A file where the Config folder should be, a folder where the logo should be.
        QDir(base->caminho(QStringLiteral("Config"))).removeRecursively();
        QFile bloqueio(base->caminho(QStringLiteral("Config")));
        QVERIFY(bloqueio.open(QIODevice::WriteOnly));
        bloqueio.close();
        QFile::remove(base->caminho(QStringLiteral("Pictures/logofabri.bmp")));
        QVERIFY(QDir().mkpath(base->caminho(QStringLiteral("Pictures/logofabri.bmp"))));
        app->fabricante->definirLogo(QImage(20, 10, QImage::Format_RGB32));
        sair();
        QVERIFY2(!principal().isVisible(), "the program ends all the same");
        QCOMPARE(msgs->mostradas.size(), 2);
        QVERIFY2(msgs->mostradas[0].startsWith(QStringLiteral("mensagem: Não foi possível gravar os dados do "
                                                              "fabricante em ")) &&
                     msgs->mostradas[0].contains(QStringLiteral("Config/Fabricante.ini: o caminho não é uma pasta.")),
                 qPrintable(msgs->mostradas[0]));
        QVERIFY2(msgs->mostradas[1].contains(QStringLiteral("o logotipo do fabricante em ")) &&
                     msgs->mostradas[1].contains(QStringLiteral("Pictures/logofabri.bmp: já existe uma pasta")),
                 qPrintable(msgs->mostradas[1]));
    }

    // What the manufacturer window confirms reaches Config/Fabricante.ini and
    // the logo at once, so "Novo" finds it; a full disk keeps both files
    // as they were and says so.
    void fabricanteConfirmadoFicaParaONovo()
    {
        const QString ini = base->caminho(QStringLiteral("Config/Fabricante.ini"));
        const QString logo = base->caminho(QStringLiteral("Pictures/logofabri.bmp"));
        auto editar = [this](const QString& nome, const char* botao, const QColor& cor) {
            modal->roteiro.append([=](QDialog& d) {
                auto& f = static_cast<TFfabricante&>(d);
                f.E[0]->setText(nome);
                f.E[5]->setText(QStringLiteral("Goiânia"));
                QImage figura(30, 20, QImage::Format_RGB32);
                figura.fill(cor);
                f.definirLogo(figura);
                clicar(d, botao);
            });
            cmd("Bfab")->trigger();
        };
        editar(QStringLiteral("Tubos São João"), "BotaoConfirma", Qt::red);
        QFile arquivo(ini);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray gravado = arquivo.readAll();
        arquivo.close();
        QCOMPARE(gravado, "FABRICANTE\r\nTubos S\xe3o Jo\xe3o\r\n\r\n\r\n\r\n\r\nGoi\xe2nia\r\n" +
                              QByteArray("\r\n").repeated(5) + "0\r\n" + QByteArray(55, '-') + "\r\n");
        QCOMPARE(QImage(logo).pixelColor(0, 0), QColor(Qt::red));

        {
            DiscoCheio disco(10);
            editar(QStringLiteral("Outra"), "BotaoConfirma", Qt::blue);
        }
        QCOMPARE(msgs->mostradas.size(), 2);
        for (const QString& m : msgs->mostradas)
            QVERIFY2(m.contains(QStringLiteral("disco cheio")), qPrintable(m));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), gravado);
        arquivo.close();
        QCOMPARE(QImage(logo).pixelColor(0, 0), QColor(Qt::red));

        editar(QStringLiteral("Não confirmada"), "BotaoCancela", Qt::blue);
        cmd("Bnov")->trigger();
        QCOMPARE(app->fabricante->dados().nome, std::string("Tubos São João"));
        QCOMPARE(app->fabricante->logo().pixelColor(0, 0), QColor(Qt::red));
    }

    void obraSemProtocolo()
    {
        modal->roteiro.append([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Dados da Obra e do Cliente"));
            auto& o = static_cast<TFobra&>(d);
            o.Edit[0]->setText(QStringLiteral("Galeria pluvial"));
            o.Edit[7]->setText(QStringLiteral("Prefeitura"));
            clicar(d, "BotaoCancela");
        });
        cmd("Bobr")->trigger();
        QCOMPARE(QString::fromStdString(projeto().obra.servicos), QStringLiteral("Galeria pluvial"));
        QCOMPARE(QString::fromStdString(projeto().cliente.nome), QStringLiteral("Prefeitura"));
    }
};

QTEST_MAIN(TFormPrincipalTeste)
#include "TFormPrincipalTeste.moc"
