#pragma once
// Placement of the summary panel: a title over three columns of ten lines,
// fitted to the summary area on every activation and resize.

struct Retangulo {
    int x = 0, y = 0, largura = 0, altura = 0;
    bool operator==(const Retangulo&) const = default;
};

struct LayoutResumo {
    int e = 0, g = 0, h = 0, m = 0; // usable width, side and middle column widths, gap
    int r = 0, t = 0;               // usable height, title height
    int b = 0;                      // text height of every line
    int alturaTitulo = 0;           // text height of the title
    int s = 0;                      // row spacing
    Retangulo titulo;
    Retangulo colunas[3]; // left, middle, right
    // Top of line k (1 to 10) inside its column.
    int topoLinha(int k) const { return k * s + (k - 1) * b; }
};

LayoutResumo calcularLayoutResumo(int largura, int altura);

// Split of the client area: the drawings take the upper 4/7 of the height,
// the left drawing half of the width.
struct DivisaoAreaCliente {
    Retangulo desenhoTransversal, desenhoLongitudinal, resumo;
};
DivisaoAreaCliente dividirAreaCliente(int largura, int altura);
