// The mesh catalogue window: its pages, title, headings and the seven
// meshes with every cell as the catalogue holds it.
#include "TFcadastro.h"
#include "cadastroTelas.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

class TFcadastroTeste : public QObject {
    Q_OBJECT

private:
    static QString celula(QTableWidget* grade, int linha, int coluna)
    {
        const QTableWidgetItem* item = grade->item(linha, coluna);
        return item ? item->text() : QString();
    }

private slots:
    void paginasETitulo()
    {
        TFcadastro j;
        QCOMPARE(j.windowTitle(), QStringLiteral("Fcadastro"));
        QCOMPARE(j.PageControl1->count(), 3);
        QCOMPARE(j.PageControl1->tabText(0), QStringLiteral("Macho e Fêmea - MF ( comp. do tubo = 1,0 m)"));
        QCOMPARE(j.PageControl1->tabText(1), QStringLiteral("Ponta e Bolsa - PB ( comp. do tubo = 1,0 m)"));
        QCOMPARE(j.PageControl1->tabText(2), QStringLiteral("Ponta e Bolsa - PB ( comp. do tubo = 1,5 m)"));
        for (int p = 1; p < 3; ++p)
            QVERIFY2(j.PageControl1->widget(p)->findChildren<QWidget*>().isEmpty(), "the PB pages are empty");
        auto* titulo = j.PageControl1->widget(0)->findChild<QLabel*>(QStringLiteral("PanelTitulo"));
        QVERIFY(titulo);
        QCOMPARE(titulo->text(), QStringLiteral("Telas Disponíveis (CA 60)"));
    }

    void cabecalhos()
    {
        TFcadastro j;
        QTableWidget* c = j.Cabecalho;
        QCOMPARE(c->columnCount(), 10);
        const QStringList superior{"Designação", "Espaçamento", "Diâmetro", "Seçâo dos fios (cm ²/m)", "",
                                   "Peso base", "Largura do", "Comprimento", "Peso do", "Comprimento"};
        const QStringList inferior{"", "entre fios (cm)", "dos fios (cm)", "Longitudinal", "Transversal",
                                   "(kgf/m ²)", "rolo (m)", "do rolo (m)", "rolo (kgf)", "emenda (cm)"};
        for (int col = 0; col < 10; ++col) {
            QCOMPARE(celula(c, 0, col), superior[col]);
            QCOMPARE(celula(c, 1, col), inferior[col]);
        }
        QCOMPARE(c->rowSpan(0, 0), 2);
        QCOMPARE(c->columnSpan(0, 3), 2);
        // Every heading fits its column.
        const QFontMetrics m(c->font());
        for (int col = 0; col < 10; ++col)
            for (int l = 0; l < 2; ++l) {
                int largura = 0;
                for (int k = 0; k < c->columnSpan(l, col); ++k)
                    largura += c->columnWidth(col + k);
                QVERIFY2(m.horizontalAdvance(celula(c, l, col)) < largura, qPrintable(celula(c, l, col)));
            }
    }

    void asSeteTelas()
    {
        TFcadastro j;
        QTableWidget* g = j.StringGrid1;
        QCOMPARE(g->rowCount(), 12);
        QCOMPARE(g->columnCount(), 10);
        QVERIFY2(g->isRowHidden(0), "row 0 lies under the headings");
        const QStringList linhas[] = {
            {"MF113", "10 x 20", "3,8 x 3,4", "1,13", "0,46", "1,27", "0,975", "120", "148,6", "21"},
            {"MF138", "10 x 20", "4,2 x 3,4", "1,38", "0,46", "1,47", "0,975", "120", "172,0", "24"},
            {"MF159", "10 x 20", "4,5 x 3,4", "1,59", "0,46", "1,64", "0,975", "120", "191,9", "25"},
            {"MF196", "10 x 20", "5,0 x 3,4", "1,96", "0,46", "1,94", "0,975", "120", "227,0", "28"},
            {"MF246", "10 x 20", "5,6 x 3,4", "2,46", "0,46", "2,34", "0,975", "120", "136,9", "31"},
            {"MF283", "10 x 20", "6,0 x 4,2", "2,83", "0,69", "2,82", "0,975", "120", "165,0", "34"},
            {"MF396", "10 x 20", "7,1 x 4,2", "3,96", "0,69", "3,73", "0,975", "120", "218,2", "40"},
        };
        for (int l = 1; l <= 7; ++l)
            for (int col = 0; col < 10; ++col)
                QCOMPARE(celula(g, l, col), linhas[l - 1][col]);
        for (int l = 8; l < 12; ++l)
            for (int col = 0; col < 10; ++col)
                QCOMPARE(celula(g, l, col), QString());
        QCOMPARE(g->editTriggers(), QAbstractItemView::NoEditTriggers);
        // The grid shows all its rows and columns without scrolling.
        int altura = 0, largura = 0;
        for (int l = 1; l < 12; ++l)
            altura += g->rowHeight(l);
        for (int col = 0; col < 10; ++col) {
            largura += g->columnWidth(col);
            QCOMPARE(g->columnWidth(col), j.Cabecalho->columnWidth(col));
        }
        QVERIFY(g->height() >= altura && g->width() >= largura);
    }

    void voltarFecha()
    {
        TFcadastro j;
        j.show();
        QVERIFY(j.isVisible());
        auto* voltar = j.findChild<QPushButton*>(QStringLiteral("BotaoVoltar"));
        QVERIFY(voltar);
        QCOMPARE(voltar->text(), QStringLiteral("Voltar"));
        voltar->click();
        QVERIFY(!j.isVisible());
    }
};

QTEST_MAIN(TFcadastroTeste)
#include "TFcadastroTeste.moc"
