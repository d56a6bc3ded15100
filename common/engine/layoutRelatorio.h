#pragma once
// A printed report as bands on A4 portrait pages. Coordinates are logical
// pixels of a 96-dpi sheet (794 x 1123); the painter scales them to the
// printer. Bands are printed one under the other from the top margin, each
// at the left margin; the items of a band sit relative to its top-left
// corner. Texts are UTF-8.

#include <string>
#include <vector>

inline constexpr int larguraA4 = 794;
inline constexpr int alturaA4 = 1123;

struct CorRgb {
    unsigned char r = 0, g = 0, b = 0;
    bool operator==(const CorRgb&) const = default;
};
inline constexpr CorRgb corPreta{0, 0, 0};
inline constexpr CorRgb corVermelha{255, 0, 0};
inline constexpr CorRgb corAzul{0, 0, 255};

enum class Alinhamento { esquerda, centro, direita };

struct EstiloTexto {
    int tamanho = 13; // pixel height of the font
    bool negrito = false;
    CorRgb cor = corPreta;
    Alinhamento alinhamento = Alinhamento::esquerda;
    bool operator==(const EstiloTexto&) const = default;
};

struct ItemTexto {
    int x = 0, y = 0;
    int largura = 0; // 0: as wide as the text, so the alignment has no effect
    std::string texto;
    EstiloTexto estilo;
    // A text box: words wrap at `largura` and a '\n' starts a new line.
    // With `altura` 0 the box, and its band, grow to hold every line;
    // otherwise the lines that do not fit in `altura` are left out.
    bool multilinha = false;
    int altura = 0;
    // A box of fixed `altura` whose text does not fit prints in a smaller
    // font (down to 7 pixels) rather than losing lines; below that it
    // keeps them all, past its height.
    bool encolher = false;
    // `x` then counts from the end of the band's previous text, so a value
    // follows its caption whatever the caption's width in the printed font.
    // A text box placed so has `largura` as its right edge in the band: the
    // value wraps between the end of its caption and there.
    bool aposAnterior = false;
};

struct ItemImagem {
    int x = 0, y = 0, largura = 0, altura = 0;
    std::string caminho; // a file of Pictures/, or an absolute path
    bool manterProporcao = true; // fitted and centred in the box, not stretched
};

// A straight line of a drawing (a chart), in the band's pixels.
struct ItemLinha {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CorRgb cor = corPreta;
    double espessura = 1.0;
    bool tracejada = false;
};

// A filled rectangle without outline; painted under the lines, images and texts.
struct ItemRetangulo {
    double x = 0, y = 0, largura = 0, altura = 0;
    CorRgb cor;
};

struct BandaRelatorio {
    int altura = 0;
    std::vector<ItemTexto> textos;
    std::vector<ItemImagem> imagens;
    bool quebraPagina = false; // the band after this one starts a new page
    // Printed on the same page as the band after it (a heading and its
    // block, the quantities and the note that concludes them), unless the
    // two together do not fit on any page.
    bool manterComSeguinte = false;
    // A drawing's rectangles and lines, painted under the images and texts.
    std::vector<ItemRetangulo> retangulos;
    std::vector<ItemLinha> linhas;
};

struct MargensPagina {
    int esquerda = 38, topo = 38, direita = 38, base = 38; // 1 cm
};

struct LayoutRelatorio {
    std::string titulo; // name of the print job and title of the PDF
    MargensPagina margens;
    // Printed at the top of every page; a band without items is no header.
    BandaRelatorio cabecalhoPagina;
    // False: the header starts on the second page, as the column headings of
    // a table that the first page already shows among its bands.
    bool cabecalhoNaPrimeiraPagina = true;
    std::vector<BandaRelatorio> bandas;
    // "Página N de M" at the foot of every page, right-aligned above the
    // bottom margin; the bands then stop above it.
    bool numerarPaginas = false;
};

inline constexpr EstiloTexto estiloNumeroPagina{11, true, corPreta, Alinhamento::direita};
inline constexpr int alturaNumeroPagina = 20;

// Width between the side margins: the width a right-aligned text spans.
inline int larguraUtil(const LayoutRelatorio& layout)
{
    return larguraA4 - layout.margens.esquerda - layout.margens.direita;
}
