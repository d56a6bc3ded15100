// "Custos" as a user drives it: the prices it shows, a wrong one refused in
// place, confirmed ones kept and written to Config/Custos.ini, and the file
// read back as the program reads it when it starts.
#include "ArquivoCustos.h"
#include "BaseTemporaria.h"
#include "MensagensGravadas.h"
#include "TFcustos.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TFcustosTeste : public QObject {
    Q_OBJECT

    static void digitar(QLineEdit* campo, const QString& texto)
    {
        campo->clear();
        QTest::keyClicks(campo, texto);
    }
    static void confirmar(QDialog& j) { j.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click(); }

private slots:
    void precosConfirmadosVaoParaOArquivo()
    {
        BaseTemporaria base;
        MensagensGravadas msgs;
        QCOMPARE(lerArquivoCustos(), PrecosCusto{}); // no file yet: the defaults
        TFcustos j;
        j.definirPrecos(lerArquivoCustos());
        QSignalSpy alterados(&j, &TFcustos::precosAlterados);
        j.show();
        QCOMPARE(j.EditPrecoConcreto->text(), QStringLiteral("550,00"));
        QCOMPARE(j.EditPrecoAco->text(), QStringLiteral("9,50"));

        // Zero is refused where it was typed; nothing changes, nothing is written.
        digitar(j.EditPrecoAco, QStringLiteral("0"));
        confirmar(j);
        QVERIFY(j.isVisible());
        QCOMPARE(msgs.ultima(), QStringLiteral("aviso: O preço do aço deve ser maior que zero."));
        QVERIFY(j.EditPrecoAco->hasFocus() || !QApplication::focusWidget());
        QVERIFY(!QFile::exists(base.caminho(QStringLiteral("Config/Custos.ini"))));

        digitar(j.EditPrecoConcreto, QStringLiteral("612,5"));
        digitar(j.EditPrecoAco, QStringLiteral("10,25"));
        confirmar(j);
        QVERIFY(!j.isVisible());
        QCOMPARE(alterados.count(), 1);
        QCOMPARE(j.precos(), (PrecosCusto{612.5, 10.25}));

        QFile arquivo(base.caminho(QStringLiteral("Config/Custos.ini")));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), QByteArray("[Custos]\r\nConcreto=612,50\r\nAco=10,25\r\n"));
        QCOMPARE(lerArquivoCustos(), (PrecosCusto{612.5, 10.25}));

        // Shown again, and cancelled: the prices stay.
        j.show();
        QCOMPARE(j.EditPrecoConcreto->text(), QStringLiteral("612,50"));
        digitar(j.EditPrecoConcreto, QStringLiteral("1"));
        j.findChild<QPushButton*>(QStringLiteral("BotaoCancela"))->click();
        QCOMPARE(j.precos(), (PrecosCusto{612.5, 10.25}));
        QCOMPARE(alterados.count(), 1);
    }
};

QTEST_MAIN(TFcustosTeste)
#include "TFcustosTeste.moc"
