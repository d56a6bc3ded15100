#pragma once
// "Circular dupla": an inner cage at d'int from the inner face and an outer
// cage at d'ext from the outer face. The crown is designed with the outer
// cage as compression steel, so the crown and the springline are repeated
// until the springline area stops changing.

#include "EstadoDimensionamento.h"

// Passes allowed to the repetition. The springline does not depend on the
// crown, so the second pass always stops it; the cap only guards the loop.
constexpr int passesMaximosDupla = 50;

// Writes the designed sections, iteracoesDupla and flagDimensionamento ('S'
// when neither section is in domain 4). Throws ErroAlturaUtil when a cover
// leaves no effective depth.
void armaduraDupla(EstadoDimensionamento& e);
