// A network as kolvan-calc --rede takes it: 10 000 stretches read from CSV,
// classed, their trench quantities computed (a trench with the class B
// bedding, whose bed, envelope and spoil all count) and printed; and the
// LandXML reader on a structure that every pipe of the network reaches.
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

// `n` pipes from their own manholes into one outfall that lists an invert
// for each of them.
std::string landXmlEstrela(int n)
{
    std::string xml = "<?xml version=\"1.0\"?>\n<LandXML><Units><Metric linearUnit=\"meter\" diameterUnit=\"millimeter\"/>"
                      "</Units><PipeNetworks><PipeNetwork name=\"R\"><Structs>\n";
    for (int i = 1; i <= n; ++i)
        xml += "<Struct name=\"PV-" + std::to_string(i) + "\" elevRim=\"102.5\"><Invert refPipe=\"T-" +
               std::to_string(i) + "\" elev=\"100.0\" flowDir=\"out\"/></Struct>\n";
    xml += "<Struct name=\"EX\" elevRim=\"101.8\">\n";
    for (int i = 1; i <= n; ++i)
        xml += "<Invert refPipe=\"T-" + std::to_string(i) + "\" elev=\"99.2\" flowDir=\"in\"/>\n";
    xml += "</Struct></Structs><Pipes>\n";
    for (int i = 1; i <= n; ++i)
        xml += "<Pipe name=\"T-" + std::to_string(i) + "\" refStart=\"PV-" + std::to_string(i) +
               "\" refEnd=\"EX\" length=\"40\"><CircPipe diameter=\"600\"/></Pipe>\n";
    return xml + "</Pipes></PipeNetwork></PipeNetworks></LandXML>\n";
}

void bmLandXmlUmaEstrutura(benchmark::State& estado)
{
    const std::string xml = landXmlEstrela(static_cast<int>(estado.range(0)));
    for (auto _ : estado)
        benchmark::DoNotOptimize(lerLandXmlRede(xml));
    estado.SetItemsProcessed(estado.iterations() * estado.range(0));
}
BENCHMARK(bmLandXmlUmaEstrutura)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
