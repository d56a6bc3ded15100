// Kolvan's main window driven as a user would: real windows, the modal
// windows played by a script, the messages recorded.
#include "AreaDesenho.h"
#include "ExecucaoModal.h"
#include "PainelResumo.h"
#include "Pausa.h"
#include "TFcomeco.h"
#include "TFgeometria.h"
#include "TFormInstalacao.h"
#include "TFormRazaoRecalque.h"
#include "TFormSobreCarga.h"
#include "TFormBasesVala.h"
#include "TFclassetubo.h"
#include "MensagensGravadas.h"
#include "RoteiroModal.h"
#include "DialogosArquivo.h"
#include "DiscoCheio.h"
#include "Figuras.h"
#include "TFprojetista.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include "TFormPrincipal.h"
#include "TFsairSN.h"
#include "inicioKolvan.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QPrintPreviewWidget>
#include <QtTest>
#include <functional>

class TFormPrincipalTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AplicacaoKolvan> app;
    // What the user does inside the next modal windows, in order.
    std::unique_ptr<RoteiroModal> modal;
    QList<int> pausas;

    TFormPrincipal& principal() { return *app->principal; }
    QAction* cmd(const char* nome) { return principal().comando(QLatin1String(nome)); }
    QString linha(int coluna, int k) { return principal().resumo()->linha(coluna, k); }

    void clicar(QDialog& janela, const char* botao)
    {
        auto* b = janela.findChild<QPushButton*>(QLatin1String(botao));
        QVERIFY2(b, botao);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Opens the geometry window, sets it as given and confirms or cancels.
    void geometria(int finalidade, int tipo, int di, int comprimento, bool confirma)
    {
        modal->roteiro.append([=, this](QDialog& d) {
            auto& g = static_cast<TFgeometria&>(d);
            g.show();
            g.CmbBxFinalidade->setCurrentIndex(finalidade);
            g.CmbBxTipoTubo->setCurrentIndex(tipo);
            g.CmbBxDiametro->setCurrentIndex(di);
            g.CmbBxComprimento->setCurrentIndex(comprimento);
            clicar(g, confirma ? "BotaoConfirma" : "BotaoCancela");
        });
        cmd("Bgeo")->trigger();
    }

private slots:
    void init()
    {
        pausas.clear();
        substituirPausa([this](int ms) { pausas.append(ms); });
        modal = std::make_unique<RoteiroModal>();
        app = iniciarKolvan();
        principal().show();
        QCoreApplication::processEvents();
    }

    void cleanup()
    {
        modal->sairSemPerguntar();
        app.reset();
        modal.reset();
        substituirPausa({});
    }

    void inicioPausaDe50msPorTexto()
    {
        QCOMPARE(etapasInicioKolvan().size(), 19);
        QCOMPARE(pausas.size(), 19 * 4);
        QVERIFY(std::all_of(pausas.begin(), pausas.end(), [](int ms) { return ms == 50; }));
    }

    void comandosHabilitadosAoIniciar()
    {
        const QStringList habilitados{"Bnov", "Babr", "Bsai", "BA3", "BA4", "Bpro", "Bobr", "Bgeo", "BsobreC"};
        const QStringList desabilitados{"Bsal", "Bins", "Bsob", "Bfat", "Bcla", "BrelC", "BmemC"};
        for (const QString& n : habilitados)
            QVERIFY2(principal().comando(n)->isEnabled(), qPrintable(n));
        for (const QString& n : desabilitados)
            QVERIFY2(!principal().comando(n)->isEnabled(), qPrintable(n));
        QCOMPARE(principal().comando("Bcla")->text(), QStringLiteral("Classe do Tudo"));
        QCOMPARE(principal().comando("Bcla")->toolTip(), QStringLiteral("Resultado da classe do tubo"));
        QCOMPARE(principal().resumo()->titulo(), QStringLiteral("Quadro de Resuno"));
    }

    void avisoUmaVezPorExecucao()
    {
        QCOMPARE(modal->mostradas.count(QStringLiteral("TFcomeco")), 1);
        QVERIFY(principal().avisoMostrado());
        principal().hide();
        principal().show();
        QCoreApplication::processEvents();
        QCOMPARE(modal->mostradas.count(QStringLiteral("TFcomeco")), 1);
    }

    void geometriaConfirmadaPreencheResumo()
    {
        geometria(0, 0, 4, 1, true);
        QVERIFY(cmd("Bins")->isEnabled());
        QCOMPARE(linha(0, 2), QStringLiteral("Finalidade: Águas pluviais"));
        QCOMPARE(linha(0, 3), QStringLiteral("Tipo de Tubo: Macho e Fêmea"));
        QCOMPARE(linha(0, 4), QStringLiteral("Diâmetro interno (di) = 600 mm"));
        QCOMPARE(linha(0, 5), QStringLiteral("Comprimento longitudinal (l) = 1,50 m"));
        QCOMPARE(principal().desenhoTransversal()->rotuloCota(), QStringLiteral("600 mm"));
        QCOMPARE(principal().desenhoLongitudinal()->rotuloCota(), QStringLiteral("1,50 m"));
        const QImage& imagem = principal().desenhoLongitudinal()->imagem();
        bool temVermelho = false;
        for (int y = 0; y < imagem.height() && !temVermelho; ++y)
            for (int x = 0; x < imagem.width(); ++x)
                if (imagem.pixel(x, y) == qRgb(255, 0, 0)) {
                    temVermelho = true;
                    break;
                }
        QVERIFY2(temVermelho, "the outline is drawn in red");
    }

    void cancelarRestauraGeometria()
    {
        geometria(1, 0, 8, 1, false);
        QCOMPARE(app->projeto.geometria, Geometria{});
        QVERIFY(!cmd("Bins")->isEnabled());
        QCOMPARE(linha(0, 2), QStringLiteral("Finalidade: "));
        auto& g = *app->geometria;
        g.show();
        QCOMPARE(g.CmbBxFinalidade->currentIndex(), 0);
        QCOMPARE(g.CmbBxComprimento->count(), 4);
        g.hide();
    }

    void finalidadeReconstroiComprimentos()
    {
        auto& g = *app->geometria;
        g.show();
        g.CmbBxComprimento->setCurrentIndex(3);
        g.CmbBxFinalidade->setCurrentIndex(1);
        QCOMPARE(g.CmbBxComprimento->count(), 2);
        QCOMPARE(g.CmbBxComprimento->currentText(), QStringLiteral("2,00"));
        g.cancelar();
    }

    void segundaConfirmacaoSemMudancaNaoLimpa()
    {
        geometria(0, 1, 4, 0, true);
        // A result line put by hand stands for a computed result.
        principal().resumo()->definirLinha(2, 6, QStringLiteral("Valor =37,50 kN/m"));
        const QImage antes = principal().desenhoLongitudinal()->imagem();
        geometria(0, 1, 4, 0, true);
        QCOMPARE(linha(2, 6), QStringLiteral("Valor =37,50 kN/m"));
        QCOMPARE(principal().desenhoLongitudinal()->imagem(), antes);
        geometria(0, 1, 5, 0, true);
        QCOMPARE(linha(2, 6), QStringLiteral("Valor ="));
    }

    void novoVoltaAoInicio()
    {
        MensagensGravadas msgs;
        geometria(1, 0, 8, 1, true);
        cmd("Bnov")->trigger();
        // Nothing computed yet, nothing to save: the user agreed to lose the inputs.
        QCOMPARE(msgs.mostradas, QStringList{QStringLiteral("pergunta: ") + QString::fromUtf8(perguntaDadosPerdidos)});
        QCOMPARE(app->projeto.geometria, Geometria{});
        QVERIFY(!app->projeto.etapas.geometria);
        QVERIFY(!cmd("Bins")->isEnabled());
        QCOMPARE(linha(0, 4), QStringLiteral("Diâmetro interno (di) = "));
        QCOMPARE(principal().desenhoTransversal()->rotuloCota(), QString());
        const QImage& imagem = principal().desenhoLongitudinal()->imagem();
        for (int y = 0; y < imagem.height(); y += 7)
            for (int x = 0; x < imagem.width(); x += 7)
                QCOMPARE(imagem.pixel(x, y), qRgb(255, 255, 255));
    }

    void geometriaCorrigeLarguraEAtualizaInstalacao()
    {
        geometria(0, 1, 4, 0, true);
        // An installation confirmed earlier with a narrow trench.
        app->projeto.etapas.instalacao = true;
        app->projeto.instalacao.larguraVala = "1,30";
        geometria(0, 1, 8, 0, true); // 1000 mm: least width 1,70
        QCOMPARE(QString::fromStdString(app->projeto.instalacao.larguraVala), QStringLiteral("1,70"));
        QCOMPARE(linha(1, 8), QStringLiteral("Largura da vala (bv) = 1,70 m"));
    }

    void instalacaoConfirmadaPreencheResumoEHabilitaSobrecarga()
    {
        geometria(0, 1, 4, 0, true);
        const auto instalacao = [this](int tipo, const char* hs) {
            modal->roteiro.append([=, this](QDialog& d) {
                auto& j = static_cast<TFormInstalacao&>(d);
                j.show();
                j.RadioGroup1->button(tipo)->click();
                j.EdtAltAterro->setText(QLatin1String(hs));
                clicar(j, "BotaoConfirma");
            });
            cmd("Bins")->trigger();
        };
        instalacao(Vala, "1,00");
        QVERIFY(cmd("Bsob")->isEnabled());
        QVERIFY(!cmd("Bfat")->isEnabled());
        const QStringList vala{"Instalação:",
                               "Tipo de instalação: Vala",
                               "Tipo de terreno: Solo saturado",
                               "Peso específico do solo = 19,2 kN/m ³",
                               "k.u = 0,150",
                               "Razão de recalque = ----",
                               "Altura de terra (hs): 1,00 m",
                               "Largura da vala (bv) = 1,31 m",
                               "Altura (ha) = ----",
                               "Aterro com boas condições de compactação: ----"};
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(linha(1, k), vala[k - 1]);

        instalacao(ProjecaoPositiva, "2,00");
        QCOMPARE(linha(1, 6), QStringLiteral("Razão de recalque = 0,5"));
        QCOMPARE(linha(1, 7), QStringLiteral("Altura de terra (hs): 2,00 m"));
        QCOMPARE(linha(1, 8), QStringLiteral("Largura da vala (bv) = ----"));
        QCOMPARE(linha(1, 9), QStringLiteral("Altura (ha) = 0,60 m"));
        instalacao(ProjecaoNegativa, "2,00");
        QCOMPARE(linha(1, 8), QStringLiteral("Largura da vala (bv) = 1,31 m"));
        QCOMPARE(linha(1, 10), QStringLiteral("Aterro com boas condições de compactação: Não"));

        // A new project puts the settlement-ratio presets back on the common soil.
        app->razaoRecalque->selecionar(0);
        MensagensGravadas msgs; // losing the inputs is agreed to
        cmd("Bnov")->trigger();
        QCOMPARE(app->razaoRecalque->selecao(), 1);
        QVERIFY(!cmd("Bsob")->isEnabled());
        QCOMPARE(linha(1, 2), QStringLiteral("Tipo de instalação: "));
    }

    // Confirms each input window of the road as it opens.
    void confirmarAoAbrir(const char* comando)
    {
        modal->roteiro.append([this](QDialog& d) {
            d.show();
            clicar(d, "BotaoConfirma");
        });
        cmd(comando)->trigger();
    }

    // The embankment factor depends on the pipe: after a new diameter the
    // summary shows the factor the class is computed with, not the old one.
    void fatorDoAterroSegueODiametro()
    {
        MensagensGravadas msgs;
        geometria(0, 1, 4, 0, true); // 600 mm
        modal->roteiro.append([this](QDialog& d) {
            auto& j = static_cast<TFormInstalacao&>(d);
            j.show();
            j.RadioGroup1->button(ProjecaoPositiva)->click();
            clicar(j, "BotaoConfirma");
        });
        cmd("Bins")->trigger();
        confirmarAoAbrir("Bsob");
        confirmarAoAbrir("Bfat");
        const QString fator600 = linha(2, 3);
        QCOMPARE(fator600, QStringLiteral("Fator de equivalência = ") + QString::fromStdString(app->projeto.baseAterro.fator));

        geometria(0, 1, 5, 0, true); // 700 mm
        const QString fator700 = QStringLiteral("Fator de equivalência = ") +
                                 QString::fromStdString(app->projeto.baseAterro.fator);
        QVERIFY(fator700 != fator600);
        QCOMPARE(linha(2, 3), fator700);
        modal->roteiro.append([this](QDialog& d) {
            d.show();
            clicar(d, "BotaoCancela");
        });
        cmd("Bcla")->trigger();
        QCOMPARE(linha(2, 3), fator700);
        QCOMPARE(linha(2, 3), QStringLiteral("Fator de equivalência = ") +
                                  QString::fromStdString(app->projeto.baseAterro.fator));
    }

    void caminhoAteAClasseConfirmada()
    {
        MensagensGravadas msgs;
        geometria(0, 1, 4, 0, true);
        confirmarAoAbrir("Bins");
        confirmarAoAbrir("Bsob");
        QCOMPARE(linha(0, 7), QStringLiteral("Natureza: Rodoviaria"));
        QCOMPARE(linha(0, 9), QStringLiteral("Peso do veículo = 450 kN"));
        QVERIFY(cmd("Bfat")->isEnabled());
        confirmarAoAbrir("Bfat");
        QCOMPARE(modal->mostradas.last(), QStringLiteral("TFormBasesVala"));
        QCOMPARE(linha(2, 2), QStringLiteral("Tipo: Base comum (Classe C)"));
        QCOMPARE(linha(2, 3), QStringLiteral("Fator de equivalência = 1,5"));
        QVERIFY(cmd("Bcla")->isEnabled());

        // 600 mm trench under Classe 45: W = 17,15 and q_s = 15,92 kN/m.
        QString valor;
        modal->roteiro.append([&valor, this](QDialog& d) {
            auto& r = static_cast<TFclassetubo&>(d);
            r.show();
            valor = r.LabelValor->text();
            QCOMPARE(r.LabelArmado->text(), QStringLiteral("Tubos Armados = 36,00 kN/m"));
            QCOMPARE(r.LabelSimples->text(), QStringLiteral("Tubos Simples = 36,00 kN/m"));
            clicar(r, "BotaoConfirma");
        });
        cmd("Bcla")->trigger();
        QCOMPARE(valor, QStringLiteral("33,07 kN/m"));
        QCOMPARE(linha(2, 6), QStringLiteral("Valor =33,07 kN/m"));
        QCOMPARE(linha(2, 8), QStringLiteral("Tubos Armados =  36,00 kN/m"));
        QCOMPARE(linha(2, 10), QStringLiteral("Classe do Tubo: PA1 ou PS2"));
        QVERIFY(cmd("BrelC")->isEnabled());
        QVERIFY(cmd("BmemC")->isEnabled());
        QVERIFY(cmd("Bsal")->isEnabled());

        // The calculation sheet previews its pages and leaves the result alone.
        int paginasFolha = 0;
        modal->roteiro.append([&paginasFolha](QDialog& janela) {
            QCOMPARE(janela.objectName(), QStringLiteral("VisualizacaoRelatorio"));
            janela.show();
            if (auto* previa = janela.findChild<QPrintPreviewWidget*>()) {
                previa->updatePreview();
                paginasFolha = previa->pageCount();
            }
            janela.reject();
        });
        cmd("BmemC")->trigger();
        QVERIFY(paginasFolha >= 2);
        QCOMPARE(linha(2, 6), QStringLiteral("Valor =33,07 kN/m"));

        // Cancelling the result window withdraws the report, not the save.
        modal->roteiro.append([this](QDialog& d) {
            d.show();
            clicar(d, "BotaoCancela");
        });
        cmd("Bcla")->trigger();
        QVERIFY(!cmd("BrelC")->isEnabled());
        QVERIFY(!cmd("BmemC")->isEnabled());
        QVERIFY(cmd("Bsal")->isEnabled());
        QCOMPARE(linha(2, 6), QStringLiteral("Valor ="));

        // A changed input withdraws the save too: no file may keep a class
        // computed for other inputs.
        geometria(0, 1, 5, 0, true);
        QVERIFY(!cmd("Bsal")->isEnabled());
        QVERIFY(msgs.mostradas.isEmpty());
    }

    void calculoInterrompidoSoMostraAMensagem()
    {
        MensagensGravadas msgs;
        geometria(0, 1, 14, 0, true); // 2000 mm: road traffic needs 1,36 m of cover
        confirmarAoAbrir("Bins");
        confirmarAoAbrir("Bsob");
        confirmarAoAbrir("Bfat");
        modal->mostradas.clear();
        cmd("Bcla")->trigger();
        QVERIFY(modal->mostradas.isEmpty());
        QVERIFY(msgs.ultima().startsWith(QStringLiteral("mensagem: Com a teoria utilizado neste programa")));
        QVERIFY(!cmd("BrelC")->isEnabled());
        QCOMPARE(linha(2, 6), QStringLiteral("Valor ="));
    }

    QStringList todasAsLinhas()
    {
        QStringList l;
        for (int c = 0; c < 3; ++c)
            for (int k = 1; k <= 10; ++k)
                l << linha(c, k);
        return l;
    }

    void salvarEAbrirReproduzemOResumo()
    {
        MensagensGravadas msgs;
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("obra.kvn"));
        geometria(0, 1, 4, 0, true);
        confirmarAoAbrir("Bins");
        confirmarAoAbrir("Bsob");
        confirmarAoAbrir("Bfat");
        confirmarAoAbrir("Bcla");
        const QStringList resumo = todasAsLinhas();
        QString proposto;
        substituirEscolhaArquivoSalvar([&](const QString&, const QString& caminho) {
            proposto = caminho;
            return pasta.filePath(QStringLiteral("obra")); // the extension is added
        });
        cmd("Bsal")->trigger();
        substituirEscolhaArquivoSalvar({});
        QVERIFY(proposto.endsWith(QStringLiteral("Arquivos/ClaTubo1")));
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("PROJETISTA\r\n"));
        QVERIFY(bytes.contains("\r\nINSTALA\xC7\xC3O\r\n0\r\n2\r\n1,00\r\n1,31\r\n"));
        QVERIFY(bytes.endsWith(QByteArray(55, '-') + "\r\n\r\n"));

        cmd("Bnov")->trigger();
        const QString legenda = principal().legenda();
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) { return arquivo; });
        cmd("Babr")->trigger();
        QCOMPARE(todasAsLinhas(), resumo);
        QCOMPARE(principal().legenda(), QStringLiteral("obra.kvn - ") + legenda);
        for (const char* n : {"Bins", "Bsob", "Bfat", "Bcla", "BrelC"})
            QVERIFY2(cmd(n)->isEnabled(), n);
        QVERIFY(!cmd("Bsal")->isEnabled()); // opening leaves the save as it was
        QCOMPARE(principal().desenhoLongitudinal()->rotuloCota(), QStringLiteral("1,00 m"));

        // A second file heads the caption again.
        QVERIFY(QFile::copy(arquivo, pasta.filePath(QStringLiteral("b.kvn"))));
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) {
            return pasta.filePath(QStringLiteral("b.kvn"));
        });
        cmd("Babr")->trigger();
        QCOMPARE(principal().legenda(), QStringLiteral("b.kvn - obra.kvn - ") + legenda);

        // A garbled file changes nothing and names the line.
        QFile ruim(pasta.filePath(QStringLiteral("ruim.kvn")));
        QVERIFY(ruim.open(QIODevice::WriteOnly));
        ruim.write(bytes.left(bytes.indexOf("GEOMETRIA")) + "GEOMETRIA\r\n7\r\n");
        ruim.close();
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) { return ruim.fileName(); });
        const QString antes = principal().windowTitle();
        cmd("Babr")->trigger();
        substituirEscolhaArquivoAbrir({});
        QCOMPARE(principal().windowTitle(), antes);
        QCOMPARE(todasAsLinhas(), resumo);
        QVERIFY2(msgs.ultima().contains(QStringLiteral("ruim.kvn\": linha 39")), qPrintable(msgs.ultima()));
    }

    void projetistaLimparCancelarENovo()
    {
        modal->roteiro.append([this](QDialog& d) {
            auto& p = static_cast<TFprojetista&>(d);
            p.show();
            p.Edit[0]->setText(QStringLiteral("Ana"));
            clicar(p, "BotaoConfirma");
        });
        cmd("Bpro")->trigger();
        QCOMPARE(app->projeto.projetista.nome, std::string("Ana"));
        modal->roteiro.append([this](QDialog& d) {
            d.show();
            clicar(d, "BotaoLimpar");
            clicar(d, "BotaoCancela");
        });
        cmd("Bpro")->trigger();
        QCOMPARE(app->projeto.projetista.nome, std::string("Ana"));
        modal->roteiro.append([this](QDialog& d) {
            d.show();
            clicar(d, "BotaoLimpar");
            clicar(d, "BotaoConfirma");
        });
        cmd("Bpro")->trigger();
        QCOMPARE(app->projeto.projetista.nome, std::string());
    }

    // The designer data confirmed reach Config/Projetista.ini at once, in
    // the layout of a project's first section, so "Novo" finds them; a
    // cancelled edit does not, and a full disk keeps the file and says so.
    void projetistaConfirmadoFicaParaONovo()
    {
        MensagensGravadas msgs;
        const QString ini = caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Projetista.ini"));
        QFile::remove(ini);
        auto editar = [this](const QString& nome, const char* botao) {
            modal->roteiro.append([=, this](QDialog& d) {
                auto& p = static_cast<TFprojetista&>(d);
                p.show();
                p.Edit[0]->setText(nome);
                p.Edit[1]->setText(QStringLiteral("12345/D"));
                clicar(p, botao);
            });
            cmd("Bpro")->trigger();
        };
        editar(QStringLiteral("Ana Conceição"), "BotaoConfirma");
        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray gravado = f.readAll();
        f.close();
        QCOMPARE(gravado, "PROJETISTA\r\nAna Concei\xE7\xE3o\r\n12345/D\r\n" + QByteArray("\r\n").repeated(9) +
                              QByteArray(55, '-') + "\r\n");
        editar(QStringLiteral("Beto"), "BotaoCancela");
        {
            DiscoCheio disco;
            editar(QStringLiteral("Carla"), "BotaoConfirma");
        }
        QVERIFY2(msgs.ultima().contains(QStringLiteral("dados do projetista")) &&
                     msgs.ultima().contains(QStringLiteral("disco cheio")),
                 qPrintable(msgs.ultima()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), gravado);
        f.close();
        editar(QStringLiteral("Ana Conceição"), "BotaoConfirma");
        cmd("Bnov")->trigger();
        QCOMPARE(app->projeto.projetista.nome, std::string("Ana Conceição"));
    }

    // "Salvar" on a full disk keeps the saved project byte for byte, the
    // "*" of unsaved work and says why; a class confirmed again for the same
    // inputs, after saving or after "Abrir", leaves nothing to save.
    void salvarEmDiscoCheioEResultadoRepetido()
    {
        MensagensGravadas msgs;
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("obra.kvn"));
        substituirEscolhaArquivoSalvar([&](const QString&, const QString&) { return arquivo; });
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) { return arquivo; });
        geometria(0, 1, 4, 0, true);
        confirmarAoAbrir("Bins");
        confirmarAoAbrir("Bsob");
        confirmarAoAbrir("Bfat");
        confirmarAoAbrir("Bcla");
        cmd("Bsal")->trigger();
        QVERIFY(!principal().isWindowModified());
        confirmarAoAbrir("Bcla");
        QVERIFY(!principal().isWindowModified());

        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray salvo = f.readAll();
        f.close();
        modal->roteiro.append([this](QDialog& d) {
            d.show();
            d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Drenagem da Rua B"));
            clicar(d, "BotaoConfirma");
        });
        cmd("Bobr")->trigger();
        QVERIFY(principal().isWindowModified());
        {
            DiscoCheio disco(100);
            cmd("Bsal")->trigger();
        }
        QVERIFY2(msgs.ultima().contains(QStringLiteral("obra.kvn\": disco cheio")), qPrintable(msgs.ultima()));
        QVERIFY(principal().isWindowModified());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), salvo);
        f.close();
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList{QStringLiteral("obra.kvn")});

        cmd("Bnov")->trigger();
        cmd("Babr")->trigger();
        QCOMPARE(cmd("BmemC")->isEnabled(), cmd("BrelC")->isEnabled());
        confirmarAoAbrir("Bcla");
        QVERIFY(!principal().isWindowModified());
        substituirEscolhaArquivoSalvar({});
        substituirEscolhaArquivoAbrir({});
    }

    void sairRespondidoNaoContinua()
    {
        modal->roteiro.append([this](QDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("TFsairSN"));
            d.show();
            clicar(d, "BotaoNao");
        });
        cmd("Bsai")->trigger();
        QVERIFY(principal().isVisible());
        modal->roteiro.append([](QDialog& d) { d.close(); }); // the close box
        cmd("Bsai")->trigger();
        QVERIFY(principal().isVisible());
    }
};

QTEST_MAIN(TFormPrincipalTeste)
#include "TFormPrincipalTeste.moc"
