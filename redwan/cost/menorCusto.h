#pragma once
// The cheapest passing wall: among the whole walls of a range, each a full
// design run, the one whose design passes all three checks at the least
// cost (on equal cost, the thinner). The same pass finds the thinnest
// passing wall, so the saving between the two comes with it.

#include <functional>
#include <optional>

struct BuscaMenorCusto {
    std::optional<int> paredeMinimaViavel;  // the thinnest passing wall, mm
    double custoMinimaViavel = 0.0;         // its cost, R$/m
    std::optional<int> paredeMenorCusto;    // the cheapest passing wall, mm
    double custoMenor = 0.0;                // its cost, R$/m
    // What the cheapest wall saves against the thinnest, R$/m.
    double economia() const { return paredeMenorCusto ? custoMinimaViavel - custoMenor : 0.0; }
};

// `custoSePassa(h)`: the cost of the design with wall h when it passes
// every check, nullopt otherwise. Walls from `hMinimo` to `hMaximo` in mm.
// `custoMinimo(h)`, when given, is a cost no design with wall h can go
// below, never falling as h grows (the wall's concrete alone): once it
// passes the cheapest cost found, no thicker wall can beat it and the
// search ends there, with the very answer the whole range would give.
BuscaMenorCusto buscarMenorCusto(int hMinimo, int hMaximo,
                                 const std::function<std::optional<double>(int h)>& custoSePassa,
                                 const std::function<double(int h)>& custoMinimo = {});
