// The longitudinal profiles of a 1 000-stretch network: laid out, and laid
// out and written to PDF (the target: under 2 s), as the "Perfis" command
// and kolvan-calc --perfis do.
#include "PintorPerfil.h"
#include "ProjetoTubo.h"
#include "leituraRede.h"
#include "redeGerada.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

RedeTubulacoes redeClassificada()
{
    RedeTubulacoes rede;
    rede.entradas = lerCsvRede(csvRedeGerada(1000)).trechos;
    rede.resultados = classificarRede(ProjetoTubo{}, rede.entradas);
    return rede;
}

void bmMontarPerfis(benchmark::State& estado)
{
    const RedeTubulacoes rede = redeClassificada();
    for (auto _ : estado)
        benchmark::DoNotOptimize(montarPerfisRede(rede, {}, {}));
}
BENCHMARK(bmMontarPerfis)->Unit(benchmark::kMillisecond);

void bmPerfisPdf(benchmark::State& estado)
{
    QTemporaryDir pasta;
    const RedeTubulacoes rede = redeClassificada();
    std::size_t folhas = 0;
    for (auto _ : estado) {
        const PerfisRede perfis = montarPerfisRede(rede, {}, {});
        folhas = perfis.folhas.size();
        benchmark::DoNotOptimize(exportarPerfisPdf(perfis, pasta.filePath(QStringLiteral("perfis.pdf"))));
    }
    estado.counters["folhas"] = static_cast<double>(folhas);
}
BENCHMARK(bmPerfisPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

// Fonts and the PDF writer need an application, never a screen.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
