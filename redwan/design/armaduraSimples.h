#pragma once
// "Circular simples": one cage inside the wall serves the crown as inner
// steel and the springline as outer steel. The cage is tried at steps of
// 0,01 cm over 15 % of the wall, from the middle towards the inner face; the
// position where the two sections need the most similar areas, both short of
// domain 4, is chosen, and the crown depth is then put on a 0,5 cm grid.

#include "EstadoDimensionamento.h"

// Trial positions for a wall of hcm (cm): round(0,15·hcm/0,01) + 1.
int numeroPosicoes(double hcm);

// Distance of the k-th trial position (from 1) from the inner face, cm.
double posicaoTentativa(double hcm, int k);

// Crown and springline designed with the cage at dLinha (cm) from the inner
// face. Throws ErroAlturaUtil when either depth is not positive.
PosicaoArmadura projetarPosicao(const EstadoDimensionamento& e, double dLinha);

// Crown depth on the 0,5 cm grid: a fraction up to 0,25 goes down, one of
// 0,75 or more goes up, anything between goes to the half.
double arredondarDcoro(double dC);

// Scans the positions, chooses one and, when one was admissible, finds the
// practical depth. Writes nPos, posicoes, the designed sections, Dcoro,
// AsP_Prat and flagDimensionamento.
void armaduraSimples(EstadoDimensionamento& e);

// Chooses among the scanned positions; flagDimensionamento 'S' when one is
// admissible, 'N' (and nothing selected) otherwise.
void escolherPosicao(EstadoDimensionamento& e);

// Dcoro and AsP_Prat from the chosen position; retries the other grid
// neighbour when the practical depth lands in domain 4.
void posicaoPratica(EstadoDimensionamento& e);
