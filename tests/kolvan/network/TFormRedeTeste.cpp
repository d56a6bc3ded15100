// The network window as a user drives it: importing the example, editing a
// cell, adding and removing stretches, exporting and reading back, and the
// main window's command that opens it and keeps it in step with the project.
#include "DialogosArquivo.h"
#include "MensagensGravadas.h"
#include "ModeloRede.h"
#include "Pausa.h"
#include "RoteiroModal.h"
#include "TFormPrincipal.h"
#include "TFormRede.h"
#include "TFormSobreCarga.h"
#include "colunasRede.h"
#include "inicioKolvan.h"
#include "ArquivoKolvan.h"
#include "JanelaPrincipal.h"

#include <QComboBox>
#include <QHeaderView>

#include <QAction>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QString exemploCsv = QStringLiteral(EXEMPLOS "/rede-exemplo.csv");
const QString exemploXml = QStringLiteral(EXEMPLOS "/rede-exemplo.xml");

int colunaClasse() { return ModeloRede::colunaResultado(static_cast<int>(ColunaResultado::Classe)); }

} // namespace

class TFormRedeTeste : public QObject {
    Q_OBJECT

private:
    ProjetoTubo projeto;

    QString celula(const ModeloRede& m, int linha, int coluna) { return m.data(m.index(linha, coluna)).toString(); }

    int linhaDe(const ModeloRede& m, const QString& trecho)
    {
        for (int i = 0; i < m.rowCount(); ++i)
            if (celula(m, i, 0) == trecho)
                return i;
        return -1;
    }

private slots:
    void redeSalvaEAbertaComOProjeto();
    void comportamentosDaTabela();

    void importaOExemploComOsProblemasEmVermelho()
    {
        MensagensGravadas msgs;
        TFormRede janela(projeto);
        QVERIFY(janela.importarArquivo(exemploCsv));
        ModeloRede& m = *janela.modelo();
        QCOMPARE(m.rowCount(), 30);
        QCOMPARE(janela.windowTitle(), QStringLiteral("[*]rede-exemplo.csv - Rede de tubulações"));
        QVERIFY(!janela.alterada());
        const int t04 = linhaDe(m, QStringLiteral("T-04"));
        QCOMPARE(celula(m, t04, colunaClasse()), QStringLiteral("hs = 0,55 m (entre 3,03 e 0,45 m): A altura mínima de terra deverá ser 0,60 m"));
        QCOMPARE(m.data(m.index(t04, 0), Qt::ForegroundRole).value<QBrush>().color(), QColor(200, 0, 0));
        QVERIFY(!m.data(m.index(0, 0), Qt::ForegroundRole).isValid());
        QVERIFY(!celula(m, 0, colunaClasse()).isEmpty());
        QVERIFY(janela.quantitativos()->toPlainText().contains(QStringLiteral("Trechos sem classe (5):")));
        QVERIFY(janela.quantitativos()->toPlainText().contains(QStringLiteral("T-24: Falta o valor da coluna comprimento.")));

        // Inputs are editable, results are not.
        QVERIFY(m.flags(m.index(0, static_cast<int>(ColunaTrecho::HsJusante))) & Qt::ItemIsEditable);
        QVERIFY(!(m.flags(m.index(0, colunaClasse())) & Qt::ItemIsEditable));
        QVERIFY(msgs.mostradas.isEmpty());

        QVERIFY(janela.importarArquivo(exemploXml));
        QCOMPARE(m.rowCount(), 10);
        QVERIFY(!janela.quantitativos()->toPlainText().contains(QStringLiteral("sem classe (")));
    }

