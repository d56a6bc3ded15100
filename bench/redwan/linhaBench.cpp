// The product line: the 56 designs of a stormwater line (one cage, the least
// walls), and the same line with the thinnest-wall and the cheapest-wall
// searches of every cell.
#include "buscaParede.h"

#include <benchmark/benchmark.h>

namespace {

EntradaLinha linhaPluvial(int tipo)
{
    ParametrosArmadura p;
    escolherTipo(p, tipo, 1000.0);
    return linhaPadrao(0, 0, p);
}

void BM_LinhaPluvial(benchmark::State& state)
{
    const EntradaLinha l = linhaPluvial(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dimensionarLinha(l));
}
BENCHMARK(BM_LinhaPluvial)->Arg(armaduraSimples)->Arg(armaduraDupla)->Unit(benchmark::kMillisecond);

void BM_LinhaPluvialComBuscaDeParede(benchmark::State& state)
{
    const EntradaLinha l = linhaPluvial(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TabelaLinha t = dimensionarLinha(l);
        buscarParedes(t);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_LinhaPluvialComBuscaDeParede)
    ->Arg(armaduraSimples)
    ->Arg(armaduraDupla)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

// The cheapest passing wall of every cell of the default line: 56 cells,
// 101 walls each, every wall a full design run priced.
namespace {
void BM_LinhaPluvialMenorCusto(benchmark::State& state)
{
    const EntradaLinha l = linhaPluvial(static_cast<int>(state.range(0)));
    const TabelaLinha t0 = dimensionarLinha(l);
    for (auto _ : state) {
        TabelaLinha t = t0;
        buscarMenoresCustos(t);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_LinhaPluvialMenorCusto)
    ->Arg(armaduraSimples)
    ->Arg(armaduraDupla)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
} // namespace
