// redwan-calc run as a user runs it, over project files saved by Redwan:
// it prints what the results window shows for them.
#include "ArquivoRedwan.h"
#include "custoTubo.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "execucaoCalculadora.h"
#include "memoriaCalculo.h"
#include "numeros.h"
#include "saidaCalculadora.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
Execucao redwanCalc(const QStringList& argumentos) { return rodarCalculadora(QStringLiteral(REDWAN_CALC), argumentos); }

// The worked pipe: 1000 mm stormwater PA2 (90 kN/m), 100 mm wall, one cage, "Macho e Fêmea".
ProjetoRedwan exemplo()
{
    ProjetoRedwan p;
    p.geometria = {finalidadePluvial, 0, 7, 0};
    p.classe.classePluvial = 1;
    p.parametros.h = "100";
    return p;
}

// 1000 mm sewage, special class of 190 kN/m, two cages, 120 mm wall.
ProjetoRedwan duplo()
{
    ProjetoRedwan p;
    p.geometria = {finalidadeEsgoto, 1, 7, 1};
    p.classe = {4, 3, "190,00", "190,00"};
    p.parametros = {"35,00", armaduraDupla, "3,5", "2,5", "120", "1,15", "1,40"};
    return p;
}

// A project saved with no results: redwan-calc designs it again.
void salvar(const ProjetoRedwan& p, const QString& caminho)
{
    QString erro;
    QVERIFY2(salvarProjetoRedwan(p, TextosResultados{}, caminho, erro), qPrintable(erro));
}
} // namespace

