#pragma once
// Bands into pages. A band that does not fit under the previous ones goes
// whole to the next page (a band taller than a page is printed from the
// top of a page of its own and runs past the bottom margin); a band marked
// `quebraPagina` ends its page.

#include "layoutRelatorio.h"
#include "medidaTexto.h"

#include <vector>

// Items at page coordinates. Every text is one line with its width and its
// line height resolved, so the painter only draws.
struct PaginaRelatorio {
    std::vector<ItemTexto> textos;
    std::vector<ItemImagem> imagens;
    std::vector<ItemRetangulo> retangulos;
    std::vector<ItemLinha> linhas;
};

struct RelatorioPaginado {
    std::string titulo;
    std::vector<PaginaRelatorio> paginas; // none for a layout without bands
};

// A band's items as lines relative to the band, and the height it takes:
// its own, or more when a growing text box needs it.
struct BandaResolvida {
    int altura = 0;
    std::vector<ItemTexto> textos;
    std::vector<ItemImagem> imagens;
    std::vector<ItemRetangulo> retangulos;
    std::vector<ItemLinha> linhas;
};
BandaResolvida resolverBanda(const BandaRelatorio& banda, const MedidorTexto& medidor);

RelatorioPaginado paginarRelatorio(const LayoutRelatorio& layout, const MedidorTexto& medidor);
