// kolvan-calc --perfis as a user runs it: the LandXML example's profiles as
// PDF, SVG sheets and DXF collectors, and the options' misuse.
#include "ArquivoKolvan.h"
#include "execucaoCalculadora.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class PerfisCalcTeste : public QObject {
    Q_OBJECT

private slots:
    void gravaOsPerfisDaRede()
    {
        QTemporaryDir pasta;
        QString erro;
        const QString base = pasta.filePath(QStringLiteral("base.kvn"));
        QVERIFY(salvarProjeto(ProjetoTubo{}, base, erro));
        const QString saida = pasta.filePath(QStringLiteral("perfis"));
        const Execucao e = rodarCalculadora(QStringLiteral(KOLVAN_CALC),
                                            {QStringLiteral("--rede"), QStringLiteral(EXEMPLOS "/rede-exemplo.xml"),
                                             QStringLiteral("--projeto"), base, QStringLiteral("--perfis"), saida,
                                             QStringLiteral("--svg"), QStringLiteral("--dxf")});
        QCOMPARE(e.status, 0);
        QCOMPARE(e.erro, QString());
        const QDir d(saida);
        QCOMPARE(d.entryList(QDir::Files, QDir::Name),
                 QStringList({QStringLiteral("coletor-1.dxf"), QStringLiteral("perfil-1.svg"),
                              QStringLiteral("perfil-2.svg"), QStringLiteral("perfis.pdf")}));
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"), {d.filePath(QStringLiteral("perfis.pdf")), QStringLiteral("-")});
        QVERIFY(texto.waitForFinished());
        const QString lido = QString::fromUtf8(texto.readAllStandardOutput());
        for (const char* t : {"Perfil longitudinal — Coletor 1 (PV-01 a PV-11)", "Folha 1 de 2", "Folha 2 de 2",
                              "Escalas: horizontal 1:1000, vertical 1:100", "Recobrimento hs (m)"})
            QVERIFY2(lido.contains(QString::fromUtf8(t)), t);

        const Execucao sem = rodarCalculadora(QStringLiteral(KOLVAN_CALC),
                                              {QStringLiteral("--rede"), QStringLiteral(EXEMPLOS "/rede-exemplo.xml"),
                                               QStringLiteral("--projeto"), base, QStringLiteral("--dxf")});
        QCOMPARE(sem.status, 2);
        QVERIFY2(sem.erro.startsWith(QStringLiteral("kolvan-calc: --dxf pede --perfis com a pasta dos perfis\n")),
                 qPrintable(sem.erro));
    }
};

QTEST_MAIN(PerfisCalcTeste)
#include "perfisCalcTeste.moc"
