#pragma once
// Section solver for a strip of pipe wall under bending and compression.
//
// A rectangle b wide and d deep to the tension steel, with optional
// compression steel As' at d' from the compressed face. The neutral-axis
// ratio ξ = x/d is found by bisection on the moment equilibrium about the
// tension steel (parabola-rectangle block at 0,85·fcd, εcu = 3,5 ‰, steel at
// 10 ‰ in domain 2); the tension steel then follows from the force
// equilibrium. Lengths in cm, forces in kN, moments in kN·cm.
//
// The caller hands in the moment already referred to the tension steel. A
// moment the section cannot carry (or none at all) has no root: the search
// then climbs to ξ = 0,99999 in domain 4 and the area is meaningless, so the
// callers judge every result by its domain.

#include "materiais.h"

#include <stdexcept>
#include <string>

// Bounds and stop rule of the bisection.
constexpr double xiInferior = 0.0001;
constexpr double xiSuperior = 0.99999;
constexpr double toleranciaSecao = 1e-10;
constexpr int iteracoesMaximasSecao = 1001;
// Domain 2 ends where the concrete reaches 3,5 ‰ with the steel at 10 ‰.
constexpr double xiLimiteDominio2 = 0.2593;

// Everything one solve reads and leaves behind.
struct SecaoFlexao {
    // Arguments.
    double Msd = 0.0;      // kN·cm, about the tension steel
    double Nsd = 0.0;      // kN, compression positive
    double d = 0.0;        // depth of the tension steel
    double dLinha = 0.0;   // d', depth of the compression steel
    double AsLinha = 0.0;  // As', cm²
    // Relative values.
    double mi = 0.0;         // μ = Msd / (b·d²·fcd)
    double ni = 0.0;         // ν = Nsd / (b·d·fcd)
    double omegaLinha = 0.0; // ω' = As'·fyd / (b·d·fcd)
    double delta = 0.0;      // δ = d'/d
    // Strain state of the last evaluation of the equation.
    double epsC = 0.0;   // concrete at the compressed face
    double epsS1 = 0.0;  // tension steel, elongation positive
    double epsS2 = 0.0;  // compression steel, shortening positive
    double psi = 0.0;    // block area coefficient
    double kappa = 0.0;  // block resultant at κ·x from the compressed face
    int dominio = 0;
    double sigmaS2 = 0.0;
    // Results.
    double xi = 0.0;
    double sigmaS1 = 0.0;
    double omega = 0.0;
    double As = 0.0;     // cm² per metre of pipe
    int iteracoes = 0;   // passes of the bisection
};

// Raised for an effective depth that is not positive: μ would divide by zero.
class ErroAlturaUtil : public std::domain_error {
public:
    explicit ErroAlturaUtil(double d);
    double d() const { return d_; }

private:
    double d_;
};

// Stress of CA 60 steel at strain ε (kN/cm²): linear up to 0,7·fyd, then
// the curve ε = σ/Es + (σ/fyd − 0,7)²/45 up to fyd, then fyd. Odd in ε.
double tensaoAco(const Materiais& m, double eps);

// Residual of the moment equilibrium at ξ; writes the strain state into `s`.
// The residual uses the δ and ω' already in `s`.
double equilibrioSecao(SecaoFlexao& s, const Materiais& m, double mi, double xi);

// Bisection on `equilibrioSecao` over [0,0001; 0,99999]; sets s.xi and
// s.iteracoes and leaves in `s` the strain state of the returned ξ.
double resolverLinhaNeutra(SecaoFlexao& s, const Materiais& m, double mi);

// Tension steel from the strain state in `s`; sets σs1, ω and As.
double calcularAs(SecaoFlexao& s, const Materiais& m);

struct MemoriaCalculo;
// A solve's arguments and results into the trace: d, d', As', Nsd, Msd
// (with the formula the caller made it by), then ξ (under `chaveXi` for the
// calculator), x = ξ·d, the domain, the stress of the tension steel and As
// (under `chaveAs`).
void anotarSecao(MemoriaCalculo& memoria, const SecaoFlexao& s, const char* formulaMsd,
                 const char* chaveXi = "", const char* chaveAs = "");

// One whole solve. Throws ErroAlturaUtil when d ≤ 0.
SecaoFlexao dimensionarSecao(const Materiais& m, double Msd, double Nsd, double d, double dLinha,
                             double AsLinha);
