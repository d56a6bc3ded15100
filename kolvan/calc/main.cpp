// kolvan-calc: the class of many Kolvan projects at once.
//   kolvan-calc [--csv] [--memoria] [--pdf PASTA] ARQUIVO.kvn|PASTA...
//   kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--memoria] [--pdf PASTA] [--xlsx ARQUIVO]
//               [--perfis PASTA [--svg] [--dxf]]
//   kolvan-calc --recobrimentos --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]
#include "Calculadora.h"
#include "ExportacaoPdf.h"
#include "TextoQt.h"
#include "calculoArquivoKolvan.h"
#include "calculoRede.h"
#include "calculoRecobrimentos.h"
#include "inicioKolvan.h"
#include "memoriaClasse.h"
#include "relatorioClasse.h"
#include "saidaRede.h"
#include "saidaRecobrimentos.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    const std::vector<std::string> argumentos = argumentosDe(argc, argv);
    if (pedeRede(argumentos))
        return executarCalculoRede(argc, argv);
    if (pedeRecobrimentos(argumentos))
        return executarCalculoRecobrimentos(argc, argv);

    if (const std::string erro = pedidoDeRedeSemRede(argumentos); !erro.empty()) {
        escrever(stderr, "kolvan-calc: " + erro + "\n");
        return UsoErrado;
    }

    LinhaComandoCalculadora linha({"kolvan-calc", "Classe de resistência dos tubos de concreto de projetos do Kolvan.",
                                   versaoKolvan, ".kvn"});
    linha.app.footer(std::string("Uma rede de tubulações inteira (--rede --help mostra as suas opções):\n  ") + usoRede +
                     "\nA tabela de recobrimentos de um projeto (--recobrimentos --help mostra as suas opções):\n  " +
                     usoRecobrimentos);
    if (const auto fim = linha.ler(argc, argv))
        return *fim;

    const MomentoRelatorio momento = momentoAtual();
    return executarCalculadora(argc, argv, linha.argumentos, chavesCalculoKolvan(), [&](const QString& arquivo) {
        const CalculoArquivoKolvan c = calcularArquivoKolvan(arquivo);
        if (c.semSolucao)
            std::fprintf(stderr, "%s: Solução não encontrada\n", qPrintable(arquivo));
        CalculoDeArquivo r{c.ok, c.campos, {}};
        r.exportarRelatorio = [projeto = c.projeto, momento](const QString& pdf) {
            return exportarPdf(montarRelatorioClasse(projeto, momento), pdf);
        };
        r.camposMemoria = camposMemoria(c.calculo.memoria);
        r.exportarMemoria = [projeto = c.projeto, calculo = c.calculo, momento](const QString& pdf) {
            return exportarPdf(montarMemoriaClasse(projeto, calculo, momento), pdf);
        };
        return r;
    });
}
