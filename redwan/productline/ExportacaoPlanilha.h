#pragma once
// "Exportar": the line as a spreadsheet file, .xlsx (numbers as numbers) or
// .csv (';' between fields, decimal comma), by the file's extension.

#include "linhaProdutos.h"

#include <string>

class QString;

// Empty on success; otherwise what went wrong. A failed export leaves an
// earlier file as it was.
std::string exportarPlanilhaLinha(const TabelaLinha& tabela, const QString& caminho);
