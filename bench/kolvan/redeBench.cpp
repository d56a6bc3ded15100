// A network as kolvan-calc --rede takes it: 10 000 stretches read from CSV,
// classed, their trench quantities computed (a trench with the class B
// bedding, whose bed, envelope and spoil all count) and printed.
#include "leituraRede.h"
#include "redeGerada.h"
#include "redeTubulacoes.h"
#include "saidaRede.h"

#include <benchmark/benchmark.h>

namespace {

void bmLerEClassificar(benchmark::State& estado)
{
    const std::string csv = csvRedeGerada(static_cast<int>(estado.range(0)));
    ProjetoTubo projeto;
    projeto.baseVala.classe = 1;
    for (auto _ : estado) {
        RedeTubulacoes rede;
        rede.entradas = lerCsvRede(csv).trechos;
        rede.resultados = classificarRede(projeto, rede.entradas);
        const std::string saida = saidaRede(rede, false);
        if (saida.find("quantitativo: servicos") == std::string::npos)
            estado.SkipWithError("sem os quantitativos de vala");
        benchmark::DoNotOptimize(saida);
    }
}
BENCHMARK(bmLerEClassificar)->Arg(10000)->Unit(benchmark::kMillisecond);

void bmUmTrecho(benchmark::State& estado)
{
    const std::vector<EntradaTrecho> entradas = lerCsvRede(csvRedeGerada(1)).trechos;
    const ProjetoTubo projeto = projetoBaseRede(ProjetoTubo{});
    for (auto _ : estado)
        benchmark::DoNotOptimize(classificarTrecho(projeto, entradas[0]));
}
BENCHMARK(bmUmTrecho)->Unit(benchmark::kMicrosecond);

} // namespace
