#include "layoutResumoRedwan.h"

#include "arredondamento.h"
#include "resumoRedwan.h"

#include <algorithm>

LayoutResumoRedwan calcularLayoutResumoRedwan(int w, int H)
{
    LayoutResumoRedwan L;
    L.p = arredondarPar(arredondarPar(0.97 * w) / 3.0);
    L.g = arredondarPar((w - 3.0 * L.p) / 4.0);
    L.H1 = arredondarPar(0.9 * H);
    L.t = arredondarPar(0.1 * L.H1);
    L.q = L.H1 - L.t;
    const int yPaineis = L.t + 5 + arredondarPar((H - (L.H1 + 5)) / 2.0);
    L.f = arredondarPar(0.07 * L.q);
    // The rows keep the text height of a ten-row panel and share what is
    // left between them, rounded down so the last row ends inside.
    const int n = linhasPorPainelRedwan;
    L.s = std::max(0, (L.q - n * L.f) / (n + 1));
    L.alturaTitulo = arredondarPar(0.9 * L.t);
    L.larguraSubpainel = arredondarPar(0.82 * L.p);

    L.titulo = {arredondarPar((w - L.p) / 2.0), 5, L.p, L.t};
    L.paineis[0] = {L.g, yPaineis, L.p, L.q};
    L.paineis[1] = {L.p + 2 * L.g, yPaineis, L.p, L.q};
    L.paineis[2] = {2 * (L.g + L.p) + L.g, yPaineis, L.p, L.q};
    return L;
}
