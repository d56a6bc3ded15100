#pragma once
// What every Redwan report prints at its head: the manufacturer's band (the
// logo on the left, name, address, city and contact lines beside it) and
// the line with the moment of printing.

#include "fabricante.h"
#include "layoutRelatorio.h"

#include <string>

// `f` with the leading blanks of its printed fields already removed.
BandaRelatorio bandaFabricante(const DadosFabricante& f, const std::string& logo);

// "Gerado no Dia: dd/mm/yyyy ás hh:mm hs" at height `y`, in red, as the
// design report words it; other documents say "Gerado em dd/mm/yyyy às hh:mm".
void adicionarLinhaGerado(BandaRelatorio& banda, int y, const std::string& data, const std::string& hora,
                          bool comoRelatorio = true);
