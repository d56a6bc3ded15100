#pragma once
// Writes a workbook as an Office Open XML spreadsheet (.xlsx): numbers are
// stored as numbers with their decimals as the number format, texts as
// texts, header rows bold and frozen, columns as wide as their longest text.
//
// The file is written beside the destination and moved over it only when
// complete, so a failed export never spoils an earlier file.

#include "planilha.h"

#include <string>

// Empty on success; otherwise what went wrong, in Portuguese.
std::string gravarXlsx(const Planilha& planilha, const std::string& caminho);

// Whether a sheet can be called so ('' when it can, else why not).
std::string problemaNomeFolha(const std::string& nome);
