// The shared pieces of the windows as a user meets them: what a numeric or
// a windows-1252 field takes when text is pasted or dropped, the warning
// window's size after another message, the open dialog's default extension
// and the radio groups' change of option.
#include "DialogosArquivo.h"
#include "ExecucaoModal.h"
#include "FiltroNumerico.h"
#include "GrupoOpcoes.h"
#include "TFaviso.h"
#include "ValidadorWindows1252.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
enum class Via { Colar, Soltar };

// Puts `texto` into the field at its cursor as the clipboard (Ctrl+V) or a
// drag and drop would.
void inserir(QLineEdit& campo, const QString& texto, Via via)
{
    campo.setFocus();
    campo.end(false);
    if (via == Via::Colar) {
        QGuiApplication::clipboard()->setText(texto);
        QTest::keyClick(&campo, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    QMimeData dados;
    dados.setText(texto);
    const QPointF fim(campo.width() - 2, campo.height() / 2.0);
    QDragEnterEvent entrada(fim.toPoint(), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&campo, &entrada);
    QDragMoveEvent movimento(fim.toPoint(), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&campo, &movimento);
    QDropEvent soltura(fim, Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&campo, &soltura);
}

// Whether the label has room for its whole text and lies inside the window.
bool inteiro(const QLabel& rotulo)
{
    const QRect naJanela(rotulo.mapTo(rotulo.window(), QPoint(0, 0)), rotulo.size());
    const int largura = rotulo.fontMetrics().horizontalAdvance(rotulo.text());
    return rotulo.isVisible() && rotulo.width() >= largura && rotulo.window()->rect().contains(naJanela);
}
} // namespace

class JanelasComunsTeste : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        substituirExecucaoModal({});
        substituirEscolhaArquivoAbrir({});
    }

    void campoNumericoColadoOuSolto_data()
    {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("inserido");
        QTest::addColumn<QString>("depois");
        const struct {
            const char* nome;
            const char* antes;
            const char* inserido;
            const char* depois;
        } casos[] = {
            {"número", "", "12,5", "12,5"},
            {"ponto vira vírgula", "", "0.60", "0,60"},
            {"algarismos depois de outros", "1,5", "25", "1,525"},
            {"negativo recusado", "", "-0,50", ""},
            {"negativo sobre um valor", "0,60", "-1", "0,60"},
            {"duas vírgulas recusadas", "", "1,2,3", ""},
            {"segunda vírgula recusada", "1,5", ",2", "1,5"},
            {"segundo separador recusado", "1,5", ".2", "1,5"},
            {"letras recusadas", "", "abc", ""},
            {"expoente recusado", "", "1e3", ""},
            {"espaço recusado", "", "1 000", ""},
            {"sinal de mais recusado", "", "+5", ""},
            {"algarismo não latino recusado", "", "\u0663", ""},
        };
        for (const auto& c : casos)
            for (const Via via : {Via::Colar, Via::Soltar})
                QTest::newRow(qPrintable(QString::fromUtf8(c.nome) +
                                         (via == Via::Colar ? QStringLiteral(" (colado)") : QStringLiteral(" (solto)"))))
                    << QString::fromUtf8(c.antes) << QString::fromUtf8(c.inserido) << QString::fromUtf8(c.depois);
    }

    void campoNumericoColadoOuSolto()
    {
        QFETCH(QString, antes);
        QFETCH(QString, inserido);
        QFETCH(QString, depois);
        const Via via = QString::fromLatin1(QTest::currentDataTag()).endsWith(QStringLiteral("(colado)")) ? Via::Colar
                                                                                                      : Via::Soltar;
        QLineEdit campo;
        FiltroNumerico::instalar(&campo);
        campo.setText(antes);
        campo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&campo));
        inserir(campo, inserido, via);
        QCOMPARE(campo.text(), depois);
    }

    // The rules that the typed keys already follow hold for the keyboard too.
    void campoNumericoDigitado()
    {
        QLineEdit campo;
        FiltroNumerico::instalar(&campo);
        QTest::keyClicks(&campo, QStringLiteral("-1a.5,2"));
        QCOMPARE(campo.text(), QStringLiteral("1,52"));
    }

    void campoWindows1252ColadoOuSolto()
    {
        const struct {
            const char* inserido;
            const char* depois;
        } casos[] = {
            {"Ação Nº 5 – €", "Ação Nº 5 – €"},
            {"日本", ""},
            {"Ő", ""},
            {"emoji 🙂", ""},
        };
        for (const auto& c : casos) {
            for (const Via via : {Via::Colar, Via::Soltar}) {
                QLineEdit campo;
                ValidadorWindows1252::instalar(&campo);
                campo.show();
                QVERIFY(QTest::qWaitForWindowExposed(&campo));
                inserir(campo, QString::fromUtf8(c.inserido), via);
                QCOMPARE(campo.text(), QString::fromUtf8(c.depois));
            }
        }
    }

    // A message shows whole whatever the message before it was.
    void avisoInteiroDepoisDeOutro()
    {
        TFaviso janela;
        MensagensPrograma mensagens(janela);
        QList<bool> inteiros;
        substituirExecucaoModal([&](QDialog& d) {
            d.show();
            QCoreApplication::processEvents();
            if (avisoModo == 1)
                inteiros << inteiro(*janela.LabelMeio);
            else
                inteiros << (inteiro(*janela.LabelSuperior) && inteiro(*janela.LabelInferior));
            d.hide();
            return 0;
        });
        const QString solo = QStringLiteral("Entre com um valor para o peso específico do solo.");
        mensagens.aviso2(QStringLiteral("A altura (ha) deve ser pelo menos 5% "),
                         QStringLiteral("menor do que a altura de terra (hs)."));
        mensagens.aviso(solo);
        mensagens.aviso(QStringLiteral("Entre com um valor para a resistencia caracteristica do concreto."));
        mensagens.aviso2(QStringLiteral("Curta"), QStringLiteral("linha"));
        mensagens.aviso(solo);
        mensagens.aviso(solo + QStringLiteral(" ") + solo); // longer than two thirds of the screen
        QCOMPARE(inteiros, QList<bool>(6, true));
    }

    // Typing a name without its extension in the open dialog opens the
    // project of that name.
    void abrirComExtensaoPadrao()
    {
        QTemporaryDir pasta;
        for (const char* nome : {"pos.kvn", "pos.rdw"}) {
            QFile f(QDir(pasta.path()).filePath(QLatin1String(nome)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const struct {
            const char* digitado;
            const char* extensao;
            const char* aberto;
        } casos[] = {
            {"pos", "kvn", "pos.kvn"},
            {"pos", "rdw", "pos.rdw"},
            {"pos.kvn", "kvn", "pos.kvn"},
        };
        for (const auto& c : casos) {
            substituirExecucaoModal([&](QDialog& d) {
                auto* dialogo = qobject_cast<QFileDialog*>(&d);
                if (!dialogo)
                    return 0;
                d.show();
                auto* nome = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!nome)
                    return 0;
                nome->setText(QLatin1String(c.digitado));
                // A name the dialog cannot find makes it say so in a box of its own.
                QTimer::singleShot(2000, [] {
                    if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                        caixa->close();
                });
                QTest::keyClick(nome, Qt::Key_Return);
                d.hide();
                return d.result();
            });
            const QString aberto = escolherArquivoAbrir(nullptr, QStringLiteral("Abrir"), pasta.path(),
                                                        QStringLiteral("*.") + QLatin1String(c.extensao),
                                                        QLatin1String(c.extensao));
            QCOMPARE(QFileInfo(aberto).fileName(), QLatin1String(c.aberto));

            // A dialog of the platform's own may hand the name back as typed.
            substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) {
                return QDir(pasta.path()).filePath(QLatin1String(c.digitado));
            });
            const QString devolvido = escolherArquivoAbrir(nullptr, QStringLiteral("Abrir"), pasta.path(),
                                                           QString(), QLatin1String(c.extensao));
            QCOMPARE(QFileInfo(devolvido).fileName(), QLatin1String(c.aberto));
            substituirEscolhaArquivoAbrir({});
        }
    }

    // Only a change of option is reported, however the click comes.
    void grupoOpcoesAvisaSoAMudanca()
    {
        QGroupBox caixa;
        QButtonGroup* grupo = criarGrupoOpcoes(&caixa, {"Vala", "Aterro"}, QStringLiteral("Tipo"));
        QList<int> mudancas;
        aoMudarOpcao(grupo, &caixa, [&](int id) { mudancas << id; });
        grupo->button(0)->setChecked(true); // by the program: not reported
        caixa.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caixa));

        grupo->button(0)->click();
        grupo->button(1)->click();
        grupo->button(1)->click();
        grupo->button(1)->setFocus();
        QTest::keyClick(grupo->button(1), Qt::Key_Space);
        QTest::keyClick(grupo->button(1), Qt::Key_Up); // the keyboard moves to the other option
        QCOMPARE(mudancas, (QList<int>{1, 0}));
        QCOMPARE(grupo->checkedId(), 0);
    }
};

QTEST_MAIN(JanelasComunsTeste)
#include "janelasComunsTeste.moc"
