#include "desenhoSecao.h"

#include "arredondamento.h"

#include <algorithm>
#include <cstdlib>

const PerfilTubo& perfilTubo(TipoJunta tipo)
{
    static const PerfilTubo machoFemea{{{0, 0},   {70, 0},  {70, 3},  {70, 57}, {70, 60}, {0, 60},
                                        {0, 57},  {-6, 55}, {-6, 52}, {-6, 8},  {-6, 5},  {0, 3},
                                        {64, 5},  {64, 8},  {64, 52}, {64, 55}}};
    static const PerfilTubo pontaBolsa{{{-6, 4},  {56, 4},  {62, 0},  {70, 0},  {70, 4},  {70, 56},
                                        {70, 60}, {62, 60}, {56, 56}, {-6, 56}, {-6, 51}, {-6, 9},
                                        {64, 4},  {64, 9},  {64, 51}, {64, 56}}};
    return tipo == TipoJunta::MachoFemea ? machoFemea : pontaBolsa;
}

AjustePerfil ajustarPerfil(TipoJunta tipo, int largura, int altura)
{
    const PerfilTubo& perfil = perfilTubo(tipo);
    double xMin = perfil[0].x, xMax = perfil[0].x, yMin = perfil[0].y, yMax = perfil[0].y;
    for (const PontoPerfil& p : perfil) {
        xMin = std::min(xMin, p.x);
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
    const double dx = xMax - xMin;
    const double dy = yMax - yMin;
    const double Wd = largura, Hd = altura;

    AjustePerfil ajuste;
    ajuste.escala = std::min(0.7 * Wd / dx, 0.7 * Hd / dy);
    const int ox = arredondarPar((0.7 * Wd - dx * ajuste.escala) / 2.0);
    const int oy = arredondarPar((0.7 * Hd - dy * ajuste.escala) / 2.0);
    for (std::size_t i = 0; i < perfil.size(); ++i) {
        ajuste.pixels[i].x = arredondarPar(0.15 * Wd + (perfil[i].x - xMin) * ajuste.escala + ox);
        ajuste.pixels[i].y =
            arredondarPar(Hd - (0.15 * Hd + (perfil[i].y - yMin) * ajuste.escala + oy));
    }
    return ajuste;
}

namespace {
struct Tracado {
    int de, ate, espessura;
};

Cota cotaHorizontal(int x1, int x2, int y)
{
    Cota c;
    c.de = {x1, y};
    c.ate = {x2, y};
    c.meioX = arredondarPar((x1 + x2) / 2.0);
    c.topoRotulo = arredondarPar((y + 2) * 1.01);
    return c;
}

int meiaDistanciaVertical(const AjustePerfil& a, int i, int j)
{
    return arredondarPar(std::abs(a.ponto(i).y - a.ponto(j).y) / 2.0);
}
} // namespace

DesenhoLongitudinal desenharLongitudinal(TipoJunta tipo, int largura, int altura)
{
    static const std::vector<Tracado> machoFemea{
        {1, 2, 2},   {2, 3, 2},   {3, 4, 1},   {4, 5, 2},   {5, 6, 2},   {6, 7, 2},
        {7, 8, 2},   {8, 9, 2},   {9, 10, 1},  {10, 11, 2}, {11, 12, 2}, {12, 1, 2},
        {3, 13, 2},  {13, 14, 2}, {14, 15, 1}, {15, 16, 2}, {16, 4, 2},  {10, 14, 2},
        {9, 15, 2}};
    static const std::vector<Tracado> pontaBolsa{
        {1, 2, 2},   {2, 3, 2},   {3, 4, 2},   {4, 5, 2},   {5, 6, 1},   {6, 7, 2},
        {7, 8, 2},   {8, 9, 2},   {9, 10, 2},  {10, 11, 2}, {11, 12, 1}, {12, 1, 2},
        {12, 14, 2}, {11, 15, 2}, {5, 13, 2},  {13, 14, 2}, {15, 16, 2}, {16, 6, 2},
        {14, 15, 1}};

    const AjustePerfil a = ajustarPerfil(tipo, largura, altura);
    DesenhoLongitudinal d;
    for (const Tracado& t : tipo == TipoJunta::MachoFemea ? machoFemea : pontaBolsa)
        d.contorno.push_back({a.ponto(t.de), a.ponto(t.ate), t.espessura});

    // 20 pixels below the bottom of the profile, over the barrel's length.
    if (tipo == TipoJunta::MachoFemea)
        d.comprimento = cotaHorizontal(a.ponto(1).x, a.ponto(2).x, a.ponto(1).y + 20);
    else
        d.comprimento = cotaHorizontal(a.ponto(1).x, a.ponto(13).x, a.ponto(3).y + 20);
    return d;
}

DesenhoTransversal desenharTransversal(TipoJunta tipo, int largura, int altura,
                                       int larguraLongitudinal, int alturaLongitudinal)
{
    const AjustePerfil a = ajustarPerfil(tipo, larguraLongitudinal, alturaLongitudinal);
    DesenhoTransversal d;
    d.centro = {arredondarPar(largura / 2.0), arredondarPar(altura / 2.0)};
    int raioFuro = 0;
    if (tipo == TipoJunta::MachoFemea) {
        raioFuro = meiaDistanciaVertical(a, 14, 15);
        d.circulos = {{raioFuro, 2, Traco::Continuo},
                      {meiaDistanciaVertical(a, 13, 16), 1, Traco::Pontilhado},
                      {meiaDistanciaVertical(a, 3, 4), 1, Traco::Pontilhado},
                      {meiaDistanciaVertical(a, 2, 5), 2, Traco::Continuo}};
        d.diametro = cotaHorizontal(d.centro.x - raioFuro + 2, d.centro.x + raioFuro - 3, d.centro.y);
    } else {
        raioFuro = meiaDistanciaVertical(a, 11, 12);
        d.circulos = {{raioFuro, 2, Traco::Continuo},
                      {meiaDistanciaVertical(a, 1, 10), 2, Traco::Continuo},
                      {meiaDistanciaVertical(a, 4, 7), 1, Traco::Continuo}};
        d.diametro = cotaHorizontal(d.centro.x - raioFuro - 3, d.centro.x + raioFuro + 2, d.centro.y);
    }
    return d;
}
