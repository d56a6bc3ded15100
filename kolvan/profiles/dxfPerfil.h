#pragma once
// A collector's profile as a DXF drawing (R2000) through dxflib: model
// space at true scale in metres, x along the collector from its upstream
// end and y the elevation; one layer per kind (TERRENO, FUNDO, GERATRIZ,
// PV, TEXTO, TABELA); $INSUNITS metres, $DWGCODEPAGE ANSI_1252 with the
// texts in windows-1252, so CAD programs keep the accents. Fills are left to
// the sheets.

#include "desenhoPerfil.h"

#include <string>

// Writes `caminho` through a temporary file renamed over it once complete,
// so a failed write leaves an earlier file as it was. Empty on success,
// otherwise the user's message.
std::string gravarDxfPerfil(const DesenhoPerfil& modelo, const std::string& caminho);
