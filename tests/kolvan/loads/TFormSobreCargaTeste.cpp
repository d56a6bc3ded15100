// The surcharge window driven as a user would.
#include "MensagensGravadas.h"
#include "ProjetoTubo.h"
#include "TFormSobreCarga.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TFormSobreCargaTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjetoTubo> projeto;
    std::unique_ptr<TFormSobreCarga> janela;
    std::unique_ptr<MensagensGravadas> msgs;

    void natureza(int n) { janela->RadioGroupTipoCarga->button(n)->click(); }
    bool confirmar()
    {
        janela->findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
        return !janela->isVisible();
    }

private slots:
    void init()
    {
        projeto = std::make_unique<ProjetoTubo>();
        janela = std::make_unique<TFormSobreCarga>(*projeto);
        msgs = std::make_unique<MensagensGravadas>();
        janela->show();
    }
    void cleanup()
    {
        janela.reset();
        msgs.reset();
    }

    void cadaNaturezaMostraSeusCampos()
    {
        struct Caso {
            int natureza;
            bool confirma;
            int painel;
            bool carga, a, b, c;
        } casos[] = {
            {0, true, 0, false, false, false, false}, {1, false, 1, false, false, false, false},
            {2, false, 1, false, false, false, false}, {3, true, 1, true, true, true, false},
            {4, true, 1, true, false, false, false}, {5, true, 1, false, false, false, false},
        };
        for (const Caso& c : casos) {
            natureza(c.natureza);
            QCOMPARE(janela->BitBtn1->isEnabled(), c.confirma);
            QCOMPARE(janela->painelVisivel(), c.painel);
            QCOMPARE(janela->campoVisivel(janela->EditCarga), c.carga);
            QCOMPARE(janela->campoVisivel(janela->EditCompA), c.a);
            QCOMPARE(janela->campoVisivel(janela->EditCompB), c.b);
            QCOMPARE(janela->campoVisivel(janela->EditDistC), c.c);
            QVERIFY(!janela->Image1->pixmap().isNull());
        }
        natureza(4);
        QCOMPARE(janela->legendaCargaAtual(), QStringLiteral("q m = kN/m"));
        natureza(3);
        QCOMPARE(janela->legendaCargaAtual(), QStringLiteral("Q = kN"));
    }

    void trafegoTrocaOPainel()
    {
        janela->RadioGroupRodoviario->button(2)->click();
        QVERIFY(janela->rotulosRodoviarios[0]->text().contains(QStringLiteral("255,00 kN")));
        QVERIFY(janela->rotulosRodoviarios[3]->text().contains(QStringLiteral("1,80 m")));
        QVERIFY(janela->rotulosRodoviarios[5]->text().contains(QStringLiteral("60 cm")));
    }

    void naturezasRedefinemOsCamposDeCarga()
    {
        natureza(4);
        QCOMPARE(janela->EditCarga->text(), QStringLiteral("5,00"));
        natureza(3); // the force and the user's load share one field
        QCOMPARE(janela->EditCarga->text(), QStringLiteral("5000,00"));
        QCOMPARE(janela->EditCompA->text(), QStringLiteral("0,50"));
        janela->RadioGroupDistr->button(1)->click();
        QVERIFY(janela->campoVisivel(janela->EditDistC));
        QCOMPARE(janela->EditDistC->text(), QStringLiteral("5,00"));
    }

    void mensagensDoFechamento()
    {
        natureza(3);
        janela->RadioGroupDistr->button(1)->click();
        janela->EditCompB->clear();
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para o comprimento \"b\""));
        QCOMPARE(janela->focusWidget(), janela->EditCompB);
        QCOMPARE(confirmado, 0);
        janela->EditCompB->setText(QStringLiteral("0,6"));
        janela->EditDistC->clear();
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para o comprimento \"c\""));
        janela->RadioGroupDistr->button(0)->click(); // one area needs no c
        QVERIFY(confirmar());
        QCOMPARE(projeto->sobrecarga.compB, std::string("0,60"));
        QCOMPARE(projeto->sobrecarga.carga, std::string("5000,00"));

        janela->show();
        natureza(4);
        janela->EditCarga->setText(QStringLiteral(","));
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: \",\" não é um número válido."));
        janela->EditCarga->clear();
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para a força definida pelo usuário."));
    }

    void cancelaDevolveNaturezaETextos()
    {
        natureza(4);
        janela->EditCarga->setText(QStringLiteral("12,50"));
        QVERIFY(confirmar());
        janela->show();
        natureza(3);
        janela->findChild<QPushButton*>(QStringLiteral("BotaoCancela"))->click();
        QCOMPARE(projeto->sobrecarga.natureza, 4);
        janela->show();
        QCOMPARE(janela->RadioGroupTipoCarga->checkedId(), 4);
        QCOMPARE(janela->EditCarga->text(), QStringLiteral("12,50")); // not the default 5000,00
    }

    void mudancaAnunciadaComTolerancia()
    {
        QSignalSpy alterada(janela.get(), &TFormSobreCarga::sobrecargaAlterada);
        natureza(3);
        QVERIFY(confirmar());
        QCOMPARE(alterada.count(), 1);
        janela->show();
        janela->EditCompB->setText(QStringLiteral("0,5"));
        QVERIFY(confirmar());
        QCOMPARE(alterada.count(), 1);
        janela->show();
        janela->EditCompB->setText(QStringLiteral("0,51"));
        QVERIFY(confirmar());
        QCOMPARE(alterada.count(), 2);
    }

    void altF4ConfirmaAteFerroviaria()
    {
        natureza(1);
        janela->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(janela->isActiveWindow(), 5000);
        QTest::keyClick(janela.get(), Qt::Key_F4, Qt::AltModifier);
        QVERIFY(!janela->isVisible());
        QCOMPARE(projeto->sobrecarga.natureza, 1);
        QVERIFY(projeto->etapas.sobrecarga);
    }
};

QTEST_MAIN(TFormSobreCargaTeste)
#include "TFormSobreCargaTeste.moc"
