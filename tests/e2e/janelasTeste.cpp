// Every window of the program. A radio group: once an option is chosen and
// values are typed, a click on the option already chosen (by the mouse or
// by the space bar) changes nothing the window shows and opens no window.
// A field: what is pasted into it follows the rules of what is typed.
#include "AplicacaoTestada.h"
#include "FiltroNumerico.h"
#include "ValidadorWindows1252.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QStyleOptionButton>
#include <QtTest>

namespace {
// What a window shows: the texts of its fields and labels, the chosen
// option of each group, check boxes and lists, and what is visible.
QStringList estado(QWidget& janela)
{
    QStringList e;
    for (QLineEdit* campo : janela.findChildren<QLineEdit*>())
        e << campo->objectName() + QLatin1Char('=') + campo->text() + (campo->isVisible() ? "" : " (oculto)");
    for (QLabel* rotulo : janela.findChildren<QLabel*>())
        e << rotulo->objectName() + QLatin1Char(':') + rotulo->text() + QString::number(rotulo->pixmap().cacheKey()) +
                 (rotulo->isEnabled() ? "" : " (desab.)");
    for (QButtonGroup* grupo : janela.findChildren<QButtonGroup*>())
        e << grupo->buttons().first()->objectName() + QStringLiteral(" escolha ") + QString::number(grupo->checkedId());
    for (QCheckBox* caixa : janela.findChildren<QCheckBox*>())
        e << caixa->objectName() + (caixa->isChecked() ? " marcada" : " desmarcada");
    for (QComboBox* lista : janela.findChildren<QComboBox*>())
        e << lista->objectName() + QStringLiteral(" item ") + QString::number(lista->currentIndex());
    return e;
}

// Fills every field the user can type into with a number of its own.
void digitarEmTudo(QWidget& janela)
{
    int n = 0;
    for (QLineEdit* campo : janela.findChildren<QLineEdit*>()) {
        if (!campo->isVisible() || !campo->isEnabled() || campo->isReadOnly())
            continue;
        campo->setFocus();
        campo->selectAll();
        QTest::keyClicks(campo, QStringLiteral("%1,7").arg(++n + 1));
    }
}

// A mouse click on the round mark of a radio button.
void clicarMarca(QAbstractButton* botao)
{
    QStyleOptionButton opcao;
    opcao.initFrom(botao);
    const QRect marca = botao->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opcao, botao);
    QTest::mouseClick(botao, Qt::LeftButton, Qt::NoModifier, marca.center());
}
} // namespace

