#pragma once
// The limits an installation must keep for the pipe it carries. The
// installation window refuses values beyond them with a message; a geometry
// change brings the stored installation back within them silently.

struct ProjetoTubo;

// Greatest projection height for the embankment bedding class (0 = A … 3 = D)
// and the external diameter D in m, rounded to two decimals; 100 for any
// other class.
double alturaMaximaProjecao(int classeBase, double D);

// The greatest ha any embankment bedding allows (class D): the bedding window
// may change the class after ha was confirmed, and it leaves ha as it is.
double alturaMaximaProjecaoQualquerBase(double D);

// Least trench width for the external diameter D in m.
double larguraMinimaVala(double D);

// Lowers ha to its maximum (embankment beddings), keeps ha below 95 % of hs
// (negative projection without good compaction) and widens the trench to its
// least width (trench and negative projection), as the texts of the project.
// Returns true when any text changed.
bool corrigirLimitesInstalacao(ProjetoTubo& p);
