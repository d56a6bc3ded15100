#pragma once
// A classed network as a spreadsheet: a sheet of stretches (inputs as they
// were given, then the results, under headings with their units) and a
// sheet of quantities. The CSV holds the
// stretches' sheet, which the CSV reader reads back.

#include "planilha.h"
#include "quantitativosRede.h"
#include "redeTubulacoes.h"

FolhaPlanilha folhaTrechos(const RedeTubulacoes& rede);
FolhaPlanilha folhaQuantitativos(const QuantitativosRede& q);
Planilha planilhaRede(const RedeTubulacoes& rede);
// With a third sheet, "Parâmetros": the base project's data and the rule.
FolhaPlanilha folhaParametros(const ProjetoTubo& projeto);
Planilha planilhaRede(const RedeTubulacoes& rede, const ProjetoTubo& projeto);

// The CSV file's text: ';', decimal comma, UTF-8 with a byte-order mark.
std::string csvRede(const RedeTubulacoes& rede);
