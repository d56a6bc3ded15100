// The class report: its content for each kind of project, and the PDF a
// user exports, read back as text.
#include "ExportacaoPdf.h"
#include "ProjetoTubo.h"
#include "relatorioClasse.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
ProjetoTubo projetoVala()
{
    ProjetoTubo p;
    p.projetista.nome = "Maria Souza";
    p.projetista.crea = "12345/D";
    p.obra.servicos = "Galeria de águas pluviais";
    p.cliente.nome = "Prefeitura Municipal";
    p.resultado.textoValor = "33,07 kN/m";
    p.resultado.textoArmado = " 36,00 kN/m";
    p.resultado.textoSimples = " 36,00 kN/m";
    p.resultado.textoClasse = " PA1 ou PS2";
    p.resultado.linhaArmado = "Tubos Armados = 36,00 kN/m";
    p.resultado.linhaSimples = "Tubos Simples = 36,00 kN/m";
    return p;
}

// Every text of the layout, in band order, joined by '|'.
QString textos(const LayoutRelatorio& l)
{
    QStringList t;
    for (const BandaRelatorio& b : l.bandas)
        for (const ItemTexto& i : b.textos)
            t << QString::fromStdString(i.texto);
    return t.join(QLatin1Char('|'));
}

QString executar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class RelatorioClasseTeste : public QObject {
    Q_OBJECT

private slots:
    void valaImprimeTracosOndeNadaSeAplica()
    {
        const QString t = textos(montarRelatorioClasse(projetoVala(), {"07/12/2026", "14:30"}));
        for (const char* esperado :
             {"pagina 1 de 2|ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO|Gerado no Dia:|07/12/2026|ás|14:30|hs",
              "Nome:|Maria Souza|CREA:|12345/D", "Razão de recalque =|----", "Largura da vala (bv) =|1,31 m",
              "Altura (ha) =|----", "Aterro com boas condições de compactação: |----",
              "Natureza:|Rodoviaria|Tipo de Tráfego:|Classe 45|Peso do veículo =|450 kN|pagina 2 de 2",
              "Tipo:|Base comum (Classe C)", "Fator de equivalência =|1,5", "Valor =|33,07 kN/m",
              "Tubos Armados = 36,00 kN/m|Tubos Simples = 36,00 kN/m|Classe do Tubo:| PA1 ou PS2",
              "Observação:|Os campos onde aparecem como resultado \"----\" significa que não são necessarios para o caso em questão."})
            QVERIFY2(t.contains(QString::fromUtf8(esperado)), esperado);
    }

    void sobrecargaMudaSuasLinhas()
    {
        struct Caso {
            Sobrecarga s;
            const char* esperado;
        } casos[] = {
            {{4, 0, 0, "12,50"}, "Natureza:|Definida pelo usuário|Valor =|12,50 kN/m|pagina 2 de 2"},
            {{5}, "Natureza:|Nula ou desprezível|Valor =|0,00|pagina 2 de 2"},
            {{3, 0, 1, "100,00"}, "Natureza:|Força parcialmente distribuída|Distribuição:|Em duas areas|Valor =|100,00 kN|pagina"},
            {{0, 2}, "Tipo de Tráfego:|Eixo triplo|Peso do veículo =|255 kN"},
        };
        for (const Caso& c : casos) {
            ProjetoTubo p = projetoVala();
            p.sobrecarga = c.s;
            QVERIFY2(textos(montarRelatorioClasse(p, {})).contains(QString::fromUtf8(c.esperado)), c.esperado);
        }
    }

    void aterroImprimeSuaBaseEAltura()
    {
        ProjetoTubo p = projetoVala();
        p.instalacao.tipo = ProjecaoPositiva;
        p.baseAterro = {0, "4,82", "1,60"};
        const LayoutRelatorio l = montarRelatorioClasse(p, {});
        const QString t = textos(l);
        QVERIFY(t.contains(QStringLiteral("Largura da vala (bv) =|----")));
        QVERIFY(t.contains(QStringLiteral("Altura (ha) =|0,60 m")));
        QVERIFY(t.contains(QStringLiteral("Tipo:|Base de concreto (Classe A)")));
        QVERIFY(t.contains(QStringLiteral("Fator de equivalência =|4,82")));
        QVERIFY(t.contains(QStringLiteral("1,60")));
        QStringList figuras;
        for (const BandaRelatorio& b : l.bandas)
            for (const ItemImagem& i : b.imagens)
                figuras << QString::fromStdString(i.caminho);
        QCOMPARE(figuras, (QStringList{"SaliPosi.bmp", "SaliClasseA.bmp"}));
    }

    void pdfDeDuasPaginasA4ComOsTextos()
    {
        QTemporaryDir pasta;
        // KR_MANTER_SAIDA=1 keeps the PDF for a person to look at.
        pasta.setAutoRemove(qEnvironmentVariableIsEmpty("KR_MANTER_SAIDA"));
        const QString pdf = pasta.filePath(QStringLiteral("relatorio.pdf"));
        QVERIFY(exportarPdf(montarRelatorioClasse(projetoVala(), {"07/12/2026", "14:30"}), pdf));
        qInfo("%s", qPrintable(pdf));
        const QString info = executar(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        const QString pagina1 = executar(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, "-"});
        const QString pagina2 = executar(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2", pdf, "-"});
        for (const char* t : {"pagina 1 de 2", "ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA", "Dados do Projetista:",
                              "Maria Souza", "Dados da Instalação:", "Peso específico do solo", "Dados da Sobrecarga:",
                              "Rodoviaria"})
            QVERIFY2(pagina1.contains(QString::fromUtf8(t)), t);
        for (const char* t : {"pagina 2 de 2", "Dados da Base:", "Base comum (Classe C)", "Resultados - Classe",
                              "33,07 kN/m", "PA1 ou PS2", "Observação:"})
            QVERIFY2(pagina2.contains(QString::fromUtf8(t)), t);
    }
};

QTEST_MAIN(RelatorioClasseTeste)
#include "relatorioClasseTeste.moc"
