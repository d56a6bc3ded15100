// Every radio group of every window of the program: once an option is
// chosen and values are typed, a click on the option already chosen (by
// the mouse or by the space bar) changes nothing the window shows and opens
// no window.
#include "AplicacaoTestada.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QSet>
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
        e << rotulo->objectName() + QLatin1Char(':') + rotulo->text() +
                 QString::number(rotulo->pixmap().cacheKey()) + (rotulo->isEnabled() ? "" : " (desab.)");
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

class OpcoesTeste : public QObject {
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
        QStringList lista = conferidas.values();
        lista.sort();
        qInfo().noquote() << lista.size() << "de" << botoes << "opções conferidas:" << lista.join(QLatin1Char(' '));
        QVERIFY(botoes >= 5);
        QCOMPARE(lista.size(), botoes); // every option was reached
        for (const QString& falha : falhas)
            qWarning().noquote() << falha;
        QVERIFY2(falhas.isEmpty(), "um clique na opção escolhida mudou a janela (veja acima)");
    }
};

QTEST_MAIN(OpcoesTeste)
#include "opcoesTeste.moc"
