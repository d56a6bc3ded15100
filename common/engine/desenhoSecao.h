#pragma once
// Geometry of the two schematic section drawings of a pipe: the wall
// profile of each joint type, fitted to the longitudinal drawing area, and
// the circles of the cross-section at the same scale. Pure geometry: the
// painter in the window layer draws what this returns.

#include <array>
#include <vector>

enum class TipoJunta { MachoFemea = 0, PontaBolsa = 1 };

struct PontoPerfil {
    double x = 0, y = 0;
};
struct Pixel {
    int x = 0, y = 0;
    bool operator==(const Pixel&) const = default;
};

using PerfilTubo = std::array<PontoPerfil, 16>;
// The sixteen profile points of the wall, in drawing units, y upward.
const PerfilTubo& perfilTubo(TipoJunta tipo);

struct AjustePerfil {
    double escala = 0;             // pixels per drawing unit
    std::array<Pixel, 16> pixels;  // points 1 to 16 at index 0 to 15
    const Pixel& ponto(int i) const { return pixels[i - 1]; }
};
AjustePerfil ajustarPerfil(TipoJunta tipo, int largura, int altura);

enum class Traco { Continuo, Pontilhado };

struct Segmento {
    Pixel de, ate;
    int espessura = 1;
};

struct Circulo {
    int raio = 0;
    int espessura = 1;
    Traco traco = Traco::Continuo;
};

// A dimension line with its ±7-pixel ticks and the place of its label:
// centred on the line's midpoint, its top at `topoRotulo`.
struct Cota {
    Pixel de, ate;
    int meioX = 0;
    int topoRotulo = 0;
};

struct DesenhoLongitudinal {
    std::vector<Segmento> contorno; // red outline
    Cota comprimento;               // teal length dimension
};
DesenhoLongitudinal desenharLongitudinal(TipoJunta tipo, int largura, int altura);

struct DesenhoTransversal {
    Pixel centro;
    std::vector<Circulo> circulos; // around the centre, red
    Cota diametro;                 // teal diameter dimension
};
// The circles take their radii from the fit of the longitudinal area, so both
// drawings share one scale.
DesenhoTransversal desenharTransversal(TipoJunta tipo, int largura, int altura,
                                       int larguraLongitudinal, int alturaLongitudinal);

constexpr int meiaAlturaTraco = 7;
