// redwan-calc: the reinforcement of many Redwan projects at once.
//   redwan-calc [--csv] [--memoria] [--pdf PASTA] ARQUIVO.rdw|PASTA...
//   redwan-calc --tabela [options of the product line]
#include "ArquivoCustos.h"
#include "ArquivoFabricante.h"
#include "Calculadora.h"
#include "ExportacaoPdf.h"
#include "RelatorioRedwan.h"
#include "calculoArquivoRedwan.h"
#include "argumentosTabela.h"
#include "inicioRedwan.h"
#include "memoriaDimensionamento.h"
#include "tabelaCalculadora.h"

#include "numeros.h"

#include <cstdio>
#include <optional>

int main(int argc, char* argv[])
{
    if (pedeTabela(std::vector<std::string>(argv + 1, argv + argc)))
        return executarTabela(argc, argv);

    LinhaComandoCalculadora linha({"redwan-calc", "Armadura de tubos de concreto armado de projetos do Redwan.",
                                   versaoRedwan, ".rdw"});
    linha.app.footer("A tabela de armaduras de uma linha de produtos inteira:\n"
                     "  redwan-calc --tabela [OPÇÕES]    (--tabela --help mostra as suas opções)");
    std::string precoConcreto, precoAco;
    linha.app.add_option("--preco-concreto", precoConcreto, "preço do concreto, R$/m³ (padrão: o de Config/Custos.ini)");
    linha.app.add_option("--preco-aco", precoAco, "preço do aço, R$/kg (padrão: o de Config/Custos.ini)");
    if (const auto fim = linha.ler(argc, argv))
        return *fim;
    PrecosCusto precos = lerArquivoCustos();
    if (const std::string problema = aplicarPrecosDados(precos, precoConcreto, precoAco); !problema.empty()) {
        std::fprintf(stderr, "redwan-calc: %s\n", problema.c_str());
        return UsoErrado;
    }

    // The reports carry the manufacturer of the base folder, as "Relatório" does.
    std::optional<DadosRelatorioDimensionamento> modelo;
    const auto relatorioDe = [&modelo, &precos](const CalculoArquivoRedwan& c) {
        if (!modelo) {
            modelo.emplace();
            modelo->fabricante = lerArquivoFabricante();
            modelo->precos = precos;
            marcarMomentoAtual(*modelo);
        }
        DadosRelatorioDimensionamento relatorio = *modelo;
        relatorio.projeto = c.projeto;
        relatorio.resultados = c.resultados;
        return relatorio;
    };
    return executarCalculadora(argc, argv, linha.argumentos, chavesCalculoRedwan(), [&](const QString& arquivo) {
        const CalculoArquivoRedwan c = calcularArquivoRedwan(arquivo, precos);
        CalculoDeArquivo r{c.ok, c.campos, {}};
        r.exportarRelatorio = [&relatorioDe, c](const QString& pdf) {
            return exportarRelatorioDimensionamento(relatorioDe(c), pdf);
        };
        // The sheet of the run just made, not of a second one.
        r.camposMemoria = camposMemoria(c.estado.memoria);
        r.exportarMemoria = [&relatorioDe, c](const QString& pdf) {
            return exportarPdf(montarMemoriaDimensionamento(relatorioDe(c), c.estado), pdf);
        };
        return r;
    });
}
