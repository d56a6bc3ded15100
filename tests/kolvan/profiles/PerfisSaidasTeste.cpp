// The profiles as files and in the network window: the SVG sheets at their
// true size, the PDF on A3 landscape, and the window's "Perfis" and
// "Exportar perfis" commands.
#include "DialogosArquivo.h"
#include "DiscoCheio.h"
#include "ExecucaoModal.h"
#include "MensagensGravadas.h"
#include "PintorPerfil.h"
#include "ProjetoTubo.h"
#include "Figuras.h"
#include "TFormEscalasPerfil.h"
#include "TFormRede.h"
#include "leituraRede.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

RedeTubulacoes redeExemplo()
{
    QFile f(QStringLiteral(EXEMPLOS "/rede-exemplo.xml"));
    f.open(QIODevice::ReadOnly);
    RedeTubulacoes rede;
    rede.entradas = lerArquivoRede(f.readAll().toStdString()).trechos;
    rede.resultados = classificarRede(ProjetoTubo{}, rede.entradas);
    return rede;
}

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class PerfisSaidasTeste : public QObject {
    Q_OBJECT

private slots:
    void svgEPdfNoTamanhoDaFolha()
    {
        QTemporaryDir pasta;
        const PerfisRede perfis = montarPerfisRede(redeExemplo(), {}, {});
        QVERIFY(perfis.folhas.size() >= 2);
        QCOMPARE(exportarPerfisSvg(perfis, pasta.path()), QString());
        for (const FolhaPerfil& f : perfis.folhas) {
            const QByteArray svg = conteudo(pasta.filePath(QStringLiteral("perfil-%1.svg").arg(f.numero)));
            QVERIFY2(svg.contains("width=\"420mm\" height=\"297mm\""), svg.left(600).constData());
            QVERIFY(svg.contains("viewBox=\"0 0 4200 2970\""));
            QVERIFY(svg.contains(QStringLiteral("Folha %1 de %2").arg(f.numero).arg(f.total).toUtf8()));
        }
        QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("perfil-%1.svg").arg(perfis.folhas.size() + 1))));

        const QString pdf = pasta.filePath(QStringLiteral("perfis.pdf"));
        QCOMPARE(exportarPerfisPdf(perfis, pdf), QString());
        const QByteArray bytes = conteudo(pdf);
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), static_cast<qsizetype>(perfis.folhas.size()));
        QVERIFY2(bytes.contains("/MediaBox [0 0 1191.000000 842.000000]"), "A3 landscape in points");
        // A folder that is not there: the user is told, nothing is claimed.
        QVERIFY(!exportarPerfisPdf(perfis, pasta.filePath(QStringLiteral("nao-existe/perfis.pdf"))).isEmpty());
        QVERIFY(!exportarPerfisDxf(perfis, pasta.filePath(QStringLiteral("nao-existe"))).isEmpty());

        // A full disk is named as such and the earlier files stay whole.
        const QByteArray anteriorPdf = conteudo(pdf);
        const QByteArray anteriorSvg = conteudo(pasta.filePath(QStringLiteral("perfil-1.svg")));
        {
            DiscoCheio disco(1000);
            for (const QString& erro : {exportarPerfisPdf(perfis, pdf), exportarPerfisSvg(perfis, pasta.path())})
                QVERIFY2(erro.contains(QStringLiteral(": disco cheio. O arquivo anterior, se havia, continua como estava.")),
                         qPrintable(erro));
        }
        QCOMPARE(conteudo(pdf), anteriorPdf);
        QCOMPARE(conteudo(pasta.filePath(QStringLiteral("perfil-1.svg"))), anteriorSvg);
    }

    void janelaMostraEExportaOsPerfis()
    {
        MensagensGravadas msgs;
        QTemporaryDir pasta;
        ProjetoTubo projeto;
        TFormRede janela(projeto);
        QVERIFY(janela.importarArquivo(QStringLiteral(EXEMPLOS "/rede-exemplo.csv")));

        QString tituloVisto;
        substituirExecucaoModal([&](QDialog& d) {
            tituloVisto = d.windowTitle();
            return 0;
        });
        auto* perfis = janela.findChild<QToolButton*>(QStringLiteral("Bperfis"));
        QVERIFY(perfis);
        QCOMPARE(perfis->text(), QStringLiteral("Perfis"));
        perfis->click();
        QCOMPARE(tituloVisto, QStringLiteral("Visualização dos perfis longitudinais"));
        substituirExecucaoModal({});

        substituirEscolhaArquivoSalvar([&](const QString&, const QString& proposto) {
            return pasta.filePath(QFileInfo(proposto).fileName() == QStringLiteral("coletor.dxf")
                                      ? QStringLiteral("rede.dxf")
                                      : QFileInfo(proposto).fileName());
        });
        janela.findChild<QAction*>(QStringLiteral("MexportarPerfisDxf"))->trigger();
        QCOMPARE(msgs.ultima(), QStringLiteral("mensagem: Perfis gravados em 2 arquivos, de rede-1.dxf a rede-2.dxf."));
        QVERIFY(QFile::exists(pasta.filePath(QStringLiteral("rede-2.dxf"))));
        QVERIFY(conteudo(pasta.filePath(QStringLiteral("rede-1.dxf"))).contains("ANSI_1252"));
        janela.findChild<QAction*>(QStringLiteral("MexportarPerfisSvg"))->trigger();
        QVERIFY(QFile::exists(pasta.filePath(QStringLiteral("perfil-5.svg"))));
        QVERIFY(msgs.ultima().startsWith(QStringLiteral("mensagem: Perfis gravados em 5 arquivos")));

        // Scales chosen in their window are kept and draw the next sheets:
        // at 1:500 the CSV example's 1 517 m take more sheets than at 1:1000.
        const QString config = caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Perfis.ini"));
        QVERIFY(!QFile::exists(config));
        substituirExecucaoModal([](QDialog& d) {
            auto& j = dynamic_cast<TFormEscalasPerfil&>(d);
            j.CmbBxHorizontal->setCurrentIndex(j.CmbBxHorizontal->findData(500));
            return static_cast<int>(QDialog::Accepted);
        });
        janela.findChild<QAction*>(QStringLiteral("MescalasPerfis"))->trigger();
        substituirExecucaoModal({});
        QCOMPARE(lerEscalasPerfis(), (EscalasPerfil{500, 100}));
        QVERIFY(conteudo(config).contains("EscalaHorizontal=500\r\nEscalaVertical=100\r\n"));
        QVERIFY(janela.BexportarPerfisSvgClick());
        QVERIFY(QFile::exists(pasta.filePath(QStringLiteral("perfil-8.svg"))));
        QVERIFY(conteudo(pasta.filePath(QStringLiteral("perfil-1.svg"))).contains("horizontal 1:500"));
        QVERIFY(QFile::remove(config));
        substituirEscolhaArquivoSalvar({});

        // An empty network has nothing to draw and says so.
        TFormRede vazia(projeto);
        vazia.findChild<QToolButton*>(QStringLiteral("Bperfis"))->click();
        QCOMPARE(msgs.ultima(), QStringLiteral("mensagem: A rede não tem trechos com comprimento para desenhar os perfis."));
    }
};

QTEST_MAIN(PerfisSaidasTeste)
#include "PerfisSaidasTeste.moc"
