#pragma once
// A classed network as a spreadsheet: a sheet of stretches (inputs as they
// were given, then the results, under headings with their units), a sheet
// of quantities and, in a trench, a sheet of the trench quantities. The CSV holds the
// stretches' sheet, which the CSV reader reads back.

#include "planilha.h"
#include "quantitativosRede.h"
#include "redeTubulacoes.h"

FolhaPlanilha folhaTrechos(const RedeTubulacoes& rede);
FolhaPlanilha folhaQuantitativos(const QuantitativosRede& q);
// "Escavação": each stretch's trench quantities, then the excavation by
// depth and width band, the shoring by depth band and the totals.
FolhaPlanilha folhaEscavacao(const RedeTubulacoes& rede, const QuantitativosRede& q);
Planilha planilhaRede(const RedeTubulacoes& rede);
// With a third sheet, "Parâmetros": the base project's data and the rule.
FolhaPlanilha folhaParametros(const ProjetoTubo& projeto);
Planilha planilhaRede(const RedeTubulacoes& rede, const ProjetoTubo& projeto);

// The CSV file's text: ';', decimal comma, UTF-8 with a byte-order mark.
std::string csvRede(const RedeTubulacoes& rede);
