#pragma once
// redwan-calc --tabela: the line the command line asks for.
//   --finalidade pluvial|esgoto  --junta MF|PB  --fck N  --armadura simples|dupla
//   --dint N --dext N  --gs N  --gc N  --espessuras ARQUIVO.csv  --parede-minima
//   --csv  --pdf PASTA  --xlsx ARQUIVO
// Numbers with a decimal comma. Without options: stormwater, "Macho e
// Fêmea", fck 35, one cage, γs 1,15 and γc 1,40 on the least walls.

#include "linhaProdutos.h"

#include <string>
#include <vector>

struct ArgumentosTabela {
    bool ok = false;
    std::string erro;          // what was wrong with the command line
    EntradaLinha linha;
    std::string arquivoEspessuras; // di;h per line, read by the caller
    bool paredeMinima = false;
    bool menorCusto = false;        // --menor-custo
    std::string precoConcreto;      // --preco-concreto, R$/m³; empty: the configured price
    std::string precoAco;           // --preco-aco, R$/kg; empty: the configured price
    bool csv = false;
    std::string pastaPdf;
    std::string arquivoXlsx;
    bool ajuda = false; // -h or --help: the usage, and nothing else
};

inline constexpr const char* usoTabela =
    "redwan-calc --tabela [--finalidade pluvial|esgoto] [--junta MF|PB] [--fck N] [--armadura simples|dupla] "
    "[--dint N --dext N] [--gs N] [--gc N] [--espessuras ARQUIVO.csv] [--parede-minima] [--menor-custo] "
    "[--preco-concreto N] [--preco-aco N] [--csv] [--pdf PASTA] [--xlsx ARQUIVO]";

// What --tabela --help prints.
inline constexpr const char* ajudaTabela =
    "Tabela de armaduras de uma linha de produtos: todas as classes de todos os diâmetros de uma vez.\n"
    "uso: redwan-calc --tabela [--finalidade pluvial|esgoto] [--junta MF|PB] [--fck N] [--armadura simples|dupla]\n"
    "                          [--dint N --dext N] [--gs N] [--gc N] [--espessuras ARQUIVO.csv] [--parede-minima]\n"
    "                          [--menor-custo] [--preco-concreto N] [--preco-aco N] [--csv] [--pdf PASTA]\n"
    "                          [--xlsx ARQUIVO]\n"
    "\n"
    "Opções (números com vírgula decimal):\n"
    "  --finalidade pluvial|esgoto  águas pluviais (padrão) ou esgoto sanitário\n"
    "  --junta MF|PB                macho e fêmea (padrão) ou ponta e bolsa\n"
    "  --fck N                      resistência característica do concreto, MPa (padrão 35)\n"
    "  --armadura simples|dupla     uma armadura (padrão) ou duas\n"
    "  --dint N --dext N            posições das armaduras interna e externa, cm\n"
    "  --gs N                       coeficiente de segurança do aço γs (padrão 1,15)\n"
    "  --gc N                       coeficiente de segurança do concreto γc (padrão 1,40)\n"
    "  --espessuras ARQUIVO.csv     a parede de cada diâmetro listado, linhas \"di;h\" (padrão: a parede mínima)\n"
    "  --parede-minima              busca também a parede mais fina que dimensiona cada célula\n"
    "  --menor-custo                busca também a parede que passa com o menor custo em cada célula\n"
    "  --preco-concreto N           preço do concreto, R$/m³ (padrão: o de Config/Custos.ini, ou 550,00)\n"
    "  --preco-aco N                preço do aço, R$/kg (padrão: o de Config/Custos.ini, ou 9,50)\n"
    "  --csv                        uma linha por célula, campos separados por ';'\n"
    "  --pdf PASTA                  grava o relatório da tabela nesta pasta\n"
    "  --xlsx ARQUIVO               grava a planilha da tabela\n"
    "  -h,--help                    mostra este uso e sai\n";

// `argumentos` without the program name, "--tabela" among them.
ArgumentosTabela lerArgumentosTabela(const std::vector<std::string>& argumentos);

// Whether the command line asks for the line.
bool pedeTabela(const std::vector<std::string>& argumentos);

// The walls of a file of "di;h" lines (a first line that is not numbers is
// a head): each listed diameter gets its wall. Returns the problem, or empty.
std::string aplicarEspessuras(EntradaLinha& linha, const std::vector<std::string>& linhasArquivo);