class RedwanCalcTeste : public QObject {
    Q_OBJECT

private slots:
    void imprimeOQueAJanelaDeResultadosMostra()
    {
        QTemporaryDir pasta;
        const ProjetoRedwan projetos[] = {exemplo(), duplo()};
        salvar(projetos[0], pasta.filePath(QStringLiteral("a-exemplo.rdw")));
        salvar(projetos[1], pasta.filePath(QStringLiteral("b-duplo.rdw")));
        // The prices typed override those of the base folder; a full stop is the decimal comma.
        const Execucao e = redwanCalc({QStringLiteral("--preco-concreto"), QStringLiteral("600"),
                                       QStringLiteral("--preco-aco"), QStringLiteral("10.00"), pasta.path()});
        QCOMPARE(e.status, 0);
        QCOMPARE(e.erro, QString()); // nothing of the window system on a plain run
        const QStringList blocos = e.saida.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        QCOMPARE(blocos.size(), 2);
        for (int k = 0; k < 2; ++k) {
            EstadoDimensionamento estado;
            const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(projetos[k]), estado);
            QCOMPARE(x.desfecho, Desfecho::Resultados);
            const ResultadoDimensionamento& r = x.resultado;
            const QStringList linhas = blocos[k].split(QLatin1Char('\n'));
            QCOMPARE(linhas.size(), 30);
            const QuantidadesTubo q = quantidadesTubo(r);
            const std::pair<const char*, std::string> esperados[] = {
                {"P", formatarDecimais(r.P, 6)},
                {"Mc", formatarDecimais(r.Mc, 6)},
                {"Ms", formatarDecimais(r.Ms, 6)},
                {"dC", formatarDecimais(r.dC, 6)},
                {"xC", formatarDecimais(r.xC, 6)},
                {"domC", numeroSaida(r.domC)},
                {"AsC", formatarDecimais(r.AsC, 6)},
                {"dS", formatarDecimais(r.dS, 6)},
                {"xS", formatarDecimais(r.xS, 6)},
                {"domS", numeroSaida(r.domS)},
                {"AsS", formatarDecimais(r.AsS, 6)},
                {"Dcoro", formatarDecimais(r.Dcoro, 6)},
                {"AsP_Prat", formatarDecimais(r.AsP_Prat, 6)},
                {"AsMin", formatarDecimais(r.AsMin, 6)},
                {"AsIntMin", formatarDecimais(r.AsIntMin, 6)},
                {"AsExtMin", formatarDecimais(r.AsExtMin, 6)},
                {"telaInterna", r.telaInterna},
                {"telaExterna", r.telaExterna},
                {"AsMax", formatarDecimais(r.AsMax, 6)},
                {"Vu", formatarDecimais(r.Vu, 6)},
                {"w", formatarDecimais(r.w, 6)},
                {"verificacaoCobrimento", r.verificacaoCobrimento},
                {"verificacaoCortante", r.verificacaoCortante},
                {"verificacaoFissuras", r.verificacaoFissuras},
                {"acoInterno", formatarDecimais(q.acoInterno, 6)},
                {"acoExterno", formatarDecimais(q.acoExterno, 6)},
                {"acoTotal", formatarDecimais(q.acoTotal, 6)},
                {"concreto", formatarDecimais(q.concreto, 6)},
                {"custo", formatarDecimais(custoTubo(q, {600.0, 10.0}), 6)},
            };
            QVERIFY(linhas[0].startsWith(QStringLiteral("arquivo: ")));
            for (std::size_t i = 0; i < std::size(esperados); ++i)
                QCOMPARE(linhas[static_cast<int>(i) + 1],
                         QString::fromUtf8(esperados[i].first) + QStringLiteral(": ") +
                             QString::fromStdString(esperados[i].second));
        }
        // The worked pipe as its results window shows it.
        for (const char* t : {"a-exemplo.rdw\n", "\nP: 90,000000\n", "\nMc: 14,50", "\ndC: 6,30", "\ndomC: 2,000000\n",
                              "\nAsC: 4,895932\n", "\ndomS: 3,000000\n", "\ntelaInterna: MF 138 + MF 396\n",
                              "\ntelaExterna: ----\n", "\nw: 0,112983\n",
                              "\nverificacaoCobrimento: (Ok. Não ocorre ruptura do cobrimento)\n"})
            QVERIFY2(blocos[0].contains(QString::fromUtf8(t)), qPrintable(QString::fromUtf8(t) + blocos[0]));
        QVERIFY2(blocos[1].contains(QStringLiteral("\ntelaExterna: PB ")), qPrintable(blocos[1]));
    }

    void csvPdfEFalhas()
    {
        QTemporaryDir pasta;
        salvar(exemplo(), pasta.filePath(QStringLiteral("bom.rdw")));
        // An 80 mm wall under 90 kN/m: no admissible position of the cage.
        ProjetoRedwan fino = exemplo();
        fino.parametros.h = "80";
        salvar(fino, pasta.filePath(QStringLiteral("fino.rdw")));
        QFile ruim(pasta.filePath(QStringLiteral("ruim.rdw")));
        QVERIFY(ruim.open(QIODevice::WriteOnly));
        ruim.write("OBRA\r\n");
        ruim.close();

        const QString pdf = pasta.filePath(QStringLiteral("pdf"));
        const Execucao e = redwanCalc({QStringLiteral("--csv"), QStringLiteral("--pdf"), pdf,
                                       pasta.filePath(QStringLiteral("bom.rdw")), pasta.filePath(QStringLiteral("fino.rdw")),
                                       ruim.fileName()});
        QCOMPARE(e.status, 1);
        const QStringList linhas = e.saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 4);
        QCOMPARE(linhas[0], QStringLiteral("arquivo;P;Mc;Ms;dC;xC;domC;AsC;dS;xS;domS;AsS;Dcoro;AsP_Prat;AsMin;AsIntMin;"
                                           "AsExtMin;telaInterna;telaExterna;AsMax;Vu;w;verificacaoCobrimento;"
                                           "verificacaoCortante;verificacaoFissuras;acoInterno;acoExterno;acoTotal;"
                                           "concreto;custo;erro"));
        QVERIFY2(linhas[1].contains(QStringLiteral(";(Ok. Passa na verificação de abertura de fissuras);")),
                 qPrintable(linhas[1]));
        QVERIFY2(linhas[2].endsWith(QStringLiteral("fino.rdw;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;Não foi possível realizar o "
                                                   "dimensionamento de modo que a a tensão na armadura tracionada "
                                                   "fosse maior que 0,7 de fyd")),
                 qPrintable(linhas[2]));
        // There is no open project to keep.
        QVERIFY2(linhas[3].endsWith(QStringLiteral("ruim.rdw\"\": linha 2, o arquivo termina antes do esperado.\"")),
                 qPrintable(linhas[3]));
        QVERIFY(QFile::exists(pdf + QStringLiteral("/bom.pdf")));
        QVERIFY(!QFile::exists(pdf + QStringLiteral("/fino.pdf")));
        QVERIFY(!QFile::exists(pdf + QStringLiteral("/ruim.pdf")));

        // The report holds the results just computed.
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"), {pdf + QStringLiteral("/bom.pdf"), QStringLiteral("-")});
        texto.waitForFinished(20000);
        const QString relatorio = QString::fromUtf8(texto.readAllStandardOutput());
        for (const char* t : {"DIMENSIONAMENTO DA ARMADURA DE TUBOS DE CONCRETO ARMADO", "Tela Interna = MF 138 + MF 396",
                              "0,1130 mm", "(Ok. Não ocorre ruptura do cobrimento)"})
            QVERIFY2(relatorio.contains(QString::fromUtf8(t)), t);

        QCOMPARE(redwanCalc({}).status, 2);
        QCOMPARE(redwanCalc({QStringLiteral("--pdf")}).status, 2);
        QCOMPARE(redwanCalc({QStringLiteral("--tudo"), pasta.filePath(QStringLiteral("bom.rdw"))}).status, 2);
        QCOMPARE(redwanCalc({QStringLiteral("--version")}).saida, QStringLiteral("redwan-calc 2.4\n"));
        const Execucao ajuda = redwanCalc({QStringLiteral("--help")});
        QCOMPARE(ajuda.status, 0);
        QVERIFY2(ajuda.saida.contains(QStringLiteral("uso: redwan-calc [OPÇÕES] [ARQUIVO...]")), qPrintable(ajuda.saida));
    }

    // --memoria prints the trace's keys, each with the number the design run
    // itself holds, and writes the sheet beside the report.
    void memoriaComOsNumerosDoDimensionamento()
    {
        QTemporaryDir pasta;
        salvar(exemplo(), pasta.filePath(QStringLiteral("simples.rdw")));
        salvar(duplo(), pasta.filePath(QStringLiteral("duplo.rdw")));
        const Execucao e = redwanCalc({QStringLiteral("--memoria"), QStringLiteral("--pdf"), pasta.path(),
                                       pasta.filePath(QStringLiteral("simples.rdw")),
                                       pasta.filePath(QStringLiteral("duplo.rdw"))});
        QCOMPARE(e.status, 0);
        const QStringList blocos = e.saida.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        QCOMPARE(blocos.size(), 2);
        const QStringList comuns{"fyd", "fcd", "eyd", "xilim", "Mc", "Ms", "Ns", "Vc", "xiC", "xiS",
                                 "W0", "fctm", "Mdmin", "AsIntReq", "AsExtReq", "w1", "w2"};
        const ProjetoRedwan projetos[] = {exemplo(), duplo()};
        for (int i = 0; i < 2; ++i) {
            const QString bloco = blocos[i] + "\n";
            EstadoDimensionamento estado;
            executarDimensionamento(entradaDoProjeto(projetos[i]), estado);
            for (const auto& [chave, valor] : camposMemoria(estado.memoria))
                QVERIFY2(bloco.contains(QString::fromStdString("\n" + chave + ": " + valor + "\n")),
                         qPrintable(QString::fromStdString(chave) + "\n" + bloco));
            QStringList chaves = comuns;
            chaves << (i == 0 ? QStringList{"nPos", "posicaoEscolhida", "DcoroInicial"} : QStringList{"passes"});
            for (const QString& k : chaves)
                QVERIFY2(bloco.contains("\n" + k + ": "), qPrintable(k + "\n" + bloco));
            QCOMPARE(bloco.count(QStringLiteral("\nMc: ")), 1);
        }
        QVERIFY(blocos[0].contains(QStringLiteral("\nposicaoEscolhida: 131,000000")));
        QVERIFY(blocos[0].contains(QStringLiteral("\nDcoroInicial: 6,500000")));
        QVERIFY(blocos[1].contains(QStringLiteral("\npasses: 2,000000")));
        for (const char* pdf : {"simples.pdf", "simples-memoria.pdf", "duplo.pdf", "duplo-memoria.pdf"})
            QVERIFY2(QFile::exists(pasta.filePath(QLatin1String(pdf))), pdf);
    }
};

QTEST_MAIN(RedwanCalcTeste)
#include "redwanCalcTeste.moc"
