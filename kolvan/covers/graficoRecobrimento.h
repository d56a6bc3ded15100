#pragma once
// The chart of one diameter: the required strength R against the cover,
// with a horizontal line at each class's load and the bands between the
// reinforced loads shaded in the class's colour, so the engineer sees where
// each class runs out. Laid out once as plain geometry in pixels (y down);
// the window and the report paint it as it is.

#include "tabelaRecobrimentos.h"

#include <string>
#include <vector>

enum class AlinhamentoGrafico { esquerda, centro, direita };

struct LinhaGrafico {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CorClasse cor;
    double espessura = 1.0;
    bool tracejada = false;
};

struct RetanguloGrafico {
    double x = 0, y = 0, largura = 0, altura = 0;
    CorClasse cor; // filled, no outline
};

// A one-line text whose vertical centre is at y; x is its left edge, centre
// or right edge as it is aligned.
struct TextoGrafico {
    double x = 0, y = 0;
    std::string texto;
    AlinhamentoGrafico alinhamento = AlinhamentoGrafico::esquerda;
    int tamanho = 11; // pixel height of the font
    bool negrito = false;
    CorClasse cor;
};

struct GraficoRecobrimento {
    double largura = 0, altura = 0;
    // Painted in this order.
    std::vector<RetanguloGrafico> retangulos;
    std::vector<LinhaGrafico> linhas;
    std::vector<TextoGrafico> textos;
};

// `titulo`: the chart names its diameter above the plot (a report heading may do it instead).
GraficoRecobrimento montarGraficoRecobrimento(const DiametroRecobrimento& d, double largura, double altura,
                                              bool titulo = true);

// A step of 1, 2 or 5 times a power of ten that cuts `ate` into at most `partes` parts.
double passoEscala(double ate, int partes);
