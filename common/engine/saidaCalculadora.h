#pragma once
// What the command-line calculators share: their arguments, and what they
// print for each project file, as blocks of "chave: valor" lines or as rows
// of a spreadsheet in Portuguese (';' between the fields).

#include <string>
#include <utility>
#include <vector>

using CamposSaida = std::vector<std::pair<std::string, std::string>>;

// A number as the calculators print it: six decimals and a decimal comma.
std::string numeroSaida(double valor);

// One "chave: valor" line per field.
std::string blocoChaveValor(const CamposSaida& campos);

// One row; a field holding ';', '"' or a line break is quoted, its quotes doubled.
std::string linhaCsv(const std::vector<std::string>& valores);

struct ArgumentosCalculadora {
    bool ok = false;
    bool csv = false;
    bool memoria = false;              // the trace too, and its sheet beside the report
    std::string pastaPdf;              // empty: no report
    std::vector<std::string> arquivos; // folders stand for their files of this extension, in name order
    std::string erro;                  // what was wrong with the command line
};

// [--csv] [--memoria] [--pdf PASTA] ARQUIVO...; `extensao` like ".kvn".
ArgumentosCalculadora lerArgumentosCalculadora(const std::vector<std::string>& argumentos, const std::string& extensao);

// Exit status: 0 all computed, 1 some file failed, 2 wrong usage.
enum SaidaCalculadora { TodosCalculados = 0, AlgumFalhou = 1, UsoErrado = 2 };
