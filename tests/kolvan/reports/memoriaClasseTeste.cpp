// The class calculation sheet as a user exports it: every worked value of
// the earth load, the surcharge, the embankment factor and the class
// appears in the PDF's text, with numbered pages.
#include "ExportacaoPdf.h"
#include "ProjetoTubo.h"
#include "linhasReproduziveis.h"
#include "memoriaClasse.h"

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

// di = 600 mm, γ = 19,2, Kμ = 0,150, hs = 1,00, bv = 1,31, ha = 0,60, Classe 45, base C.
ProjetoTubo projeto(int tipo, const char* hs, const char* rsd = "0,5", bool compactado = false)
{
    ProjetoTubo p;
    p.projetista.nome = "Maria Souza";
    p.projetista.cidade = "Goiânia";
    p.projetista.estado = "GO";
    p.obra.servicos = "Galeria de águas pluviais";
    p.cliente.nome = "Prefeitura Municipal";
    p.instalacao.tipo = tipo;
    p.instalacao.alturaTerra = hs;
    p.instalacao.razaoRecalque = rsd;
    p.instalacao.aterroCompactado = compactado;
    return p;
}

// The text of the exported sheet, its lines joined by blanks.
QString textoPdf(const LayoutRelatorio& folha, int& paginas)
{
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("memoria.pdf"));
    if (!exportarPdf(folha, pdf))
        return {};
    const QString info = executar(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    paginas = m.hasMatch() ? m.captured(1).toInt() : 0;
    return executar(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
}
} // namespace

