#include "layoutResumo.h"

#include "arredondamento.h"

LayoutResumo calcularLayoutResumo(int W, int H)
{
    LayoutResumo L;
    L.e = arredondarPar(0.97 * W);
    L.g = arredondarPar(0.95 * L.e / 3.0);
    L.h = arredondarPar(1.1 * L.e / 3.0);
    L.m = arredondarPar((W - 2.0 * L.g - L.h) / 4.0);

    L.r = arredondarPar(0.9 * H);
    L.t = arredondarPar(0.1 * L.r);
    const int alturaColunas = L.r - L.t;
    const int yColunas = arredondarPar((H - L.r - 5) / 2.0) + L.t + 5;

    L.b = arredondarPar(0.07 * alturaColunas);
    L.alturaTitulo = arredondarPar(0.9 * L.t);
    L.s = arredondarPar((alturaColunas - 10.0 * L.b) / 11.0);

    L.titulo = {arredondarPar((W - L.h) / 2.0), 5, L.h, L.t};
    L.colunas[0] = {L.m, yColunas, L.g, alturaColunas};
    L.colunas[1] = {L.g + 2 * L.m, yColunas, L.h, alturaColunas};
    L.colunas[2] = {L.g + L.h + 3 * L.m, yColunas, L.g, alturaColunas};
    return L;
}

DivisaoAreaCliente dividirAreaCliente(int largura, int altura)
{
    DivisaoAreaCliente d;
    const int alturaDesenhos = arredondarPar(altura * 4.0 / 7.0);
    const int larguraEsquerda = arredondarPar(largura / 2.0);
    d.desenhoTransversal = {0, 0, larguraEsquerda, alturaDesenhos};
    d.desenhoLongitudinal = {larguraEsquerda, 0, largura - larguraEsquerda, alturaDesenhos};
    d.resumo = {0, alturaDesenhos, largura, altura - alturaDesenhos};
    return d;
}
