// Kolvan keeps the user's work as desktop programs do: the save question
// before each command that would drop it, the caption's mark, the recent
// files of "Arquivos", and a project opened by name or by a drop.
#include "BaseTemporaria.h"
#include "DialogosArquivo.h"
#include "MensagensGravadas.h"
#include "MenuRecentes.h"
#include "Pausa.h"
#include "RoteiroModal.h"
#include "TFgeometria.h"
#include "TFormPrincipal.h"
#include "inicioKolvan.h"

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

class TrabalhoNaoSalvoTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BaseTemporaria> base;
    std::unique_ptr<RoteiroModal> modal;
    std::unique_ptr<AplicacaoKolvan> app;
    std::unique_ptr<MensagensGravadas> msgs;
    QStringList salvosPeloDialogo;

    TFormPrincipal& principal() { return *app->principal; }
    QAction* cmd(const char* nome) { return principal().comando(QLatin1String(nome)); }
    QString pergunta(const char* texto) { return QStringLiteral("pergunta: ") + QString::fromUtf8(texto); }
    QString perguntaSalvar()
    {
        return QStringLiteral("pergunta com cancelar: ") + QString::fromUtf8(perguntaSalvarProjeto);
    }

    static void clicar(QDialog& d, const char* botao)
    {
        auto* b = d.findChild<QPushButton*>(QLatin1String(botao));
        QVERIFY2(b, botao);
        b->click();
    }

    void iniciar(const QString& arquivoInicial = QString())
    {
        app = iniciarKolvan();
        msgs = std::make_unique<MensagensGravadas>();
        if (!arquivoInicial.isEmpty())
            principal().abrirAoIniciar(arquivoInicial);
        principal().show();
        QCoreApplication::processEvents();
    }

    // The program ends and starts again, as a user's next run.
    void reiniciar(const QString& arquivoInicial = QString())
    {
        modal->sairSemPerguntar();
        msgs.reset();
        app.reset();
        modal.reset();
        modal = std::make_unique<RoteiroModal>();
        iniciar(arquivoInicial);
    }

    void confirmar(const char* comando)
    {
        modal->roteiro.append([](QDialog& d) { clicar(d, "BotaoConfirma"); });
        cmd(comando)->trigger();
    }

    void geometria(int diametro)
    {
        modal->roteiro.append([diametro](QDialog& d) {
            static_cast<TFgeometria&>(d).CmbBxDiametro->setCurrentIndex(diametro);
            clicar(d, "BotaoConfirma");
        });
        cmd("Bgeo")->trigger();
    }

    // A class computed and confirmed: the project can be saved.
    void classeConfirmada()
    {
        geometria(4);
        for (const char* c : {"Bins", "Bsob", "Bfat", "Bcla"})
            confirmar(c);
        QVERIFY(cmd("Bsal")->isEnabled());
    }

    // The save dialog answers `nome` under the base folder (empty: cancelled).
    void dialogoSalvarResponde(const QString& nome)
    {
        substituirEscolhaArquivoSalvar([this, nome](const QString&, const QString&) {
            salvosPeloDialogo << nome;
            return nome.isEmpty() ? QString() : base->caminho(nome);
        });
    }

    QString legendaMostrada() { return principal().windowHandle()->title(); }

