// A project file written and read back, and the class report laid out and
// exported to PDF, as "Salvar", "Abrir" and "Relatório" do them.
#include "ExportacaoPdf.h"
#include "FonteRelatorio.h"
#include "ProjetoTubo.h"
#include "arquivoProjeto.h"
#include "memoriaClasse.h"
#include "paginacaoRelatorio.h"
#include "relatorioClasse.h"
#include "windows1252.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
ProjetoTubo projeto()
{
    ProjetoTubo p;
    p.projetista.nome = "Maria Souza";
    p.instalacao.tipo = ProjecaoNegativa;
    p.instalacao.razaoRecalque = "-0,4";
    p.sobrecarga = {3, 0, 1, "100,00", "0,40", "0,60", "2,00"};
    p.resultado = {33.07, "PA1", 36, "PS2", 36, "33,07 kN/m", " 36,00 kN/m", " 36,00 kN/m", " PA1 ou PS2",
                   "Tubos Armados = 36,00 kN/m", "Tubos Simples = 36,00 kN/m"};
    return p;
}

void bmSalvar(benchmark::State& estado)
{
    const ProjetoTubo p = projeto();
    for (auto _ : estado)
        benchmark::DoNotOptimize(montarArquivoLinhas(linhasProjeto(p)));
}
BENCHMARK(bmSalvar)->Unit(benchmark::kMicrosecond);

void bmAbrir(benchmark::State& estado)
{
    const std::string bytes = *montarArquivoLinhas(linhasProjeto(projeto()));
    const ProjetoTubo atual;
    for (auto _ : estado)
        benchmark::DoNotOptimize(lerLinhasProjeto(separarArquivoLinhas(bytes), atual));
}
BENCHMARK(bmAbrir)->Unit(benchmark::kMicrosecond);

void bmLayoutRelatorio(benchmark::State& estado)
{
    const ProjetoTubo p = projeto();
    const MedidorTexto medidor = medidorQt();
    for (auto _ : estado)
        benchmark::DoNotOptimize(paginarRelatorio(montarRelatorioClasse(p, {"07/12/2026", "14:30"}), medidor));
}
BENCHMARK(bmLayoutRelatorio)->Unit(benchmark::kMicrosecond);

void bmExportarPdf(benchmark::State& estado)
{
    QTemporaryDir pasta;
    const LayoutRelatorio l = montarRelatorioClasse(projeto(), {"07/12/2026", "14:30"});
    for (auto _ : estado)
        benchmark::DoNotOptimize(exportarPdf(l, pasta.filePath(QStringLiteral("relatorio.pdf"))));
}
BENCHMARK(bmExportarPdf)->Unit(benchmark::kMillisecond);

// The calculation sheet: the class computed on a copy of the project, its
// trace laid out into pages, and the whole written as a PDF.
void bmLayoutMemoria(benchmark::State& estado)
{
    const ProjetoTubo p = projeto();
    const MedidorTexto medidor = medidorQt();
    for (auto _ : estado)
        benchmark::DoNotOptimize(paginarRelatorio(memoriaClasseDoProjeto(p, {"07/12/2026", "14:30"}), medidor));
}
BENCHMARK(bmLayoutMemoria)->Unit(benchmark::kMicrosecond);

void bmExportarMemoria(benchmark::State& estado)
{
    QTemporaryDir pasta;
    const ProjetoTubo p = projeto();
    for (auto _ : estado)
        benchmark::DoNotOptimize(
            exportarPdf(memoriaClasseDoProjeto(p, {"07/12/2026", "14:30"}), pasta.filePath(QStringLiteral("memoria.pdf"))));
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
