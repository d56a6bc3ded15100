// The geometry, class and design-parameter windows driven as a user would:
// real widgets, typing through the key filter, messages recorded.
#include "BaseTemporaria.h"
#include "ExecucaoModal.h"
#include "Figuras.h"
#include "MensagensGravadas.h"
#include "ProjetoRedwan.h"
#include "TFclasseRedwa.h"
#include "TFgeometria.h"
#include "TFormDimensionamento.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
// The questions by their opening words; the engine's test holds their whole texts.
bool comecamCom(const QStringList& mostradas, const QStringList& inicios)
{
    if (mostradas.size() != inicios.size())
        return false;
    for (int i = 0; i < inicios.size(); ++i)
        if (!mostradas[i].startsWith(inicios[i]))
            return false;
    return true;
}

int indiceDiametro(const char* di)
{
    const auto& lista = diametrosRedwan();
    return static_cast<int>(std::find(lista.begin(), lista.end(), std::string(di)) - lista.begin());
}
} // namespace

class JanelasEntradaTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BaseTemporaria> base;
    std::unique_ptr<ProjetoRedwan> projeto;
    std::unique_ptr<TFgeometria> geo;
    std::unique_ptr<TFclasseRedwa> cla;
    std::unique_ptr<TFormDimensionamento> arm;
    std::unique_ptr<MensagensGravadas> msgs;

    static void clicar(QWidget& w, const char* nome)
    {
        auto* b = w.findChild<QPushButton*>(QLatin1String(nome));
        QVERIFY2(b, nome);
        b->click();
    }
    static bool confirmar(QDialog& d)
    {
        clicar(d, "BotaoConfirma");
        return !d.isVisible();
    }
    static void digitar(QLineEdit* campo, const QString& texto)
    {
        campo->clear();
        QTest::keyClicks(campo, texto);
    }
    // A geometry confirmed earlier.
    void pipe(int finalidade, const char* di)
    {
        projeto->geometria.finalidade = finalidade;
        projeto->geometria.indiceDi = indiceDiametro(di);
        projeto->etapas.geometria = true;
    }
    static bool mesmaFigura(const QLabel* rotulo, const char* nome)
    {
        return rotulo->pixmap().toImage() == carregarFigura(QLatin1String(nome)).toImage();
    }

