// "Tabela de armaduras" as a user drives it: the inputs it starts from, the
// questions of "Dimensionar", the grid and the details, what is enabled
// when, the wall search with its cancellation, a wall edited after
// designing, the adoption of the found walls, and the CSV export.
#include "DialogosArquivo.h"
#include "MensagensGravadas.h"
#include "ModeloTabelaArmaduras.h"
#include "TFtabelaArmaduras.h"
#include "buscaParede.h"
#include "BaseTemporaria.h"
#include "ExecucaoModal.h"
#include "TFcustos.h"
#include "numeros.h"
#include "parametrosArmadura.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QSignalSpy>
#include <QtTest>

class TFtabelaArmadurasTeste : public QObject {
    Q_OBJECT

private:
    static ProjetoRedwan projetoConfirmado()
    {
        ProjetoRedwan p;
        p.geometria.finalidade = finalidadeEsgoto;
        p.geometria.tipoTubo = 0;
        p.geometria.indiceDi = 3; // 600 mm
        p.parametros.fck = "40,00";
        p.parametros.tipo = armaduraDupla;
        p.parametros.dInt = "2,5";
        p.parametros.dExt = "2,0";
        p.parametros.h = "80";
        p.etapas = {true, true, true};
        return p;
    }

    static QString textoCelula(TFtabelaArmaduras& j, int linha, int coluna)
    {
        return j.GradeTabela->model()->index(linha, coluna).data().toString();
    }

private slots:
    void comecaDasEntradasConfirmadas()
    {
        const ProjetoRedwan p = projetoConfirmado();
        TFtabelaArmaduras j(p);
        j.show();
        QCOMPARE(j.CmbBxFinalidade->currentIndex(), 1);
        QCOMPARE(j.CmbBxTipoTubo->currentIndex(), 0);
        QCOMPARE(j.EditFck->text(), QStringLiteral("40,00"));
        QCOMPARE(j.CmbBxArmadura->currentIndex(), 1);
        QCOMPARE(j.EditDint->text(), QStringLiteral("2,5"));
        QVERIFY(j.EditDint->isEnabled());
        QCOMPARE(j.GradeParedes->rowCount(), 14);
        QCOMPARE(j.GradeParedes->item(0, 1)->text(), QStringLiteral("50"));  // sewage 300 mm
        QCOMPARE(j.GradeParedes->item(3, 1)->text(), QStringLiteral("80"));  // the confirmed wall
        QCOMPARE(j.GradeParedes->item(4, 1)->text(), QStringLiteral("70"));
    }

    void semEtapasConfirmadasUsaOsPadroes()
    {
        ProjetoRedwan p = projetoConfirmado();
        p.etapas = {};
        TFtabelaArmaduras j(p);
        j.show();
        QCOMPARE(j.EditFck->text(), QStringLiteral("35,00"));
        QCOMPARE(j.CmbBxArmadura->currentIndex(), 0);
        QVERIFY(!j.EditDint->isEnabled());
        QCOMPARE(j.GradeParedes->item(3, 1)->text(), QStringLiteral("65"));
    }

    void dimensionarPerguntaEPreencheAGrade()
    {
        MensagensGravadas msgs;
        msgs.respostas = {false};
        ProjetoRedwan p;
        TFtabelaArmaduras j(p);
        j.show();
        QVERIFY(!j.BBuscar->isEnabled());
        QVERIFY(!j.BExportar->isEnabled());
        QVERIFY(!j.BRelatorio->isEnabled());
        j.BDimensionar->click();
        QCOMPARE(msgs.mostradas, QStringList{QStringLiteral("pergunta: ") + QString::fromStdString(perguntaArmaduraDupla())});
        QCOMPARE(j.GradeTabela->model()->rowCount(), 14);
        QCOMPARE(j.GradeTabela->model()->columnCount(), 4);
        QCOMPARE(j.GradeTabela->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("PA4"));
        QVERIFY(j.GradeTabela->model()->headerData(3, Qt::Vertical).toString().startsWith(QStringLiteral("600 mm")));
        QVERIFY(j.BBuscar->isEnabled());
        QVERIFY(j.BExportar->isEnabled());
        QVERIFY(j.BRelatorio->isEnabled());

        // 300 mm PA1 passes; 500 mm PA4 on one cage is not designed, in red.
        QVERIFY(textoCelula(j, 0, 0).startsWith(QStringLiteral("Int.: PB ")));
        QVERIFY(textoCelula(j, 0, 0).contains(QStringLiteral("Verificações ok")));
        const QModelIndex falha = j.GradeTabela->model()->index(2, 3);
        QCOMPARE(falha.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        QVERIFY(falha.data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("Não foi possível")));
        QCOMPARE(j.GradeTabela->model()->index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 255));

