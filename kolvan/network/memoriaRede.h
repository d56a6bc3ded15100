#pragma once
// The network's calculation sheet ("Memória de cálculo da rede"): the rule
// by which a stretch is classed, the base project's parameters, one line
// per stretch (its governing cover, W, qs, fe, R and class, or the point
// that failed), and, for a chosen stretch, the whole single-project sheet
// at its governing cover; the signature block closes it.

#include "folhaMemoria.h"
#include "layoutRelatorio.h"
#include "redeTubulacoes.h"
#include "relatorioClasse.h"

inline constexpr const char* tituloMemoriaRede = "Memória de cálculo da rede";

// `trecho` is the index of the stretch whose sheet follows the table; -1, or
// a stretch without a class, for the table alone.
LayoutRelatorio montarMemoriaRede(const ProjetoTubo& projeto, const RedeTubulacoes& rede,
                                  const MomentoRelatorio& momento, int trecho = -1);

// The base project's data a stretch takes: all but what each stretch has of its own.
GrupoFolha parametrosBaseRede(const ProjetoTubo& projeto);

// "1 trecho", "12 trechos".
std::string contarTrechos(std::size_t n);