class MemoriaClasseTeste : public QObject {
    Q_OBJECT

private slots:
    void valoresResolvidosNaFolha_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("hs");
        QTest::addColumn<QString>("rsd");
        QTest::addColumn<bool>("compactado");
        QTest::addColumn<int>("classeBase");
        QTest::addColumn<QStringList>("esperados");
        const auto l = [](std::initializer_list<const char*> t) {
            QStringList r;
            for (const char* s : t)
                r << QString::fromUtf8(s);
            return r;
        };
        QTest::newRow("vala rasa: governa a comparação")
            << int(Vala) << "1,00" << "0,5" << false << 2
            << l({"Cd = (1 − e^(−a·hs/bv))/a", "= 0,6823", "Wv = Cd·γ·bv² = 0,6823·19,20·1,31² = 22,48 kN/m",
                  "xe = raiz de F(xe) = 1,6732", "He = xe·D = 1,6732·0,720 = 1,205 m", "hs ≤ He",
                  "Cc = (e^(a·H/Bc) − 1)/a", "= 1,7230", "Wc = Cc·γ·D²", "= 17,15 kN/m",
                  "W = mín(Wv; Wc) = mín(22,48; 17,15) = 17,15 kN/m", "Governa a carga de comparação",
                  "φ = 1,0", "L = 1,4·hs + ar + 1,05·D = 1,4·1,00 + 0,20 + 1,05·0,720 = 2,356 m",
                  "B1 = 1,4·hs + br = 1,4·1,00 + 0,50 = 1,900 m", "h1 ≤ hs < h2", "= 15,92 kN/m",
                  "qs,mín = 5·D = 5·0,720 = 3,60 kN/m", "qs = máx(qs,f; qs,mín) = máx(15,92; 3,60) = 15,92 kN/m",
                  "hs,mín = (D − bs)/1,4", "R = (W + qs)/fe·γf = (17,15 + 15,92)/1,50·1,50 = 33,07 kN/m",
                  "PA1 = 60·di/1000 = 60·600/1000 = 36,00 kN/m", "PS2 = 36,00 kN/m", "PA1 ou PS2", "Maria Souza",
                  "Prefeitura Municipal", "Página 1 de"});
        QTest::newRow("vala funda: governa a vala")
            << int(Vala) << "3,00" << "0,5" << false << 2
            << l({"= 54,58 kN/m", "Wc = Cc·γ·D²", "= 62,63 kN/m", "mín(54,58; 62,63) = 54,58 kN/m",
                  "Governa a carga da vala"});
        QTest::newRow("projeção positiva, base C")
            << int(ProjecaoPositiva) << "1,00" << "0,5" << false << 2
            << l({"p = ha/D = 0,60/0,720 = 0,8333", "xe = raiz de F(xe) = 1,5386", "He = xe·D = 1,5386·0,720 = 1,108 m",
                  "= 1,7230", "Wp = Cc·γ·D² = 1,7230·19,20·0,720² = 17,15 kN/m", "N = 0,840",
                  "x = x0 + (x1 − x0)·(p − p0)/(p1 − p0) = 0,594 + (0,655 − 0,594)·(0,8333 − 0,7)/(0,9 − 0,7) = 0,6347",
                  "q = p·K·(hs/D + 0,5·p)/Cc", "= 0,2882", "fe,f = 1,431/(N − x·q)", "fe = 2,18"});
        QTest::newRow("projeção positiva, base A")
            << int(ProjecaoPositiva) << "1,00" << "0,5" << false << 0 << l({"N = 0,505", "= 0,7223", "fe = 4,82"});
        QTest::newRow("projeção positiva, base B")
            << int(ProjecaoPositiva) << "1,00" << "0,5" << false << 1 << l({"fe = 2,73"});
        QTest::newRow("projeção positiva, base D")
            << int(ProjecaoPositiva) << "1,00" << "0,5" << false << 3 << l({"fe = 1,27"});
        QTest::newRow("projeção negativa rasa")
            << int(ProjecaoNegativa) << "1,00" << "-0,4" << false << 2
            << l({"xe = raiz de F(xe) = 1,1698", "He = xe·bv = 1,1698·1,31 = 1,532 m", "hs ≤ He",
                  "Cn = (1 − e^(−a·H/Bd))/a", "= 0,6823", "= 22,48 kN/m", "mín(Wn; Wc) = mín(22,48; 17,15) = 17,15 kN/m"});
        // Compacted: the trench width is still checked, as the installation checks it.
        QTest::newRow("projeção negativa compactada")
            << int(ProjecaoNegativa) << "1,00" << "-0,4" << true << 2
            << l({"bv = 1,31 m ≥ D + 0,50 = 0,720 + 0,50 = 1,220 m: atende"});
        QTest::newRow("projeção negativa funda")
            << int(ProjecaoNegativa) << "3,00" << "-0,4" << false << 2
            << l({"He = xe·bv", "= 1,532 m", "hs > He", "= 1,7753", "= 58,49 kN/m", "mín(58,49; 62,63) = 58,49 kN/m"});
    }

    void valoresResolvidosNaFolha()
    {
        QFETCH(int, tipo);
        QFETCH(QString, hs);
        QFETCH(QString, rsd);
        QFETCH(bool, compactado);
        QFETCH(int, classeBase);
        QFETCH(QStringList, esperados);
        ProjetoTubo p = projeto(tipo, qPrintable(hs), qPrintable(rsd), compactado);
        p.baseAterro.classe = classeBase;
        int paginas = 0;
        const LayoutRelatorio folha = memoriaClasseDoProjeto(p, {"07/12/2026", "14:30"});
        // KR_PASTA_FOLHAS keeps the sheets for a look at them.
        if (const QString pasta = qEnvironmentVariable("KR_PASTA_FOLHAS"); !pasta.isEmpty())
            exportarPdf(folha, pasta + QLatin1Char('/') + QString::fromUtf8(QTest::currentDataTag()) + ".pdf");
        const QString texto = textoPdf(folha, paginas);
        QVERIFY(paginas >= 2);
        QVERIFY2(texto.contains(QStringLiteral("Página %1 de %1").arg(paginas)), qPrintable(texto));
        // What every sheet carries: its sources, the installation checked and a place to sign.
        const QStringList sempre{"Referências e hipóteses", "ABNT NBR 8890", "Marston–Spangler",
                                 "Verificações da instalação", "hs = " + hs + " m ≥ 0,60 m: atende",
                                 "Responsabilidade técnica", "Projetista: Maria Souza", "ART nº",
                                 "Goiânia - GO, 07/12/2026"};
        for (const QString& e : sempre + esperados)
            QVERIFY2(texto.contains(e), qPrintable(e + QStringLiteral("\n---\n") + texto));
        // Every line worked out as printed gives its printed result.
        const ConferenciaLinhas c = conferirLinhas(texto);
        QVERIFY2(c.conferidas >= 12, qPrintable(QString::number(c.conferidas) + "\n" + texto));
        QVERIFY2(c.erradas.isEmpty(), qPrintable(c.erradas.join(QLatin1Char('\n'))));
    }

    void sobrecargasDaFolha_data()
    {
        QTest::addColumn<QString>("di");
        QTest::addColumn<QString>("hs");
        QTest::addColumn<QStringList>("esperados");
        QTest::newRow("cobrimento fundo: governa o mínimo")
            << "600" << "5,00" << QStringList{QStringLiteral("= 3,11 kN/m"), QStringLiteral("máx(3,11; 3,60) = 3,60 kN/m"),
                                              QString::fromUtf8("Governa o mínimo 5·D.")};
        QTest::newRow("cobrimento baixo para 2000 mm")
            << "2000" << "1,35" << QStringList{QString::fromUtf8("hs,mín = (D − bs)/1,4 = (2,400 − 0,50)/1,4 = 1,357 m"),
                                               QString::fromUtf8("hs < hs,mín"), QStringLiteral("Retorne para a janela Instalação")};
    }

    // 1750 mm sewage under a user-defined load: the whole row of the
    // diameter, EA3 chosen at 236,25 kN/m and shown rounded up to 237,00.
    void linhaDaTabelaEArredondamento()
    {
        ProjetoTubo p = projeto(Vala, "1,00");
        p.geometria.finalidade = 1;
        const auto& lista = listaDiametros();
        p.geometria.indiceDi = static_cast<int>(std::find(lista.begin(), lista.end(), "1750") - lista.begin());
        p.instalacao.larguraVala = "2,60";
        p.sobrecarga.natureza = 4;
        p.sobrecarga.carga = "150,00";
        int paginas = 0;
        const QString texto = textoPdf(memoriaClasseDoProjeto(p, {"07/12/2026", "14:30"}), paginas);
        for (const char* e : {"EA2 = 90·di/1000 = 90·1750/1000 = 157,50 kN/m", "EA3 = 135·di/1000 = 135·1750/1000 = 236,25 kN/m",
                              "EA4 = 180·di/1000 = 180·1750/1000 = 315,00 kN/m", "cobre R: EA3, mostrada como 237,00 kN/m",
                              "Não há tubo simples deste diâmetro.", "qs = 150,00 kN/m"})
            QVERIFY2(texto.contains(QString::fromUtf8(e)), qPrintable(QString::fromUtf8(e) + "\n---\n" + texto));
    }

    void sobrecargasDaFolha()
    {
        QFETCH(QString, di);
        QFETCH(QString, hs);
        QFETCH(QStringList, esperados);
        ProjetoTubo p = projeto(Vala, qPrintable(hs));
        const auto& lista = listaDiametros();
        p.geometria.indiceDi = static_cast<int>(std::find(lista.begin(), lista.end(), di.toStdString()) - lista.begin());
        p.instalacao.larguraVala = "3,00";
        int paginas = 0;
        const QString texto = textoPdf(memoriaClasseDoProjeto(p, {"07/12/2026", "14:30"}), paginas);
        for (const QString& e : esperados)
            QVERIFY2(texto.contains(e), qPrintable(e + QStringLiteral("\n---\n") + texto));
    }
};

QTEST_MAIN(MemoriaClasseTeste)
#include "memoriaClasseTeste.moc"