        j.GradeTabela->setCurrentIndex(falha);
        QVERIFY(j.Detalhes->toPlainText().contains(QStringLiteral("PA4")));
        QVERIFY(j.Detalhes->toPlainText().contains(QStringLiteral("Não foi possível realizar o dimensionamento")));
        j.GradeTabela->setCurrentIndex(j.GradeTabela->model()->index(0, 0));
        QVERIFY(j.Detalhes->toPlainText().contains(QStringLiteral("Armadura máxima =")));

        // Another value withdraws the table.
        QTest::keyClick(j.EditFck, Qt::Key_Backspace);
        QCOMPARE(j.GradeTabela->model()->rowCount(), 0);
        QVERIFY(!j.BBuscar->isEnabled());
        QVERIFY(!j.BExportar->isEnabled());
    }

    void campoVazioRecusadoSemTabela()
    {
        MensagensGravadas msgs;
        ProjetoRedwan p;
        TFtabelaArmaduras j(p);
        j.show();
        j.GradeParedes->item(5, 1)->setText(QString());
        j.BDimensionar->click();
        QCOMPARE(msgs.mostradas, QStringList{QStringLiteral("aviso: Entre com um valor para a espessura da parede.")});
        QCOMPARE(j.GradeParedes->currentRow(), 5);
        QCOMPARE(j.GradeTabela->model()->rowCount(), 0);
    }

    void buscaDeParedesCancelavelEDepoisCompleta()
    {
        MensagensGravadas msgs;
        msgs.respostas = {false}; // keep two cages below 800 mm
        ProjetoRedwan p = projetoConfirmado();
        p.geometria.finalidade = finalidadePluvial;
        p.parametros.dInt = "3,5";
        p.parametros.dExt = "2,5";
        TFtabelaArmaduras j(p);
        j.show();
        j.BDimensionar->click();
        QVERIFY(j.tabela().has_value());
        QSignalSpy terminada(&j, &TFtabelaArmaduras::buscaTerminada);

        // Cancelled at once: the table stays as it was.
        j.BBuscar->click();
        QVERIFY(j.buscando());
        QVERIFY(j.BCancelar->isEnabled());
        QVERIFY(!j.BDimensionar->isEnabled());
        QVERIFY(!j.BExportar->isEnabled());
        QVERIFY(!j.EditFck->isEnabled());
        j.BCancelar->click();
        QTRY_COMPARE_WITH_TIMEOUT(terminada.size(), 1, 60000);
        QCOMPARE(terminada.takeFirst().at(0).toBool(), false);
        QVERIFY(!j.tabela()->celulas[0].paredeBuscada);
        QVERIFY(!textoCelula(j, 0, 0).contains(QStringLiteral("h mín.")));
        QVERIFY(!j.BCancelar->isEnabled());
        QVERIFY(j.BDimensionar->isEnabled());
        QCOMPARE(j.ProgressBar1->value(), 0);

        j.BBuscar->click();
        QTRY_COMPARE_WITH_TIMEOUT(terminada.size(), 1, 60000);
        QCOMPARE(terminada.takeFirst().at(0).toBool(), true);
        QVERIFY(j.tabela()->paredesBuscadas);
        QCOMPARE(j.ProgressBar1->value(), 56);
        // 300 mm with two cages on 3,5 + 2,5 cm: the meshes fail on 50 mm, 55 mm passes.
        QCOMPARE(buscarParedeMinima(j.tabela()->entrada, 0, 0), std::optional<int>(55));
        QVERIFY(textoCelula(j, 0, 0).contains(QStringLiteral("h mín.: 55 mm")));
    }

    // The user's work stays: a wall typed after designing redesigns that
    // diameter alone, and the found walls go into the wall list.
    void paredeEditadaEParedesAdotadasGuardamOTrabalho()
    {
        MensagensGravadas msgs;
        msgs.respostas = {false}; // keep two cages below 800 mm
        ProjetoRedwan p = projetoConfirmado();
        p.geometria.finalidade = finalidadePluvial;
        p.parametros.dInt = "3,5";
        p.parametros.dExt = "2,5";
        TFtabelaArmaduras j(p);
        j.show();
        j.BDimensionar->click();
        QVERIFY(!j.BAdotarParedes->isEnabled());
        QSignalSpy terminada(&j, &TFtabelaArmaduras::buscaTerminada);
        j.BBuscarCusto->click();
        QVERIFY(j.buscando());
        QVERIFY(!j.BBuscar->isEnabled() && !j.BBuscarCusto->isEnabled() && !j.BCustos->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(terminada.size(), 1, 120000);
        QVERIFY(terminada.takeFirst().at(0).toBool());
        QVERIFY(j.BAdotarParedes->isEnabled());
        const TabelaLinha buscada = *j.tabela();
        const auto mesmaCelula = [](const CelulaLinha& a, const CelulaLinha& b) {
            return a.h == b.h && a.paredeMinimaViavel == b.paredeMinimaViavel
                && a.menorCusto.paredeMenorCusto == b.menorCusto.paredeMenorCusto
                && a.execucao.resultado.telaInterna == b.execucao.resultado.telaInterna;
        };

        // 300 mm on 60 mm: its four cells designed again, keeping their
        // found walls; every other diameter exactly as it was.
        j.GradeParedes->item(0, 1)->setText(QStringLiteral("60"));
        QCOMPARE(msgs.mostradas.size(), 1);
        QVERIFY(j.tabela().has_value());
        for (int c = 0; c < 4; ++c) {
            const CelulaLinha& celula = j.tabela()->celula(0, c);
            QCOMPARE(celula.h, std::string("60"));
            QVERIFY(celula.menorCustoBuscado);
            QCOMPARE(celula.menorCusto.paredeMenorCusto, buscada.celula(0, c).menorCusto.paredeMenorCusto);
        }
        for (int d = 1; d < 14; ++d)
            for (int c = 0; c < 4; ++c)
                QVERIFY(mesmaCelula(j.tabela()->celula(d, c), buscada.celula(d, c)));
        QVERIFY(j.GradeTabela->model()->headerData(0, Qt::Vertical).toString().contains(QStringLiteral("h = 60 mm")));
        QVERIFY(textoCelula(j, 1, 0).contains(QStringLiteral("h menor custo:")));

        // Not a number: said, and the wall designed comes back.
        j.GradeParedes->item(0, 1)->setText(QStringLiteral("6,0,"));
        QCOMPARE(msgs.ultima(), QStringLiteral("mensagem: ") + QString::fromStdString(mensagemNumeroInvalido("6,0,")));
        QCOMPARE(j.GradeParedes->item(0, 1)->text(), QStringLiteral("60"));
        QCOMPARE(j.tabela()->celula(0, 0).h, std::string("60"));
        // Below the least wall: the window's question, "Sim" takes the least.
        j.GradeParedes->item(0, 1)->setText(QStringLiteral("40"));
        QCOMPARE(msgs.ultima(), QStringLiteral("pergunta: ") + QString::fromStdString(perguntaEspessura("45")));
        QCOMPARE(j.GradeParedes->item(0, 1)->text(), QStringLiteral("45"));
        QCOMPARE(j.tabela()->celula(0, 0).h, std::string("45"));

        // Adopting the cheapest walls: each diameter takes the thickest of
        // its classes' cheapest walls and is designed on it.
        msgs.respostas = {true};
        j.BAdotarParedes->click();
        QVERIFY(msgs.ultima().startsWith(QStringLiteral("pergunta: Adotar as paredes de menor custo?")));
        for (int d = 0; d < 14; ++d) {
            std::optional<int> esperada;
            for (int c = 0; c < 4; ++c)
                if (const auto h = buscada.celula(d, c).menorCusto.paredeMenorCusto)
                    esperada = std::max(esperada.value_or(0), *h);
            const std::string h = esperada ? std::to_string(*esperada) : buscada.entrada.diametros[d].h;
            QCOMPARE(j.GradeParedes->item(d, 1)->text(), QString::fromStdString(h));
            QCOMPARE(j.tabela()->entrada.diametros[d].h, h);
            QCOMPARE(j.tabela()->celula(d, 3).h, h);
            QVERIFY(j.tabela()->celula(d, 3).menorCustoBuscado);
        }
        // "Não": the thinnest passing walls instead.
        msgs.respostas = {false};
        j.BAdotarParedes->click();
        for (int d = 0; d < 14; ++d) {
            std::optional<int> esperada;
            for (int c = 0; c < 4; ++c)
                if (const auto h = buscada.celula(d, c).paredeMinimaViavel)
                    esperada = std::max(esperada.value_or(0), *h);
            if (esperada)
                QCOMPARE(j.tabela()->entrada.diametros[d].h, std::to_string(*esperada));
        }
        QVERIFY(j.tabela()->celula(2, 0).passa());

        // "Paredes mínimas" on a designed line: the least walls, the found ones kept.
        j.BParedesMinimas->click();
        QVERIFY(j.tabela().has_value());
        QCOMPARE(j.GradeParedes->item(0, 1)->text(), QStringLiteral("45"));
        QCOMPARE(j.tabela()->celula(0, 0).h, std::string("45"));
        QVERIFY(j.tabela()->celula(0, 0).menorCustoBuscado);

        // New prices from "Custos": the costs follow, the cheapest walls found
        // at the old ones are forgotten, the thinnest ones stay.
        substituirExecucaoModal([](QDialog& d) {
            auto& custos = static_cast<TFcustos&>(d);
            custos.show();
            custos.EditPrecoAco->setText(QStringLiteral("19,00"));
            custos.confirmar();
            return 1;
        });
        BaseTemporaria base;
        j.BCustos->click();
        substituirExecucaoModal({});
        QCOMPARE(j.precos(), (PrecosCusto{550.0, 19.0}));
        QVERIFY(!j.tabela()->celula(0, 0).menorCustoBuscado);
        QVERIFY(j.tabela()->celula(0, 0).paredeBuscada);
        int k = 0;
        while (!j.tabela()->celulas[k].dimensionada())
            ++k;
        j.GradeTabela->setCurrentIndex(j.GradeTabela->model()->index(k / 4, k % 4));
        QVERIFY2(j.Detalhes->toPlainText().contains(QStringLiteral("aço a R$ 19,00/kg")), qPrintable(j.Detalhes->toPlainText()));
    }

    void fecharDuranteABuscaParaABusca()
    {
        MensagensGravadas msgs;
        msgs.respostas = {false};
        ProjetoRedwan p; // one cage: a long search
        TFtabelaArmaduras j(p);
        j.show();
        j.BDimensionar->click();
        j.BBuscar->click();
        QVERIFY(j.buscando());
        j.close();
        QVERIFY(!j.isVisible());
        QVERIFY(!j.buscando());
        QVERIFY(!j.tabela()->paredesBuscadas);
        // Nothing of the stopped search arrives later.
        QTest::qWait(50);
        QVERIFY(!j.tabela()->celulas[0].paredeBuscada);
    }

    void destruidaDuranteABusca()
    {
        MensagensGravadas msgs;
        msgs.respostas = {false};
        ProjetoRedwan p;
        auto j = std::make_unique<TFtabelaArmaduras>(p);
        j->show();
        j->BDimensionar->click();
        j->BBuscar->click();
        j.reset();
        QTest::qWait(50);
    }

    void exportaCsvComUmaLinhaPorCelula()
    {
        MensagensGravadas msgs;
        msgs.respostas = {false};
        ProjetoRedwan p;
        TFtabelaArmaduras j(p);
        j.show();
        j.BDimensionar->click();
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("linha.csv"));
        substituirEscolhaArquivoSalvar([&](const QString&, const QString&) { return caminho; });
        j.BExportar->click();
        substituirEscolhaArquivoSalvar({});
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList linhas = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 57);
        QVERIFY(linhas[0].endsWith(QStringLiteral("di;classe;P;h;Mc;Ms;dC;xC;domC;AsC;dS;xS;domS;AsS;Dcoro;AsP_Prat;AsMin;"
                                                  "AsIntMin;AsExtMin;telaInterna;telaExterna;AsMax;Vu;w;"
                                                  "verificacaoCobrimento;verificacaoCortante;verificacaoFissuras;"
                                                  "acoInterno;acoExterno;acoTotal;concreto;custo;erro")));
        QVERIFY(linhas[1].startsWith(QStringLiteral("300;PA1;18,00;45;")));
    }
};

QTEST_MAIN(TFtabelaArmadurasTeste)
#include "TFtabelaArmadurasTeste.moc"
