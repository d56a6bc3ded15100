#pragma once
// How the table of the line shows a cell at a glance, and its details when
// it is selected: the texts of the results window of that design.

#include "linhaProdutos.h"

#include <string>
#include <utility>
#include <vector>

// A few short lines: the inner and outer meshes, the checks that fail (or
// that all pass), the thinnest wall once searched; for a run that stopped,
// what stopped it.
std::vector<std::string> resumoCelula(const TabelaLinha& tabela, const CelulaLinha& celula);

// Short name of what stopped a run, for a cell of the grid.
std::string motivoCurto(const CelulaLinha& celula);

// Caption and value, one per line of the details.
using LinhasDetalhe = std::vector<std::pair<std::string, std::string>>;
LinhasDetalhe detalhesCelula(const TabelaLinha& tabela, const CelulaLinha& celula);

// The heading of a diameter's row: "600 mm", "h = 60 mm", "simples".
std::string cabecalhoDiametro(const TabelaLinha& tabela, int diametro);
