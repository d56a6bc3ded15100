// Redwan's whole road through the application object, as the keyboard
// drives it: each step by its shortcut, values typed into the windows,
// Alt+F4 to confirm, the design run and its results confirmed, the project
// saved, the report saved as a PDF from its preview, and the exit. Beside
// it, the manufacturer's characters that the file cannot hold, refused where
// they are typed. The faster twin of redwan.sh.
#include "BaseTemporaria.h"
#include "DialogosArquivo.h"
#include "ExecucaoModal.h"
#include "MensagensGravadas.h"
#include "RoteiroModal.h"
#include "Pausa.h"
#include "TFDimensionamentoArmadura.h"
#include "TFclasseRedwa.h"
#include "TFfabricante.h"
#include "TFgeometria.h"
#include "TFobra.h"
#include "TFormDimensionamento.h"
#include "TFormPrincipal.h"
#include "inicioRedwan.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
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

void clicar(QDialog& janela, const char* botao)
{
    auto* b = janela.findChild<QPushButton*>(QLatin1String(botao));
    QVERIFY2(b, botao);
    b->click();
}
} // namespace

class CaminhoRedwanTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BaseTemporaria> base;
    std::unique_ptr<AplicacaoRedwan> app;
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
        app = iniciarRedwan();
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
            {"Bnov", "Ctrl+N"}, {"Babr", "Ctrl+O"}, {"Bsav", "Ctrl+S"}, {"Bsai", "Ctrl+Q"}, {"Btel", ""},
            {"Bfab", ""},       {"Bobr", ""},       {"Bgeo", "F2"},     {"BclaD", "F3"},    {"Barm", "F4"},
            {"Bdim", "F5"},     {"BrelD", "F6"},    {"BmemD", "F7"},    {"Btab", "F8"},     {"BsobreD", ""},
            {"ToolButton2", ""}};
        for (const auto& [nome, teclas] : atalhos)
            QCOMPARE(cmd(nome)->shortcut(), QKeySequence(QLatin1String(teclas)));
        // The menu items read as they always did (beside the recent files).
        QStringList itens;
        for (QAction* menu : principal().menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator() && !item->objectName().startsWith(QLatin1String("Recente")))
                    itens << item->text();
        QCOMPARE(itens, (QStringList{"Novo", "Abrir", "Salvar", "Sair", "Telas Soldadas", "Fabricante", "Custos",
                                     "Obra/Cliente", "Geometria", "Classe do tubo", "Armadura",
                                     "Resultado do dimensionamento", "Relatorio", "Memória de cálculo",
                                     "Tabela de armaduras", "Autores e Responsaveis"}));
        // A step not yet enabled does nothing by its key.
        modal->mostradas.clear();
        atalho(QKeySequence(Qt::Key_F5));
        QVERIFY(modal->mostradas.isEmpty());
    }

    // 1000 mm "Macho e Fêmea", a special load of 190 kN/m, fck 40 MPa, two
    // cages in a 150 mm wall.
    void caminhoInteiroPeloTeclado()
    {
        QTemporaryDir pasta;
        modal->roteiro.append([](QDialog& d) {
            auto& f = static_cast<TFfabricante&>(d);
            digitar(f.E[0], QStringLiteral("Tubos Horizonte"));
            f.CB1->setChecked(true);
            clicar(f, "BotaoConfirma");
        });
        cmd("Bfab")->trigger();
        modal->roteiro.append([](QDialog& d) {
            auto& o = static_cast<TFobra&>(d);
            digitar(o.Edit[0], QStringLiteral("Rede coletora"));
            clicar(o, "BotaoConfirma");
        });
        cmd("Bobr")->trigger();

        atalho(QKeySequence(Qt::Key_F2), [](QDialog& d) {
            auto& g = static_cast<TFgeometria&>(d);
            QTest::keyClick(g.CmbBxTipoTubo, Qt::Key_Up); // "Macho e Fêmea"
            g.CmbBxDi->setFocus();
            QTest::keyClicks(g.CmbBxDi, QStringLiteral("1000"));
            confirmarComAltF4(g);
        });
        atalho(QKeySequence(Qt::Key_F3), [](QDialog& d) {
            auto& c = static_cast<TFclasseRedwa&>(d);
            c.RadioGroup1->button(4)->click(); // "Especial"
            digitar(c.Epesp, QStringLiteral("190"));
            confirmarComAltF4(c);
        });
        atalho(QKeySequence(Qt::Key_F4), [](QDialog& d) {
            auto& a = static_cast<TFormDimensionamento&>(d);
            digitar(a.Edit2, QStringLiteral("40"));
            a.RadioGroup1->button(1)->click(); // "Circular dupla"
            digitar(a.EdtEs, QStringLiteral("150"));
            confirmarComAltF4(a);
        });
        QStringList resultado;
        atalho(QKeySequence(Qt::Key_F5), [&resultado](QDialog& d) {
            auto& r = static_cast<TFDimensionamentoArmadura&>(d);
            for (const char* nome : {"Label3", "Label5", "Pint", "Pext", "Label28"})
                resultado << r.rotulo(QLatin1String(nome))->text();
            confirmarComAltF4(r);
        });
        QCOMPARE(resultado, (QStringList{"32,01 kN.m", "5,62 cm²/m", "MF 159 + MF 396", "MF 246",
                                         "(Não passa na verificação de esforço cortante)"}));
        QVERIFY2(msgs->mostradas.isEmpty(), qPrintable(msgs->mostradas.join(QLatin1Char('\n'))));

        // A save into a folder that is not there says so; the next one writes.
        QString caminho = pasta.filePath(QStringLiteral("nao/existe/tubo"));
        QString proposto;
        substituirEscolhaArquivoSalvar([&](const QString&, const QString& c) {
            proposto = c;
            return caminho;
        });
        atalho(QKeySequence(QStringLiteral("Ctrl+S")));
        QVERIFY(proposto.endsWith(QStringLiteral("/Arquivos/DimTubo1")));
        QVERIFY(msgs->ultima().startsWith(QStringLiteral("mensagem: Não foi possível salvar o arquivo \"tubo.rdw\"")));
        caminho = pasta.filePath(QStringLiteral("tubo"));
        atalho(QKeySequence(QStringLiteral("Ctrl+S")));
        const QByteArray rdw = bytesDe(pasta.filePath(QStringLiteral("tubo.rdw")));
        QVERIFY(rdw.startsWith("OBRA\r\nRede coletora\r\n"));
        QVERIFY(rdw.contains("\r\nGEOMETRIA\r\n0\r\n0\r\n7\r\n0\r\n"));
        QVERIFY(rdw.contains("\r\nTUBO\r\n4\r\n190,00\r\n"));
        QVERIFY(rdw.contains("\r\nARMADURA\r\n40,00\r\n1\r\n3,5\r\n2,5\r\n150\r\n1,15\r\n1,40\r\n"));
        QVERIFY(rdw.contains("\r\nMF 159 + MF 396\r\nMF 246\r\n"));

        // The preview's "Salvar em PDF" (Ctrl+E) proposes the report's name.
        QString propostoPdf;
        substituirEscolhaArquivoSalvar([&](const QString&, const QString& c) {
            propostoPdf = c;
            return pasta.filePath(QStringLiteral("relatorio"));
        });
        atalho(QKeySequence(Qt::Key_F6), [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Visualização do relatório"));
            ativar(d);
            QTest::keySequence(&d, QKeySequence(QStringLiteral("Ctrl+E")));
            d.reject();
        });
        QCOMPARE(propostoPdf, base->caminho(QStringLiteral("Arquivos/")) +
                                  QStringLiteral("Dimensionamento da armadura de tubos de concreto armado.pdf"));
        const QString texto = textoDoPdf(pasta.filePath(QStringLiteral("relatorio.pdf")));
        for (const char* esperado : {"Tubos Horizonte", "Serviços Prestados: Rede coletora", "Tipo: Macho e Fêmea",
                                     "Diâmetro interno = 1000 mm", "Classe do Tubo: Especial",
                                     "Carga minima de ruptura: 190,00 kN/m", "Tipo de Armadura: Circular dupla",
                                     "Espessura da parede = 150 mm", "As = 5,62 cm²/m",
                                     "Tela Interna = MF 159 + MF 396", "Tela Externa = MF 246",
                                     "(Não passa na verificação de esforço cortante)"})
            QVERIFY2(texto.contains(QString::fromUtf8(esperado)), esperado);

        // Ctrl+Q asks; "Sim" ends the program and keeps the manufacturer data.
        atalho(QKeySequence(QStringLiteral("Ctrl+Q")), [](QDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("TFsairSN"));
            clicar(d, "BotaoSim");
        });
        QVERIFY(!principal().isVisible());
        QVERIFY(bytesDe(base->caminho(QStringLiteral("Config/Fabricante.ini")))
                    .startsWith("FABRICANTE\r\nTubos Horizonte\r\n"));
        QCOMPARE(msgs->mostradas.size(), 1); // only the refused save
    }

    // The manufacturer file is windows-1252: what it cannot hold is refused
    // where it is typed.
    void fabricanteRecusaCaracteresForaDoArquivo()
    {
        modal->roteiro.append([](QDialog& d) {
            auto& f = static_cast<TFfabricante&>(d);
            digitar(f.E[0], QStringLiteral("Tubos ę № São João – €"));
            QCOMPARE(f.E[0]->text(), QStringLiteral("Tubos   São João – €"));
            clicar(f, "BotaoConfirma");
        });
        cmd("Bfab")->trigger();
        QCOMPARE(QString::fromStdString(app->fabricante->dados().nome), QStringLiteral("Tubos   São João – €"));
    }
};

QTEST_MAIN(CaminhoRedwanTeste)
#include "caminhoRedwanTeste.moc"
