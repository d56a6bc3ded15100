// The design's calculation sheet as a user exports it: the worked values of
// the materials, ring forces, both arrangements, the minimum steel, the
// meshes and the checks of a 1000 mm PA2 pipe appear in the PDF's text.
#include "ExportacaoPdf.h"
#include "dadosRelatorioDimensionamento.h"
#include "linhasReproduziveis.h"
#include "memoriaDimensionamento.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString executar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// 1000 mm stormwater PA2 (P = 90 kN/m), fck 35 MPa, wall 100 mm, γs 1,15, γc 1,40.
DadosRelatorioDimensionamento dados(int tipo)
{
    DadosRelatorioDimensionamento d;
    ProjetoRedwan& p = d.projeto;
    p.obra.servicos = "Galeria de águas pluviais";
    p.cliente.nome = "Prefeitura Municipal";
    p.geometria = {finalidadePluvial, 0, 7, 0};
    p.classe.classePluvial = 1;
    p.parametros = {"35,00", tipo, "3,5", "2,5", "100", "1,15", "1,40"};
    d.fabricante = {"Tubos Sul Ltda.", "", "Rua das Acácias", "120", "Centro", "Goiânia", "GO", "", "(62) 3200-0000",
                    "", "vendas@tubossul.com.br", true};
    d.data = "07/12/2026";
    d.hora = "14:30";
    return d;
}
} // namespace

class MemoriaDimensionamentoTeste : public QObject {
    Q_OBJECT

private slots:
    void valoresResolvidosNaFolha_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("esperados");
        const QStringList comuns{
            "Tubos Sul Ltda.", "Prefeitura Municipal", "1000 mm", "PA2",
            "fyd = fyk/γs = 60,00/1,15 = 52,1739 kN/cm²", "εyd = fyd/Es + 0,002 = 52,1739/21000 + 0,002 = 0,0044845",
            "ξlim = 0,0035/(0,0035 + εyd) = 0,0035/(0,0035 + 0,0044845) = 0,43835", "fcd = fck/(10·γc) = 35,0/(10·1,40) = 2,5000",
            "de = di + 2·h = 1000 + 2·100,0 = 1200,0 mm", "rm = (de + di)/4000 = (1200,0 + 1000)/4000 = 0,5500 m",
            "Mc = 0,293·P·rm = 0,293·90,00·0,5500 = 14,5035 kN·m/m", "Ms = 0,182·P·rm = 0,182·90,00·0,5500 = 9,0090 kN·m/m",
            "Ns = 0,5·P = 0,5·90,00 = 45,00 kN/m", "Vc = 0,5·P = 0,5·90,00 = 45,00 kN/m", "Página 1 de"};
        QTest::newRow("circular simples")
            << 0
            << comuns + QStringList{"nPos = arred(0,15·hcm/0,01) + 1 = arred(0,15·10,00/0,01) + 1 = 151",
                                    "d'1 = arred(hcm/2) = arred(10,00/2) = 5,00 cm", "d'n = d'1 − 0,01·(nPos − 1)",
                                    "= 3,50 cm", "k = 131", "d = 6,30 cm", "d = 3,70 cm",
                                    "Dcoro = 6,5 cm", "σs,s = 48,63 kN/cm²", "Dcoro = Dcoro − 0,5 = 6,5 − 0,5 = 6,0 cm",
                                    "As,prat = máx(As,c; As,s)", "5,20", "AsMin = As =", "2,94",
                                    "AsIntMin = 1000·D²/(22·fyk) = 1000·1,100²/(22·60,00) = 0,9167 cm²/m",
                                    "0,98·AsIntReq = 0,98·", "MF 138 + MF 396", "φm = (A1,int·φ1,int + A2,int·φ2,int)/Aint", "= 6,3506 mm",
                                    "AsMax =", "= 5,72", "Vu =", "= 58,46 kN/m", "w1 =", "= 0,2417 mm", "= 0,1130 mm",
                                    "w = mín(w1; w2) = mín(0,2417; 0,1130) = 0,1130 mm", "w = 0,1130 mm ≤ 0,25 mm: atende.",
                                    "0,5·P = 0,5·90,00 = 45,000 kN/m ≤ Vu = 58,46 kN/m: atende.", "Aint = 5,34 cm²/m ≤ AsMax = 5,7223 cm²/m: atende."};
        QTest::newRow("circular dupla")
            << 1
            << comuns + QStringList{"d = 6,50 cm", "x = ξ·d =", "= 1,71 cm", "= 4,4271 cm²/m", "d = 7,50 cm", "= 1,10 cm",
                                    "= 1,87", "passes = 2", "AsMin = As = 1,7154 cm²/m", "AsIntMin = 1000·D²/(44·fyk)", "= 0,4583 cm²/m",
                                    "AsExtMin = 1000·D²/(74·fyk)", "= 0,2725 cm²/m", "MF 113 + MF 396", "MF 196",
                                    "φm = (A1,int·φ1,int + A2,int·φ2,int)/Aint", "= 6,3674 mm", "= 5,6690 cm²/m", "mín(0,8 + 41/(10·dk); 1,3) = mín(0,8 + 41/(10·6,50); 1,3) = 1,3000", "= 56,18 kN/m", "= 0,1062 mm"};
    }

    void valoresResolvidosNaFolha()
    {
        QFETCH(int, tipo);
        QFETCH(QStringList, esperados);
        const LayoutRelatorio folha = memoriaDimensionamentoDoProjeto(dados(tipo));
        QTemporaryDir pasta;
        const QString pdf = pasta.filePath(QStringLiteral("memoria.pdf"));
        QVERIFY(exportarPdf(folha, pdf));
        // KR_PASTA_FOLHAS keeps the sheets for a look at them.
        if (const QString destino = qEnvironmentVariable("KR_PASTA_FOLHAS"); !destino.isEmpty())
            QFile::copy(pdf, destino + QStringLiteral("/redwan-%1.pdf").arg(tipo));
        const QString texto = executar(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        const QStringList sempre{"Referências e hipóteses", "ABNT NBR 8890", "ABNT NBR 6118", "0,98·AsIntReq",
                                 "Pserv = P/1,5", "O tubo atende às verificações", "Responsabilidade técnica",
                                 "Fabricante: Tubos Sul Ltda.", "Responsável técnico", "ART nº",
                                 "Goiânia - GO, 07/12/2026"};
        for (const QString& e : sempre + esperados)
            QVERIFY2(texto.contains(e), qPrintable(e + QStringLiteral("\n---\n") + texto));
        // Every line worked out as printed gives its printed result.
        const ConferenciaLinhas c = conferirLinhas(texto);
        QVERIFY2(c.conferidas >= 40, qPrintable(QString::number(c.conferidas) + "\n" + texto));
        QVERIFY2(c.erradas.isEmpty(), qPrintable(c.erradas.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(MemoriaDimensionamentoTeste)
#include "memoriaDimensionamentoTeste.moc"
