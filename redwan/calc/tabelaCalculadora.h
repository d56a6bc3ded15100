#pragma once
// redwan-calc --tabela: a whole product line designed at once, one block of
// "chave: valor" lines per cell (or a CSV row with --csv), the thinnest
// wall of each cell with --parede-minima, its report with --pdf and its
// spreadsheet with --xlsx.

#include <string>
#include <vector>

// Makes the application PDF needs and runs the line; returns the exit status.
int executarTabela(int argc, char* argv[]);

// The text printed for the line: blocks or CSV rows.
struct TabelaLinha;
std::string saidaTabela(const TabelaLinha& tabela, bool csv);
