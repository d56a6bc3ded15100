// The installation window and its two aids driven as a user would: real
// widgets, nested windows played by a script, messages recorded.
#include "ExecucaoModal.h"
#include "MensagensGravadas.h"
#include "ProjetoTubo.h"
#include "TFormInstalacao.h"
#include "TFormLagrVala.h"
#include "TFormRazaoRecalque.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

class TFormInstalacaoTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjetoTubo> projeto;
    std::unique_ptr<TFormInstalacao> janela;
    std::unique_ptr<TFormRazaoRecalque> razao;
    std::unique_ptr<TFormLagrVala> largura;
    std::unique_ptr<MensagensGravadas> msgs;
    QList<std::function<void(QDialog&)>> roteiro;
    QStringList abertas;

    static void clicar(QWidget& w, const char* nome)
    {
        auto* b = w.findChild<QPushButton*>(QLatin1String(nome));
        QVERIFY2(b, nome);
        b->click();
    }
    void abrir()
    {
        janela->show();
        QVERIFY(janela->isVisible());
    }
    void tipo(int t) { janela->RadioGroup1->button(t)->click(); }
    void terreno(int t)
    {
        janela->CmbBxTerreno->setCurrentIndex(t);
        emit janela->CmbBxTerreno->activated(t);
    }
    // Types into a field as the keyboard would, through the key filter.
    static void digitar(QLineEdit* campo, const QString& texto)
    {
        campo->clear();
        QTest::keyClicks(campo, texto);
    }
    bool confirmar()
    {
        clicar(*janela, "BotaoConfirma");
        return !janela->isVisible();
    }

