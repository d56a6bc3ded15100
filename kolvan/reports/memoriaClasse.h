#pragma once
// The calculation sheet of the class ("Memória de cálculo"): the report's
// heading data, the project's data, then every quantity of the class
// computation as the computation traced it, down to the classes.

#include "calculoClasse.h"
#include "folhaMemoria.h"
#include "layoutRelatorio.h"
#include "relatorioClasse.h"

struct ProjetoTubo;

// `calculo` is the computation of `p` (made on a copy when the project's
// results must stay as the windows show them).
LayoutRelatorio montarMemoriaClasse(const ProjetoTubo& p, const CalculoClasse& calculo,
                                    const MomentoRelatorio& momento);

// Computes the class of a copy of `p` and lays out its sheet; the project
// and its results stay as they are.
LayoutRelatorio memoriaClasseDoProjeto(const ProjetoTubo& p, const MomentoRelatorio& momento);

// The pieces of the sheet, for a sheet that holds a project's among its own
// (the network's): the heading of who, for whom and when; and the data,
// references, trace, checks and results of one computation.
CabecalhoFolha cabecalhoMemoriaClasse(const ProjetoTubo& p, const MomentoRelatorio& momento);
GrupoFolha dadosProjetoClasse(const ProjetoTubo& p);
void adicionarCorpoMemoriaClasse(LayoutRelatorio& folha, const ProjetoTubo& p, const CalculoClasse& calculo);
