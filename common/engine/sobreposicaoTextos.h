#pragma once
// Texts of a page that print over each other: what a report writer checks
// after choosing positions, since a long value can run into the next
// caption of its row.

#include "medidaTexto.h"
#include "paginacaoRelatorio.h"

#include <utility>
#include <vector>

// Where a text's ink lies: its own width placed by its alignment in its box.
struct ExtensaoTexto {
    double esquerda, direita;
    int topo, base;
};
ExtensaoTexto extensaoTexto(const ItemTexto& t, const MedidorTexto& medidor);

// Pairs of indices into `pagina.textos` whose inked extents (the text's own
// width placed by its alignment in its box) share some of the same line.
std::vector<std::pair<std::size_t, std::size_t>> textosSobrepostos(const PaginaRelatorio& pagina,
                                                                   const MedidorTexto& medidor);
