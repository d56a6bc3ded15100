// kolvan-calc --recobrimentos run as a user runs it: the blocks of a saved
// project's cover table, its CSV, report and spreadsheet, and its usage.
#include "ArquivoKolvan.h"
#include "execucaoCalculadora.h"
#include "saidaRecobrimentos.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
Execucao kolvanCalc(const QStringList& argumentos) { return rodarCalculadora(QStringLiteral(KOLVAN_CALC), argumentos); }
} // namespace

class KolvanCalcRecobrimentosTeste : public QObject {
    Q_OBJECT

private slots:
    void tabelaDoProjeto()
    {
        QTemporaryDir pasta;
        ProjetoTubo p; // trench, Classe 45
        QString erro;
        const QString base = pasta.filePath(QStringLiteral("base.kvn"));
        QVERIFY(salvarProjeto(p, base, erro));
        const QString pdf = pasta.filePath(QStringLiteral("pdf"));
        const QString xlsx = pasta.filePath(QStringLiteral("tabela.xlsx"));
        const Execucao e = kolvanCalc({QStringLiteral("--recobrimentos"), QStringLiteral("--projeto"), base,
                                       QStringLiteral("--pdf"), pdf, QStringLiteral("--xlsx"), xlsx});
        QCOMPARE(e.status, 0);
        QCOMPARE(e.erro, QString());
        QCOMPARE(e.saida, QString::fromStdString(saidaRecobrimentos(calcularTabelaRecobrimentos(p), false)));
        // One block per diameter and class, a blank line between them: 200 mm
        // has 2 simple classes, 300 to 600 mm 4 + 2, the ten larger ones 4.
        const QStringList blocos = e.saida.split(QStringLiteral("\n\n"));
        QCOMPARE(blocos.size(), 2 + 4 * 6 + 10 * 4);
        QCOMPARE(blocos[0], QStringLiteral("di: 200\nclasse: PS1\ntipo: simples\ncarga: 16,000000\nintervalos: 0,60 a 1,68"));
        QVERIFY(blocos.contains(QStringLiteral("di: 400\nclasse: PA1\ntipo: armado\ncarga: 24,000000\nintervalos: 0,70 a 1,05")));
        QVERIFY(blocos.contains(QStringLiteral("di: 600\nclasse: PS1\ntipo: simples\ncarga: 24,000000\nintervalos: ")));
        QVERIFY(blocos.last().endsWith(QStringLiteral("\n")));

        const QString arquivoPdf = QDir(pdf).filePath(QStringLiteral("base-recobrimentos.pdf"));
        QVERIFY(QFile::exists(arquivoPdf));
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"), {arquivoPdf, QStringLiteral("-")});
        QVERIFY(texto.waitForFinished());
        const QString lido = QString::fromUtf8(texto.readAllStandardOutput());
        for (const char* trecho : {"TABELA DE RECOBRIMENTOS", "Alturas de terra em que cada classe atende",
                                   "Menor classe armada que atende", "0,70 a 1,05 m", "Especial", "Página 1 de "})
            QVERIFY2(lido.contains(QString::fromUtf8(trecho)), trecho);
        QFile planilha(xlsx);
        QVERIFY(planilha.open(QIODevice::ReadOnly));
        QCOMPARE(planilha.read(2), QByteArray("PK"));

        const Execucao csv = kolvanCalc({QStringLiteral("--projeto"), base, QStringLiteral("--recobrimentos"),
                                         QStringLiteral("--csv")});
        QCOMPARE(csv.status, 0);
        QVERIFY(csv.saida.startsWith(QStringLiteral("di;classe;tipo;carga;intervalos\n200;PS1;simples;16,000000;0,60 a 1,68\n")));
    }

    void usoEAjuda()
    {
        const Execucao ajuda = kolvanCalc({QStringLiteral("--recobrimentos"), QStringLiteral("--help")});
        QCOMPARE(ajuda.status, 0);
        QVERIFY(ajuda.saida.startsWith(QStringLiteral("Tabela de recobrimentos: ")));
        const Execucao geral = kolvanCalc({QStringLiteral("--help")});
        QVERIFY(geral.saida.contains(QStringLiteral("\n  kolvan-calc --recobrimentos --projeto BASE.kvn")));
        struct Caso {
            QStringList argumentos;
            int status;
            const char* erro;
        };
        const Caso casos[] = {
            {{QStringLiteral("--recobrimentos")}, 2, "falta --projeto"},
            {{QStringLiteral("--recobrimentos"), QStringLiteral("--projeto")}, 2, "--projeto pede o arquivo"},
            {{QStringLiteral("--recobrimentos"), QStringLiteral("--projeto"), QStringLiteral("a.kvn"), QStringLiteral("--x")}, 2,
             "opção desconhecida: --x"},
            {{QStringLiteral("--recobrimentos"), QStringLiteral("--projeto"), QStringLiteral("/nenhum/a.kvn")}, 1, "kolvan-calc: "},
        };
        for (const Caso& c : casos) {
            const Execucao e = kolvanCalc(c.argumentos);
            QCOMPARE(e.status, c.status);
            QVERIFY2(e.erro.contains(QString::fromUtf8(c.erro)), qPrintable(e.erro));
            QCOMPARE(e.saida, QString());
        }
    }
};

QTEST_MAIN(KolvanCalcRecobrimentosTeste)
#include "kolvanCalcRecobrimentosTeste.moc"
