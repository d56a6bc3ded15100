#pragma once
// The line as a spreadsheet: a head row and one row per cell, the
// numbers as numbers with the decimals the results window shows; and the
// CSV rows of redwan-calc --tabela --csv, with the calculators' six decimals.

#include "camposLinha.h"
#include "planilha.h"

#include <string>

// `titulos`: Portuguese headings with units, as the .xlsx shows them;
// otherwise the keys, as the CSV keeps them.
FolhaPlanilha folhaLinha(const TabelaLinha& tabela, bool titulos = false);
std::string tituloCampoLinha(const std::string& chave);

// The .xlsx workbook: the table under its headings, and the line's parameters.
FolhaPlanilha folhaParametrosLinha(const TabelaLinha& tabela);
Planilha planilhaLinha(const TabelaLinha& tabela);

std::string csvCalculadora(const TabelaLinha& tabela);

// Whether the wall search ran on any cell.
bool paredeBuscadaEmAlguma(const TabelaLinha& tabela);
// Whether the cheapest-wall search ran on any cell.
bool menorCustoBuscadoEmAlguma(const TabelaLinha& tabela);
