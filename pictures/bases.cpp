// Bedding classes A to D of the pipe in a trench (Vala) and under an
// embankment (Sali).
#include "figuras.h"

#include <QtMath>

namespace fig {

namespace {

constexpr double cx = 130, R = 38, yFundo = 160;
// Trench walls and bottom.
constexpr double xV0 = 62, xV1 = 198, yV = 146, ySup = 12;
// Natural ground under the embankment, and the embankment top.
constexpr double yTerreno = 124, yAterro = 14, xA0 = 50, xA1 = 210;

const QString nomes[] = {
    QStringLiteral("Classe A – Base de concreto"),
    QStringLiteral("Classe B – Base de primeira classe"),
    QStringLiteral("Classe C – Base comum"),
    QStringLiteral("Classe D – Base condenável"),
};

QPainterPath circulo(QPointF c, double r)
{
    QPainterPath caminho;
    caminho.addEllipse(c, r, r);
    return caminho;
}

// Depth of a circle's bottom below the chord of width `fracao`·2R.
double flecha(double fracao) { return R * (1 - qSqrt(1 - fracao * fracao)); }

// Empty wedges beside the bottom of a pipe resting on the line y = base.
void vazios(QPainter& p, QPointF c, double base)
{
    const double ang = qDegreesToRadians(62.0);
    const QPainterPath tuboCheio = circulo(c, R);
    for (int lado : {-1, 1}) {
        const QPainterPath cunha = poligono({{c.x() + lado * R * qSin(ang), c.y() + R * qCos(ang)},
                                             {c.x() + lado * R * 1.12, base},
                                             {c.x(), base}}).subtracted(tuboCheio);
        p.fillPath(cunha, Qt::white);
        p.setPen(QPen(QColor(90, 90, 90), 0.9, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cunha);
    }
}

// Cradle of class A: thickness di/4 under the invert, up to de/4 beside it.
QPainterPath berco(double x0, double x1, double invert, double base)
{
    return retangulo(x0, invert - R / 2, x1, base).subtracted(circulo({cx, invert - R}, R));
}

void cotasBerco(QPainter& p, double xCota, double invert, double base)
{
    linhaExtensao(p, QPointF(cx + 4, invert), QPointF(xCota + 4, invert));
    cota(p, QPointF(xCota, invert - R / 2), QPointF(xCota, invert), QStringLiteral("de/4"), 2,
         true, 0.5, 11);
    cota(p, QPointF(cx, invert), QPointF(cx, base), QStringLiteral("di/4"), 2, true, 0.5, 11);
}

// Dimension of the envelope over the crown ("≥ 30 cm"), its text above it.
void cotaEnvoltoria(QPainter& p, double topo, double yEnv, const QString& texto)
{
    linhaExtensao(p, QPointF(cx - 4, topo), QPointF(cx - 30, topo));
    cota(p, QPointF(cx - 26, yEnv), QPointF(cx - 26, topo), QString());
    rotulo(p, QPointF(cx - 26, yEnv - 3), texto, fonte(11, false, true),
           Qt::AlignHCenter | Qt::AlignBottom, cor::cota(), true);
}

void vala(QPainter& p, const QSize& s, int classe)
{
    const QPainterPath trincheira = retangulo(xV0, ySup, xV1, yV);
    double invert = yV;
    if (classe == 0)
        invert = yV - R / 2.4;
    else if (classe == 1)
        invert = yV - 8;
    else if (classe == 2)
        invert = yV + flecha(0.5);
    const QPointF c(cx, invert - R);
    preencher(p, retangulo(0, ySup, s.width(), yFundo).subtracted(trincheira).subtracted(circulo(c, R)),
              Material::TerrenoNatural);
    preencher(p, trincheira, Material::Aterro, 23);
    const double envoltoria = classe == 1 ? c.y() - R - 16 : c.y() - R - 9;
    if (classe == 0)
        preencher(p, berco(xV0, xV1, invert, yV), Material::Concreto, 29);
    else if (classe <= 2)
        preencher(p, retangulo(xV0, envoltoria, xV1, yV).subtracted(circulo(c, R)),
                  Material::Granular, 31);
    if (classe == 1) { // compacted in layers
        p.setPen(QPen(QColor(130, 120, 100), 0.8, Qt::DashLine));
        for (double y = yV - 10; y > envoltoria; y -= 10)
            p.drawLine(QPointF(xV0, y), QPointF(xV1, y));
    }
    if (classe == 3)
        vazios(p, c, yV);
    p.setPen(QPen(cor::traco(), 1.0));
    if (classe == 0)
        p.drawPath(berco(xV0, xV1, invert, yV));
    else if (classe <= 2)
        p.drawLine(QPointF(xV0, envoltoria), QPointF(xV1, envoltoria));
    p.setPen(QPen(cor::terreno(), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(xV0, ySup), QPointF(xV0, yV), QPointF(xV1, yV), QPointF(xV1, ySup)}));
    superficie(p, QPointF(0, ySup), QPointF(xV0, ySup));
    superficie(p, QPointF(xV1, ySup), QPointF(s.width(), ySup));
    tubo(p, c, R);
    if (classe == 0)
        cotasBerco(p, xV1 - 12, invert, yV);
    else if (classe == 1)
        cotaEnvoltoria(p, c.y() - R, envoltoria, QStringLiteral("≥ 30 cm"));
    else if (classe == 2)
        cotaEnvoltoria(p, c.y() - R, envoltoria, QStringLiteral("≥ 15 cm"));
    legenda(p, s, nomes[classe], 11);
}

void aterro(QPainter& p, const QSize& s, int classe)
{
    double invert = yTerreno;
    if (classe == 0)
        invert = yTerreno + 5 - R / 2.4;
    else if (classe <= 2)
        invert = yTerreno + 0.2 * R; // shaped over a tenth of the height
    const QPointF c(cx, invert - R);
    const QPainterPath talude = poligono({{xA0, yAterro}, {xA1, yAterro},
                                          {xA1 + yTerreno - yAterro, yTerreno},
                                          {xA0 - (yTerreno - yAterro), yTerreno}});
    const double x0 = cx - R - 16, x1 = cx + R + 16;
    const QPainterPath berc = berco(x0, x1, invert, yTerreno + 5);
    QPainterPath terreno = retangulo(0, yTerreno, s.width(), yFundo).subtracted(circulo(c, R));
    if (classe == 0)
        terreno = terreno.subtracted(retangulo(x0, yTerreno, x1, yTerreno + 5));
    preencher(p, terreno, Material::TerrenoNatural);
    preencher(p, talude, Material::Aterro, 37);
    QPainterPath envoltoria;
    if (classe == 1)
        envoltoria = poligono({{cx - 2.3 * R, yTerreno}, {cx - 1.35 * R, c.y() - 1.6 * R},
                               {cx + 1.35 * R, c.y() - 1.6 * R}, {cx + 2.3 * R, yTerreno}});
    else if (classe == 2)
        envoltoria = poligono({{cx - 2.0 * R, yTerreno}, {cx - 1.3 * R, c.y() - 0.1 * R},
                               {cx + 1.3 * R, c.y() - 0.1 * R}, {cx + 2.0 * R, yTerreno}});
    envoltoria = envoltoria.subtracted(circulo(c, R));
    if (classe == 0)
        preencher(p, berc, Material::Concreto, 41);
    else if (classe == 1)
        preencher(p, envoltoria, Material::AterroCompactado, 43);
    else if (classe == 2)
        preencher(p, envoltoria, Material::Granular, 47);
    else
        vazios(p, c, yTerreno);
    p.setPen(QPen(cor::traco(), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(classe == 0 ? berc : envoltoria);
    p.setPen(QPen(cor::terreno(), 1.6));
    p.drawPolyline(QPolygonF({QPointF(0, yAterro + xA0), QPointF(xA0, yAterro),
                              QPointF(xA1, yAterro), QPointF(s.width(), yAterro + xA0)}));
    superficie(p, QPointF(0, yTerreno), QPointF(classe == 0 ? x0 : s.width(), yTerreno));
    if (classe == 0)
        superficie(p, QPointF(x1, yTerreno), QPointF(s.width(), yTerreno));
    p.setPen(QPen(cor::terreno(), 1.0));
    p.drawLine(QPointF(0, yFundo), QPointF(s.width(), yFundo));
    tubo(p, c, R);
    if (classe == 0)
        cotasBerco(p, x1 + 10, invert, yTerreno + 5);
    legenda(p, s, nomes[classe], 11);
}

} // namespace

ListaFiguras figurasBases()
{
    const QSize tamanho(260, 180);
    ListaFiguras lista;
    const QString letras = QStringLiteral("ABCD");
    for (int classe = 0; classe < 4; ++classe)
        lista.push_back({QStringLiteral("ValaClasse%1.bmp").arg(letras[classe]), tamanho,
                         [classe](QPainter& p, const QSize& s) { vala(p, s, classe); }});
    for (int classe = 0; classe < 4; ++classe)
        lista.push_back({QStringLiteral("SaliClasse%1.bmp").arg(letras[classe]), tamanho,
                         [classe](QPainter& p, const QSize& s) { aterro(p, s, classe); }});
    return lista;
}

} // namespace fig
