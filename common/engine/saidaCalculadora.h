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

// A value as one line: each run of line breaks becomes one blank.
std::string valorEmUmaLinha(const std::string& valor);

// One "chave: valor" line per field.
std::string blocoChaveValor(const CamposSaida& campos);

// One row of one-line values; a field holding ';' or '"' is quoted, its quotes doubled.
std::string linhaCsv(const std::vector<std::string>& valores);

// Whether a command line asks for its usage (-h or --help) anywhere, even
// where an option's value was due.
bool pedeAjuda(const std::vector<std::string>& argumentos);

struct ArgumentosCalculadora {
    bool ok = false;
    bool csv = false;
    bool memoria = false;              // the trace too, and its sheet beside the report
    std::string pastaPdf;              // empty: no report
    std::vector<std::string> arquivos; // folders stand for their files of this extension, in name order
    std::string erro;                  // what was wrong with the command line
};

// Exit status: 0 all computed, 1 some file failed, 2 wrong usage.
enum SaidaCalculadora { TodosCalculados = 0, AlgumFalhou = 1, UsoErrado = 2 };
