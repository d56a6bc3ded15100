// The cover table of a project as the window computes it on every edit:
// 15 diameters × 1 941 covers through the network's stretch rule. It must
// take under 200 ms.
#include "tabelaRecobrimentos.h"

#include <benchmark/benchmark.h>

namespace {

void bmTabelaRecobrimentos(benchmark::State& estado, int tipo)
{
    ProjetoTubo projeto; // 600 mm, saturated soil, Classe 45
    projeto.instalacao.tipo = tipo;
    projeto.instalacao.alturaHa = "0,30";
    projeto.instalacao.razaoRecalque = tipo == ProjecaoNegativa ? "-0,4" : "0,5";
    for (auto _ : estado)
        benchmark::DoNotOptimize(calcularTabelaRecobrimentos(projeto));
}
BENCHMARK_CAPTURE(bmTabelaRecobrimentos, vala, Vala)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bmTabelaRecobrimentos, projecaoPositiva, ProjecaoPositiva)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bmTabelaRecobrimentos, projecaoNegativa, ProjecaoNegativa)->Unit(benchmark::kMillisecond);

} // namespace