    void editarUmaCelulaReclassificaOTrecho()
    {
        MensagensGravadas msgs;
        TFormRede janela(projeto);
        QVERIFY(janela.importarArquivo(exemploCsv));
        ModeloRede& m = *janela.modelo();
        const int t04 = linhaDe(m, QStringLiteral("T-04"));
        QSignalSpy mudancas(&m, &QAbstractItemModel::dataChanged);
        // A full stop typed becomes the comma.
        QVERIFY(m.setData(m.index(t04, static_cast<int>(ColunaTrecho::HsJusante)), QStringLiteral("1.20")));
        QCOMPARE(celula(m, t04, static_cast<int>(ColunaTrecho::HsJusante)), QStringLiteral("1,20"));
        QCOMPARE(mudancas.size(), 1);
        QVERIFY(m.rede().resultados[static_cast<std::size_t>(t04)].classificado);
        QCOMPARE(celula(m, t04, ModeloRede::colunaResultado(static_cast<int>(ColunaResultado::HsGovernante))),
                 QStringLiteral("3,03"));
        QVERIFY(janela.quantitativos()->toPlainText().contains(QStringLiteral("Trechos sem classe (4):")));
        QVERIFY(!m.setData(m.index(t04, colunaClasse()), QStringLiteral("PA4")));
    }

    void projetoAlteradoReclassificaARede()
    {
        MensagensGravadas msgs;
        ProjetoTubo p;
        TFormRede janela(p);
        QVERIFY(janela.importarArquivo(exemploCsv));
        const double antes = janela.modelo()->rede().resultados[0].R;
        p.sobrecarga.natureza = 5; // "Nula ou desprezível"
        janela.projetoAlterado();
        QVERIFY(janela.modelo()->rede().resultados[0].R < antes);
        QCOMPARE(janela.modelo()->rede().resultados[0].qs, 0.0);
    }

    void incluirEExcluirTrechos()
    {
        MensagensGravadas msgs;
        TFormRede janela(projeto);
        QVERIFY(janela.importarArquivo(exemploCsv));
        ModeloRede& m = *janela.modelo();
        janela.tabela()->setCurrentIndex(m.index(2, 0));
        janela.BincluirClick();
        QCOMPARE(m.rowCount(), 31);
        QCOMPARE(celula(m, 3, 0), QString());
        QCOMPARE(celula(m, 3, colunaClasse()), QStringLiteral("Falta o nome do trecho."));
        QVERIFY(janela.quantitativos()->toPlainText().contains(QStringLiteral("Trechos sem classe (6):")));

        janela.tabela()->selectRow(0);
        msgs.respostas = {false};
        janela.BexcluirClick();
        QCOMPARE(msgs.ultima(), QStringLiteral("pergunta: Excluir o trecho T-01?"));
        QCOMPARE(m.rowCount(), 31);
        janela.BexcluirClick();
        QCOMPARE(m.rowCount(), 30);
        QCOMPARE(celula(m, 0, 0), QStringLiteral("T-02"));
    }

