#pragma once
// Minimum circumferential reinforcement: the steel that carries the cracking
// moment of the wall, and the steel a pipe needs in handling and laying.

#include "EstadoDimensionamento.h"

// fctm and AsMin. Runs after the arrangement: the single arrangement's
// minimum is designed at the practical crown depth Dcoro. Throws
// ErroAlturaUtil when that leaves no effective depth.
void armaduraMinima(EstadoDimensionamento& e);

// AsIntMin and AsExtMin (the latter 0 for the single arrangement).
void armadurasTransitorias(EstadoDimensionamento& e);
