#pragma once
// Design values of the materials of a reinforced pipe: CA 60 welded-wire
// steel and the concrete of the wall. Forces in kN, lengths in cm, stresses in
// kN/cm²; fck stays in MPa, as the user types it.

constexpr double moduloAco = 21000.0;   // Es, kN/cm²
constexpr double fykCA60 = 60.0;        // characteristic yield strength, kN/cm²
constexpr double larguraFaixa = 100.0;  // b, cm: the design strip is one metre of pipe

struct Materiais {
    double Es = moduloAco;
    double gamaS = 0.0;   // steel partial factor
    double fyd = 0.0;     // fyk / γs
    double gamaC = 0.0;   // concrete partial factor
    double fck = 0.0;     // MPa
    double fcd = 0.0;     // fck / (10·γc), kN/cm²
    double epsYd = 0.0;   // fyd/Es + 0,002: CA 60 has no yield plateau
    double xiLim = 0.0;   // x/d at the boundary of domains 3 and 4
    double b = larguraFaixa;
};

// The design values for a concrete of fck (MPa) and the two partial factors.
Materiais calcularMateriais(double fck, double gamaS, double gamaC);

struct MemoriaCalculo;
// The same, with the quantities in `memoria`.
Materiais calcularMateriais(double fck, double gamaS, double gamaC, MemoriaCalculo& memoria);