private slots:
    void init()
    {
        projeto = std::make_unique<ProjetoTubo>();
        projeto->etapas.geometria = true;
        janela = std::make_unique<TFormInstalacao>(*projeto);
        razao = std::make_unique<TFormRazaoRecalque>();
        largura = std::make_unique<TFormLagrVala>();
        janela->ligarAuxiliares(razao.get(), largura.get());
        msgs = std::make_unique<MensagensGravadas>();
        roteiro.clear();
        abertas.clear();
        substituirExecucaoModal([this](QDialog& d) {
            abertas << d.objectName();
            d.show();
            if (!roteiro.isEmpty())
                roteiro.takeFirst()(d);
            d.hide();
            return 0;
        });
    }

    void cleanup()
    {
        substituirExecucaoModal({});
        janela.reset();
        msgs.reset();
    }

    void tiposMostramSeusCamposESuasFiguras()
    {
        abrir();
        struct Caso {
            int tipo;
            bool recalque, largura, altura, caixa;
        } casos[] = {{Vala, false, true, false, false},
                     {ProjecaoPositiva, true, false, true, false},
                     {ProjecaoNegativa, true, true, true, true}};
        for (const Caso& c : casos) {
            tipo(c.tipo);
            QCOMPARE(janela->campoAplicavel(janela->EditRazaoRecalque), c.recalque);
            QCOMPARE(janela->campoAplicavel(janela->EditLargVala), c.largura);
            QCOMPARE(janela->campoAplicavel(janela->EditHa), c.altura);
            QCOMPARE(janela->BotaoP->isEnabled(), c.recalque);
            QCOMPARE(janela->BotaoO->isEnabled(), c.largura);
            QCOMPARE(janela->CheckBoxCompactado->isEnabled(), c.caixa);
            QVERIFY2(!janela->Image1->pixmap().isNull(), "each type shows its picture");
        }
    }

    void trocaDeTipoRedefineValores()
    {
        abrir();
        digitar(janela->EditLargVala, QStringLiteral("2,5"));
        tipo(ProjecaoNegativa);
        QCOMPARE(janela->EditLargVala->text(), QStringLiteral("1,31"));
        QCOMPARE(janela->EditHa->text(), QStringLiteral("0,60"));
        QCOMPARE(janela->EditRazaoRecalque->text(), QStringLiteral("-0,4"));
        janela->CheckBoxCompactado->click();
        QCOMPARE(janela->EditRazaoRecalque->text(), QStringLiteral("0,5"));
        tipo(Vala);
        tipo(ProjecaoNegativa); // the check box was left on
        QCOMPARE(janela->EditRazaoRecalque->text(), QStringLiteral("0,5"));
    }

    void soloDefinidoPeloUsuarioSeDigita()
    {
        abrir();
        terreno(0);
        QCOMPARE(janela->EditGama->text(), QStringLiteral("21,0"));
        QCOMPARE(janela->EditKMi->text(), QStringLiteral("0,110"));
        QVERIFY(janela->EditGama->isReadOnly());
        terreno(5);
        QCOMPARE(janela->EditGama->text(), QString());
        QVERIFY(!janela->EditGama->isReadOnly());
        QVERIFY(!janela->EditKMi->isReadOnly());
        QCOMPARE(janela->focusWidget(), janela->EditGama);
        digitar(janela->EditGama, QStringLiteral("18.5.x"));
        QCOMPARE(janela->EditGama->text(), QStringLiteral("18,5"));
    }

    void recusasNaOrdemComFocoECorrecoes()
    {
        abrir();
        terreno(5);
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para o peso específico do solo."));
        QCOMPARE(confirmado, 0);
        QCOMPARE(janela->focusWidget(), janela->EditGama);
        digitar(janela->EditGama, QStringLiteral("18"));
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para K.u."));
        QCOMPARE(janela->focusWidget(), janela->EditKMi);
        digitar(janela->EditKMi, QStringLiteral("0"));
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: O valor de K.u deve ser maior que zero."));
        QCOMPARE(janela->focusWidget(), janela->EditKMi);
        digitar(janela->EditKMi, QStringLiteral("0,16"));
        digitar(janela->EdtAltAterro, QStringLiteral("0,59"));
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: A altura mínima de terra deverá ser 0,60 m"));
        QCOMPARE(janela->EdtAltAterro->text(), QStringLiteral("0,60"));
        QCOMPARE(janela->EditGama->text(), QStringLiteral("18,00")); // the texts were rounded
        digitar(janela->EditLargVala, QStringLiteral("1,2"));
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: A largura mínima da vala deverá ser 1,22 m."));
        QCOMPARE(janela->EditLargVala->text(), QStringLiteral("1,22"));
        QVERIFY(confirmar());
        QCOMPARE(projeto->instalacao.kMi, std::string("0,160"));
        QCOMPARE(projeto->instalacao.larguraVala, std::string("1,22"));
    }

    void alturaMaximaNaoDeixaConfirmadoAberto()
    {
        abrir();
        tipo(ProjecaoPositiva);
        digitar(janela->EditHa, QStringLiteral("0,70"));
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Altura máxima para a projeção é de 0,65 m"));
        QCOMPARE(janela->EditHa->text(), QStringLiteral("0,65"));
        QCOMPARE(confirmado, 0);
        // The close box now cancels: nothing of this opening is kept.
        janela->close();
        QVERIFY(!janela->isVisible());
        QCOMPARE(projeto->instalacao, Instalacao{});
    }

    void projecaoNegativaAvisoEmDuasLinhas()
    {
        abrir();
        tipo(ProjecaoNegativa);
        digitar(janela->EditHa, QStringLiteral("0,95"));
        QVERIFY(!confirmar());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso2: A altura (ha) deve ser pelo menos 5%  | menor do que a altura de terra (hs)."));
        QCOMPARE(janela->EditHa->text(), QStringLiteral("0,94"));
        QVERIFY(confirmar());
    }

    void cancelaRestauraTudo()
    {
        abrir();
        tipo(ProjecaoNegativa);
        janela->CheckBoxCompactado->click();
        terreno(5);
        digitar(janela->EditGama, QStringLiteral("17"));
        digitar(janela->EdtAltAterro, QStringLiteral("3"));
        clicar(*janela, "BotaoCancela");
        QVERIFY(!janela->isVisible());
        QCOMPARE(projeto->instalacao, Instalacao{});
        abrir();
        QCOMPARE(janela->RadioGroup1->checkedId(), int(Vala));
        QCOMPARE(janela->CmbBxTerreno->currentIndex(), 2);
        QCOMPARE(janela->EditGama->text(), QStringLiteral("19,2"));
        QCOMPARE(janela->EdtAltAterro->text(), QStringLiteral("1,00"));
        QVERIFY(!janela->CheckBoxCompactado->isChecked());
    }

    void mudancaAnunciadaSoQuandoHa()
    {
        QSignalSpy alterada(janela.get(), &TFormInstalacao::instalacaoAlterada);
        abrir();
        QVERIFY(confirmar());
        QCOMPARE(alterada.count(), 1); // the first confirmation
        QVERIFY(projeto->etapas.instalacao);
        abrir();
        QVERIFY(confirmar());
        QCOMPARE(alterada.count(), 1);
        abrir();
        digitar(janela->EdtAltAterro, QStringLiteral("1,5"));
        QVERIFY(confirmar());
        QCOMPARE(alterada.count(), 2);
        QCOMPARE(projeto->instalacao.alturaTerra, std::string("1,50"));
    }

    void botaoPAbreAsFundacoesOuAvisa()
    {
        abrir();
        tipo(ProjecaoPositiva);
        roteiro << [](QDialog& d) {
            auto& r = static_cast<TFormRazaoRecalque&>(d);
            r.RadioGroup1->button(0)->click();
            QCOMPARE(r.LabelFaixa->text(), QStringLiteral("rr > 1,00"));
            clicar(d, "BotaoConfirma");
        };
        clicar(*janela, "BotaoP");
        QCOMPARE(janela->EditRazaoRecalque->text(), QStringLiteral("1,0"));
        QCOMPARE(confirmado, 0); // the installation window is still open, not confirmed
        roteiro << [](QDialog& d) {
            static_cast<TFormRazaoRecalque&>(d).RadioGroup1->button(2)->click();
            clicar(d, "BotaoCancela");
        };
        clicar(*janela, "BotaoP");
        QCOMPARE(janela->EditRazaoRecalque->text(), QStringLiteral("1,0"));
        QCOMPARE(razao->selecao(), 0);

        tipo(ProjecaoNegativa);
        abertas.clear();
        clicar(*janela, "BotaoP");
        QVERIFY(abertas.isEmpty());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso2: Faixa de valores recomendado: -0,3 a -0,5 | rr = -0,4"));
        QCOMPARE(janela->EditRazaoRecalque->text(), QStringLiteral("-0,4"));
    }

    void botaoOTrazALarguraCalculada()
    {
        abrir();
        roteiro << [](QDialog& d) {
            auto& l = static_cast<TFormLagrVala&>(d);
            QCOMPARE(l.Ebv->text(), QStringLiteral("1,64"));
            clicar(d, "BotaoConfirma");
        };
        clicar(*janela, "BotaoO");
        QCOMPARE(abertas, QStringList{QStringLiteral("TFormLagrVala")});
        QCOMPARE(janela->EditLargVala->text(), QStringLiteral("1,64"));
        QVERIFY(msgs->ultima().startsWith(QStringLiteral("mensagem: Recomenda-se verificar a estabilidade")));
        QCOMPARE(confirmado, 0);
    }

    // The trench-width aid on its own: 600 mm, cover 1,00 m.
    void larguraDaValaSegueTaludeEFolga()
    {
        ProjetoTubo p;
        largura->definirValores(valoresTrabalho(p));
        largura->show();
        QCOMPARE(largura->Ebv->text(), QStringLiteral("1,64"));
        largura->CheckBoxVertical->click();
        QCOMPARE(largura->ScrollBar2->value(), 99);
        QCOMPARE(largura->Ebv->text(), QStringLiteral("1,32"));
        // Moving a figure by hand leaves the vertical wall at 1 : 5 first.
        largura->ScrollBar1->setValue(3);
        QVERIFY(!largura->CheckBoxVertical->isChecked());
        QCOMPARE(largura->LabelHor->text(), QStringLiteral("3"));
        QCOMPARE(largura->LabelVer->text(), QStringLiteral("5"));
        digitar(largura->EditC, QStringLiteral(","));
        QCOMPARE(largura->Ebv->text(), QStringLiteral("2,28")); // a lone comma waits
        digitar(largura->EditC, QStringLiteral("0,08"));
        digitar(largura->EditFolga, QStringLiteral("0,20"));
        emit largura->EditFolga->editingFinished();
        QCOMPARE(largura->EditFolga->text(), QStringLiteral("0,215"));
        QVERIFY(msgs->ultima().startsWith(QStringLiteral("mensagem: O valor mínimo considerado para a folga na vala é de 0,215 m")));
        clicar(*largura, "BotaoConfirma");
        QVERIFY(!largura->isVisible());
        QCOMPARE(largura->EditFolga->text(), QStringLiteral("0,22")); // never rounded below the minimum
    }

    void larguraDaValaRecusasECancela()
    {
        ProjetoTubo p;
        largura->definirValores(valoresTrabalho(p));
        largura->show();
        largura->EditC->clear();
        clicar(*largura, "BotaoConfirma");
        QVERIFY(largura->isVisible());
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para o comprimento \"c\"."));
        QCOMPARE(confirmado, 0);
        largura->EditC->setText(QStringLiteral("0,1"));
        largura->EditFolga->clear();
        clicar(*largura, "BotaoConfirma");
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para a folga."));
        largura->CheckBoxVertical->click();
        clicar(*largura, "BotaoCancela");
        largura->show();
        QCOMPARE(largura->EditC->text(), QStringLiteral("0,08"));
        QCOMPARE(largura->EditFolga->text(), QStringLiteral("0,30"));
        QVERIFY(!largura->CheckBoxVertical->isChecked());
        QCOMPARE(largura->ScrollBar2->value(), 5);
        // A gentle slope needs no stability check.
        largura->ScrollBar2->setValue(1);
        msgs->mostradas.clear();
        clicar(*largura, "BotaoConfirma");
        QVERIFY(!largura->isVisible());
        QVERIFY(msgs->mostradas.isEmpty());
    }
};

QTEST_MAIN(TFormInstalacaoTeste)
#include "TFormInstalacaoTeste.moc"
