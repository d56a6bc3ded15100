// The design run of "Resultado do dimensionamento" over every diameter and
// class of both purposes, with the defaults of a new project (wall at its
// minimum, fck 35, γs 1,15, γc 1,40). The button handler runs it with no
// progress display, so the slowest run is what a user waits for.
#include "casosRedwan.h"
#include "dimensionamento.h"
#include "numeros.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

namespace {

struct Caso {
    std::string nome;
    DadosDimensionamento dados;
};

std::vector<Caso> casosDaLinha(int tipoArmadura)
{
    struct Classe {
        const char* nome;
        int finalidade, k;
    };
    static const Classe classes[] = {{"PA1", 0, 60},  {"PA2", 0, 90},  {"PA3", 0, 135}, {"PA4", 0, 180},
                                     {"EA2", 1, 90},  {"EA3", 1, 135}, {"EA4", 1, 180}};
    std::vector<Caso> lista;
    for (int di : casos::diametros)
        for (const Classe& c : classes) {
            Caso caso;
            caso.nome = formatar0(di) + " " + c.nome;
            DadosDimensionamento& d = caso.dados;
            d.P = std::ceil(c.k * di / 1000.0);
            d.di = di;
            d.h = casos::espessuraMinima(c.finalidade, di);
            d.fck = 35.0;
            d.gamaS = 1.15;
            d.gamaC = 1.4;
            d.tipoArmadura = tipoArmadura;
            d.tipoTubo = MachoFemea;
            d.dLinhaInt = di <= 600 ? 2.5 : 3.5;
            d.dLinhaExt = di <= 600 ? 2.0 : 2.5;
            lista.push_back(caso);
        }
    return lista;
}

// Every case once per iteration. Each case keeps its fastest time over the
// iterations (the others carry the noise of the machine); the slowest of
// those is reported, in microseconds, with its pipe and class as the label.
void bmTodosOsTubos(benchmark::State& estado, int tipoArmadura)
{
    const std::vector<Caso> lista = casosDaLinha(tipoArmadura);
    std::vector<double> melhor(lista.size(), 1e300);
    for (auto _ : estado) {
        for (std::size_t i = 0; i < lista.size(); ++i) {
            EstadoDimensionamento e;
            const auto inicio = std::chrono::steady_clock::now();
            ExecucaoDimensionamento x = executarDimensionamento(lista[i].dados, e);
            benchmark::DoNotOptimize(x);
            const double us =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - inicio).count();
            if (us < melhor[i])
                melhor[i] = us;
        }
    }
    std::size_t pior = 0;
    for (std::size_t i = 1; i < melhor.size(); ++i)
        if (melhor[i] > melhor[pior])
            pior = i;
    estado.counters["execucao_mais_lenta_us"] = melhor[pior];
    estado.counters["execucoes"] = static_cast<double>(lista.size());
    estado.SetLabel("mais lenta: " + lista[pior].nome);
}

BENCHMARK_CAPTURE(bmTodosOsTubos, circularSimples, CircularSimples)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bmTodosOsTubos, circularDupla, CircularDupla)->Unit(benchmark::kMillisecond);

// The worked pipe alone, for comparing changes to the solver.
void bmTuboDe1000mm(benchmark::State& estado, int tipoArmadura)
{
    const DadosDimensionamento d = casos::exemplo(tipoArmadura);
    for (auto _ : estado) {
        EstadoDimensionamento e;
        ExecucaoDimensionamento x = executarDimensionamento(d, e);
        benchmark::DoNotOptimize(x);
    }
}

BENCHMARK_CAPTURE(bmTuboDe1000mm, circularSimples, CircularSimples)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bmTuboDe1000mm, circularDupla, CircularDupla)->Unit(benchmark::kMicrosecond);

} // namespace
