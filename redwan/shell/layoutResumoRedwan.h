#pragma once
// Placement of Redwan's summary: a title over three panels of equal width,
// fitted to the summary area on every activation and resize. Every value is
// rounded to whole pixels, a half to the even neighbour.

#include "layoutResumo.h"

struct LayoutResumoRedwan {
    int p = 0;            // width of each panel and of the title
    int g = 0;            // gap between panels
    int H1 = 0;           // usable height, round(0,9·H)
    int t = 0;            // title height
    int q = 0;            // panel height
    int f = 0;            // text height of every line
    int s = 0;            // line gap
    int alturaTitulo = 0; // text height of the title
    int larguraSubpainel = 0;
    Retangulo titulo;
    Retangulo paineis[3]; // geometry and class, design parameters, results
    // Top of row k (from 1) inside its panel.
    int topoLinha(int k) const { return s + (k - 1) * (f + s); }
};

LayoutResumoRedwan calcularLayoutResumoRedwan(int largura, int altura);
