// Concrete cradles of the class A trench bedding: with reinforcement ("co")
// or plain ("se"), rising 1/2, 1/4 or 1/6 of the external diameter up the
// sides of the pipe; each picture carries its equivalence factor.
#include "figuras.h"

namespace fig {

namespace {

constexpr double cx = 110, R = 34, yBase = 104, yFundo = 111;
constexpr double espessura = R / 2.4; // di/4 under the invert
constexpr double x0 = cx - R - 15, x1 = cx + R + 15;

void berco(QPainter& p, const QSize& s, bool armado, int divisor, const QString& fator)
{
    const double invert = yBase - espessura;
    const QPointF c(cx, invert - R);
    const double altura = 2 * R / divisor;
    const double yTopo = invert - altura;

    preencher(p, retangulo(0, yBase, s.width(), yFundo), Material::TerrenoNatural);
    superficie(p, QPointF(0, yBase), QPointF(s.width(), yBase));
    QPainterPath furo;
    furo.addEllipse(c, R, R);
    const QPainterPath concreto = retangulo(x0, yTopo, x1, yBase).subtracted(furo);
    preencher(p, concreto, Material::Concreto, 53 + divisor);
    p.setPen(QPen(cor::traco(), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(concreto);

    if (armado) {
        // Transverse bar along the outer faces and the longitudinal bars on it.
        const double r = 4;
        const QPolygonF barra({QPointF(x0 + r, yTopo + 3), QPointF(x0 + r, yBase - r),
                               QPointF(x1 - r, yBase - r), QPointF(x1 - r, yTopo + 3)});
        p.setPen(QPen(cor::armadura(), 1.4));
        p.drawPolyline(barra);
        p.setPen(Qt::NoPen);
        p.setBrush(cor::armadura());
        for (double x = x0 + r; x <= x1 - r + 0.1; x += (x1 - x0 - 2 * r) / 8)
            p.drawEllipse(QPointF(x, yBase - r - 2.2), 1.8, 1.8);
        for (double y = yBase - r - 12; y > yTopo + 4; y -= 10) {
            p.drawEllipse(QPointF(x0 + r + 2.2, y), 1.8, 1.8);
            p.drawEllipse(QPointF(x1 - r - 2.2, y), 1.8, 1.8);
        }
    }
    tubo(p, c, R);

    // Height of the cradle above the invert and its thickness under it.
    const double xd = x1 + 12;
    linhaExtensao(p, QPointF(x1 + 2, yTopo), QPointF(xd + 4, yTopo));
    linhaExtensao(p, QPointF(cx + 4, invert), QPointF(xd + 4, invert));
    cota(p, QPointF(xd, yTopo), QPointF(xd, invert), QStringLiteral("de/%1").arg(divisor), 2, true,
         0.5, 11);
    const double xe = x0 - 12;
    linhaExtensao(p, QPointF(cx - 4, invert), QPointF(xe - 4, invert));
    cota(p, QPointF(xe, yBase), QPointF(xe, invert), QStringLiteral("di/4"), 2, true, 0.5, 11);

    rotulo(p, QPointF(6, 4), armado ? QStringLiteral("Com armadura") : QStringLiteral("Sem armadura"),
           fonte(11), Qt::AlignLeft | Qt::AlignTop, armado ? cor::armadura() : cor::legenda());
    legenda(p, s, QStringLiteral("Fator de equivalência = ") + fator, 11);
}

Figura figura(const char* nome, bool armado, int divisor, const char* fator)
{
    const QString f = QString::fromUtf8(fator);
    return {QString::fromUtf8(nome), QSize(220, 130),
            [armado, divisor, f](QPainter& p, const QSize& s) { berco(p, s, armado, divisor, f); }};
}

} // namespace

ListaFiguras figurasBercos()
{
    return {
        figura("feco12.bmp", true, 2, "4,0"),  figura("fese12.bmp", false, 2, "3,0"),
        figura("feco14.bmp", true, 4, "2,8"),  figura("fese14.bmp", false, 4, "2,2"),
        figura("feco16.bmp", true, 6, "2,3"),  figura("fese16.bmp", false, 6, "2,0"),
    };
}

} // namespace fig
