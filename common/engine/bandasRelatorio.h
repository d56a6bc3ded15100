#pragma once
// Shorthands for filling bands. The returned references are valid until
// the next item of the same kind is added to the band.

#include "layoutRelatorio.h"

#include <string>
#include <vector>

inline constexpr EstiloTexto estiloLegenda{13, true};
inline constexpr EstiloTexto estiloValor{13, false};

ItemTexto& adicionarTexto(BandaRelatorio& banda, int x, int y, std::string texto,
                          const EstiloTexto& estilo = estiloValor, int largura = 0);

// A text that starts `espaco` pixels after the end of the band's previous text.
ItemTexto& adicionarTextoApos(BandaRelatorio& banda, int espaco, int y, std::string texto,
                              const EstiloTexto& estilo = estiloValor);

// A box of wrapped text; `altura` 0 grows the band to hold every line.
ItemTexto& adicionarCaixaTexto(BandaRelatorio& banda, int x, int y, int largura, int altura, std::string texto,
                               const EstiloTexto& estilo = estiloValor);

// A value `espaco` pixels after the band's previous text (its caption),
// wrapping before `direita`, the right edge of its column in the band.
ItemTexto& adicionarValorAte(BandaRelatorio& banda, int espaco, int y, int direita, std::string texto,
                             const EstiloTexto& estilo = estiloValor);

ItemImagem& adicionarImagem(BandaRelatorio& banda, int x, int y, int largura, int altura, std::string caminho,
                            bool manterProporcao = true);

// A caption at `x` with its value right after it: "Nome:" nome.
struct ParLegendaValor {
    int x = 0;
    std::string legenda;
    std::string valor;
    // The right edge of the value's room; 0: as wide as the value. A value
    // wider than its room prints smaller and on two lines.
    int direita = 0;
};
inline constexpr int alturaValorLimitado = 20;
inline constexpr int espacoLegendaValor = 5;

// One row of caption/value pairs at height `y`, left to right.
// `limitarAte` > 0 gives every pair without its own `direita` the room up to
// the next pair's caption, and the last one up to `limitarAte`.
void adicionarLinhaPares(BandaRelatorio& banda, int y, const std::vector<ParLegendaValor>& pares,
                         const EstiloTexto& legenda = estiloLegenda, const EstiloTexto& valor = estiloValor,
                         int espaco = espacoLegendaValor, int limitarAte = 0);
