// The manufacturer logo a new installation starts with (blank), the blank logo and the three emblems of
// the splash and about windows.
#include "figuras.h"

#include <QtMath>

namespace fig {

namespace {

QPointF polar(QPointF c, double raio, double graus)
{
    const double a = qDegreesToRadians(graus);
    return c + QPointF(qCos(a), qSin(a)) * raio;
}

// Blue hexagon holding three interlocked rings.
void emblemaAneis(QPainter& p, const QSize&)
{
    const QPointF c(40, 40);
    QPolygonF hexagono;
    for (int i = 0; i < 6; ++i)
        hexagono << polar(c, 36, 30 + 60 * i);
    p.setPen(QPen(QColor(20, 70, 140), 2.5));
    p.setBrush(QColor(225, 236, 250));
    p.drawPolygon(hexagono);
    const QColor cores[] = {QColor(20, 90, 170), QColor(0, 140, 160), QColor(60, 60, 150)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(cores[i], 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(polar(c, 9, -90 + 120 * i), 13, 13);
    }
}

// Green circle with three rising chevrons.
void emblemaDivisas(QPainter& p, const QSize&)
{
    const QPointF c(40, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 70));
    p.drawEllipse(c, 37, 37);
    p.setBrush(QColor(235, 248, 238));
    p.drawEllipse(c, 31, 31);
    const QColor cores[] = {QColor(30, 120, 70), QColor(70, 160, 90), QColor(140, 195, 80)};
    for (int i = 0; i < 3; ++i) {
        const double y = 56 - 15 * i;
        QPen caneta(cores[i], 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(caneta);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(22, y), QPointF(40, y - 13), QPointF(58, y)}));
    }
}

// Orange square turned on its corner, split by a quarter circle and a bar.
void emblemaLosango(QPainter& p, const QSize&)
{
    const QPolygonF losango({QPointF(40, 3), QPointF(77, 40), QPointF(40, 77), QPointF(3, 40)});
    p.setPen(QPen(QColor(170, 70, 20), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(253, 236, 220));
    p.drawPolygon(losango);
    p.save();
    QPainterPath recorte;
    recorte.addPolygon(losango);
    p.setClipPath(recorte);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 120, 40));
    p.drawEllipse(QPointF(40, 77), 30, 30);
    p.setBrush(QColor(200, 60, 40));
    p.drawRect(QRectF(10, 30, 60, 6));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 70, 20));
    p.drawEllipse(QPointF(40, 20), 5, 5);
}

} // namespace

ListaFiguras figurasLogotipos()
{
    return {
        // No logo yet: blank, so a report prints nothing where a logo would go.
        {QStringLiteral("logofabri.bmp"), QSize(160, 80), [](QPainter&, const QSize&) {}},
        {QStringLiteral("logobran.bmp"), QSize(160, 80), [](QPainter&, const QSize&) {}},
        {QStringLiteral("qzmr.bmp"), QSize(80, 80), emblemaAneis},
        {QStringLiteral("wvkp.bmp"), QSize(80, 80), emblemaDivisas},
        {QStringLiteral("hlno.bmp"), QSize(80, 80), emblemaLosango},
    };
}

} // namespace fig
