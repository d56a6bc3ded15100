// kolvan-calc --rede run as a user runs it: the example network classed with
// a saved project, its blocks, its exit status, its report and spreadsheet.
#include "ArquivoKolvan.h"
#include "execucaoCalculadora.h"
#include "leituraRede.h"
#include "redeTubulacoes.h"
#include "saidaRede.h"
#include "relatorioRede.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
Execucao kolvanCalc(const QStringList& argumentos) { return rodarCalculadora(QStringLiteral(KOLVAN_CALC), argumentos); }

const QString exemploCsv = QStringLiteral(EXEMPLOS "/rede-exemplo.csv");
const QString exemploXml = QStringLiteral(EXEMPLOS "/rede-exemplo.xml");
} // namespace

class KolvanCalcRedeTeste : public QObject {
    Q_OBJECT

private slots:
    void classificaARedeComOProjeto()
    {
        QTemporaryDir pasta;
        ProjetoTubo p;
        p.sobrecarga.natureza = 5;
        QString erro;
        const QString base = pasta.filePath(QStringLiteral("base.kvn"));
        QVERIFY(salvarProjeto(p, base, erro));

        const QString pdf = pasta.filePath(QStringLiteral("pdf"));
        const QString xlsx = pasta.filePath(QStringLiteral("rede.xlsx"));
        const Execucao e = kolvanCalc({QStringLiteral("--rede"), exemploCsv, QStringLiteral("--projeto"), base,
                                       QStringLiteral("--memoria"), QStringLiteral("--trecho"), QStringLiteral("T-02"),
                                       QStringLiteral("--pdf"), pdf,
                                       QStringLiteral("--xlsx"), xlsx});
        QCOMPARE(e.status, 1); // the example has stretches without a class
        QVERIFY2(!e.erro.contains(QStringLiteral("kolvan-calc:")), qPrintable(e.erro));
        QFile arquivo(exemploCsv);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        RedeTubulacoes rede;
        rede.entradas = lerCsvRede(arquivo.readAll().toStdString()).trechos;
        rede.resultados = classificarRede(p, rede.entradas);
        QCOMPARE(e.saida, QString::fromStdString(saidaRede(rede, false)));
        QVERIFY(e.saida.contains(QStringLiteral("trecho: T-01\nhsMontante: 1,200000\n")));
        QVERIFY(e.saida.contains(QStringLiteral("quantitativo: total\n")));
        QVERIFY(QFile::exists(QDir(pdf).filePath(QStringLiteral("rede-exemplo.pdf"))));
        // The heading, the stretches and the quantities, each page numbered.
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"), {QDir(pdf).filePath(QStringLiteral("rede-exemplo.pdf")), QStringLiteral("-")});
        QVERIFY(texto.waitForFinished());
        const QString lido = QString::fromUtf8(texto.readAllStandardOutput());
        // Every page after the first under the project's heading; the trench
        // quantities with their rule.
        for (const char* pagina : {"Página 1 de 4", "Página 2 de 4", "Página 3 de 4", "Página 4 de 4",
                                   "Quantitativos de vala:", "Escoramento das duas paredes 2·L·h"})
            QVERIFY2(lido.contains(QString::fromUtf8(pagina)), pagina);
        QCOMPARE(lido.count(QString::fromUtf8(tituloRelatorioRede)), 4);
        QVERIFY(QFile::exists(xlsx));
        // The network's calculation sheet: the rule, one line per stretch (the
        // point that failed for one without a class), the signature block.
        QProcess memoria;
        memoria.start(QStringLiteral("pdftotext"),
                      {QDir(pdf).filePath(QStringLiteral("rede-exemplo-memoria-rede.pdf")), QStringLiteral("-")});
        QVERIFY(memoria.waitForFinished());
        const QString folha = QString::fromUtf8(memoria.readAllStandardOutput()).simplified();
        for (const char* esperado : {"MEMÓRIA DE CÁLCULO DA REDE", "Regra de classificação dos trechos",
                                     "múltiplo de 0,05 m", "30 trechos; sem classe: 5 trechos.", "T-01", "T-30",
                                     "Sem classe: hs = ", "hs gov.", "(kN/m)", "Projetista:", "ART nº",
                                     "Memória do trecho T-02 na altura de terra governante hs = "})
            QVERIFY2(folha.contains(QString::fromUtf8(esperado)), esperado);

        const Execucao xml = kolvanCalc({QStringLiteral("--csv"), QStringLiteral("--rede"), exemploXml,
                                         QStringLiteral("--projeto"), base});
        QCOMPARE(xml.status, 0);
        QVERIFY(xml.saida.startsWith(QStringLiteral("trecho;hsMontante;hsJusante;hsGovernante;bv;W;qs;fe;R;")));
    }