class JanelasTeste : public QObject {
    Q_OBJECT

private:
    // With the window shown afresh and `antes` chosen first (an option that
    // shows another group), values typed and `botao` chosen: a second click
    // on `botao` must change nothing. Returns whether `botao` could be tried.
    static bool conferir(AplicacaoTestada& t, QWidget& janela, QAbstractButton* antes, QAbstractButton* botao,
                         QStringList& falhas)
    {
        janela.show();
        if (antes)
            antes->click();
        QCoreApplication::processEvents();
        if (!botao->isVisible() || !botao->isEnabled()) {
            janela.hide();
            return false;
        }
        botao->click();
        QCoreApplication::processEvents();
        if (!botao->isChecked()) { // a window the choice opened took it back
            janela.hide();
            return false;
        }
        digitarEmTudo(janela);
        const QStringList anterior = estado(janela);
        const int abertas = t.modal->mostradas.size();
        const int mensagens = t.msgs->mostradas.size();

        clicarMarca(botao);
        botao->setFocus();
        QTest::keyClick(botao, Qt::Key_Space);
        QCoreApplication::processEvents();

        const QString onde = janela.objectName() + QLatin1Char('/') + botao->objectName();
        if (!botao->isChecked())
            falhas << onde + QStringLiteral(": o clique não chegou ao botão");
        const QStringList depois = estado(janela);
        for (int k = 0; k < anterior.size() && k < depois.size(); ++k)
            if (anterior[k] != depois[k])
                falhas << onde + QStringLiteral(": ") + anterior[k] + QStringLiteral(" -> ") + depois[k];
        if (t.modal->mostradas.size() != abertas || t.msgs->mostradas.size() != mensagens)
            falhas << onde + QStringLiteral(": abriu uma janela ou mensagem");
        janela.hide();
        return true;
    }

private slots:
    void cliqueNaOpcaoEscolhidaNaoMudaNada()
    {
        AplicacaoTestada t;
        QStringList falhas;
        QSet<QString> conferidas;
        int botoes = 0;
        // Some groups show only for a purpose chosen in another window.
        for (const int finalidade : {0, 1}) {
            t.app->projeto.geometria.finalidade = finalidade;
            botoes = 0;
            for (QWidget* janela : AplicacaoTestada::janelas()) {
                const QList<QButtonGroup*> grupos = janela->findChildren<QButtonGroup*>();
                // Every option, alone and after each option of the window's groups.
                QList<QAbstractButton*> antes{nullptr};
                for (QButtonGroup* grupo : grupos)
                    antes << grupo->buttons();
                for (QButtonGroup* grupo : grupos) {
                    for (QAbstractButton* botao : grupo->buttons()) {
                        ++botoes;
                        for (QAbstractButton* primeiro : antes)
                            if (conferir(t, *janela, primeiro, botao, falhas))
                                conferidas << janela->objectName() + QLatin1Char('/') + botao->objectName();
                    }
                }
            }
        }
        QStringList lista = conferidas.values();
        lista.sort();
        qInfo().noquote() << lista.size() << "de" << botoes << "opções conferidas:" << lista.join(QLatin1Char(' '));
        QVERIFY(botoes >= 5);
        QCOMPARE(lista.size(), botoes); // every option was reached
        for (const QString& falha : falhas)
            qWarning().noquote() << falha;
        QVERIFY2(falhas.isEmpty(), "um clique na opção escolhida mudou a janela (veja acima)");
    }

    // Every field a user can type into refuses, when it is pasted, what it
    // refuses when typed: a numeric field anything but digits and one comma,
    // a text field what windows-1252 cannot hold.
    void cadaCampoColadoSegueSuaRegra()
    {
        AplicacaoTestada t;
        QStringList falhas;
        int campos = 0;
        for (QWidget* janela : AplicacaoTestada::janelas()) {
            for (QLineEdit* campo : janela->findChildren<QLineEdit*>()) {
                // A disabled placeholder takes nothing at all.
                if (campo->isReadOnly() || !campo->isEnabled() || qobject_cast<QComboBox*>(campo->parentWidget()))
                    continue;
                ++campos;
                const QString onde = janela->objectName() + QLatin1Char('/') + campo->objectName();
                const bool numerico = qobject_cast<const ValidadorNumerico*>(campo->validator());
                if (!numerico && !qobject_cast<const ValidadorWindows1252*>(campo->validator())) {
                    falhas << onde + QStringLiteral(": sem regra para o que é colado");
                    continue;
                }
                const QString recusados[] = {QStringLiteral("-0,50"), QStringLiteral("日")};
                for (const QString& colado : recusados) {
                    if (!numerico && colado.startsWith(QLatin1Char('-')))
                        continue;
                    campo->setText(QStringLiteral("1"));
                    campo->end(false);
                    QGuiApplication::clipboard()->setText(colado);
                    campo->paste();
                    if (campo->text() != QStringLiteral("1"))
                        falhas << onde + QStringLiteral(": aceitou \"") + colado + QLatin1Char('"');
                }
            }
        }
        for (const QString& falha : falhas)
            qWarning().noquote() << falha;
        QVERIFY(campos >= 5);
        QVERIFY2(falhas.isEmpty(), "um campo aceitou o que não se digita nele (veja acima)");
    }
};

QTEST_MAIN(JanelasTeste)
#include "janelasTeste.moc"
