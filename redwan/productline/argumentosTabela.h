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
    bool csv = false;
    std::string pastaPdf;
    std::string arquivoXlsx;
};

// `argumentos` without the program name, "--tabela" among them.
ArgumentosTabela lerArgumentosTabela(const std::vector<std::string>& argumentos);

// Whether the command line asks for the line.
bool pedeTabela(const std::vector<std::string>& argumentos);

// The walls of a file of "di;h" lines (a first line that is not numbers is
// a head): each listed diameter gets its wall. Returns the problem, or empty.
std::string aplicarEspessuras(EntradaLinha& linha, const std::vector<std::string>& linhasArquivo);
