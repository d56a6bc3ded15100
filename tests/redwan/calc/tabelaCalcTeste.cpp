// redwan-calc --tabela as a user runs it: every cell of the line, the walls
// file, the wall search, and the spreadsheet and report files.
#include "execucaoCalculadora.h"
#include "buscaParede.h"
#include "linhaProdutos.h"
#include "saidaCalculadora.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
Execucao redwanCalc(const QStringList& argumentos) { return rodarCalculadora(QStringLiteral(REDWAN_CALC), argumentos); }

QStringList blocos(const QString& saida) { return saida.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts); }
} // namespace

class TabelaCalcTeste : public QObject {
    Q_OBJECT

private slots:
    void semOpcoesALinhaPluvialInteira()
    {
        const Execucao e = redwanCalc({QStringLiteral("--tabela")});
        QCOMPARE(e.status, 0);
        QCOMPARE(e.erro, QString());
        const QStringList b = blocos(e.saida);
        QCOMPARE(b.size(), 56);
        QVERIFY(b[0].startsWith(QStringLiteral("di: 300,000000\nclasse: PA1\nP: 18,000000\nh: 45,000000\nMc: ")));
        // The cell is the single design with its inputs.
        ParametrosArmadura p;
        p.fck = "35";
        const CelulaLinha c = dimensionarCelula(linhaPadrao(0, 0, p), 3, 1, "60");
        QVERIFY(c.dimensionada());
        QVERIFY(b[13].contains(QStringLiteral("\nAsC: %1\n").arg(QString::fromStdString(numeroSaida(c.execucao.resultado.AsC)))));
        QVERIFY(b[13].contains(QStringLiteral("telaInterna: MF ")));
        // 500 mm PA4 on one cage stops, and says why.
        QVERIFY(b[11].startsWith(QStringLiteral("di: 500,000000\nclasse: PA4\n")));
        QVERIFY(b[11].contains(QStringLiteral("\nerro: Não foi possível realizar o dimensionamento")));
        QVERIFY(!b[11].contains(QStringLiteral("AsC:")));
    }

    // The line's options are found from the calculator's own usage; a wrong
    // one is named, with the usage.
    void ajudaEUsoErrado()
    {
        const Execucao geral = redwanCalc({QStringLiteral("--help")});
        QCOMPARE(geral.status, 0);
        QVERIFY(geral.saida.contains(QStringLiteral("\n  redwan-calc --tabela [OPÇÕES]    (--tabela --help")));
        for (const QString& pedido : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const Execucao e = redwanCalc({QStringLiteral("--tabela"), pedido});
            QCOMPARE(e.status, 0);
            QVERIFY(e.saida.startsWith(QStringLiteral("Tabela de armaduras de uma linha de produtos")));
            QVERIFY(e.saida.contains(QStringLiteral("\n  --parede-minima ")));
            QCOMPARE(e.erro, QString());
        }
        const Execucao errado = redwanCalc({QStringLiteral("--tabela"), QStringLiteral("--fck")});
        QCOMPARE(errado.status, 2);
        QCOMPARE(errado.saida, QString());
        QVERIFY(errado.erro.startsWith(QStringLiteral("redwan-calc: --fck pede um valor\nuso: redwan-calc --tabela [")));
    }

