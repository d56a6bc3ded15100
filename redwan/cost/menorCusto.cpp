#include "menorCusto.h"

BuscaMenorCusto buscarMenorCusto(int hMinimo, int hMaximo,
                                 const std::function<std::optional<double>(int h)>& custoSePassa,
                                 const std::function<double(int h)>& custoMinimo)
{
    // Costs a hundredth of a centavo apart are equal: the thinner stays.
    constexpr double empate = 1e-4;
    BuscaMenorCusto b;
    for (int h = hMinimo; h <= hMaximo; ++h) {
        if (custoMinimo && b.paredeMenorCusto && custoMinimo(h) > b.custoMenor + empate)
            break;
        const std::optional<double> custo = custoSePassa(h);
        if (!custo)
            continue;
        if (!b.paredeMinimaViavel) {
            b.paredeMinimaViavel = h;
            b.custoMinimaViavel = *custo;
        }
        if (!b.paredeMenorCusto || *custo < b.custoMenor - empate) {
            b.paredeMenorCusto = h;
            b.custoMenor = *custo;
        }
    }
    return b;
}