private slots:
    void init()
    {
        base = std::make_unique<BaseTemporaria>();
        projeto = std::make_unique<ProjetoRedwan>();
        geo = std::make_unique<TFgeometria>(*projeto);
        cla = std::make_unique<TFclasseRedwa>(*projeto);
        arm = std::make_unique<TFormDimensionamento>(*projeto);
        msgs = std::make_unique<MensagensGravadas>();
    }

    void cleanup()
    {
        arm.reset();
        cla.reset();
        geo.reset();
        msgs.reset();
        projeto.reset();
        base.reset();
    }

    // Geometry.

    void geometriaListasEFinalidade()
    {
        geo->show();
        QCOMPARE(geo->windowTitle(), QStringLiteral("Geometria"));
        QCOMPARE(geo->CmbBxDi->count(), 14);
        QCOMPARE(geo->CmbBxDi->itemText(0), QStringLiteral("300"));
        QCOMPARE(geo->CmbBxDi->currentText(), QStringLiteral("600"));
        QCOMPARE(geo->CmbBxTipoTubo->currentText(), QStringLiteral("Ponta e Bolsa"));
        geo->ComboBoxCompr->setCurrentIndex(3);
        geo->CmbBxFinalidade->setCurrentIndex(finalidadeEsgoto);
        QCOMPARE(geo->ComboBoxCompr->count(), 2);
        QCOMPARE(geo->ComboBoxCompr->currentText(), QStringLiteral("2,00"));
        geo->CmbBxFinalidade->setCurrentIndex(finalidadePluvial);
        QCOMPARE(geo->ComboBoxCompr->count(), 4);
        QCOMPARE(geo->ComboBoxCompr->currentText(), QStringLiteral("1,00"));
    }

    void geometriaCanceladaVolta()
    {
        QSignalSpy alterada(geo.get(), &TFgeometria::geometriaAlterada);
        geo->show();
        geo->CmbBxFinalidade->setCurrentIndex(1);
        geo->CmbBxDi->setCurrentIndex(10);
        geo->close(); // the close box
        QCOMPARE(alterada.count(), 0);
        QCOMPARE(projeto->geometria, GeometriaRedwan{});
        QVERIFY(!projeto->etapas.geometria);
        geo->show();
        QCOMPARE(geo->CmbBxFinalidade->currentIndex(), 0);
        QCOMPARE(geo->CmbBxDi->currentText(), QStringLiteral("600"));
        QCOMPARE(geo->ComboBoxCompr->count(), 4);
    }

    void geometriaConfirmadaPoeEspessuraMinima()
    {
        QSignalSpy alterada(geo.get(), &TFgeometria::geometriaAlterada);
        projeto->parametros.h = "90";
        // The first confirmation counts even without a change.
        geo->show();
        QVERIFY(confirmar(*geo));
        QCOMPARE(alterada.count(), 1);
        QCOMPARE(confirmado, 1);
        QVERIFY(projeto->etapas.geometria);
        QCOMPARE(QString::fromStdString(projeto->parametros.h), QStringLiteral("60"));
        // Without a change nothing happens; the wall keeps what was typed since.
        projeto->parametros.h = "75";
        geo->show();
        QVERIFY(confirmar(*geo));
        QCOMPARE(alterada.count(), 1);
        QCOMPARE(QString::fromStdString(projeto->parametros.h), QStringLiteral("75"));
        // Only the length changed: the wall goes back to the least one.
        geo->show();
        geo->ComboBoxCompr->setCurrentIndex(2);
        QVERIFY(confirmar(*geo));
        QCOMPARE(alterada.count(), 2);
        QCOMPARE(QString::fromStdString(projeto->parametros.h), QStringLiteral("60"));
        // A sewage pipe of 1300 mm.
        geo->show();
        geo->CmbBxFinalidade->setCurrentIndex(1);
        geo->CmbBxDi->setCurrentIndex(indiceDiametro("1300"));
        QVERIFY(confirmar(*geo));
        QCOMPARE(projeto->geometria, (GeometriaRedwan{1, 1, indiceDiametro("1300"), 0}));
        QCOMPARE(QString::fromStdString(projeto->parametros.h), QStringLiteral("115"));
    }

    // Class.

    void classeMostraCargasDoDiametro()
    {
        pipe(finalidadePluvial, "1750");
        cla->show();
        QCOMPARE(cla->windowTitle(), QStringLiteral("Tubo"));
        QVERIFY(cla->PanelPA->isVisibleTo(cla.get()));
        QVERIFY(!cla->PanelEA->isVisibleTo(cla.get()));
        QCOMPARE(cla->Ep1->text(), QStringLiteral("105,00"));
        QCOMPARE(cla->Ep2->text(), QStringLiteral("158,00"));
        QCOMPARE(cla->Ep3->text(), QStringLiteral("237,00"));
        QCOMPARE(cla->Ep4->text(), QStringLiteral("315,00"));
        QVERIFY(cla->Ea2->text().isEmpty());
        // Only the chosen class's load is enabled; the special field takes
        // its place only for "Especial".
        QVERIFY(cla->Ep1->isEnabled() && !cla->Ep2->isEnabled());
        QVERIFY(!cla->Epesp->isVisibleTo(cla.get()) && cla->EpespFalso->isVisibleTo(cla.get()));
        QVERIFY(!cla->EpespFalso->isEnabled());
        cla->RadioGroup1->button(2)->click();
        QVERIFY(!cla->Ep1->isEnabled() && cla->Ep3->isEnabled());
        cla->RadioGroup1->button(4)->click();
        QVERIFY(!cla->Ep3->isEnabled());
        QVERIFY(cla->Epesp->isVisibleTo(cla.get()) && cla->Epesp->isEnabled());
        digitar(cla->Epesp, QStringLiteral("3a2.5.1"));
        QCOMPARE(cla->Epesp->text(), QStringLiteral("32,51"));
        cla->cancelar();

        pipe(finalidadeEsgoto, "1300");
        cla->show();
        QVERIFY(cla->PanelEA->isVisibleTo(cla.get()));
        QVERIFY(!cla->PanelPA->isVisibleTo(cla.get()));
        QCOMPARE(cla->Ea2->text(), QStringLiteral("117,00"));
        QCOMPARE(cla->Ea3->text(), QStringLiteral("176,00"));
        QCOMPARE(cla->Ea4->text(), QStringLiteral("234,00"));
        QVERIFY(cla->Ep1->text().isEmpty());
    }

    void classeEspecialRecusada()
    {
        pipe(finalidadePluvial, "600");
        cla->show();
        cla->RadioGroup1->button(4)->click();
        QVERIFY(!confirmar(*cla));
        QCOMPARE(msgs->ultima(), QStringLiteral("aviso: Entre com um valor para a carga minima de ruptura."));
        QCOMPARE(confirmado, 0);
        QCOMPARE(cla->focusWidget(), cla->Epesp);
        digitar(cla->Epesp, QStringLiteral("108"));
        QVERIFY(!confirmar(*cla));
        QCOMPARE(msgs->ultima(),
                 QStringLiteral("aviso2: A carga de ruptura da classe \"Esp\" | deve ser maior do que 108,00 kN/m"));
        QCOMPARE(cla->Epesp->text(), QString());
        QCOMPARE(cla->focusWidget(), cla->Epesp);
        QVERIFY(!projeto->etapas.classe);
        digitar(cla->Epesp, QStringLiteral("108,01"));
        QVERIFY(confirmar(*cla));
        QCOMPARE(QString::fromStdString(projeto->classe.especialPluvial), QStringLiteral("108,01"));
        // The hidden sewage group follows with the same load.
        QCOMPARE(projeto->classe.classeEsgoto, 3);
        QCOMPARE(QString::fromStdString(projeto->classe.especialEsgoto), QStringLiteral("108,01"));
        QCOMPARE(cla->Eaesp->text(), QStringLiteral("108,01"));
    }

    void classeSeguidaEMudancas()
    {
        QSignalSpy alterada(cla.get(), &TFclasseRedwa::classeAlterada);
        pipe(finalidadePluvial, "600");
        cla->show();
        cla->RadioGroup1->button(2)->click();
        QVERIFY(confirmar(*cla));
        QCOMPARE(alterada.count(), 1);
        QCOMPARE(projeto->classe.classeEsgoto, 1); // PA3 → EA3
        QCOMPARE(cla->RadioGroup2->checkedId(), 1);
        cla->show();
        QVERIFY(confirmar(*cla));
        QCOMPARE(alterada.count(), 1);
        // Cancelling after switching to "Especial" and typing brings all back.
        cla->show();
        cla->RadioGroup1->button(4)->click();
        digitar(cla->Epesp, QStringLiteral("300"));
        clicar(*cla, "BotaoCancela");
        QCOMPARE(cla->RadioGroup1->checkedId(), 2);
        QCOMPARE(cla->Epesp->text(), QString());
        QCOMPARE(projeto->classe.classePluvial, 2);
        // A new special load counts as a change; the same one does not.
        cla->show();
        cla->RadioGroup1->button(4)->click();
        digitar(cla->Epesp, QStringLiteral("300"));
        QVERIFY(confirmar(*cla));
        QCOMPARE(alterada.count(), 2);
        cla->show();
        digitar(cla->Epesp, QStringLiteral("300,00"));
        QVERIFY(confirmar(*cla));
        QCOMPARE(alterada.count(), 2);
        cla->show();
        digitar(cla->Epesp, QStringLiteral("301"));
        QVERIFY(confirmar(*cla));
        QCOMPARE(alterada.count(), 3);
    }

    // Design parameters.

    void tipoPoePosicoesEFigura()
    {
        pipe(finalidadePluvial, "600");
        arm->show();
        QCOMPARE(arm->windowTitle(), QStringLiteral("Armadura"));
        QCOMPARE(arm->Edit2->text(), QStringLiteral("35,00"));
        QCOMPARE(arm->EdtEs->text(), QStringLiteral("60"));
        QCOMPARE(arm->Edit3->text(), QStringLiteral("1,15"));
        QCOMPARE(arm->Edit4->text(), QStringLiteral("1,40"));
        QCOMPARE(arm->EdtEs->maxLength(), 5);
        QVERIFY(!arm->Edit5->isVisibleTo(arm.get()) && arm->Edit5Falso->isVisibleTo(arm.get()));
        QVERIFY(!arm->Edit6->isVisibleTo(arm.get()) && arm->Edit6Falso->isVisibleTo(arm.get()));
        QVERIFY(mesmaFigura(arm->Image2, "AsSimples.bmp"));
        arm->RadioGroup1->button(1)->click();
        QVERIFY(arm->Edit5->isVisibleTo(arm.get()) && arm->Edit6->isVisibleTo(arm.get()));
        QCOMPARE(arm->Edit5->text(), QStringLiteral("2,5"));
        QCOMPARE(arm->Edit6->text(), QStringLiteral("2,0"));
        QVERIFY(mesmaFigura(arm->Image2, "AsDupla.bmp"));
        arm->cancelar();
        pipe(finalidadePluvial, "700");
        arm->show();
        arm->RadioGroup1->button(1)->click();
        QCOMPARE(arm->Edit5->text(), QStringLiteral("3,5"));
        QCOMPARE(arm->Edit6->text(), QStringLiteral("2,5"));
        // Every choice of the type puts the defaults back, for either type.
        digitar(arm->Edit5, QStringLiteral("4"));
        arm->RadioGroup1->button(0)->click();
        arm->RadioGroup1->button(1)->click();
        QCOMPARE(arm->Edit5->text(), QStringLiteral("3,5"));
        arm->cancelar();
        QCOMPARE(arm->RadioGroup1->checkedId(), 0);
        QVERIFY(mesmaFigura(arm->Image2, "AsSimples.bmp"));
    }

    void camposVaziosComFoco()
    {
        pipe(finalidadePluvial, "1000");
        arm->show();
        arm->RadioGroup1->button(1)->click();
        struct Caso {
            QLineEdit* campo;
            const char* aviso;
        };
        const Caso casos[] = {
            {arm->Edit2, "Entre com um valor para a resistencia caracteristica do concreto."},
            {arm->Edit5, "Entre com um valor para o cobrimento interno."},
            {arm->Edit6, "Entre com um valor para o cobrimento externo."},
            {arm->EdtEs, "Entre com um valor para a espessura da parede."},
            {arm->Edit3, "Entre com um valor para o coeficiente de segurança do aço."},
            {arm->Edit4, "Entre com um valor para o coeficiente de segurança do concreto."},
        };
        for (const Caso& c : casos) {
            const QString antes = c.campo->text();
            c.campo->clear();
            QVERIFY(!confirmar(*arm));
            QCOMPARE(msgs->ultima(), QStringLiteral("aviso: ") + QString::fromUtf8(c.aviso));
            QCOMPARE(confirmado, 0);
            QCOMPARE(arm->focusWidget(), c.campo);
            c.campo->setText(antes);
        }
        QVERIFY(!projeto->etapas.parametros);
    }

    void perguntasESuasRespostas()
    {
        QSignalSpy confirmados(arm.get(), &TFormDimensionamento::parametrosConfirmados);
        pipe(finalidadePluvial, "700");
        arm->show();
        arm->RadioGroup1->button(1)->click();
        digitar(arm->Edit2, QStringLiteral("20"));
        digitar(arm->Edit5, QStringLiteral("2.4"));
        digitar(arm->EdtEs, QStringLiteral("60,5"));
        digitar(arm->Edit3, QStringLiteral("0,9"));
        // fck Não, inner Sim, single cage Não, γs Não, wall Sim.
        msgs->respostas = {false, true, false, false, true};
        QVERIFY(confirmar(*arm));
        const QStringList inicios{"pergunta: Valor mínimo recomendado para",
                                  "pergunta: O valor da posição da armadura interna",
                                  "pergunta: Para diâmetros inferiores a 800 mm",
                                  "pergunta: O valor do coeficiente de minoração do aço",
                                  "mensagem: Este parâmetro deve ser maior que a unidade.",
                                  "pergunta: Espessura mínima recomendada de 66 mm."};
        QVERIFY2(comecamCom(msgs->mostradas, inicios), qPrintable(msgs->mostradas.join(QLatin1Char('|'))));
        QCOMPARE(arm->Edit2->text(), QStringLiteral("20,00"));
        QCOMPARE(arm->Edit5->text(), QStringLiteral("3,5"));
        QCOMPARE(arm->Edit3->text(), QStringLiteral("1,0"));
        QCOMPARE(arm->EdtEs->text(), QStringLiteral("66"));
        QCOMPARE(projeto->parametros,
                 (ParametrosArmadura{"20,00", armaduraDupla, "3,5", "2,5", "66", "1,0", "1,40"}));
        QCOMPARE(confirmados.count(), 1);
        QCOMPARE(confirmados.last().at(0).toBool(), true);

        // "Sim" to one cage hides the positions.
        msgs->mostradas.clear();
        msgs->respostas = {true};
        arm->show();
        digitar(arm->Edit2, QStringLiteral("30"));
        digitar(arm->Edit3, QStringLiteral("1,15"));
        QVERIFY(confirmar(*arm));
        QVERIFY(comecamCom(msgs->mostradas, {"pergunta: Para diâmetros inferiores a 800 m"}));
        QCOMPARE(arm->RadioGroup1->checkedId(), 0);
        QVERIFY(!arm->Edit5->isVisibleTo(arm.get()));
        QVERIFY(mesmaFigura(arm->Image2, "AsSimples.bmp"));
        QCOMPARE(projeto->parametros.tipo, armaduraSimples);

        // Confirming again without a change leaves the results alone.
        arm->show();
        QVERIFY(confirmar(*arm));
        QCOMPARE(confirmados.count(), 3);
        QCOMPARE(confirmados.last().at(0).toBool(), false);
    }

    void recusaDeixaJanelaAberta()
    {
        pipe(finalidadePluvial, "600");
        arm->show();
        digitar(arm->Edit2, QStringLiteral("0"));
        msgs->respostas = {false};
        QVERIFY(!confirmar(*arm));
        QCOMPARE(msgs->ultima(),
                 QStringLiteral("aviso: A resistência característica do concreto deve ser maior que zero."));
        QCOMPARE(confirmado, 0);
        QCOMPARE(arm->focusWidget(), arm->Edit2);
        QVERIFY(!projeto->etapas.parametros);
        // The close box now puts back what the window opened with.
        arm->close();
        QCOMPARE(arm->Edit2->text(), QStringLiteral("35,00"));
        QCOMPARE(projeto->parametros, ParametrosArmadura{});
    }
};

QTEST_MAIN(JanelasEntradaTeste)
#include "janelasEntradaTeste.moc"
