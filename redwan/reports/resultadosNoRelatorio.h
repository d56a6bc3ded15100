#pragma once
// The design engine and the report engine both declare colours named
// `corAzul` and `corVermelha`, each of its own type, so the two headers
// cannot meet in one file. Where the report needs the results texts, the
// design engine's two constants are seen under other names (nothing here
// uses them); include this before any report header.
#define corAzul corAzulDimensionamento
#define corVermelha corVermelhaDimensionamento
#include "resultadoDimensionamento.h"
#undef corAzul
#undef corVermelha