    void csvComParedeMinimaEEspessuras()
    {
        QTemporaryDir pasta;
        const QString espessuras = pasta.filePath(QStringLiteral("e.csv"));
        QFile f(espessuras);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("di;h\r\n300;60\r\n");
        f.close();
        const Execucao e = redwanCalc({QStringLiteral("--tabela"), QStringLiteral("--finalidade"), QStringLiteral("esgoto"),
                                       QStringLiteral("--armadura"), QStringLiteral("dupla"), QStringLiteral("--dint"),
                                       QStringLiteral("2"), QStringLiteral("--dext"), QStringLiteral("1,5"),
                                       QStringLiteral("--junta"),
                                       QStringLiteral("PB"), QStringLiteral("--espessuras"), espessuras,
                                       QStringLiteral("--parede-minima"), QStringLiteral("--csv")});
        QCOMPARE(e.status, 0);
        const QStringList linhas = e.saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 1 + 14 * 3);
        QVERIFY(linhas[0].endsWith(QStringLiteral(";verificacaoFissuras;acoInterno;acoExterno;acoTotal;concreto;custo;"
                                                  "hMinimaViavel;erro")));
        QVERIFY(linhas[1].startsWith(QStringLiteral("300,000000;EA2;27,000000;60,000000;")));
        QVERIFY(linhas[4].startsWith(QStringLiteral("400,000000;EA2;36,000000;50,000000;")));
    }

    // Each cell's cheapest passing wall at the prices typed; a wrong price
    // is refused before anything is designed.
    void menorCusto()
    {
        const QStringList linha{QStringLiteral("--tabela"), QStringLiteral("--armadura"), QStringLiteral("dupla"),
                                QStringLiteral("--dint"), QStringLiteral("3,5"), QStringLiteral("--dext"),
                                QStringLiteral("2,5"), QStringLiteral("--menor-custo"),
                                QStringLiteral("--preco-concreto"), QStringLiteral("550"),
                                QStringLiteral("--preco-aco"), QStringLiteral("9.50")};
        const Execucao e = redwanCalc(linha);
        QCOMPARE(e.status, 0);
        const QStringList b = blocos(e.saida);
        QCOMPARE(b.size(), 56);
        ParametrosArmadura p;
        escolherTipo(p, armaduraDupla, 1000.0);
        p.fck = "35";
        const BuscaMenorCusto m = buscarMenorCustoCelula(linhaPadrao(0, 0, p), 7, 1, PrecosCusto{});
        QVERIFY(m.paredeMenorCusto);
        // 1000 mm PA2: the thinnest passing wall is 90 mm, the cheapest thicker.
        QVERIFY2(b[29].contains(QStringLiteral("\nhMinimaViavel: 90,000000\nhMenorCusto: %1\ncustoMenor: %2\n")
                                    .arg(QString::fromStdString(numeroSaida(*m.paredeMenorCusto)),
                                         QString::fromStdString(numeroSaida(m.custoMenor)))),
                 qPrintable(b[29]));
        QVERIFY(b[28].contains(QStringLiteral("\nacoTotal: ")) && b[28].contains(QStringLiteral("\ncusto: ")));
        // 1000 mm PA4: no wall passes; both keys empty.
        QVERIFY2(b[31].contains(QStringLiteral("\nhMinimaViavel: não encontrada\nhMenorCusto: \ncustoMenor: \n")),
                 qPrintable(b[31]));

        const Execucao errado = redwanCalc({QStringLiteral("--tabela"), QStringLiteral("--preco-aco"), QStringLiteral("0")});
        QCOMPARE(errado.status, 2);
        QVERIFY(errado.erro.startsWith(QStringLiteral("redwan-calc: --preco-aco: O preço do aço deve ser maior que zero.")));
    }

    void planilhaERelatorio()
    {
        QTemporaryDir pasta;
        const QString xlsx = pasta.filePath(QStringLiteral("linha.xlsx"));
        const QString pdf = pasta.filePath(QStringLiteral("relatorios"));
        // Two cages 1,5 cm from each face fit the least wall of every diameter.
        const Execucao e = redwanCalc({QStringLiteral("--tabela"), QStringLiteral("--armadura"), QStringLiteral("dupla"),
                                       QStringLiteral("--dint"), QStringLiteral("1,5"), QStringLiteral("--dext"),
                                       QStringLiteral("1,5"), QStringLiteral("--xlsx"), xlsx, QStringLiteral("--pdf"), pdf});
        QCOMPARE(e.status, 0);
        QFile planilha(xlsx);
        QVERIFY(planilha.open(QIODevice::ReadOnly));
        QCOMPARE(planilha.read(2), QByteArray("PK"));
        QFile relatorio(QDir(pdf).filePath(QStringLiteral("TabelaArmaduras.pdf")));
        QVERIFY(relatorio.open(QIODevice::ReadOnly));
        QCOMPARE(relatorio.read(4), QByteArray("%PDF"));
        // A table of several pages numbers them.
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"), {relatorio.fileName(), QStringLiteral("-")});
        QVERIFY(texto.waitForFinished());
        const QString lido = QString::fromUtf8(texto.readAllStandardOutput());
        const int paginas = lido.count(QLatin1Char('\f'));
        QVERIFY(paginas >= 2);
        QVERIFY2(lido.contains(QStringLiteral("Página 1 de %1").arg(paginas)), qPrintable(lido));
        QVERIFY(lido.contains(QStringLiteral("Página %1 de %1").arg(paginas)));
        // Each page of the table has its column headings.
        const QStringList porPagina = lido.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        for (const QString& pagina : porPagina)
            QVERIFY2(pagina.contains(QStringLiteral("Tela interna")), qPrintable(pagina));
    }

    void linhaDeComandoErrada()
    {
        const Execucao e = redwanCalc({QStringLiteral("--tabela"), QStringLiteral("--fck"), QStringLiteral("abc")});
        QCOMPARE(e.status, 2);
        QVERIFY(e.erro.contains(QStringLiteral("redwan-calc: --fck: \"abc\" não é um número\nuso: redwan-calc --tabela")));
        const Execucao semArquivo =
            redwanCalc({QStringLiteral("--tabela"), QStringLiteral("--espessuras"), QStringLiteral("/nao/existe.csv")});
        QCOMPARE(semArquivo.status, 1);
        QVERIFY(semArquivo.saida.isEmpty());
    }
};

QTEST_MAIN(TabelaCalcTeste)
#include "tabelaCalcTeste.moc"
