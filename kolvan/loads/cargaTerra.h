#pragma once
// Earth load on a buried pipe by Marston's theory, in kN per metre of pipe.
//
// A trench carries the soil between its walls less the friction on them; an
// embankment carries a prism over the pipe changed by the settlement of the
// fill beside it, up to the plane of equal settlement, which the solver below
// finds. A trench, and a negative projection without good compaction, never
// carry more than a positive projection of the same pipe and cover: that
// comparison runs every time and the smaller load governs.
//
// The routines never show a message. A run whose settlement plane was not
// found carries `semSolucao`; the caller says "Solução não encontrada" and the
// load stands as computed with the last value of the solver.
//
// Preconditions the installation window keeps: Kμ > 0, widths (bv, D) > 0.
// Outside them the routines still return finite values: Kμ = 0 gives the
// limits of the formulas (Cd = hs/bv, Cc = hs/D, Cn = hs/bv, that is the prism
// loads γ·hs·bv and γ·hs·D), and a width of zero or less gives no load.

#include "memoriaCalculo.h"

#include <cmath>

struct ProjetoTubo;
struct ValoresTrabalho;

// Tolerance on F at the plane of equal settlement, and the passes allowed.
constexpr double toleranciaPlanoRecalque = 1e-10;
constexpr int passagensMaximasBissecao = 1001;
// The bracket search gives up after this many steps (an F that never changes
// sign: no cover, or a settlement ratio of the wrong sign for the routine).
constexpr int passosMaximosIntervalo = 5000;

struct ResultadoPlanoRecalque {
    double x = 0.0;          // root of F, the relative height of the plane
    int passosIntervalo = 0; // steps of the bracket search
    int bissecoes = 0;       // halvings of the bracket
    bool semSolucao = false; // bracket not found, or F not within tolerance
};

// Finds x ≥ 0 with F(x) ≈ 0 for an F that is ≤ 0 at 0 and increases without
// bound: first the bracket [0, k·passo] for k = 1, 2, … where F changes sign,
// then bisection until |F(x)| ≤ 1e-10 or 1001 passes. When no bracket is
// found (a step of zero, or F above zero from the start) it returns x = 0,
// the point of least |F| for an F that only grows, with `semSolucao` set.
template <class Funcao>
ResultadoPlanoRecalque resolverPlanoRecalque(Funcao F, double passo)
{
    constexpr double eps = toleranciaPlanoRecalque;
    ResultadoPlanoRecalque r;
    double lo = 0.0;
    double hi = 0.0;
    const double fLo0 = F(lo);
    bool achou = false;
    if (passo > 0.0 && std::isfinite(passo)) {
        // A product that is not ≤ 0 (positive, or NaN) keeps the search going.
        while (r.passosIntervalo < passosMaximosIntervalo) {
            ++r.passosIntervalo;
            hi += passo;
            if (fLo0 * F(hi) <= 0.0) {
                achou = true;
                break;
            }
        }
    } else {
        // No step to take: only a root at 0 itself is found.
        achou = std::abs(fLo0) <= eps;
    }
    if (!achou) {
        r.semSolucao = true;
        return r;
    }

    double x = 0.0;
    double fx = 100.0;
    int n = 0;
    while (!(std::abs(fx) <= eps)) {
        const double fLo = F(lo);
        const double fHi = F(hi);
        if (std::abs(fLo) > eps && std::abs(fHi) > eps) {
            x = 0.5 * (lo + hi);
            fx = F(x);
            ++r.bissecoes;
            if (fx / fLo > 0.0)
                lo = x;
            else
                hi = x;
        } else if (std::abs(fLo) < eps) {
            x = lo;
            fx = fLo;
        } else {
            x = hi;
            fx = fHi;
        }
        if (++n >= passagensMaximasBissecao) {
            r.semSolucao = !(std::abs(fx) <= eps);
            break;
        }
    }
    r.x = x;
    return r;
}

struct ResultadoVala {
    double Cd = 0.0; // trench load coefficient
    double W = 0.0;  // kN/m
    MemoriaCalculo memoria;
};

// One run of an embankment routine. For the positive projection C is Cc and
// the relative values refer to D; for the negative one C is Cn and they refer
// to bv.
struct ResultadoProjecao {
    double hRelativa = 0.0; // H/Bc = hs/D, or H/Bd = hs/bv
    double p = 0.0;         // projection ratio ha/D, or ha/bv
    double x = 0.0;         // He/Bc, or He/Bd
    double He = 0.0;        // m, height of the plane of equal settlement
    double C = 0.0;         // Cc, or Cn
    double W = 0.0;         // kN/m
    int bissecoes = 0;
    bool semSolucao = false;
    MemoriaCalculo memoria;
};

ResultadoVala cargaVala(double gama, double kMi, double hs, double bv);
ResultadoProjecao cargaProjecaoPositiva(double gama, double kMi, double hs, double ha, double rsd, double D);
ResultadoProjecao cargaProjecaoNegativa(double gama, double kMi, double hs, double ha, double rsd, double bv);
// The positive projection with ha = 0,5·D and rsd = 1,0 whatever the project says.
ResultadoProjecao cargaComparacao(double gama, double kMi, double hs, double D);

// The same routines over the working values of the project.
ResultadoVala cargaVala(const ValoresTrabalho& v);
ResultadoProjecao cargaProjecaoPositiva(const ValoresTrabalho& v);
ResultadoProjecao cargaProjecaoNegativa(const ValoresTrabalho& v);
ResultadoProjecao cargaComparacao(const ValoresTrabalho& v);

struct ResultadoCargaTerra {
    int tipo = 0;
    bool aterroCompactado = false;
    double W = 0.0;               // kN/m, the load that governs
    double cargaInstalacao = 0.0; // trench or embankment load of the installation
    double cargaComparacao = 0.0; // positive-projection comparison load, when run
    bool comparou = false;        // trench, and negative projection without compaction
    bool comparacaoGoverna = false;
    bool semSolucao = false;      // some run found no settlement plane
    ResultadoVala vala;           // trench run (type 0)
    ResultadoProjecao projecao;   // embankment run with the project's ha and rsd (types 1, 2)
    ResultadoProjecao comparacao; // comparison run
    // The runs' traces in the order they ran, and the choice of W; the runs'
    // own traces are moved into it.
    MemoriaCalculo memoria;

    // The positive-projection run made last: the project's own for type 1 and
    // for a compacted type 2, else the comparison. Its C is Cc.
    const ResultadoProjecao& ultimaProjecaoPositiva() const;
};

// Runs the routines of the installation type (0 trench, 1 positive, 2 negative
// projection, with or without good compaction; any other index counts as a
// trench) and picks the load that governs.
ResultadoCargaTerra cargaTerra(const ValoresTrabalho& v, int tipo, bool aterroCompactado);
// Converts the texts of the project first; a text that is not a number throws
// ErroConversao.
ResultadoCargaTerra cargaTerra(const ProjetoTubo& projeto);
