#pragma once
// The font of the printed reports, and the measurer that lets the layout
// engine wrap and place texts exactly as they will print.

#include "medidaTexto.h"

#include <QFont>

// DejaVu Sans at the style's pixel height, without hinting, so widths
// measured here are the widths on paper and in the PDF; without ligatures.
QFont fonteRelatorio(const EstiloTexto& estilo);

MedidorTexto medidorQt();
