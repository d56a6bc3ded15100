#pragma once
// The two bedding lines of the main window's summary, with the embankment
// factor recomputed first so that they follow the current installation.

#include "fatorAterro.h"

struct ProjetoTubo;
struct ResumoKolvan;

// Recomputes the embankment factor when that bedding is in use (writing
// p.baseAterro.fator), then writes "Tipo: …" and "Fator de equivalência = …"
// of the bedding in use. The lines are written even when the factor could
// not be recomputed; the returned message says why.
AtualizacaoFatorAterro atualizarBaseResumo(ResumoKolvan& resumo, ProjetoTubo& p);
