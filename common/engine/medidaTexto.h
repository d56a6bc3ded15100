#pragma once
// How wide a text prints. The layout engine knows no fonts: the caller
// hands it a measurer, the windows one backed by the real font, tests and
// sketches the approximate one.

#include "layoutRelatorio.h"

#include <functional>
#include <string>
#include <vector>

struct MedidorTexto {
    std::function<double(const std::string& texto, const EstiloTexto& estilo)> largura;
    std::function<int(const EstiloTexto& estilo)> alturaLinha;
};

// Every character 0,6 of the font size wide (0,65 bold), lines 1,2 high.
MedidorTexto medidorAproximado();

// Number of characters (code points) of a UTF-8 text.
std::size_t contarCaracteres(const std::string& texto);

// The lines of a text box `largura` wide: words wrap, '\n' breaks, and a
// word wider than the box is cut between characters. A width of 0 or less
// wraps nothing. An empty text gives one empty line.
std::vector<std::string> quebrarLinhas(const std::string& texto, int largura, const EstiloTexto& estilo,
                                       const MedidorTexto& medidor);
