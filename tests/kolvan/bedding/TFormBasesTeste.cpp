// The two bedding windows and the concrete bases, driven as a user would.
#include "ExecucaoModal.h"
#include "MensagensGravadas.h"
#include "ProjetoTubo.h"
#include "TFormBasesSaliPosit.h"
#include "TFormBasesVala.h"
#include "TFormDaseConcreto.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TFormBasesTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjetoTubo> projeto;
    std::unique_ptr<TFormBasesVala> vala;
    std::unique_ptr<TFormBasesSaliPosit> aterro;
    std::unique_ptr<TFormDaseConcreto> concreto;
    std::unique_ptr<MensagensGravadas> msgs;
    QString botaoConcreto;

    static void clicar(QWidget& w, const char* nome) { w.findChild<QPushButton*>(QLatin1String(nome))->click(); }
    static void classe(JanelaBaseAssentamento& j, int c) { j.RadioGroup1->button(c)->click(); }

private slots:
    void init()
    {
        projeto = std::make_unique<ProjetoTubo>();
        vala = std::make_unique<TFormBasesVala>(*projeto);
        aterro = std::make_unique<TFormBasesSaliPosit>(*projeto);
        concreto = std::make_unique<TFormDaseConcreto>();
        vala->ligarBasesConcreto(concreto.get());
        msgs = std::make_unique<MensagensGravadas>();
        botaoConcreto.clear();
        substituirExecucaoModal([this](QDialog& d) {
            d.show();
            if (botaoConcreto.isEmpty())
                clicar(d, "BotaoVoltar");
            else
                clicar(d, qPrintable(botaoConcreto));
            return d.result();
        });
    }
    void cleanup()
    {
        substituirExecucaoModal({});
        vala.reset();
        aterro.reset();
        msgs.reset();
    }

    void valaFatoresFixosEBasesDeConcreto()
    {
        vala->show();
        const char* fatores[] = {"2,0", "1,9", "1,5", "1,1"};
        for (int c = 0; c < 4; ++c) {
            classe(*vala, c);
            QCOMPARE(vala->LabelAlfaEq->text(), QLatin1String(fatores[c]));
            QCOMPARE(vala->BotaoA->isEnabled(), c == 0);
            QVERIFY(!vala->Image1->pixmap().isNull());
            QVERIFY(vala->LabelDescricao->text().startsWith(QStringLiteral("São aquelas em que")));
        }
        classe(*vala, 0);
        botaoConcreto = QStringLiteral("BotaoBase00");
        vala->BotaoA->click();
        QCOMPARE(vala->LabelAlfaEq->text(), QStringLiteral("4,0"));
        botaoConcreto.clear(); // "Voltar" changes nothing
        vala->BotaoA->click();
        QCOMPARE(vala->LabelAlfaEq->text(), QStringLiteral("4,0"));
        classe(*vala, 0); // the class already chosen: the concrete base's factor stays
        QCOMPARE(vala->LabelAlfaEq->text(), QStringLiteral("4,0"));
        classe(*vala, 1);
        QCOMPARE(vala->LabelAlfaEq->text(), QStringLiteral("1,9"));
    }

    void coeficienteDeSegurancaRecusadoECopiado()
    {
        vala->show();
        vala->Edit7->setText(QStringLiteral("1,49"));
        clicar(*vala, "BotaoConfirma");
        QVERIFY(vala->isVisible());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: O valor do coeficiente de segurança deverá ser maior que 1,5."));
        QCOMPARE(vala->focusWidget(), vala->Edit7);
        vala->Edit7->clear();
        clicar(*vala, "BotaoConfirma");
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para o coeficiente de segurança."));
        vala->Edit7->setText(QStringLiteral("1,499"));
        clicar(*vala, "BotaoConfirma");
        QVERIFY(!vala->isVisible());
        QCOMPARE(projeto->baseVala.coefSeguranca, std::string("1,50"));
        QCOMPARE(projeto->baseAterro.coefSeguranca, std::string("1,50"));
    }

    void cancelaDevolveClasseFatorECoeficiente()
    {
        vala->show();
        classe(*vala, 0);
        vala->Edit7->setText(QStringLiteral("2"));
        clicar(*vala, "BotaoCancela");
        QCOMPARE(projeto->baseVala.classe, 2);
        vala->show();
        QCOMPARE(vala->RadioGroup1->checkedId(), 2);
        QCOMPARE(vala->LabelAlfaEq->text(), QStringLiteral("1,5"));
        QCOMPARE(vala->Edit7->text(), QStringLiteral("1,5"));
    }

    void mudancaAnunciada()
    {
        QSignalSpy alterada(vala.get(), &JanelaBaseAssentamento::baseAlterada);
        vala->show();
        clicar(*vala, "BotaoConfirma");
        QCOMPARE(alterada.count(), 1);
        vala->show();
        clicar(*vala, "BotaoConfirma");
        QCOMPARE(alterada.count(), 1);
        vala->show();
        vala->Edit7->setText(QStringLiteral("1,6"));
        clicar(*vala, "BotaoConfirma");
        QCOMPARE(alterada.count(), 2);
    }

    // 600 mm, positive projection, hs 1,00, ha 0,60, rsd 0,5.
    void aterroCalculaOFatorDaInstalacao()
    {
        projeto->instalacao.tipo = ProjecaoPositiva;
        aterro->show();
        QCOMPARE(aterro->LabelAlfaEq->text(), QStringLiteral("2,18"));
        const char* fatores[] = {"4,82", "2,73", "2,18", "1,27"};
        for (int c = 0; c < 4; ++c) {
            classe(*aterro, c);
            QCOMPARE(aterro->LabelAlfaEq->text(), QLatin1String(fatores[c]));
        }
        aterro->Edit7->setText(QStringLiteral("1,7"));
        clicar(*aterro, "BotaoConfirma");
        QCOMPARE(projeto->baseAterro.fator, std::string("1,27"));
        QCOMPARE(projeto->baseVala.coefSeguranca, std::string("1,70"));
    }
};

QTEST_MAIN(TFormBasesTeste)
#include "TFormBasesTeste.moc"
