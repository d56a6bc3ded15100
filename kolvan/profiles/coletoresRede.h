#pragma once
// The collectors of a network, as its longitudinal profiles draw them.
//
// Stretches link by their manhole names: a stretch's jusante is the next
// one's montante. A collector starts at a head (a manhole that is no
// stretch's jusante) and follows the stretches downstream until it reaches
// a manhole already drawn, or the end. The longest collector (in metres) is
// taken first, then the longest of what is left, and so on (equal lengths:
// by the name of the head), so every stretch is drawn once. Stretches left
// over by a loop or a repeated name start from their own montante by the
// same rule, so a walk never runs endless. A stretch without both manhole
// names is a collector of its own; one without a length cannot be drawn
// and is left out, named apart.

#include "trechoRede.h"

#include <string>
#include <vector>

struct Coletor {
    std::vector<int> trechos; // positions in the network, upstream first
    double comprimento = 0.0; // m
};

struct ColetoresRede {
    std::vector<Coletor> coletores;  // in drawing order
    std::vector<int> semComprimento; // stretches left out
};

ColetoresRede montarColetores(const std::vector<EntradaTrecho>& entradas);

// The length of a stretch as its text gives it; false when it cannot be drawn.
bool comprimentoTrecho(const EntradaTrecho& e, double& metros);