private slots:
    void init()
    {
        substituirPausa([](int) {});
        base = std::make_unique<BaseTemporaria>();
        modal = std::make_unique<RoteiroModal>();
        salvosPeloDialogo.clear();
    }

    void cleanup()
    {
        modal->sairSemPerguntar();
        msgs.reset();
        app.reset();
        modal.reset();
        substituirEscolhaArquivoSalvar({});
        substituirEscolhaArquivoAbrir({});
        substituirPausa({});
        base.reset();
    }

    // Each command that would drop a computed result never saved asks
    // first; "Sim" saves (a cancelled save dialog calls the command off),
    // "Não" goes on, "Cancelar" stops.
    void perguntaAntesDePerderOResultado_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QString>("nomeSalvo");
        QTest::addColumn<bool>("segue");
        const QStringList comandos{"Bnov", "Babr", "Bsai", "Recente1", "soltar"};
        for (const QString& c : comandos) {
            const QByteArray n = c.toLatin1();
            QTest::newRow(n + " Sim") << c << int(Resposta::Sim) << "salvo.kvn" << true;
            QTest::newRow(n + " Sim, dialogo cancelado") << c << int(Resposta::Sim) << "" << false;
            QTest::newRow(n + " Nao") << c << int(Resposta::Nao) << "" << true;
            QTest::newRow(n + " Cancelar") << c << int(Resposta::Cancelar) << "" << false;
        }
    }

    void perguntaAntesDePerderOResultado()
    {
        QFETCH(QString, comando);
        QFETCH(int, resposta);
        QFETCH(QString, nomeSalvo);
        QFETCH(bool, segue);
        iniciar();
        QVERIFY(!legendaMostrada().startsWith(QLatin1Char('*')));
        classeConfirmada();
        QVERIFY(legendaMostrada().startsWith(QLatin1Char('*')));
        // Saved once as outro.kvn (the recent file, the file to open and drop) …
        dialogoSalvarResponde(QStringLiteral("outro.kvn"));
        cmd("Bsal")->trigger();
        QVERIFY(!legendaMostrada().startsWith(QLatin1Char('*')));
        // … then computed again for another pipe: a confirmed result that was
        // never saved (the same class confirmed again would leave nothing to save).
        confirmar("Bcla");
        QVERIFY(!legendaMostrada().startsWith(QLatin1Char('*')));
        geometria(5);
        for (const char* c : {"Bins", "Bsob", "Bfat", "Bcla"})
            confirmar(c);
        QVERIFY(legendaMostrada().startsWith(QLatin1Char('*')));
        dialogoSalvarResponde(nomeSalvo);
        salvosPeloDialogo.clear();
        const QString outro = base->caminho(QStringLiteral("outro.kvn"));
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) { return outro; });
        msgs->mostradas.clear();
        msgs->respostasComCancelar = {static_cast<Resposta>(resposta)};
        modal->mostradas.clear();
        modal->roteiro.append([](QDialog& d) { clicar(d, "BotaoNao"); }); // the exit question, when it comes

        if (comando == QLatin1String("Bsai")) {
            principal().close();
        } else if (comando == QLatin1String("soltar")) {
            QMimeData dados;
            dados.setUrls({QUrl::fromLocalFile(outro)});
            QDragEnterEvent entrada(QPoint(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&principal(), &entrada);
            QVERIFY(entrada.isAccepted());
            QDropEvent soltura(QPointF(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
            static_cast<QObject&>(principal()).event(&soltura);
            QCoreApplication::processEvents();
        } else {
            QAction* acao = principal().findChild<QAction*>(comando);
            QVERIFY2(acao, qPrintable(comando));
            acao->trigger();
        }

        QCOMPARE(msgs->mostradas, QStringList{perguntaSalvar()});
        const bool pediuSalvar = resposta == int(Resposta::Sim);
        QCOMPARE(salvosPeloDialogo, pediuSalvar ? QStringList{nomeSalvo} : QStringList{});
        QCOMPARE(QFile::exists(base->caminho(QStringLiteral("salvo.kvn"))), !nomeSalvo.isEmpty());
        if (comando == QLatin1String("Bsai"))
            QCOMPARE(modal->mostradas.contains(QStringLiteral("TFsairSN")), segue);
        else if (comando == QLatin1String("Bnov"))
            QCOMPARE(!app->projeto.etapas.geometria, segue);
        else
            QCOMPARE(principal().legenda().startsWith(QStringLiteral("outro.kvn - ")), segue);
        // Unsaved work is left only where the command was called off, or
        // the exit question kept the program running with it.
        const bool ficouNaoSalvo = comando == QLatin1String("Bsai") ? nomeSalvo.isEmpty() : !segue;
        QCOMPARE(principal().isWindowModified(), ficouNaoSalvo);
    }

    // Nothing computed cannot be saved: the user is told the data typed are
    // lost, and the exit question still follows.
    void semResultadoAvisaQueOsDadosSePerdem()
    {
        iniciar();
        geometria(5);
        QVERIFY(principal().isWindowModified());
        msgs->respostas = {false};
        cmd("Bnov")->trigger();
        QCOMPARE(msgs->mostradas, QStringList{pergunta(perguntaDadosPerdidos)});
        QVERIFY(app->projeto.etapas.geometria); // "Não": kept

        msgs->respostas = {true};
        modal->mostradas.clear();
        modal->roteiro.append([](QDialog& d) { clicar(d, "BotaoNao"); });
        principal().close();
        QCOMPARE(msgs->ultima(), pergunta(perguntaDadosPerdidos));
        QCOMPARE(modal->mostradas, QStringList{QStringLiteral("TFsairSN")});

        // Nothing changed, nothing asked.
        msgs->mostradas.clear();
        cmd("Bnov")->trigger();
        QVERIFY(!app->projeto.etapas.geometria);
        cmd("Bnov")->trigger();
        QCOMPARE(msgs->mostradas.size(), 1);
    }

    // A project opened at the start shows its result, but "Salvar" stays off
    // until a class is confirmed again: a change would be lost, and the
    // question says why.
    void abertoSoSalvaDepoisDoResultado()
    {
        iniciar();
        classeConfirmada();
        dialogoSalvarResponde(QStringLiteral("aberto.kvn"));
        cmd("Bsal")->trigger();
        reiniciar(base->caminho(QStringLiteral("aberto.kvn")));
        QVERIFY(!cmd("Bsal")->isEnabled());
        geometria(6);
        msgs->mostradas.clear();
        msgs->respostas = {false};
        cmd("Bnov")->trigger();
        QCOMPARE(msgs->mostradas, QStringList{pergunta(perguntaDadosPerdidos)});
        confirmar("Bcla");
        msgs->mostradas.clear();
        msgs->respostasComCancelar = {Resposta::Cancelar};
        cmd("Bnov")->trigger();
        QCOMPARE(msgs->mostradas, QStringList{perguntaSalvar()});
    }

    // The last six projects opened or saved, newest first, kept for the
    // next run; one whose file is gone leaves the list with a message.
    void arquivosRecentes()
    {
        iniciar();
        classeConfirmada();
        for (int i = 1; i <= 7; ++i) {
            dialogoSalvarResponde(QStringLiteral("p%1.kvn").arg(i));
            cmd("Bsal")->trigger();
        }
        substituirEscolhaArquivoAbrir([this](const QString&, const QString&, const QString&) {
            return base->caminho(QStringLiteral("p3.kvn"));
        });
        cmd("Babr")->trigger();
        QStringList esperados;
        for (int i : {3, 7, 6, 5, 4, 2})
            esperados << base->caminho(QStringLiteral("p%1.kvn").arg(i));
        QCOMPARE(principal().recentes()->caminhos(), esperados);
        QAction* primeiro = principal().findChild<QAction*>(QStringLiteral("Recente1"));
        QVERIFY(primeiro);
        QCOMPARE(primeiro->text(), MenuRecentes::textoEntrada(1, esperados[0]));
        QVERIFY(primeiro->text().startsWith(QStringLiteral("&1 ")) && primeiro->text().endsWith("p3.kvn"));

        // The next run lists them too; a deleted one goes, with a message.
        reiniciar();
        QCOMPARE(principal().recentes()->caminhos(), esperados);
        QVERIFY(QFile::remove(esperados[1]));
        principal().findChild<QAction*>(QStringLiteral("Recente2"))->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(msgs->mostradas.size(), 1);
        QVERIFY2(msgs->ultima().startsWith(QStringLiteral("mensagem: O arquivo \"")) &&
                     msgs->ultima().endsWith(QStringLiteral("p7.kvn\" não existe mais e foi retirado da lista de "
                                                            "arquivos recentes.")),
                 qPrintable(msgs->ultima()));
        esperados.removeAt(1);
        QCOMPARE(principal().recentes()->caminhos(), esperados);
        QVERIFY(!principal().findChild<QAction*>(QStringLiteral("Recente6")));
        QVERIFY(!app->projeto.etapas.geometria); // nothing was opened
    }

    // A project named on the command line opens once the disclaimer is
    // gone; a file that does not read is refused as "Abrir" refuses it.
    void abrirPeloNomeOuSoltando()
    {
        iniciar();
        classeConfirmada();
        dialogoSalvarResponde(QStringLiteral("obra.kvn"));
        cmd("Bsal")->trigger();
        QFile ruim(base->caminho(QStringLiteral("ruim.kvn")));
        QVERIFY(ruim.open(QIODevice::WriteOnly));
        ruim.write("PROJETISTA\r\nnada\r\n");
        ruim.close();
        reiniciar(base->caminho(QStringLiteral("obra.kvn")));
        QTRY_VERIFY(principal().avisoMostrado());
        QCOMPARE(modal->mostradas.value(0), QStringLiteral("TFcomeco"));
        QCOMPARE(principal().legenda(),
                 QStringLiteral("obra.kvn - Especificação da classe de resistência dos tubos de concreto"));
        QVERIFY(app->projeto.etapas.base);
        QVERIFY(msgs->mostradas.isEmpty());
        reiniciar(base->caminho(QStringLiteral("ruim.kvn")));
        QTRY_VERIFY(principal().avisoMostrado());
        QCOMPARE(msgs->mostradas.size(), 1);
        QVERIFY2(msgs->ultima().startsWith(QStringLiteral("mensagem: ")) && msgs->ultima().contains("ruim.kvn"),
                 qPrintable(msgs->ultima()));
        QVERIFY(!app->projeto.etapas.geometria);

        // Only a project file is taken by a drop.
        const auto aceita = [this](const QString& nome) {
            QMimeData dados;
            dados.setUrls({QUrl::fromLocalFile(base->caminho(nome))});
            QDragEnterEvent entrada(QPoint(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&principal(), &entrada);
            return entrada.isAccepted();
        };
        QVERIFY(aceita(QStringLiteral("obra.kvn")));
        QVERIFY(aceita(QStringLiteral("OBRA.KVN")));
        QVERIFY(!aceita(QStringLiteral("obra.rdw")));
        QVERIFY(!aceita(QStringLiteral("obra.txt")));
    }
};

QTEST_MAIN(TrabalhoNaoSalvoTeste)
#include "trabalhoNaoSalvoTeste.moc"
