// Reinforcement arrangements of the design-parameter window: one central
// cage, or an inner and an outer cage with their distances to the faces.
#include "figuras.h"

#include <QFontMetricsF>
#include <QtMath>

namespace fig {

namespace {

const QPointF centro(100, 100);
constexpr double R = 70, r = 44;         // wall drawn thicker than to scale
constexpr double cobrimento = 8;         // d' of both cages, in the picture

QPointF polar(double graus)
{
    const double a = qDegreesToRadians(graus);
    return {qCos(a), qSin(a)};
}

// Cage: the circumferential bar and the longitudinal bars tied to it.
void gaiola(QPainter& p, double raio, bool barrasPorDentro)
{
    p.save();
    p.setPen(QPen(cor::armadura(), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centro, raio, raio);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::armadura());
    const double rb = barrasPorDentro ? raio - 2.4 : raio + 2.4;
    for (int i = 0; i < 24; ++i) {
        const double a = qDegreesToRadians(15.0 * i);
        p.drawEllipse(centro + QPointF(qCos(a), qSin(a)) * rb, 1.9, 1.9);
    }
    p.restore();
}

// "d′" followed by a lowered index ("int", "ext").
void rotuloD(QPainter& p, QPointF meio, const QString& indice)
{
    const QFont fd = fonte(13, false, true);
    const QFont fi = fonte(9, false, true);
    const double wd = QFontMetricsF(fd).horizontalAdvance(QStringLiteral("d′"));
    const double wi = QFontMetricsF(fi).horizontalAdvance(indice);
    const double x = meio.x() - (wd + wi) / 2;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(QRectF(x - 2, meio.y() - 8, wd + wi + 4, 17), 2, 2);
    p.restore();
    rotulo(p, QPointF(x, meio.y()), QStringLiteral("d′"), fd, Qt::AlignLeft | Qt::AlignVCenter);
    rotulo(p, QPointF(x + wd, meio.y() + 4), indice, fi, Qt::AlignLeft | Qt::AlignVCenter);
}

void armadura(QPainter& p, const QSize& s, bool dupla)
{
    linhaEixo(p, centro + QPointF(-R - 8, 0), centro + QPointF(R + 8, 0));
    linhaEixo(p, centro + QPointF(0, -r + 6), centro + QPointF(0, R + 8));
    tubo(p, centro, R, r);
    if (dupla) {
        gaiola(p, r + cobrimento, false);
        gaiola(p, R - cobrimento, true);
        // Distances of the cages to their faces, on two radii between bars.
        const QPointF ue = polar(232.5), ui = polar(307.5);
        cotaExterna(p, centro + ue * (R - cobrimento), centro + ue * R, QString());
        rotuloD(p, centro + ue * (R + 26), QStringLiteral("ext"));
        cotaExterna(p, centro + ui * (r + cobrimento), centro + ui * r, QString());
        rotuloD(p, centro + ui * (r - 25), QStringLiteral("int"));
    } else {
        gaiola(p, (R + r) / 2, false);
    }
    const QPointF u = polar(37.5);
    cotaExterna(p, centro + u * r, centro + u * R, QStringLiteral("h"));
    legenda(p, s, dupla ? QStringLiteral("Armadura dupla") : QStringLiteral("Armadura simples"));
}

} // namespace

ListaFiguras figurasArmadura()
{
    return {
        {QStringLiteral("AsSimples.bmp"), QSize(200, 200),
         [](QPainter& p, const QSize& s) { armadura(p, s, false); }},
        {QStringLiteral("AsDupla.bmp"), QSize(200, 200),
         [](QPainter& p, const QSize& s) { armadura(p, s, true); }},
    };
}

} // namespace fig