    void exportarEImportarDeVolta()
    {
        MensagensGravadas msgs;
        QTemporaryDir pasta;
        TFormRede janela(projeto);
        QVERIFY(janela.importarArquivo(exemploCsv));
        const RedeTubulacoes original = janela.modelo()->rede();

        QString proposto;
        substituirEscolhaArquivoSalvar([&](const QString&, const QString& caminho) {
            proposto = caminho;
            return pasta.filePath(QStringLiteral("rede.csv"));
        });
        janela.BexportarCsvClick();
        QVERIFY(proposto.endsWith(QStringLiteral("Arquivos/Rede1")));
        substituirEscolhaArquivoSalvar([&](const QString&, const QString&) { return pasta.filePath(QStringLiteral("rede.xlsx")); });
        janela.BexportarXlsxClick();
        substituirEscolhaArquivoSalvar({});
        QVERIFY(QFile::exists(pasta.filePath(QStringLiteral("rede.xlsx"))));

        TFormRede outra(projeto);
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) {
            return pasta.filePath(QStringLiteral("rede.csv"));
        });
        outra.BimportarClick();
        QVERIFY(outra.modelo()->rede().entradas == original.entradas);
        // A second import asks before the table is replaced.
        msgs.respostas = {false};
        outra.BimportarClick();
        substituirEscolhaArquivoAbrir({});
        QCOMPARE(msgs.ultima(), QStringLiteral("pergunta: Substituir os 30 trechos da tabela pelos do arquivo?"));

        QVERIFY(!janela.exportarCsv(pasta.filePath(QStringLiteral("nao-existe/rede.csv"))));
        QCOMPARE(msgs.ultima(), QStringLiteral("mensagem: Não foi possível criar o arquivo ") +
                                    pasta.filePath(QStringLiteral("nao-existe/rede.csv")) + QStringLiteral("."));
        QVERIFY(!janela.exportarXlsx(pasta.filePath(QStringLiteral("nao-existe/rede.xlsx"))));
    }

    // What marks the network as changed, and what leaves it as written.
    void alteracoesDaRede()
    {
        MensagensGravadas msgs;
        QTemporaryDir pasta;
        TFormRede janela(projeto);
        QVERIFY(!janela.alterada());
        janela.BincluirClick();
        QVERIFY(janela.alterada()); // a stretch added
        QVERIFY(janela.importarArquivo(exemploCsv));
        QVERIFY(!janela.alterada()); // the file's network
        ModeloRede& m = *janela.modelo();
        janela.projetoAlterado();
        QVERIFY(!janela.alterada()); // reclassed, inputs as they were
        QVERIFY(m.setData(m.index(0, static_cast<int>(ColunaTrecho::Trecho)), celula(m, 0, 0)));
        QVERIFY(!janela.alterada()); // the same text again
        QVERIFY(m.setData(m.index(0, static_cast<int>(ColunaTrecho::HsJusante)), QStringLiteral("2,50")));
        QVERIFY(janela.alterada());
        QVERIFY(janela.exportarXlsx(pasta.filePath(QStringLiteral("rede.xlsx"))));
        QVERIFY(janela.alterada()); // a spreadsheet does not import back
        QVERIFY(janela.exportarCsv(pasta.filePath(QStringLiteral("rede.csv"))));
        QVERIFY(!janela.alterada());
        m.excluirTrechos({0});
        QVERIFY(janela.alterada());
    }

    // Leaving the program with a changed network asks to export it first:
    // "Sim" exports (a cancelled dialog keeps the program), "Não" goes on to
    // the exit question, "Cancelar" keeps the program.
    void sairComARedeAlterada_data()
    {
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<bool>("perguntaSair");
        QTest::newRow("Sim") << int(Resposta::Sim) << "saida.csv" << true;
        QTest::newRow("Sim, dialogo cancelado") << int(Resposta::Sim) << "" << false;
        QTest::newRow("Nao") << int(Resposta::Nao) << "" << true;
        QTest::newRow("Cancelar") << int(Resposta::Cancelar) << "" << false;
    }

    void sairComARedeAlterada()
    {
        QFETCH(int, resposta);
        QFETCH(QString, arquivo);
        QFETCH(bool, perguntaSair);
        substituirPausa([](int) {});
        QTemporaryDir pasta;
        auto modal = std::make_unique<RoteiroModal>();
        {
            auto app = iniciarKolvan();
            MensagensGravadas msgs; // after the program's own
            TFormPrincipal& principal = *app->principal;
            principal.show();
            QCoreApplication::processEvents();
            // Nothing changed: nothing asked about the network.
            QVERIFY(app->rede->importarArquivo(exemploCsv));
            QVERIFY(app->rede->podeDescartar());
            QVERIFY(msgs.mostradas.isEmpty());

            app->rede->BincluirClick();
            substituirEscolhaArquivoSalvar([&](const QString&, const QString&) {
                return arquivo.isEmpty() ? QString() : pasta.filePath(arquivo);
            });
            msgs.respostasComCancelar = {static_cast<Resposta>(resposta)};
            modal->roteiro.append([](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("BotaoNao"))->click(); });
            principal.close();
            substituirEscolhaArquivoSalvar({});
            // The network is the project's: what was typed may be lost, then
            // the network may be exported.
            QCOMPARE(msgs.mostradas, (QStringList{QStringLiteral("pergunta: ") + QString::fromUtf8(perguntaDadosPerdidos),
                                                  QStringLiteral("pergunta com cancelar: ") + QString::fromUtf8(perguntaExportarRede)}));
            QCOMPARE(modal->mostradas.contains(QStringLiteral("TFsairSN")), perguntaSair);
            QCOMPARE(QFile::exists(pasta.filePath(QStringLiteral("saida.csv"))), !arquivo.isEmpty());
            QCOMPARE(app->rede->alterada(), arquivo.isEmpty());
            modal->sairSemPerguntar();
            msgs.respostasComCancelar = {Resposta::Nao};
            principal.close();
        }
        modal.reset();
        substituirPausa({});
    }

    void arquivoRecusadoDeixaATabela()
    {
        MensagensGravadas msgs;
        QTemporaryDir pasta;
        const QString ruim = pasta.filePath(QStringLiteral("ruim.csv"));
        QFile f(ruim);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("trecho;comprimento;hs_montante;hs_jusante\nT1;10;1;1\n");
        f.close();
        TFormRede janela(projeto);
        QVERIFY(janela.importarArquivo(exemploCsv));
        QVERIFY(!janela.importarArquivo(ruim));
        QCOMPARE(msgs.ultima(), QStringLiteral("mensagem: O arquivo ruim.csv não pôde ser lido. Linha 1: falta a coluna \"di\"."));
        QCOMPARE(janela.modelo()->rowCount(), 30);
        QVERIFY(!janela.importarArquivo(pasta.filePath(QStringLiteral("nenhum.csv"))));
        QCOMPARE(msgs.ultima(), QStringLiteral("mensagem: Não foi possível ler o arquivo nenhum.csv: o arquivo não existe."));
    }

    void comandoDaJanelaPrincipal()
    {
        substituirPausa([](int) {});
        auto modal = std::make_unique<RoteiroModal>();
        {
            MensagensGravadas msgs;
            auto app = iniciarKolvan();
            TFormPrincipal& principal = *app->principal;
            principal.show();
            QCoreApplication::processEvents();
            QAction* rede = principal.comando(QStringLiteral("Brede"));
            QVERIFY(rede);
            QCOMPARE(rede->text(), QStringLiteral("Rede de tubulações"));
            QCOMPARE(rede->shortcut(), QKeySequence(QStringLiteral("F9")));
            QVERIFY(!rede->isEnabled());
            auto confirmar = [&](const char* comando) {
                modal->roteiro.append([](QDialog& d) {
                    d.show();
                    d.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
                });
                principal.comando(QLatin1String(comando))->trigger();
            };
            confirmar("Bgeo");
            confirmar("Bins");
            confirmar("Bsob");
            QVERIFY(!rede->isEnabled());
            confirmar("Bfat");
            QVERIFY(rede->isEnabled());
            rede->trigger();
            QVERIFY(app->rede->isVisible());
            QVERIFY(app->rede->importarArquivo(exemploCsv));
            const double antes = app->rede->modelo()->rede().resultados[0].R;

            // A surcharge confirmed as "Nula ou desprezível" reclasses the network.
            modal->roteiro.append([](QDialog& d) {
                auto& s = static_cast<TFormSobreCarga&>(d);
                s.show();
                s.RadioGroupTipoCarga->button(5)->click();
                s.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
            });
            principal.comando(QStringLiteral("Bsob"))->trigger();
            QCOMPARE(app->projeto.sobrecarga.natureza, 5);
            QVERIFY(app->rede->modelo()->rede().resultados[0].R < antes);

            // Nothing computed to save: the inputs typed may be lost, "Sim".
            {
                MensagensGravadas respostas;
                principal.comando(QStringLiteral("Bnov"))->trigger();
                QCOMPARE(respostas.mostradas.size(), 1);
            }
            QVERIFY(!rede->isEnabled());
            modal->sairSemPerguntar();
            principal.close();
            QVERIFY(!app->rede->isVisible());
        }
        modal.reset();
        substituirPausa({});
    }
};


