// A Redwan project with its results written and read back, and its design
// report laid out and exported to PDF, as "Salvar", "Abrir" and "Relatório" do.
#include "ExportacaoPdf.h"
#include "FonteRelatorio.h"
#include "arquivoProjetoRedwan.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "memoriaDimensionamento.h"
#include "paginacaoRelatorio.h"
#include "dadosRelatorioDimensionamento.h"
#include "relatorioDimensionamento.h"
#include "windows1252.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// The 1000 mm PA2 pipe with two cages, designed.
DadosRelatorioDimensionamento dados()
{
    DadosRelatorioDimensionamento d;
    d.projeto.geometria.indiceDi = 7;
    d.projeto.classe.classePluvial = 1;
    d.projeto.parametros.h = "100";
    d.projeto.parametros.tipo = 1;
    EstadoDimensionamento e;
    d.resultados = textosResultados(executarDimensionamento(entradaDoProjeto(d.projeto), e).resultado);
    d.data = "08/12/2026";
    d.hora = "14:30";
    d.fabricante.imprimir = true;
    return d;
}

void bmSalvar(benchmark::State& estado)
{
    const DadosRelatorioDimensionamento d = dados();
    for (auto _ : estado)
        benchmark::DoNotOptimize(montarArquivoLinhas(linhasProjetoRedwan(d.projeto, d.resultados)));
}
BENCHMARK(bmSalvar)->Unit(benchmark::kMicrosecond);

void bmAbrir(benchmark::State& estado)
{
    const DadosRelatorioDimensionamento d = dados();
    const std::string bytes = *montarArquivoLinhas(linhasProjetoRedwan(d.projeto, d.resultados));
    const ProjetoRedwan atual;
    const TextosResultados resultados;
    for (auto _ : estado)
        benchmark::DoNotOptimize(lerLinhasProjetoRedwan(separarArquivoLinhas(bytes), atual, resultados));
}
BENCHMARK(bmAbrir)->Unit(benchmark::kMicrosecond);

void bmLayoutRelatorio(benchmark::State& estado)
{
    const DadosRelatorioDimensionamento d = dados();
    const MedidorTexto medidor = medidorQt();
    for (auto _ : estado)
        benchmark::DoNotOptimize(paginarRelatorio(montarRelatorioDimensionamento(d), medidor));
}
BENCHMARK(bmLayoutRelatorio)->Unit(benchmark::kMicrosecond);

void bmExportarPdf(benchmark::State& estado)
{
    QTemporaryDir pasta;
    const LayoutRelatorio l = montarRelatorioDimensionamento(dados());
    for (auto _ : estado)
        benchmark::DoNotOptimize(exportarPdf(l, pasta.filePath(QStringLiteral("relatorio.pdf"))));
}
BENCHMARK(bmExportarPdf)->Unit(benchmark::kMillisecond);

// The calculation sheet: the design run afresh, its trace laid out into
// pages, and the whole written as a PDF.
void bmLayoutMemoria(benchmark::State& estado)
{
    const DadosRelatorioDimensionamento d = dados();
    const MedidorTexto medidor = medidorQt();
    for (auto _ : estado)
        benchmark::DoNotOptimize(paginarRelatorio(memoriaDimensionamentoDoProjeto(d), medidor));
}
BENCHMARK(bmLayoutMemoria)->Unit(benchmark::kMicrosecond);

void bmExportarMemoria(benchmark::State& estado)
{
    QTemporaryDir pasta;
    const DadosRelatorioDimensionamento d = dados();
    for (auto _ : estado)
        benchmark::DoNotOptimize(exportarPdf(memoriaDimensionamentoDoProjeto(d), pasta.filePath(QStringLiteral("memoria.pdf"))));
}
BENCHMARK(bmExportarMemoria)->Unit(benchmark::kMillisecond);
} // namespace

// Fonts and the PDF writer need a GUI application, never a screen.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
