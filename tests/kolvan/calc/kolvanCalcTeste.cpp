// kolvan-calc run as a user runs it, over project files saved by Kolvan:
// it prints what the result window shows for them.
#include "ArquivoKolvan.h"
#include "calculoClasse.h"
#include "execucaoCalculadora.h"
#include "memoriaCalculo.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
Execucao kolvanCalc(const QStringList& argumentos) { return rodarCalculadora(QStringLiteral(KOLVAN_CALC), argumentos); }

// A 600 mm project of the given installation, saved without a result.
ProjetoTubo projeto(int tipo)
{
    ProjetoTubo p;
    p.instalacao.tipo = tipo;
    if (tipo == ProjecaoNegativa)
        p.instalacao.razaoRecalque = "-0,4";
    return p;
}
const QString coberturaBaixa = QStringLiteral(
    "Com a teoria utilizado neste programa não é possível a determinação da carga no tubo para a altura de terra "
    "especificada. Retorne para a janela Instalação e aumente a altura de terra.");
} // namespace

class KolvanCalcTeste : public QObject {
    Q_OBJECT

private slots:
    void imprimeOQueAJanelaDeResultadoMostra()
    {
        QTemporaryDir pasta;
        QString erro;
        for (int tipo : {Vala, ProjecaoPositiva, ProjecaoNegativa})
            QVERIFY(salvarProjeto(projeto(tipo), pasta.filePath(QStringLiteral("tipo%1.kvn").arg(tipo)), erro));
        const Execucao e = kolvanCalc({pasta.path()});
        QCOMPARE(e.status, 0);
        QCOMPARE(e.erro, QString()); // nothing of the window system on a plain run
        const QStringList blocos = e.saida.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        QCOMPARE(blocos.size(), 3);
        for (int tipo : {Vala, ProjecaoPositiva, ProjecaoNegativa}) {
            ProjetoTubo p = projeto(tipo);
            EstadoSobrecarga estado;
            const CalculoClasse c = calcularClasse(p, estado);
            QVERIFY(c.calculada());
            const QString& bloco = blocos[tipo];
            QVERIFY2(bloco.contains(QStringLiteral("tipo%1.kvn").arg(tipo)), qPrintable(bloco));
            QVERIFY2(bloco.contains(QStringLiteral("textoValor: ") + QString::fromStdString(p.resultado.textoValor)),
                     qPrintable(bloco));
            QVERIFY(bloco.contains(QStringLiteral("textoClasse: ") + QString::fromStdString(p.resultado.textoClasse)));
            QVERIFY(bloco.contains(QStringLiteral("\nW: ")));
        }
        // The trench of the worked example: W = 17,15 and q_s = 15,92 kN/m.
        QVERIFY2(blocos[0].contains(QStringLiteral("W: 17,149")), qPrintable(blocos[0]));
        QVERIFY(blocos[0].contains(QStringLiteral("qs: 15,919")));
    }

