// The earth load of one installation, as the class computation asks for it.
#include "cargaTerra.h"

#include "ProjetoTubo.h"

#include <benchmark/benchmark.h>

namespace {

void bmCargaTerra(benchmark::State& estado, int tipo, bool compactado, double rsd)
{
    ProjetoTubo projeto; // 600 mm, saturated soil, hs 1,00, bv 1,31
    ValoresTrabalho v = valoresTrabalho(projeto);
    v.ha = 0.60;
    v.rsd = rsd;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(v);
        ResultadoCargaTerra r = cargaTerra(v, tipo, compactado);
        benchmark::DoNotOptimize(r);
    }
}

BENCHMARK_CAPTURE(bmCargaTerra, vala, Vala, false, 0.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmCargaTerra, projecaoPositiva, ProjecaoPositiva, false, 0.5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmCargaTerra, projecaoNegativa, ProjecaoNegativa, false, -0.4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmCargaTerra, projecaoNegativaCompactada, ProjecaoNegativa, true, 0.5)->Unit(benchmark::kMicrosecond);

// The project path: texts converted, then the load.
void bmCargaTerraDoProjeto(benchmark::State& estado)
{
    ProjetoTubo projeto;
    for (auto _ : estado) {
        ResultadoCargaTerra r = cargaTerra(projeto);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(bmCargaTerraDoProjeto)->Unit(benchmark::kMicrosecond);

} // namespace
