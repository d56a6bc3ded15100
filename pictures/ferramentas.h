// Small drawing toolkit shared by every picture: colours, fonts, labels,
// dimension lines, arrows, materials (soil, fill, concrete) and the pipe ring.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace fig {

// One picture: its file name, its fixed size and the routine that paints it
// over a white canvas.
struct Figura {
    QString nome;
    QSize tamanho;
    std::function<void(QPainter&, const QSize&)> desenhar;
};
using ListaFiguras = std::vector<Figura>;

// Palette used by the schematics.
namespace cor {
inline QColor traco() { return {45, 45, 45}; }          // outlines
inline QColor cota() { return {0, 64, 128}; }           // dimensions and their texts
inline QColor carga() { return {185, 30, 30}; }         // loads and arrows
inline QColor armadura() { return {200, 20, 20}; }      // reinforcement
inline QColor legenda() { return {25, 25, 25}; }        // captions
inline QColor terreno() { return {120, 82, 40}; }       // ground surface line
} // namespace cor

enum class Material {
    TerrenoNatural,   // undisturbed ground: diagonal hatching
    Aterro,           // fill: light, with scattered grains
    AterroCompactado, // fill placed in compacted layers
    Granular,         // fine granular bedding material
    Concreto,         // plain concrete
    Pavimento,        // road pavement
    Lastro,           // railway ballast
};

QFont fonte(double px, bool negrito = false, bool italico = false);

// Text placed so that `ancora` sits at the point of its box named by
// `alinhamento` (e.g. AlignLeft|AlignVCenter: the anchor is the middle of the
// left edge). With `fundo` a soft white box keeps it readable over hatching.
void rotulo(QPainter& p, QPointF ancora, const QString& texto, const QFont& f,
            Qt::Alignment alinhamento = Qt::AlignCenter, const QColor& c = cor::cota(),
            bool fundo = false);

// Caption centred along the bottom edge of the picture.
void legenda(QPainter& p, const QSize& tamanho, const QString& texto, double px = 12);

// Dimension line from a to b with slanted ticks and its text beside the
// middle; a positive `afastamento` puts the text above a left-to-right line
// and right of a top-to-bottom line.
// `posicao` slides the text along the line (0 at a, 1 at b).
void cota(QPainter& p, QPointF a, QPointF b, const QString& texto, double afastamento = 3,
          bool fundo = false, double posicao = 0.5, double px = 13);

// Dimension of a short length: arrows come from outside towards a and b,
// the text sits beyond b.
void cotaExterna(QPainter& p, QPointF a, QPointF b, const QString& texto, bool fundo = false);

// Thin extension line that carries a dimension away from the drawing.
void linhaExtensao(QPainter& p, QPointF a, QPointF b);

// Dash-dot centre line.
void linhaEixo(QPainter& p, QPointF a, QPointF b);

void seta(QPainter& p, QPointF de, QPointF para, const QColor& c = cor::carga(),
          double ponta = 6, double largura = 1.4);

// Row of load arrows pointing down onto the line y = base, from x0 to x1.
void cargaDistribuida(QPainter& p, double x0, double x1, double topo, double base, int setas,
                      const QColor& c = cor::carga());

// Fills an area with a material; outlines are left to the caller.
void preencher(QPainter& p, const QPainterPath& area, Material m, unsigned semente = 1);

// Surface line of the ground between a and b.
void superficie(QPainter& p, QPointF a, QPointF b);

// Cross-section of a concrete pipe: wall ring and empty bore.
void tubo(QPainter& p, QPointF centro, double raioExterno, double raioInterno);

// Cross-section of a pipe of internal diameter di and wall t = 0,1·di drawn
// with external radius r (de = 1,2·di).
inline void tubo(QPainter& p, QPointF centro, double raioExterno)
{
    tubo(p, centro, raioExterno, raioExterno / 1.2);
}

QPainterPath retangulo(double x0, double y0, double x1, double y1);
QPainterPath poligono(std::initializer_list<QPointF> pontos);

} // namespace fig
