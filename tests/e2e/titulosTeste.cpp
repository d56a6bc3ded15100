// The title the window system shows for every window of the program is the
// window's own caption, nothing added: read back from the X server (the
// test runs on Xvfb with the xcb platform), not from the widget.
#include "AplicacaoTestada.h"

#include <QProcess>
#include <QtTest>

namespace {
// The name the X server holds for the window, as a window manager reads it.
QString tituloNaTela(QWidget& janela)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(janela.winId())});
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return QStringLiteral("<xdotool falhou: %1>").arg(QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput()).chopped(1);
}

// The caption as the window shows it: the "[*]" mark becomes "*" while the
// window holds unsaved changes and nothing otherwise.
QString legenda(const QWidget& janela)
{
    QString texto = janela.windowTitle();
    return texto.replace(QStringLiteral("[*]"), janela.isWindowModified() ? QStringLiteral("*") : QString());
}
} // namespace

class TitulosTeste : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("precisa do servidor X (plataforma xcb)");
    }

    void cadaJanelaMostraSuaLegenda()
    {
        AplicacaoTestada t;
        const QList<QWidget*> janelas = AplicacaoTestada::janelas();
        QVERIFY(janelas.size() >= 10);
        QStringList diferentes;
        for (QWidget* janela : janelas) {
            janela->show();
            QVERIFY(QTest::qWaitForWindowExposed(janela));
            const QString naTela = tituloNaTela(*janela);
            if (legenda(*janela).isEmpty() || naTela != legenda(*janela))
                diferentes << janela->objectName() + QStringLiteral(": \"") + legenda(*janela) +
                                  QStringLiteral("\" aparece como \"") + naTela + QLatin1Char('"');
            janela->hide();
        }
        QVERIFY2(diferentes.isEmpty(), qPrintable(diferentes.join(QLatin1Char('\n'))));
    }

    // A title set while the window is shown (the main window names its file).
    void tituloMudadoComAJanelaAberta()
    {
        AplicacaoTestada t;
        QWidget& principal = *t.app->principal;
        principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principal));
        principal.setWindowTitle(QStringLiteral("obra.kvn - ") + principal.windowTitle());
        QTRY_COMPARE(tituloNaTela(principal), legenda(principal));
        principal.setWindowModified(true);
        QTRY_COMPARE(tituloNaTela(principal), legenda(principal));
    }
};

QTEST_MAIN(TitulosTeste)
#include "titulosTeste.moc"
