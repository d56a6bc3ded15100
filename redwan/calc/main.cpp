// redwan-calc: the reinforcement of many Redwan projects at once.
//   redwan-calc [--csv] [--pdf PASTA] ARQUIVO.rdw|PASTA...
//   redwan-calc --tabela [options of the product line]
#include "ArquivoFabricante.h"
#include "Calculadora.h"
#include "RelatorioRedwan.h"
#include "calculoArquivoRedwan.h"
#include "argumentosTabela.h"
#include "tabelaCalculadora.h"

#include <optional>

int main(int argc, char* argv[])
{
    if (pedeTabela(std::vector<std::string>(argv + 1, argv + argc)))
        return executarTabela(argc, argv);
    // The reports carry the manufacturer of the base folder, as "Relatório" does.
    std::optional<DadosRelatorioDimensionamento> modelo;
    return executarCalculadora(argc, argv, "redwan-calc", ".rdw", chavesCalculoRedwan(), [&](const QString& arquivo) {
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