// The network is part of the project: saved beside it, opened with it,
// and its changes asked about as the project's own.
void TFormRedeTeste::redeSalvaEAbertaComOProjeto()
{
    substituirPausa([](int) {});
    QTemporaryDir pasta;
    auto modal = std::make_unique<RoteiroModal>();
    {
        auto app = iniciarKolvan();
        MensagensGravadas msgs;
        TFormPrincipal& principal = *app->principal;
        principal.show();
        QCoreApplication::processEvents();
        for (const char* comando : {"Bgeo", "Bins", "Bsob", "Bfat", "Bcla"}) {
            modal->roteiro.append([](QDialog& d) {
                d.show();
                d.findChild<QPushButton*>(QStringLiteral("BotaoConfirma"))->click();
            });
            principal.comando(QLatin1String(comando))->trigger();
        }
        QVERIFY(principal.comando(QStringLiteral("Bsal"))->isEnabled());
        const QString kvn = pasta.filePath(QStringLiteral("a.kvn"));
        const QString lado = pasta.filePath(QStringLiteral("a-rede.csv"));
        substituirEscolhaArquivoSalvar([&](const QString&, const QString&) { return kvn; });
        principal.comando(QStringLiteral("Bsal"))->trigger();
        QVERIFY(!QFile::exists(lado)); // no network, no file beside
        QVERIFY(!principal.isWindowModified());

        QVERIFY(app->rede->importarArquivo(exemploCsv));
        QVERIFY(principal.isWindowModified());
        principal.comando(QStringLiteral("Bsal"))->trigger();
        QVERIFY(QFile::exists(lado));
        QVERIFY(!principal.isWindowModified());
        QVERIFY(!app->rede->alterada());
        // The project file is what it always was.
        QString erro;
        QVERIFY(salvarProjeto(app->projeto, pasta.filePath(QStringLiteral("so-projeto.kvn")), erro));
        QFile a(kvn), b(pasta.filePath(QStringLiteral("so-projeto.kvn")));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
        const RedeTubulacoes salva = app->rede->modelo()->rede();

        // A changed network: the project's save question, and no other.
        ModeloRede& m = *app->rede->modelo();
        const EntradaTrecho t01 = m.rede().entradas[0];
        QVERIFY(m.setData(m.index(0, static_cast<int>(ColunaTrecho::HsJusante)), QStringLiteral("2,5")));
        QVERIFY(principal.isWindowModified());
        msgs.respostasComCancelar = {Resposta::Cancelar};
        principal.close();
        QCOMPARE(msgs.mostradas, QStringList{QStringLiteral("pergunta com cancelar: ") + QString::fromUtf8(perguntaSalvarProjeto)});
        QVERIFY(principal.isVisible());
        msgs.mostradas.clear();
        msgs.respostasComCancelar = {Resposta::Nao}; // "Novo" drops the change

        principal.comando(QStringLiteral("Bnov"))->trigger();
        QCOMPARE(app->rede->modelo()->rowCount(), 0);
        substituirEscolhaArquivoAbrir([&](const QString&, const QString&, const QString&) { return kvn; });
        principal.comando(QStringLiteral("Babr"))->trigger();
        const RedeTubulacoes aberta = app->rede->modelo()->rede();
        QVERIFY(aberta.entradas == salva.entradas);
        QCOMPARE(aberta.entradas[0].hsJusante, t01.hsJusante);
        QCOMPARE(aberta.resultados.size(), salva.resultados.size());
        for (std::size_t i = 0; i < salva.resultados.size(); ++i) {
            QCOMPARE(aberta.resultados[i].textoClasse, salva.resultados[i].textoClasse);
            QCOMPARE(aberta.resultados[i].R, salva.resultados[i].R);
            QCOMPARE(aberta.resultados[i].vala.escavacao, salva.resultados[i].vala.escavacao);
        }
        QCOMPARE(msgs.mostradas.size(), 1); // the save question of "Novo"

        // A file beside that does not read: said, the project opens without
        // it, and a save of the project leaves it alone.
        QFile ruim(lado);
        QVERIFY(ruim.open(QIODevice::WriteOnly));
        ruim.write("trecho;x\nT1;1\n");
        ruim.close();
        msgs.mostradas.clear();
        msgs.respostasComCancelar = {Resposta::Nao};
        principal.comando(QStringLiteral("Babr"))->trigger();
        QCOMPARE(msgs.ultima(), QStringLiteral("mensagem: A rede de tubulações do projeto, a-rede.csv, não pôde ser lida: "
                                               "Linha 1: falta a coluna \"comprimento\". O projeto foi aberto sem ela."));
        QCOMPARE(m.rowCount(), 0);
        QVERIFY(principal.windowTitle().contains(QStringLiteral("a.kvn - ")));
        QVERIFY(app->rede->gravarJuntoAoProjeto(kvn, erro));
        QVERIFY(QFile::exists(lado));

        // Opened again, the project cannot be saved until its result is
        // confirmed: "Abrir" over network edits offers to export them.
        QVERIFY(!principal.comando(QStringLiteral("Bsal"))->isEnabled());
        QVERIFY(app->rede->importarArquivo(exemploCsv));
        app->rede->BincluirClick();
        msgs.mostradas.clear();
        msgs.respostasComCancelar = {Resposta::Cancelar};
        principal.comando(QStringLiteral("Babr"))->trigger();
        QCOMPARE(msgs.mostradas, (QStringList{QStringLiteral("pergunta: ") + QString::fromUtf8(perguntaDadosPerdidos),
                                              QStringLiteral("pergunta com cancelar: ") + QString::fromUtf8(perguntaExportarRede)}));
        QCOMPARE(m.rowCount(), 31); // nothing opened
        substituirEscolhaArquivoSalvar({});
        substituirEscolhaArquivoAbrir({});
        modal->sairSemPerguntar();
        principal.close();
    }
    modal.reset();
    substituirPausa({});
}

