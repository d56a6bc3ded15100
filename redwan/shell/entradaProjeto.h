#pragma once
// The inputs of a design run taken from the project as the input windows
// confirmed it: the purpose, joint and diameter of the geometry, the chosen
// class of each group with the loads its fields show for this diameter, and
// the design parameters as typed. The run converts the texts itself, so an
// empty special load stops it with its own message.

#include "ProjetoRedwan.h"
#include "entradaDimensionamento.h"

EntradaDimensionamento entradaDoProjeto(const ProjetoRedwan& projeto);
