#pragma once
// The line as a spreadsheet: a head row of keys and one row per cell, the
// numbers as numbers with the decimals the results window shows; and the
// CSV rows of redwan-calc --tabela --csv, with the calculators' six decimals.

#include "camposLinha.h"
#include "planilha.h"

#include <string>

FolhaPlanilha folhaLinha(const TabelaLinha& tabela);

std::string csvCalculadora(const TabelaLinha& tabela);

// Whether the wall search ran on any cell.
bool paredeBuscadaEmAlguma(const TabelaLinha& tabela);
// Whether the cheapest-wall search ran on any cell.
bool menorCustoBuscadoEmAlguma(const TabelaLinha& tabela);