    void csvPdfEFalhas()
    {
        QTemporaryDir pasta;
        QString erro;
        QVERIFY(salvarProjeto(projeto(Vala), pasta.filePath(QStringLiteral("bom.kvn")), erro));
        ProjetoTubo fundo = projeto(Vala);
        fundo.geometria.indiceDi = 14; // 2000 mm under road traffic needs 1,36 m of cover
        fundo.instalacao.larguraVala = "2,90";
        QVERIFY(salvarProjeto(fundo, pasta.filePath(QStringLiteral("raso.kvn")), erro));
        QFile ruim(pasta.filePath(QStringLiteral("ruim.kvn")));
        QVERIFY(ruim.open(QIODevice::WriteOnly));
        ruim.write("PROJETISTA\r\n");
        ruim.close();

        const Execucao e = kolvanCalc({QStringLiteral("--csv"), QStringLiteral("--pdf"), pasta.filePath(QStringLiteral("pdf")),
                                       pasta.filePath(QStringLiteral("bom.kvn")), pasta.filePath(QStringLiteral("raso.kvn")),
                                       ruim.fileName()});
        QCOMPARE(e.status, 1);
        const QStringList linhas = e.saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(linhas[0], QStringLiteral("arquivo;W;qs;fe;cs;R;classeArmado;cargaArmado;classeSimples;cargaSimples;"
                                           "textoValor;textoArmado;textoSimples;textoClasse;erro"));
        QVERIFY(linhas[1].endsWith(QStringLiteral(" PA1 ou PS2;")));
        // The two parts of the cover message on one line, the file's own row.
        QCOMPARE(linhas.size(), 4);
        QCOMPARE(linhas[2], QStringLiteral("%1;;;;;;;;;;;;;;%2").arg(pasta.filePath(QStringLiteral("raso.kvn")), coberturaBaixa));
        // There is no open project to keep.
        QCOMPARE(linhas[3], QStringLiteral("%1;;;;;;;;;;;;;;\"Não foi possível abrir o arquivo \"\"ruim.kvn\"\": "
                                           "linha 2, o arquivo termina antes do esperado.\"")
                                .arg(ruim.fileName()));
        QVERIFY(QFile::exists(pasta.filePath(QStringLiteral("pdf/bom.pdf"))));
        QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("pdf/raso.pdf"))));

        // The same in "chave: valor" blocks: a value never spans lines.
        const Execucao blocos = kolvanCalc({pasta.filePath(QStringLiteral("raso.kvn"))});
        QCOMPARE(blocos.saida, QStringLiteral("arquivo: %1\nerro: %2\n\n")
                                   .arg(pasta.filePath(QStringLiteral("raso.kvn")), coberturaBaixa));
        QCOMPARE(blocos.erro, QString());

        QCOMPARE(kolvanCalc({}).status, 2);
        QCOMPARE(kolvanCalc({QStringLiteral("--memorias"), pasta.filePath(QStringLiteral("bom.kvn"))}).status, 2);
        QCOMPARE(kolvanCalc({QStringLiteral("--pdf")}).status, 2);
    }

    void ajudaEVersao()
    {
        const Execucao ajuda = kolvanCalc({QStringLiteral("--help")});
        QCOMPARE(ajuda.status, 0);
        QVERIFY2(ajuda.saida.contains(QStringLiteral("uso: kolvan-calc [OPÇÕES] [ARQUIVO...]")), qPrintable(ajuda.saida));
        QVERIFY(ajuda.saida.contains(QStringLiteral("--pdf PASTA")));
        QCOMPARE(ajuda.erro, QString());
        const Execucao versao = kolvanCalc({QStringLiteral("--version")});
        QCOMPARE(versao.status, 0);
        QCOMPARE(versao.saida, QStringLiteral("kolvan-calc 2.4\n"));
        const Execucao errado = kolvanCalc({QStringLiteral("--html"), QStringLiteral("a.kvn")});
        QCOMPARE(errado.status, 2);
        QVERIFY2(errado.erro.startsWith(QStringLiteral("kolvan-calc: opção desconhecida: --html\nuso: kolvan-calc")),
                 qPrintable(errado.erro));
        QCOMPARE(errado.saida, QString());
    }

    // --memoria prints the trace's keys, each with the number the class
    // computation itself holds, and writes the sheet beside the report.
    void memoriaComOsNumerosDoCalculo()
    {
        QTemporaryDir pasta;
        QString erro;
        const struct {
            int tipo;
            QStringList presentes, ausentes;
        } casos[] = {
            {Vala, {"D", "Cd", "Wvala", "Wcomparacao", "Cc", "p", "x", "He", "hsMin", "phi", "qsFormula"},
             {"Cn", "Wnegativa", "fatorN", "feFormula"}},
            {ProjecaoPositiva, {"D", "Wpositiva", "Cc", "p", "x", "He", "fatorN", "fatorX", "fatorQ", "feFormula"},
             {"Cd", "Wvala", "Wcomparacao"}},
            {ProjecaoNegativa, {"D", "Cn", "Wnegativa", "Wcomparacao", "Cc", "He"}, {"Cd", "fatorN"}},
        };
        for (const auto& caso : casos) {
            const QString nome = QStringLiteral("tipo%1").arg(caso.tipo);
            QVERIFY(salvarProjeto(projeto(caso.tipo), pasta.filePath(nome + ".kvn"), erro));
            const Execucao e = kolvanCalc({QStringLiteral("--memoria"), QStringLiteral("--pdf"), pasta.path(),
                                           pasta.filePath(nome + ".kvn")});
            QCOMPARE(e.status, 0);
            QVERIFY(QFile::exists(pasta.filePath(nome + ".pdf")));
            QVERIFY(QFile::exists(pasta.filePath(nome + "-memoria.pdf")));
            ProjetoTubo p = projeto(caso.tipo);
            EstadoSobrecarga estado;
            const CalculoClasse c = calcularClasse(p, estado);
            for (const auto& [chave, valor] : camposMemoria(c.memoria))
                QVERIFY2(e.saida.contains(QString::fromStdString("\n" + chave + ": " + valor + "\n")),
                         qPrintable(QString::fromStdString(chave) + "\n" + e.saida));
            for (const QString& k : caso.presentes)
                QVERIFY2(e.saida.contains("\n" + k + ": "), qPrintable(k + "\n" + e.saida));
            for (const QString& k : caso.ausentes)
                QVERIFY2(!e.saida.contains("\n" + k + ": "), qPrintable(k + "\n" + e.saida));
            // Each key once; the usual ones as before.
            QCOMPARE(e.saida.count(QStringLiteral("\nR: ")), 1);
            QCOMPARE(e.saida.count(QStringLiteral("\nqs: ")), 1);
        }
    }
};

QTEST_MAIN(KolvanCalcTeste)
#include "kolvanCalcTeste.moc"