// What the table shows and asks, as an engineer meets it.
void TFormRedeTeste::comportamentosDaTabela()
{
    MensagensGravadas msgs;
    TFormRede janela(projeto);
    QVERIFY(janela.importarArquivo(exemploCsv));
    ModeloRede& m = *janela.modelo();
    const int t04 = linhaDe(m, QStringLiteral("T-04"));
    const int t18 = linhaDe(m, QStringLiteral("T-18 \"travessia; avenida\""));
    // The name beside the row number stays in view while scrolling sideways.
    QCOMPARE(m.headerData(t04, Qt::Vertical).toString(), QStringLiteral("%1  T-04").arg(t04 + 1));
    // A stretch without a class is red across its whole row, with the point
    // that failed and the ends it lies between.
    for (int c : {0, ModeloRede::colunaResultado(static_cast<int>(ColunaResultado::W)), colunaClasse(),
                  ModeloRede::colunaVala(ColunaVala::Escavacao)})
        QCOMPARE(m.data(m.index(t04, c), Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 228, 228));
    QCOMPARE(celula(m, t04, colunaClasse()),
             QStringLiteral("hs = 0,55 m (entre 3,03 e 0,45 m): A altura mínima de terra deverá ser 0,60 m"));
    // A classed stretch's class cells take the cover table's colours; its other results stay grey.
    const int armado = ModeloRede::colunaResultado(static_cast<int>(ColunaResultado::ClasseArmado));
    const int simples = ModeloRede::colunaResultado(static_cast<int>(ColunaResultado::ClasseSimples));
    const int w = ModeloRede::colunaResultado(static_cast<int>(ColunaResultado::W));
    QCOMPARE(celula(m, 0, armado), QStringLiteral("PA2")); // T-01, 400 mm: no simple class covers it
    QCOMPARE(celula(m, 0, simples), QString());
    const auto fundo = [&m](int coluna) {
        return m.data(m.index(0, coluna), Qt::BackgroundRole).value<QBrush>().color();
    };
    QCOMPARE(fundo(armado), QColor(250, 240, 180));
    QCOMPARE(fundo(colunaClasse()), QColor(250, 240, 180));
    QCOMPARE(fundo(simples), QColor(240, 240, 240));
    QCOMPARE(fundo(w), QColor(240, 240, 240));
    // A text its column cuts shows whole in the tooltip; one that fits, none.
    const QFontMetrics medida(janela.font());
    const QModelIndex nome = m.index(t18, 0);
    QCOMPARE(dicaCelula(nome, 40, medida), QStringLiteral("T-18 \"travessia; avenida\""));
    QCOMPARE(dicaCelula(nome, 2000, medida), QString());
    QCOMPARE(dicaCelula(m.index(t04, colunaClasse()), 2000, medida), celula(m, t04, colunaClasse()));
    // The trench quantities of a classed stretch.
    QCOMPARE(celula(m, 0, ModeloRede::colunaVala(ColunaVala::FaixaProfundidade)), QStringLiteral("1,50 a 3,00 m"));
    QVERIFY(janela.quantitativos()->toPlainText().contains(QStringLiteral("Quantitativos de vala")));
    QVERIFY(janela.quantitativos()->toPlainText().contains(QStringLiteral("Bota-fora: ")));

    // The surcharge cell offers the accepted values.
    janela.show();
    const QModelIndex sobrecarga = m.index(0, static_cast<int>(ColunaTrecho::Sobrecarga));
    janela.tabela()->setCurrentIndex(sobrecarga);
    janela.tabela()->edit(sobrecarga);
    auto* lista = janela.tabela()->findChild<QComboBox*>(QStringLiteral("CmbBxSobrecarga"));
    QVERIFY(lista);
    QStringList itens;
    for (int i = 0; i < lista->count(); ++i)
        itens << lista->itemText(i);
    QCOMPARE(itens, (QStringList{QStringLiteral("(a do projeto)"), QStringLiteral("nula"), QStringLiteral("classe 45"),
                                 QStringLiteral("classe 30"), QStringLiteral("eixo triplo")}));
    lista->setCurrentIndex(1);
    janela.tabela()->setCurrentIndex(m.index(1, 0)); // leaves the editor: committed
    QCOMPARE(celula(m, 0, static_cast<int>(ColunaTrecho::Sobrecarga)), QStringLiteral("nula"));

    // An edited number shows with its column's decimals; a diameter off the
    // list says so plainly.
    QVERIFY(m.setData(m.index(0, static_cast<int>(ColunaTrecho::Comprimento)), QStringLiteral("57.5")));
    QCOMPARE(celula(m, 0, static_cast<int>(ColunaTrecho::Comprimento)), QStringLiteral("57,50"));
    QVERIFY(m.setData(m.index(0, static_cast<int>(ColunaTrecho::FundoMontante)), QStringLiteral("98,1")));
    QCOMPARE(celula(m, 0, static_cast<int>(ColunaTrecho::FundoMontante)), QStringLiteral("98,100"));
    QVERIFY(m.setData(m.index(0, static_cast<int>(ColunaTrecho::Di)), QStringLiteral("650")));
    QCOMPARE(celula(m, 0, colunaClasse()), QStringLiteral("O diâmetro 650 mm não é um dos diâmetros dos tubos."));

    // Removing names the stretch; importing over unexported edits says they go.
    janela.tabela()->clearSelection();
    janela.tabela()->setCurrentIndex(m.index(t18, 0));
    msgs.respostas = {false};
    janela.BexcluirClick();
    QCOMPARE(msgs.ultima(), QStringLiteral("pergunta: Excluir o trecho T-18 \"travessia; avenida\"?"));
    substituirEscolhaArquivoAbrir([](const QString&, const QString&, const QString&) { return exemploXml; });
    msgs.respostas = {false};
    janela.BimportarClick();
    substituirEscolhaArquivoAbrir({});
    QCOMPARE(msgs.ultima(), QStringLiteral("pergunta: As alterações da rede que não foram exportadas serão perdidas.\n"
                                           "Substituir os 30 trechos da tabela pelos do arquivo?"));
    QCOMPARE(m.rowCount(), 30);
}

QTEST_MAIN(TFormRedeTeste)
#include "TFormRedeTeste.moc"
