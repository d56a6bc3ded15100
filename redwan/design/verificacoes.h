#pragma once
// Checks of the inner steel at the crown, where the inner face is in
// tension: the most steel the cover holds without spalling, the shear the
// wall carries, and the crack width under the service load.

#include "EstadoDimensionamento.h"

// Limits of the verdicts.
constexpr double aberturaFissuraLimite = 0.25; // mm

// Area-weighted mean wire diameter of the inner meshes, mm.
double diametroMedioInterno(const SelecaoTelas& t);

// Crown depth the checks use: Dcoro for the single arrangement, dC for the
// double one. Throws ErroAlturaUtil when it is not positive.
double alturaUtilVerificacao(const EstadoDimensionamento& e);

// Concrete region around one inner wire (cm²) for a mean wire diameter φm
// (mm) and a distance `cobrimento` (cm) from the steel to the inner face.
// With `memoria`, its width, height and area go into the trace.
struct MemoriaCalculo;
double areaEnvolvente(double phiM, double cobrimento, MemoriaCalculo* memoria = nullptr);

// Diameter factor of the cover check.
double fatorDiametro(double di);

void verificarCobrimento(EstadoDimensionamento& e); // AsMax
void verificarCortante(EstadoDimensionamento& e);   // Vu
void verificarFissuras(EstadoDimensionamento& e);   // Pserv, w1, w2, w

// The three, in that order.
void verificar(EstadoDimensionamento& e);

// Verdicts: the placed inner steel within AsMax, half the load within Vu,
// the crack width within 0,25 mm.
bool passaCobrimento(const EstadoDimensionamento& e);
bool passaCortante(const EstadoDimensionamento& e);
bool passaFissuras(const EstadoDimensionamento& e);
