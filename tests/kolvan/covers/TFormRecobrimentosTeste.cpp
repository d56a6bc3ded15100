// The window "Tabela de recobrimentos" as a user drives it: its two tables
// and chart against the engine's table, following the project as it
// changes, the exports and the report, and the main window's command.
#include "DialogosArquivo.h"
#include "MensagensGravadas.h"
#include "Pausa.h"
#include "PintorGraficoRecobrimento.h"
#include "RoteiroModal.h"
#include "TFormPrincipal.h"
#include "TFormRecobrimentos.h"
#include "cargaSobrecarga.h"
#include "inicioKolvan.h"
#include "saidaRecobrimentos.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TFormRecobrimentosTeste : public QObject {
    Q_OBJECT

private:
    static QString texto(const QTableWidget* t, int linha, int coluna)
    {
        const QTableWidgetItem* item = t->item(linha, coluna);
        return item ? item->text() : QStringLiteral("(sem item)");
    }

private slots:
    void tabelasGraficoEProjeto()
    {
        ProjetoTubo projeto; // trench, Classe 45, 600 mm
        TFormRecobrimentos janela(projeto);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QTableWidget* classes = janela.tabelaClasses();
        QTableWidget* coberturas = janela.tabelaCoberturas();
        QCOMPARE(classes->rowCount(), 15);
        QCOMPARE(classes->columnCount(), 6); // PA1 … PA4, PS1, PS2
        QCOMPARE(classes->horizontalHeaderItem(0)->text(), QStringLiteral("PA1\narmado"));
        QCOMPARE(classes->horizontalHeaderItem(5)->text(), QStringLiteral("PS2\nsimples"));
        QCOMPARE(classes->verticalHeaderItem(2)->text(), QStringLiteral("400 mm"));
        // Rows as the geometry lists the diameters: 200, 300, 400, 500, 600 …
        QCOMPARE(texto(classes, 2, 0), QStringLiteral("0,70 a 1,05 m"));
        QCOMPARE(texto(classes, 4, 4), QStringLiteral("—"));      // no cover takes PS1 of 600 mm
        QCOMPARE(texto(classes, 0, 0), QString());                // no reinforced pipe of 200 mm
        QCOMPARE(texto(classes, 5, 4), QString());                // nor a simple one of 700 mm
        QCOMPARE(classes->item(0, 0)->background().color(), QColor(235, 235, 235));

        const std::vector<int>& hs = coberturasClassePorCobertura();
        QCOMPARE(coberturas->columnCount(), 20);
        QCOMPARE(coberturas->horizontalHeaderItem(0)->text(), QStringLiteral("0,60"));
        QCOMPARE(coberturas->horizontalHeaderItem(19)->text(), QStringLiteral("10,00"));
        const TabelaRecobrimentos& t = janela.tabela();
        for (int r = 0; r < 15; ++r)
            for (int c = 0; c < 20; ++c) {
                const std::string classe = classePorCobertura(t.diametros[static_cast<std::size_t>(r)], hs[static_cast<std::size_t>(c)]);
                QCOMPARE(texto(coberturas, r, c), QString::fromStdString(classe));
                if (classe != semClasseCobertura) {
                    const CorClasse cor = corClasse(classe, true);
                    QCOMPARE(coberturas->item(r, c)->background().color(), QColor(cor.r, cor.g, cor.b));
                }
            }
        QCOMPARE(texto(coberturas, 4, 0), QStringLiteral("PA1"));   // 600 mm at 0,60 m
        QCOMPARE(texto(coberturas, 4, 19), QStringLiteral("PA4"));  // and at 10,00 m
        QCOMPARE(texto(coberturas, 14, 19), QStringLiteral("Especial"));
        QCOMPARE(texto(coberturas, 14, 0), QStringLiteral("—"));    // 2000 mm at 0,60 m has no R
        QCOMPARE(coberturas->item(14, 0)->toolTip(), QString::fromStdString(t.diametros[14].ponto(60).mensagem));
        QVERIFY(coberturas->item(14, 0)->toolTip().startsWith(QStringLiteral("hs = 0,60 m: ")));

        // The chart follows the project's diameter until another is picked.
        QCOMPARE(janela.diametroGrafico()->currentIndex(), 4);
        projeto.geometria.indiceDi = 8; // 1000 mm
        janela.projetoAlterado();
        QCOMPARE(janela.diametroGrafico()->currentIndex(), 8);
        janela.diametroGrafico()->setCurrentIndex(2);
        projeto.sobrecarga.natureza = NulaOuDesprezivel;
        janela.projetoAlterado();
        QCOMPARE(janela.diametroGrafico()->currentIndex(), 2);
        // Without traffic the small covers take the lightest class.
        QCOMPARE(texto(classes, 2, 0).left(7), QStringLiteral("0,60 a "));
        QCOMPARE(janela.tabela().finalidade, 0);

        // A hidden window computes again only when it is shown.
        janela.hide();
        projeto.geometria.finalidade = 1;
        janela.projetoAlterado();
        QCOMPARE(janela.tabela().finalidade, 0);
        janela.show();
        QCOMPARE(janela.tabela().finalidade, 1);
        QCOMPARE(classes->columnCount(), 4); // EA2, EA3, EA4, ES
        QCOMPARE(classes->horizontalHeaderItem(0)->text(), QStringLiteral("EA2\narmado"));
    }

    void exportacoesERelatorio()
    {
        MensagensGravadas msgs;
        RoteiroModal modal;
        QTemporaryDir pasta;
        ProjetoTubo projeto;
        TFormRecobrimentos janela(projeto);
        janela.show();
        QString proposto;
        substituirEscolhaArquivoSalvar([&](const QString&, const QString& caminho) {
            proposto = caminho;
            return pasta.filePath(QStringLiteral("tabela.csv"));
        });
        janela.findChild<QAction*>(QStringLiteral("MexportarCsv"))->trigger();
        QVERIFY(proposto.endsWith(QStringLiteral("/Recobrimentos1")));
        QFile csv(pasta.filePath(QStringLiteral("tabela.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().toStdString(), csvRecobrimentos(janela.tabela()));
        substituirEscolhaArquivoSalvar([&](const QString&, const QString&) { return pasta.filePath(QStringLiteral("tabela.xlsx")); });
        janela.findChild<QAction*>(QStringLiteral("MexportarXlsx"))->trigger();
        QFile xlsx(pasta.filePath(QStringLiteral("tabela.xlsx")));
        QVERIFY(xlsx.open(QIODevice::ReadOnly));
        QCOMPARE(xlsx.read(2), QByteArray("PK"));
        // A folder that cannot be written is said, and nothing else happens.
        substituirEscolhaArquivoSalvar([&](const QString&, const QString&) { return pasta.filePath(QStringLiteral("nenhuma/t.csv")); });
        janela.findChild<QAction*>(QStringLiteral("MexportarCsv"))->trigger();
        QCOMPARE(msgs.mostradas.size(), 1);
        substituirEscolhaArquivoSalvar({});

        janela.findChild<QPushButton*>(QStringLiteral("Brelatorio"))->click();
        QCOMPARE(modal.mostradas.size(), 1);
    }

    void comandoDaJanelaPrincipal()
    {
        substituirPausa([](int) {});
        auto modal = std::make_unique<RoteiroModal>();
        {
            MensagensGravadas msgs;
            auto app = iniciarKolvan();
            TFormPrincipal& principal = *app->principal;
            principal.show();
            QAction* recobrimentos = principal.comando(QStringLiteral("Brecob"));
            QVERIFY(recobrimentos);
            QCOMPARE(recobrimentos->text(), QStringLiteral("Tabela de recobrimentos"));
            QCOMPARE(recobrimentos->shortcut(), QKeySequence(QStringLiteral("F10")));
            QVERIFY(!recobrimentos->icon().isNull());
            bool noMenu = false;
            for (QAction* menu : principal.menuBar()->actions())
                if (menu->text().remove(QLatin1Char('&')) == QStringLiteral("Resultados"))
                    noMenu = menu->menu()->actions().contains(recobrimentos);
            QVERIFY(noMenu);
            QVERIFY(!recobrimentos->isEnabled());
            for (const char* comando : {"Bgeo", "Bins", "Bsob", "Bfat"}) {
                modal->roteiro.append([](QDialog& d) {
                    d.show();
                    d.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
                });
                principal.comando(QLatin1String(comando))->trigger();
            }
            QVERIFY(recobrimentos->isEnabled());
            recobrimentos->trigger();
            auto* janela = principal.findChild<TFormRecobrimentos*>();
            QVERIFY(janela && janela->isVisible());
            QCOMPARE(QString::fromStdString(classePorCobertura(janela->tabela().diametros[4], 60)), QStringLiteral("PA1"));

            // "Novo" withdraws it with the network.
            {
                MensagensGravadas respostas; // the inputs typed may be lost: "Sim"
                principal.comando(QStringLiteral("Bnov"))->trigger();
            }
            QVERIFY(!recobrimentos->isEnabled());
            modal->sairSemPerguntar();
            principal.close();
        }
        modal.reset();
        substituirPausa({});
    }
};

QTEST_MAIN(TFormRecobrimentosTeste)
#include "TFormRecobrimentosTeste.moc"
