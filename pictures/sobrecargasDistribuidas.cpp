// Surcharges of static loads, drawn on an oblique view of a block of soil
// with the pipe running into the depth: loaded areas a × b (a along the pipe
// axis), a load q per metre of pipe, or nothing.
#include "figuras.h"

#include <QtMath>

namespace fig {

namespace {

// Front face of the block and the depth vector of the oblique view.
constexpr double xEsq = 14, xDir = 196, yTopo = 100, yBase = 180;
const QPointF prof(50, -30);
const QPointF centroTubo(105, 148);
constexpr double raioTubo = 24;

// Point on the top face: x across the pipe, t from the front (0) to the back (1).
QPointF noTopo(double x, double t) { return QPointF(x, yTopo) + prof * t; }

void bloco(QPainter& p)
{
    const QPainterPath frente = retangulo(xEsq, yTopo, xDir, yBase);
    const QPainterPath topo = poligono({{xEsq, yTopo}, {xDir, yTopo}, noTopo(xDir, 1),
                                        noTopo(xEsq, 1)});
    const QPainterPath lado = poligono({{xDir, yTopo}, noTopo(xDir, 1),
                                        noTopo(xDir, 1) + QPointF(0, yBase - yTopo),
                                        {xDir, yBase}});
    preencher(p, frente, Material::Aterro, 17);
    preencher(p, lado, Material::Aterro, 19);
    p.fillPath(lado, QColor(120, 90, 40, 45));
    p.fillPath(topo, QColor(238, 228, 200));

    // Hidden outline of the pipe running back along the depth.
    const QPointF n = QPointF(-prof.y(), prof.x()) / qSqrt(QPointF::dotProduct(prof, prof));
    QPen oculta(QColor(90, 90, 90), 0.9, Qt::DashLine);
    p.setPen(oculta);
    p.setBrush(Qt::NoBrush);
    p.drawLine(centroTubo + n * raioTubo, centroTubo + n * raioTubo + prof);
    p.drawLine(centroTubo - n * raioTubo, centroTubo - n * raioTubo + prof);
    p.drawEllipse(centroTubo + prof, raioTubo, raioTubo);

    p.setPen(QPen(cor::terreno(), 1.4));
    p.drawPath(frente);
    p.drawPath(lado);
    p.drawPath(topo);
    tubo(p, centroTubo, raioTubo);
    linhaEixo(p, noTopo(centroTubo.x(), 0) + QPointF(0, -4), noTopo(centroTubo.x(), 1) + prof * 0.15);
}

// Loaded pad on the top face, from x0 to x1 across and t0 to t1 in depth,
// with its load arrows and the name of the load above.
void area(QPainter& p, double x0, double x1, double t0, double t1, const QString& carga)
{
    const double h = 5; // thickness of the pad
    const QPointF a = noTopo(x0, t0), b = noTopo(x1, t0), c = noTopo(x1, t1), d = noTopo(x0, t1);
    const QPointF up(0, -h);
    p.setPen(QPen(cor::carga(), 1.0));
    p.setBrush(QColor(225, 120, 110));
    p.drawPolygon(QPolygonF({a, b, b + up, a + up}));
    p.setBrush(QColor(200, 95, 85));
    p.drawPolygon(QPolygonF({b, c, c + up, b + up}));
    p.setBrush(QColor(245, 175, 165));
    p.drawPolygon(QPolygonF({a + up, b + up, c + up, d + up}));
    const double alto = 30;
    for (double t : {t0 + 0.2 * (t1 - t0), t0 + 0.8 * (t1 - t0)})
        for (double f : {0.15, 0.5, 0.85}) {
            const QPointF ponta = noTopo(x0 + f * (x1 - x0), t) + up;
            seta(p, ponta + QPointF(0, -alto), ponta, cor::carga(), 5, 1.0);
        }
    const QPointF meio = noTopo((x0 + x1) / 2, (t0 + t1) / 2) + up + QPointF(0, -alto - 2);
    rotulo(p, meio, carga, fonte(13, true, true), Qt::AlignHCenter | Qt::AlignBottom,
           cor::carga());
}

void umaArea(QPainter& p, const QSize& s)
{
    bloco(p);
    const double x0 = 80, x1 = 130, t0 = 0.25, t1 = 0.75;
    area(p, x0, x1, t0, t1, QStringLiteral("Q"));
    cota(p, noTopo(x0, t0) + QPointF(0, 12), noTopo(x1, t0) + QPointF(0, 12), QStringLiteral("b"),
         1, true);
    linhaExtensao(p, noTopo(x0, t0) + QPointF(0, 2), noTopo(x0, t0) + QPointF(0, 16));
    linhaExtensao(p, noTopo(x1, t0) + QPointF(0, 2), noTopo(x1, t0) + QPointF(0, 16));
    const QPointF desl(18, 0);
    linhaExtensao(p, noTopo(x1, t0) + QPointF(2, 0), noTopo(x1, t0) + desl + QPointF(4, 0));
    linhaExtensao(p, noTopo(x1, t1) + QPointF(2, 0), noTopo(x1, t1) + desl + QPointF(4, 0));
    cota(p, noTopo(x1, t0) + desl, noTopo(x1, t1) + desl, QStringLiteral("a"), 2, true);
    legenda(p, s, QStringLiteral("Uma área carregada"));
}

void duasAreas(QPainter& p, const QSize& s)
{
    bloco(p);
    const double t0 = 0.25, t1 = 0.75, b = 34, c = 40;
    const double x0 = centroTubo.x() - c / 2 - b, x1 = x0 + b, x2 = x1 + c, x3 = x2 + b;
    area(p, x0, x1, t0, t1, QStringLiteral("Q"));
    area(p, x2, x3, t0, t1, QStringLiteral("Q"));
    const QPointF abaixo(0, 12);
    for (double x : {x0, x1, x2, x3})
        linhaExtensao(p, noTopo(x, t0) + QPointF(0, 2), noTopo(x, t0) + QPointF(0, 16));
    cota(p, noTopo(x0, t0) + abaixo, noTopo(x1, t0) + abaixo, QStringLiteral("b"), 1, true);
    cota(p, noTopo(x1, t0) + abaixo, noTopo(x2, t0) + abaixo, QStringLiteral("c"), 1, true);
    cota(p, noTopo(x2, t0) + abaixo, noTopo(x3, t0) + abaixo, QStringLiteral("b"), 1, true);
    const QPointF desl(18, 0);
    linhaExtensao(p, noTopo(x3, t0) + QPointF(2, 0), noTopo(x3, t0) + desl + QPointF(4, 0));
    linhaExtensao(p, noTopo(x3, t1) + QPointF(2, 0), noTopo(x3, t1) + desl + QPointF(4, 0));
    cota(p, noTopo(x3, t0) + desl, noTopo(x3, t1) + desl, QStringLiteral("a"), 2, true);
    legenda(p, s, QStringLiteral("Duas áreas carregadas"));
}

void usuario(QPainter& p, const QSize& s)
{
    bloco(p);
    // Load per metre of pipe, spread along the axis over the crown.
    const double alto = 34;
    const int setas = 6;
    const QPointF inicio = noTopo(centroTubo.x(), 0.05), fim = noTopo(centroTubo.x(), 0.95);
    p.setPen(QPen(cor::carga(), 1.4));
    p.drawLine(inicio + QPointF(0, -alto), fim + QPointF(0, -alto));
    for (int i = 0; i < setas; ++i) {
        const QPointF ponta = inicio + (fim - inicio) * (double(i) / (setas - 1));
        seta(p, ponta + QPointF(0, -alto), ponta, cor::carga(), 6, 1.2);
    }
    p.setPen(QPen(cor::carga(), 1.8));
    p.drawLine(inicio, fim);
    const QPointF meio = (inicio + fim) / 2 + QPointF(0, -alto - 3);
    rotulo(p, meio + QPointF(-6, 0), QStringLiteral("q (kN/m)"), fonte(13, true, true),
           Qt::AlignRight | Qt::AlignBottom, cor::carga());
    legenda(p, s, QStringLiteral("Carga definida pelo usuário"));
}

void nula(QPainter& p, const QSize& s)
{
    bloco(p);
    legenda(p, s, QStringLiteral("Sobrecarga nula"));
}

} // namespace

ListaFiguras figurasDistribuidas()
{
    const QSize tamanho(260, 200);
    return {
        {QStringLiteral("1CargaDist.bmp"), tamanho, umaArea},
        {QStringLiteral("2CargaDist.bmp"), tamanho, duasAreas},
        {QStringLiteral("usuario.bmp"), tamanho, usuario},
        {QStringLiteral("nula.bmp"), tamanho, nula},
    };
}

} // namespace fig
