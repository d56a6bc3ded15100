// redwan-calc: the reinforcement of many Redwan projects at once.
//   redwan-calc [--csv] [--pdf PASTA] ARQUIVO.rdw|PASTA...
#include "ArquivoFabricante.h"
#include "Calculadora.h"
#include "RelatorioRedwan.h"
#include "calculoArquivoRedwan.h"
#include "inicioRedwan.h"

#include <optional>

int main(int argc, char* argv[])
{
    LinhaComandoCalculadora linha({"redwan-calc", "Armadura de tubos de concreto armado de projetos do Redwan.",
                                   versaoRedwan, ".rdw"});
    if (const auto fim = linha.ler(argc, argv))
        return *fim;

    // The reports carry the manufacturer of the base folder, as "Relatório" does.
    std::optional<DadosRelatorioDimensionamento> modelo;
    return executarCalculadora(argc, argv, linha.argumentos, chavesCalculoRedwan(), [&](const QString& arquivo) {
        const CalculoArquivoRedwan c = calcularArquivoRedwan(arquivo);
        CalculoDeArquivo r{c.ok, c.campos, {}};
        r.exportarRelatorio = [&modelo, c](const QString& pdf) {
            if (!modelo) {
                modelo.emplace();
                modelo->fabricante = lerArquivoFabricante();
                marcarMomentoAtual(*modelo);
            }
            DadosRelatorioDimensionamento relatorio = *modelo;
            relatorio.projeto = c.projeto;
            relatorio.resultados = c.resultados;
            return exportarRelatorioDimensionamento(relatorio, pdf);
        };
        return r;
    });
}
