// Kolvan's whole road through the application object, as the keyboard drives
// it: each step by its shortcut, values typed into the windows, Alt+F4 to
// confirm, the class computed and confirmed, the project saved, the report
// saved as a PDF from its preview, and the exit. Beside it, the refusals of
// the windows that no other test makes: the embankment bedding without an
// equivalence factor and the designer's characters that the file cannot
// hold. The faster twin of kolvan.sh.
#include "BaseTemporaria.h"
#include "DialogosArquivo.h"
#include "ExecucaoModal.h"
#include "MensagensGravadas.h"
#include "RoteiroModal.h"
#include "Pausa.h"
#include "TFclassetubo.h"
#include "TFgeometria.h"
#include "TFormBasesSaliPosit.h"
#include "TFormBasesVala.h"
#include "TFormInstalacao.h"
#include "TFormPrincipal.h"
#include "TFormSobreCarga.h"
#include "TFprojetista.h"
#include "fatorAterro.h"
#include "inicioKolvan.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {
QString textoDoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext falhou>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray bytesDe(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The window takes the keyboard (a dialog's handle counts as active while
// its parent is, so the widget's own state is what is awaited).
void ativar(QWidget& janela)
{
    janela.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(janela.isActiveWindow(), 5000);
}

// What the user types replaces the field's text, one key at a time (any
// character, as a keyboard layout would give it).
void digitar(QLineEdit* campo, const QString& texto)
{
    campo->setFocus();
    campo->selectAll();
    for (const QChar c : texto) {
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(campo, &tecla);
    }
}

void confirmarComAltF4(QDialog& janela)
{
    ativar(janela);
    QTest::keyClick(&janela, Qt::Key_F4, Qt::AltModifier);
    QVERIFY2(!janela.isVisible(), qPrintable(janela.objectName()));
}
} // namespace

class CaminhoKolvanTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BaseTemporaria> base;
    std::unique_ptr<AplicacaoKolvan> app;
    std::unique_ptr<MensagensGravadas> msgs;
    // What the user does inside the next modal windows, in order.
    std::unique_ptr<RoteiroModal> modal;

    TFormPrincipal& principal() { return *app->principal; }
    QAction* cmd(const char* nome) { return principal().comando(QLatin1String(nome)); }

    // A shortcut pressed on the main window; the window it opens plays `usuario`.
    void atalho(const QKeySequence& teclas, std::function<void(QDialog&)> usuario = {})
    {
        if (usuario)
            modal->roteiro.append(std::move(usuario));
        ativar(principal());
        QTest::keySequence(&principal(), teclas);
        if (!modal->roteiro.isEmpty()) {
            modal->roteiro.clear();
            QFAIL(qPrintable(teclas.toString() + QStringLiteral(" não abriu a janela")));
        }
    }

private slots:
    void init()
    {
        base = std::make_unique<BaseTemporaria>();
        substituirPausa([](int) {});
        modal = std::make_unique<RoteiroModal>();
        app = iniciarKolvan();
        msgs = std::make_unique<MensagensGravadas>();
        principal().show();
        QCoreApplication::processEvents();
    }

    void cleanup()
    {
        modal->sairSemPerguntar();
        app.reset();
        msgs.reset();
        modal.reset();
        substituirEscolhaArquivoSalvar({});
        substituirPausa({});
        base.reset();
    }

    void atalhosDosComandos()
    {
        const QList<QPair<const char*, const char*>> atalhos{
            {"Bnov", "Ctrl+N"}, {"Babr", "Ctrl+O"}, {"Bsal", "Ctrl+S"}, {"Bsai", "Ctrl+Q"},
            {"BA3", ""},        {"BA4", ""},        {"Bpro", ""},       {"Bobr", ""},
            {"Bgeo", "F2"},     {"Bins", "F3"},     {"Bsob", "F4"},     {"Bfat", "F5"},
            {"Bcla", "F6"},     {"BrelC", "F7"},    {"BmemC", "F8"},    {"Brede", "F9"},    {"Brecob", "F10"},  {"BsobreC", ""}};
        for (const auto& [nome, teclas] : atalhos)
            QCOMPARE(cmd(nome)->shortcut(), QKeySequence(QLatin1String(teclas)));
        // The menu items read as they always did (beside the recent files).
        QStringList itens;
        for (QAction* menu : principal().menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator() && !item->objectName().startsWith(QLatin1String("Recente")))
                    itens << item->text();
        QCOMPARE(itens, (QStringList{"Novo", "Abrir", "Salvar", "Sair", "Compressão diametral de tubos simples",
                                     "Compressão diametral de tubos armados", "Projetista", "Obra/Cliente",
                                     "Geometria", "Instalação", "Sobrecarga", "Tipo de base", "Classe do Tudo",
                                     "Relatorio", "Memória de cálculo", "Rede de tubulações", "Tabela de recobrimentos",
                                     "Autores e Responsaveis"}));
        // A step not yet enabled does nothing by its key.
        modal->mostradas.clear();
        atalho(QKeySequence(Qt::Key_F3));
        QVERIFY(modal->mostradas.isEmpty());
    }

    // 800 mm, 1,50 m; a trench under 2,50 m of soil, 1,80 m wide; a
    // user-defined load of 12 kN/m; common bedding with γf = 1,6:
    // R = (65,67 + 12,00) / 1,5 · 1,6 = 82,84 kN/m, class PA3 (108 kN/m).
    void caminhoInteiroPeloTeclado()
    {
        QTemporaryDir pasta;
        modal->roteiro.append([](QDialog& d) {
            auto& p = static_cast<TFprojetista&>(d);
            digitar(p.Edit[0], QStringLiteral("Ana Souza"));
            confirmarComAltF4(p);
        });
        cmd("Bpro")->trigger();

        atalho(QKeySequence(Qt::Key_F2), [](QDialog& d) {
            auto& g = static_cast<TFgeometria&>(d);
            g.CmbBxDiametro->setFocus();
            QTest::keyClicks(g.CmbBxDiametro, QStringLiteral("800"));
            QTest::keyClick(g.CmbBxComprimento, Qt::Key_Down);
            confirmarComAltF4(g);
        });
        atalho(QKeySequence(Qt::Key_F3), [](QDialog& d) {
            auto& j = static_cast<TFormInstalacao&>(d);
            digitar(j.EdtAltAterro, QStringLiteral("2,5"));
            digitar(j.EditLargVala, QStringLiteral("1.8")); // the full stop becomes the comma
            confirmarComAltF4(j);
        });
        atalho(QKeySequence(Qt::Key_F4), [](QDialog& d) {
            auto& s = static_cast<TFormSobreCarga&>(d);
            s.RadioGroupTipoCarga->button(4)->click(); // "Definida pelo usuário"
            digitar(s.EditCarga, QStringLiteral("12"));
            confirmarComAltF4(s);
        });
        atalho(QKeySequence(Qt::Key_F5), [](QDialog& d) {
            auto& b = static_cast<TFormBasesVala&>(d);
            digitar(b.Edit7, QStringLiteral("1,6"));
            confirmarComAltF4(b);
        });
        QStringList resultado;
        atalho(QKeySequence(Qt::Key_F6), [&resultado](QDialog& d) {
            auto& r = static_cast<TFclassetubo&>(d);
            resultado << r.LabelValor->text() << r.LabelArmado->text() << r.LabelSimples->text()
                      << r.LabelClasse->text();
            confirmarComAltF4(r);
        });
        QCOMPARE(resultado, (QStringList{"82,84 kN/m", "Tubos Armados = 108,00 kN/m", "Tubos Simples = não existe",
                                         " PA3"}));
        QVERIFY2(msgs->mostradas.isEmpty(), qPrintable(msgs->mostradas.join(QLatin1Char('\n'))));

        // A save into a folder that is not there says so; the next one writes.
        QString caminho = pasta.filePath(QStringLiteral("nao/existe/obra"));
        QString proposto;
        substituirEscolhaArquivoSalvar([&](const QString&, const QString& c) {
            proposto = c;
            return caminho;
        });
        atalho(QKeySequence(QStringLiteral("Ctrl+S")));
        QVERIFY(proposto.endsWith(QStringLiteral("/Arquivos/ClaTubo1")));
        QCOMPARE(msgs->ultima(), QStringLiteral("mensagem: Não foi possível salvar o arquivo \"obra.kvn\": a pasta "
                                                "não existe. O arquivo anterior, se havia, "
                                                "continua como estava."));
        caminho = pasta.filePath(QStringLiteral("obra"));
        atalho(QKeySequence(QStringLiteral("Ctrl+S")));
        const QByteArray kvn = bytesDe(pasta.filePath(QStringLiteral("obra.kvn")));
        QVERIFY(kvn.startsWith("PROJETISTA\r\nAna Souza\r\n"));
        QVERIFY(kvn.contains("\r\nGEOMETRIA\r\n0\r\n1\r\n6\r\n1\r\n"));
        QVERIFY(kvn.contains("\r\nINSTALA\xC7\xC3O\r\n0\r\n2\r\n2,50\r\n1,80\r\n"));
        QVERIFY(kvn.contains("\r\nSOBRECARGA\r\n4\r\n12,00\r\n"));
        QVERIFY(kvn.contains("\r\nCLASSE DO TUBO\r\n82,84 kN/m\r\n 108,00 kN/m\r\n n\xE3o existe\r\n PA3\r\n"));

        // The preview's "Salvar em PDF" (Ctrl+E) proposes the report's name.
        QString propostoPdf;
        substituirEscolhaArquivoSalvar([&](const QString& titulo, const QString& c) {
            propostoPdf = titulo + QLatin1Char('|') + c;
            return pasta.filePath(QStringLiteral("relatorio"));
        });
        atalho(QKeySequence(Qt::Key_F7), [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Visualização do relatório"));
            ativar(d);
            QTest::keySequence(&d, QKeySequence(QStringLiteral("Ctrl+E")));
            d.reject();
        });
        QCOMPARE(propostoPdf, QStringLiteral("Salvar em PDF|") + base->caminho(QStringLiteral("Arquivos/")) +
                                  QStringLiteral("Especificação da classe de resistência dos tubos de concreto.pdf"));
        const QString texto = textoDoPdf(pasta.filePath(QStringLiteral("relatorio.pdf")));
        for (const char* esperado : {"Ana Souza", "Diâmetro interno = 800 mm", "Altura de terra (hs): 2,50 m",
                                     "Largura da vala (bv) = 1,80 m", "Natureza: Definida pelo usuário",
                                     "γf = 1,60", "Valor = 82,84 kN/m", "Tubos Armados = 108,00 kN/m",
                                     "Classe do Tubo: PA3"})
            QVERIFY2(texto.contains(QString::fromUtf8(esperado)), esperado);

        // Ctrl+Q asks; "Sim" ends the program and keeps the designer data.
        atalho(QKeySequence(QStringLiteral("Ctrl+Q")), [](QDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("TFsairSN"));
            d.findChild<QPushButton*>(QStringLiteral("BotaoSim"))->click();
        });
        QVERIFY(!principal().isVisible());
        QVERIFY(bytesDe(base->caminho(QStringLiteral("Config/Projetista.ini"))).contains("\r\nAna Souza\r\n"));
        QCOMPARE(msgs->mostradas.size(), 1); // only the refused save
    }

    // A shallow cover over a class A projection at its greatest ha leaves no
    // equivalence factor: the window says so and stays open until a class
    // with a factor is chosen. An installation text that is no number is
    // refused the same way.
    void aterroSemFatorRecusado()
    {
        ProjetoTubo projeto;
        projeto.instalacao.tipo = ProjecaoPositiva;
        projeto.instalacao.alturaTerra = "0,10";
        projeto.instalacao.alturaHa = "0,54";
        TFormBasesSaliPosit janela(projeto);
        janela.show();
        janela.RadioGroup1->button(0)->click();
        janela.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
        QVERIFY(janela.isVisible());
        QCOMPARE(msgs->ultima(), QStringLiteral("mensagem: ") + QString::fromUtf8(mensagemSemFatorEquivalencia));
        QCOMPARE(projeto.baseAterro.classe, BaseAssentamento{}.classe);
        QVERIFY(!projeto.etapas.base);

        janela.RadioGroup1->button(3)->click();
        janela.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
        QVERIFY(!janela.isVisible());
        QCOMPARE(projeto.baseAterro.classe, 3);
        QVERIFY(projeto.etapas.base);

        projeto.instalacao.gama = "19,2x";
        janela.show();
        const int antes = msgs->mostradas.size();
        janela.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
        QVERIFY(janela.isVisible());
        QCOMPARE(msgs->mostradas.size(), antes + 1);
        QCOMPARE(msgs->ultima(), QStringLiteral("mensagem: \"19,2x\" não é um número válido."));
        janela.cancelar();
    }

    // The designer file is windows-1252: what it cannot hold is refused
    // where it is typed.
    void projetistaRecusaCaracteresForaDoArquivo()
    {
        modal->roteiro.append([](QDialog& d) {
            auto& p = static_cast<TFprojetista&>(d);
            digitar(p.Edit[0], QStringLiteral("José ę № Araújo – €"));
            QCOMPARE(p.Edit[0]->text(), QStringLiteral("José   Araújo – €"));
            // A pasted or dropped line break would split the file's line.
            p.Edit[1]->clear();
            p.Edit[1]->insert(QStringLiteral("123\r\n456"));
            QCOMPARE(p.Edit[1]->text(), QString());
            confirmarComAltF4(p);
        });
        cmd("Bpro")->trigger();
        QCOMPARE(QString::fromStdString(app->projeto.projetista.nome), QStringLiteral("José   Araújo – €"));
    }
};

QTEST_MAIN(CaminhoKolvanTeste)
#include "caminhoKolvanTeste.moc"
