#pragma once
#include <cmath>

// Nearest integer, a half going to the even neighbour (7,5 → 8; 8,5 → 8).
inline int arredondarPar(double valor)
{
    const double inteiro = std::floor(valor);
    const double resto = valor - inteiro;
    if (resto > 0.5)
        return static_cast<int>(inteiro) + 1;
    if (resto < 0.5)
        return static_cast<int>(inteiro);
    const int base = static_cast<int>(inteiro);
    return base % 2 == 0 ? base : base + 1;
}
