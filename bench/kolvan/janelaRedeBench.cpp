// The network window with 1 000 stretches: a cell edited until its row and
// the quantities are repainted; and the network report of 1 000 stretches
// exported to PDF.
#include "ExportacaoPdf.h"
#include "ModeloRede.h"
#include "TFormRede.h"
#include "leituraRede.h"
#include "redeGerada.h"
#include "relatorioRede.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void bmEditarCelula(benchmark::State& estado)
{
    ProjetoTubo projeto;
    TFormRede janela(projeto);
    janela.modelo()->definirTrechos(lerCsvRede(csvRedeGerada(1000)).trechos);
    janela.show();
    QApplication::processEvents();
    const QModelIndex celula = janela.modelo()->index(0, static_cast<int>(ColunaTrecho::HsJusante));
    bool alterna = false;
    for (auto _ : estado) {
        alterna = !alterna;
        janela.modelo()->setData(celula, alterna ? QStringLiteral("3,40") : QStringLiteral("1,10"));
        QApplication::processEvents(); // the row and the quantities repainted
    }
}
BENCHMARK(bmEditarCelula)->Unit(benchmark::kMillisecond);

void bmRelatorioPdf(benchmark::State& estado)
{
    QTemporaryDir pasta;
    const ProjetoTubo projeto;
    RedeTubulacoes rede;
    rede.entradas = lerCsvRede(csvRedeGerada(1000)).trechos;
    rede.resultados = classificarRede(projeto, rede.entradas);
    for (auto _ : estado)
        benchmark::DoNotOptimize(exportarPdf(montarRelatorioRede(projeto, rede, {"08/12/2026", "10:00"}),
                                             pasta.filePath(QStringLiteral("rede.pdf"))));
}
BENCHMARK(bmRelatorioPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

// Widgets, fonts and the PDF writer need an application, never a screen.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
