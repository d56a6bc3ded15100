// The work and client window in both uses: with the input-window protocol
// (a cancel undoes) and without it (every way of closing keeps the edits).
#include "TFobra.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TFobraTeste : public QObject {
    Q_OBJECT

private:
    DadosObra obra;
    DadosCliente cliente;

    static void clicar(QWidget& w, const char* nome)
    {
        auto* b = w.findChild<QPushButton*>(QLatin1String(nome));
        QVERIFY2(b, nome);
        b->click();
    }
    // Types as the keyboard does, one key with its character at a time
    // (QTest::keyClicks knows only ASCII).
    static void digitar(QLineEdit* campo, const QString& texto)
    {
        campo->clear();
        for (const QChar c : texto) {
            QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(campo, &tecla);
        }
    }
    // Types in the work's service and the client's e-mail.
    static void editar(TFobra& j)
    {
        digitar(j.Edit[0], QStringLiteral("Galeria de águas pluviais"));
        digitar(j.Edit[16], QStringLiteral("obras@prefeitura.gov.br"));
    }
    bool editado() const
    {
        return obra.servicos == "Galeria de águas pluviais" && cliente.email == "obras@prefeitura.gov.br";
    }

private slots:
    void init()
    {
        obra = DadosObra{};
        obra.servicos = "Rede coletora";
        obra.cep = "01000-000";
        cliente = DadosCliente{};
        cliente.nome = "Prefeitura";
        cliente.email = "contato@prefeitura.gov.br";
    }

    void legendasEGrupos()
    {
        TFobra j(obra, cliente, ModoObra::ComProtocolo);
        QCOMPARE(j.windowTitle(), QStringLiteral("Dados da Obra/Cliente"));
        TFobra r(obra, cliente, ModoObra::SemProtocolo);
        QCOMPARE(r.windowTitle(), QStringLiteral("Dados da Obra e do Cliente"));
        QStringList legendas;
        for (QLineEdit* campo : j.Edit) {
            QCOMPARE(campo->objectName(), QStringLiteral("Edit%1").arg(legendas.size() + 1));
            for (QLabel* rotulo : j.findChildren<QLabel*>())
                if (rotulo->buddy() == campo)
                    legendas << rotulo->text();
        }
        QCOMPARE(legendas, (QStringList{"Especificação dos Serviços Prestados:", "Endereço:", "Número:", "Bairro:",
                                        "Cidade:", "Estado:", "CEP:", "Nome:", "Endereço:", "Número:", "Bairro:",
                                        "Cidade:", "Estado:", "CEP:", "Telefone:", "Celular:", "E- mail:"}));
        QStringList grupos;
        for (QGroupBox* g : j.findChildren<QGroupBox*>())
            grupos << g->title();
        QCOMPARE(grupos, (QStringList{"Dados da Obra:", "Dados do Cliente:"}));
        // The fields show the data when the window opens.
        j.show();
        QCOMPARE(j.Edit[0]->text(), QStringLiteral("Rede coletora"));
        QCOMPARE(j.Edit[6]->text(), QStringLiteral("01000-000"));
        QCOMPARE(j.Edit[7]->text(), QStringLiteral("Prefeitura"));
        j.cancelar();
    }

    void comProtocoloCancelaDesfaz()
    {
        TFobra j(obra, cliente, ModoObra::ComProtocolo);
        const DadosObra obraAntes = obra;
        const DadosCliente clienteAntes = cliente;
        // "Cancela" and the close box.
        for (int modo = 0; modo < 2; ++modo) {
            j.show();
            editar(j);
            if (modo == 0)
                clicar(j, "BotaoCancela");
            else
                j.close();
            QVERIFY(!j.isVisible());
            QCOMPARE(confirmado, 0);
            QVERIFY(obra == obraAntes && cliente == clienteAntes);
            QCOMPARE(j.Edit[0]->text(), QStringLiteral("Rede coletora"));
        }
        j.show();
        editar(j);
        clicar(j, "BotaoConfirma");
        QCOMPARE(confirmado, 1);
        QVERIFY(editado());
        // A project opened meanwhile shows at the next opening.
        obra.servicos = "Outra obra";
        j.show();
        QCOMPARE(j.Edit[0]->text(), QStringLiteral("Outra obra"));
        j.cancelar();
    }

    void comProtocoloAltF4Confirma()
    {
        TFobra j(obra, cliente, ModoObra::ComProtocolo);
        j.show();
        j.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(j.isActiveWindow(), 5000);
        editar(j);
        QTest::keyClick(&j, Qt::Key_F4, Qt::AltModifier);
        QVERIFY(!j.isVisible());
        QVERIFY(editado());
    }

    void semProtocoloTudoMantem()
    {
        for (int modo = 0; modo < 3; ++modo) {
            init();
            TFobra j(obra, cliente, ModoObra::SemProtocolo);
            j.show();
            editar(j);
            if (modo == 0)
                clicar(j, "BotaoConfirma");
            else if (modo == 1)
                clicar(j, "BotaoCancela");
            else
                j.close(); // the close box
            QVERIFY(!j.isVisible());
            QVERIFY2(editado(), modo == 0 ? "Confirma" : modo == 1 ? "Cancela" : "close box");
            j.show();
            QCOMPARE(j.Edit[0]->text(), QStringLiteral("Galeria de águas pluviais"));
            j.close();
        }
    }

    void caracteresForaDoArquivoRecusados()
    {
        TFobra j(obra, cliente, ModoObra::ComProtocolo);
        j.show();
        digitar(j.Edit[1], QStringLiteral("Praça ę № 5 – €"));
        QCOMPARE(j.Edit[1]->text(), QStringLiteral("Praça   5 – €"));
        j.cancelar();
    }
};

QTEST_MAIN(TFobraTeste)
#include "TFobraTeste.moc"
