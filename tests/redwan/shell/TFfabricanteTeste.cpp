// The manufacturer window and its files: read, written, a picture chosen
// for the logo, the data cleared.
#include "ArquivoFabricante.h"
#include "BaseTemporaria.h"
#include "DialogosArquivo.h"
#include "MensagensGravadas.h"
#include "TFfabricante.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TFfabricanteTeste : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BaseTemporaria> base;
    std::unique_ptr<TFfabricante> janela;
    std::unique_ptr<MensagensGravadas> msgs;
    QString arquivoEscolhido;
    QStringList dialogos;

    static void clicar(QWidget& w, const char* nome)
    {
        auto* b = w.findChild<QPushButton*>(QLatin1String(nome));
        QVERIFY2(b, nome);
        b->click();
    }
    static DadosFabricante exemplo()
    {
        DadosFabricante d;
        d.nome = "Tubos São João Ltda.";
        d.cpfCnpj = "12.345.678/0001-90";
        d.endereco = "Rua das Acácias";
        d.cidade = "Goiânia";
        d.estado = "GO";
        d.email = "vendas@tubos.com.br";
        d.imprimir = true;
        return d;
    }

private slots:
    void init()
    {
        base = std::make_unique<BaseTemporaria>();
        janela = std::make_unique<TFfabricante>();
        msgs = std::make_unique<MensagensGravadas>();
        arquivoEscolhido.clear();
        dialogos.clear();
        substituirEscolhaArquivoAbrir([this](const QString& titulo, const QString& pasta, const QString& filtro) {
            dialogos << titulo + QLatin1Char('|') + pasta + QLatin1Char('|') + filtro;
            return arquivoEscolhido;
        });
    }

    void cleanup()
    {
        substituirEscolhaArquivoAbrir({});
        janela.reset();
        msgs.reset();
        base.reset();
    }

    void textosDaJanela()
    {
        QCOMPARE(janela->windowTitle(), QStringLiteral("Dados do Fabricante"));
        QStringList legendas;
        for (QLineEdit* campo : janela->E)
            for (QLabel* rotulo : janela->findChildren<QLabel*>())
                if (rotulo->buddy() == campo)
                    legendas << rotulo->text();
        QCOMPARE(legendas, (QStringList{"Nome do Fabricante:", "CPF ou CNPJ:", "Endereço:", "Número:", "Bairro:",
                                        "Cidade:", "Estado:", "CEP:", "Telefone:", "Celular:", "E- mail:"}));
        QCOMPARE(janela->CB1->text(), QStringLiteral("Imprimir dados do fabricante no relatório"));
        QStringList botoes;
        for (QPushButton* b : janela->findChildren<QPushButton*>())
            botoes << b->text();
        botoes.sort();
        QCOMPARE(botoes, (QStringList{"Cancela", "Carregar Logotipo", "Confirma", "Limpar dados"}));
    }

    void arquivoIdaEVolta()
    {
        QVERIFY(gravarArquivoFabricante(exemplo()));
        QFile arquivo(base->caminho(QStringLiteral("Config/Fabricante.ini")));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray bytes = arquivo.readAll();
        QCOMPARE(bytes.count("\r\n"), 14);
        QVERIFY(bytes.contains("Tubos S\xe3o Jo\xe3o Ltda.\r\n12.345.678/0001-90\r\nRua das Ac\xe1""cias\r\n"));
        QVERIFY(bytes.endsWith("\r\n1\r\n" + QByteArray(55, '-') + "\r\n"));
        QVERIFY(lerArquivoFabricante() == exemplo());
        // Through the window: shown, edited in place, read back.
        janela->definirDados(exemplo());
        QCOMPARE(janela->E[0]->text(), QStringLiteral("Tubos São João Ltda."));
        QVERIFY(janela->CB1->isChecked());
        janela->CB1->setChecked(false);
        QVERIFY(gravarArquivoFabricante(janela->dados()));
        QVERIFY(!lerArquivoFabricante().imprimir);
    }

    void semArquivoDadosVazios()
    {
        QFile::remove(base->caminho(QStringLiteral("Pictures/logofabri.bmp")));
        QVERIFY(lerArquivoFabricante() == DadosFabricante{});
        QVERIFY(lerLogoFabricante().isNull());
        QVERIFY(msgs->mostradas.isEmpty());
    }

    void logoIdaEVolta()
    {
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(QColor(10, 120, 200));
        QVERIFY(gravarLogoFabricante(logo));
        const QImage lido = lerLogoFabricante();
        QCOMPARE(lido.size(), logo.size());
        QCOMPARE(lido.pixel(5, 5), logo.pixel(5, 5));
        // An empty logo leaves the file as it was.
        QVERIFY(gravarLogoFabricante(QImage()));
        QCOMPARE(lerLogoFabricante().size(), logo.size());
    }

    void confirmaECancelaMantemAsEdicoes()
    {
        for (const char* botao : {"BotaoConfirma", "BotaoCancela"}) {
            janela->definirDados(DadosFabricante{});
            janela->show();
            QCOMPARE(janela->focusWidget(), janela->E[0]);
            QTest::keyClicks(janela->E[0], QStringLiteral("Concretos Ltda."));
            clicar(*janela, botao);
            QVERIFY(!janela->isVisible());
            QCOMPARE(janela->dados().nome, std::string("Concretos Ltda."));
        }
    }

    void carregarLogotipo()
    {
        QImage figura(30, 30, QImage::Format_RGB32);
        figura.fill(Qt::green);
        arquivoEscolhido = base->caminho(QStringLiteral("novo.png"));
        QVERIFY(figura.save(arquivoEscolhido));
        clicar(*janela, "BotaoCarregarLogotipo");
        QCOMPARE(dialogos.size(), 1);
        QVERIFY(dialogos[0].startsWith(QStringLiteral("Carregar Logotipo|")));
        QCOMPARE(janela->logo().size(), QSize(30, 30));
        QVERIFY(!janela->ImageLogo->pixmap().isNull());
        // A cancelled dialog changes nothing; a file that is no picture is said so.
        arquivoEscolhido.clear();
        clicar(*janela, "BotaoCarregarLogotipo");
        QCOMPARE(janela->logo().size(), QSize(30, 30));
        arquivoEscolhido = base->caminho(QStringLiteral("Config/nada.bmp"));
        QFile nada(arquivoEscolhido);
        QVERIFY(nada.open(QIODevice::WriteOnly));
        nada.write("não é figura");
        nada.close();
        clicar(*janela, "BotaoCarregarLogotipo");
        QCOMPARE(janela->logo().size(), QSize(30, 30));
        QCOMPARE(msgs->mostradas.size(), 1);
        QVERIFY(msgs->ultima().startsWith(QStringLiteral("mensagem: Não foi possível carregar a figura ")));
    }

    void limparDados()
    {
        janela->definirDados(exemplo());
        janela->definirLogo(lerLogoFabricante());
        clicar(*janela, "BotaoLimpar");
        DadosFabricante vazio;
        vazio.imprimir = true; // the check box is not one of the fields
        QVERIFY(janela->dados() == vazio);
        QImage branco;
        QVERIFY(branco.load(base->caminho(QStringLiteral("Pictures/logobran.bmp"))));
        QCOMPARE(janela->logo(), branco);
        QVERIFY(msgs->mostradas.isEmpty());
    }
};

QTEST_MAIN(TFfabricanteTeste)
#include "TFfabricanteTeste.moc"