    // The network's options are found from the calculator's own usage.
    void ajuda()
    {
        const Execucao geral = kolvanCalc({QStringLiteral("--help")});
        QCOMPARE(geral.status, 0);
        QVERIFY(geral.saida.contains(QStringLiteral("--rede --help mostra as suas opções):\n  kolvan-calc --rede ")));
        for (const QString& pedido : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const Execucao e = kolvanCalc({QStringLiteral("--rede"), pedido});
            QCOMPARE(e.status, 0);
            QVERIFY(e.saida.startsWith(QStringLiteral("Classe de resistência de cada trecho de uma rede")));
            QVERIFY(e.saida.contains(QStringLiteral("\n  --projeto BASE.kvn ")));
            QCOMPARE(e.erro, QString());
        }
    }

    void usoErradoEArquivosRecusados()
    {
        QTemporaryDir pasta;
        QString erro;
        const QString base = pasta.filePath(QStringLiteral("base.kvn"));
        QVERIFY(salvarProjeto(ProjetoTubo{}, base, erro));
        const QString ruim = pasta.filePath(QStringLiteral("ruim.xml"));
        QFile f(ruim);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<LandXML>\n<Units>\n</LandXML>\n");
        f.close();

        struct Caso {
            QStringList args;
            int status;
            QString erro;
        } casos[] = {
            {{QStringLiteral("--rede"), exemploCsv}, 2,
             QStringLiteral("kolvan-calc: falta --projeto com o projeto de onde vêm os parâmetros\nuso: ")},
            {{QStringLiteral("--rede"), ruim, QStringLiteral("--projeto"), base}, 1,
             QStringLiteral("kolvan-calc: ") + ruim + QStringLiteral(": Linha 3: o arquivo não é um XML válido")},
            {{QStringLiteral("--rede"), exemploCsv, QStringLiteral("--projeto"), pasta.filePath(QStringLiteral("nada.kvn"))},
             1, QStringLiteral("kolvan-calc: ")},
            {{QStringLiteral("--rede"), exemploCsv, QStringLiteral("--projeto"), base, QStringLiteral("--trecho"),
              QStringLiteral("T-01")},
             2, QStringLiteral("kolvan-calc: --trecho pede --memoria")},
            {{QStringLiteral("--rede"), exemploCsv, QStringLiteral("--projeto"), base, QStringLiteral("--memoria"),
              QStringLiteral("--trecho"), QStringLiteral("T-99")},
             1, QStringLiteral("kolvan-calc: o trecho T-99 não está em ") + exemploCsv},
        };
        for (const Caso& c : casos) {
            const Execucao e = kolvanCalc(c.args);
            QCOMPARE(e.status, c.status);
            QVERIFY2(e.erro.contains(c.erro), qPrintable(e.erro));
            QVERIFY(e.saida.isEmpty());
        }
    }

    // A project with its network saved beside it is the whole input; the
    // trench parameters change only the trench quantities.
    void projetoComARedeAoLado()
    {
        QTemporaryDir pasta;
        QString erro;
        ProjetoTubo p;
        p.sobrecarga.natureza = 5;
        p.baseVala.classe = 1; // B: the bed counts
        const QString kvn = pasta.filePath(QStringLiteral("obra.kvn"));
        QVERIFY(salvarProjeto(p, kvn, erro));
        const Execucao sem = kolvanCalc({QStringLiteral("--rede"), kvn});
        QCOMPARE(sem.status, 1);
        QVERIFY2(sem.erro.contains(QStringLiteral("não tem rede salva ao seu lado")), qPrintable(sem.erro));
        QVERIFY(QFile::copy(exemploXml, pasta.filePath(QStringLiteral("obra-rede.csv"))));
        const Execucao e = kolvanCalc({QStringLiteral("--rede"), kvn, QStringLiteral("--lastro"), QStringLiteral("0.2"),
                                       QStringLiteral("--escoramento-acima"), QStringLiteral("100"),
                                       QStringLiteral("--empolamento"), QStringLiteral("1,3")});
        QCOMPARE(e.status, 0);
        RedeTubulacoes rede;
        QFile arquivo(exemploXml);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        rede.entradas = lerArquivoRede(arquivo.readAll().toStdString()).trechos;
        rede.vala = {0.20, 100.0, 1.30};
        rede.resultados = classificarRede(p, rede.entradas, rede.vala);
        QCOMPARE(e.saida, QString::fromStdString(saidaRede(rede, false)));
        QVERIFY(e.saida.contains(QStringLiteral("\nescoramento: 0,000000\nlastro: ")));
        QVERIFY(e.saida.contains(QStringLiteral("quantitativo: servicos\ntrechos: 10\n")));
        for (const QString& ruim : {QStringLiteral("0,9"), QStringLiteral("x")}) {
            const Execucao r = kolvanCalc({QStringLiteral("--rede"), kvn, QStringLiteral("--empolamento"), ruim});
            QCOMPARE(r.status, 2);
            QVERIFY2(r.erro.contains(QStringLiteral("--empolamento pede um fator de 1 a 100")), qPrintable(r.erro));
        }
    }
};

QTEST_MAIN(KolvanCalcRedeTeste)
#include "kolvanCalcRedeTeste.moc"
