// One class computation as "Resultado da classe do tubo" asks for it: the
// record's texts converted, earth load, bedding factor, surcharge, R and the
// classes with their texts.
#include "calculoClasse.h"

#include "ProjetoTubo.h"

#include <benchmark/benchmark.h>

namespace {

void bmCalculoClasse(benchmark::State& estado, int tipo, bool compactado, int natureza)
{
    ProjetoTubo projeto; // 600 mm, saturated soil, hs 1,00, bv 1,31, Classe 45
    projeto.instalacao.tipo = tipo;
    projeto.instalacao.aterroCompactado = compactado;
    projeto.instalacao.razaoRecalque = tipo == ProjecaoNegativa && !compactado ? "-0,4" : "0,5";
    projeto.sobrecarga.natureza = natureza;
    EstadoSobrecarga sobrecarga;
    for (auto _ : estado) {
        CalculoClasse c = calcularClasse(projeto, sobrecarga);
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(projeto.resultado);
    }
}

BENCHMARK_CAPTURE(bmCalculoClasse, vala, Vala, false, Rodoviaria)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmCalculoClasse, projecaoPositiva, ProjecaoPositiva, false, Rodoviaria)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmCalculoClasse, projecaoNegativa, ProjecaoNegativa, false, Rodoviaria)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmCalculoClasse, projecaoNegativaCompactada, ProjecaoNegativa, true, Rodoviaria)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmCalculoClasse, valaDistribuida, Vala, false, ForcaParcialmenteDistribuida)
    ->Unit(benchmark::kMicrosecond);

} // namespace
