// Pipe cross-section of the geometry windows and the three installation
// types of the installation window.
#include "figuras.h"

namespace fig {

namespace {

const QFont nota() { return fonte(11); }

// Two-line note over the drawing ("Terreno" / "natural").
void nota2(QPainter& p, QPointF centro, const QString& l1, const QString& l2)
{
    rotulo(p, centro + QPointF(0, -7), l1, nota(), Qt::AlignCenter, cor::legenda(), true);
    rotulo(p, centro + QPointF(0, 7), l2, nota(), Qt::AlignCenter, cor::legenda(), true);
}

void seccao(QPainter& p, const QSize&)
{
    const QPointF c(100, 110);
    const double R = 66, r = 55;
    linhaEixo(p, QPointF(c.x() - R - 8, c.y()), QPointF(c.x() + R + 8, c.y()));
    linhaEixo(p, QPointF(c.x(), c.y() - R - 8), QPointF(c.x(), c.y() + R + 8));
    tubo(p, c, R, r);
    linhaEixo(p, QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    linhaEixo(p, QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));

    // de over the pipe, di across the bore, t through the wall.
    const double yde = 26;
    linhaExtensao(p, QPointF(c.x() - R, c.y() - 4), QPointF(c.x() - R, yde - 4));
    linhaExtensao(p, QPointF(c.x() + R, c.y() - 4), QPointF(c.x() + R, yde - 4));
    cota(p, QPointF(c.x() - R, yde), QPointF(c.x() + R, yde), QStringLiteral("de"), 2, true);
    cota(p, QPointF(c.x() - r, c.y() - 14), QPointF(c.x() + r, c.y() - 14),
         QStringLiteral("di"), 2, true);
    const QPointF u(0.7071, 0.7071);
    cotaExterna(p, c + u * r, c + u * R, QStringLiteral("t"));
}

// Ground everywhere below the surface y = ys down to y = yf, except `vazio`.
void terreno(QPainter& p, const QSize& s, double ys, double yf, const QPainterPath& vazio)
{
    preencher(p, retangulo(0, ys, s.width(), yf).subtracted(vazio), Material::TerrenoNatural);
    p.save();
    p.setPen(QPen(cor::terreno(), 1.0));
    p.drawLine(QPointF(0, yf), QPointF(s.width(), yf));
    p.restore();
}

void vala(QPainter& p, const QSize& s)
{
    const double ys = 52, yb = 182, x0 = 80, x1 = 190, yf = 198;
    const QPointF c(135, yb - 31);
    const double R = 32;
    const QPainterPath trincheira = retangulo(x0, ys, x1, yb);
    terreno(p, s, ys, yf, trincheira);
    preencher(p, trincheira, Material::Aterro, 3);
    superficie(p, QPointF(0, ys), QPointF(x0, ys));
    superficie(p, QPointF(x1, ys), QPointF(s.width(), ys));
    p.setPen(QPen(cor::terreno(), 1.6));
    p.drawPolyline(QPolygonF({QPointF(x0, ys), QPointF(x0, yb), QPointF(x1, yb), QPointF(x1, ys)}));
    p.setPen(QPen(QColor(150, 120, 80), 1.0, Qt::DashLine));
    p.drawLine(QPointF(x0, ys), QPointF(x1, ys));
    tubo(p, c, R);

    const double topo = c.y() - R;
    linhaExtensao(p, QPointF(c.x() - 22, topo), QPointF(c.x() + 4, topo));
    cota(p, QPointF(c.x() - 18, ys), QPointF(c.x() - 18, topo), QStringLiteral("hs"), 3, true);
    linhaExtensao(p, QPointF(x0, ys - 3), QPointF(x0, 24));
    linhaExtensao(p, QPointF(x1, ys - 3), QPointF(x1, 24));
    cota(p, QPointF(x0, 30), QPointF(x1, 30), QStringLiteral("bv"), 2);
    nota2(p, QPointF(40, 118), QStringLiteral("Terreno"), QStringLiteral("natural"));
    rotulo(p, QPointF(166, 96), QStringLiteral("Aterro"), nota(), Qt::AlignCenter, cor::legenda(),
           true);
    legenda(p, s, QStringLiteral("Instalação em vala"));
}

void projecaoPositiva(QPainter& p, const QSize& s)
{
    const double yg = 160, yt = 48, xa = 55, xb = 205, yf = 198;
    const double R = 32;
    const QPointF c(130, yg - 44 + R);
    QPainterPath furo;
    furo.addEllipse(c, R, R);
    terreno(p, s, yg, yf, furo);
    const QPainterPath aterro =
        poligono({{xa, yt}, {xb, yt}, {xb + (yg - yt), yg}, {xa - (yg - yt), yg}});
    preencher(p, aterro, Material::Aterro, 5);
    p.setPen(QPen(cor::terreno(), 1.6));
    p.drawPolyline(QPolygonF({QPointF(xa - (yg - yt), yg), QPointF(xa, yt), QPointF(xb, yt),
                              QPointF(xb + (yg - yt), yg)}));
    superficie(p, QPointF(0, yg), QPointF(s.width(), yg));
    tubo(p, c, R);

    const double topo = c.y() - R;
    linhaExtensao(p, QPointF(c.x() - 4, topo), QPointF(c.x() + 62, topo));
    cota(p, QPointF(c.x(), yt), QPointF(c.x(), topo), QStringLiteral("hs"), 3, true);
    cota(p, QPointF(c.x() + 56, topo), QPointF(c.x() + 56, yg), QStringLiteral("ha"), 3, true);
    rotulo(p, QPointF(68, 118), QStringLiteral("Aterro"), nota(), Qt::AlignCenter,
           cor::legenda(), true);
    rotulo(p, QPointF(8, 180), QStringLiteral("Terreno natural"), nota(),
           Qt::AlignLeft | Qt::AlignVCenter, cor::legenda(), true);
    legenda(p, s, QStringLiteral("Aterro com projeção positiva"));
}

void projecaoNegativa(QPainter& p, const QSize& s, bool compactado)
{
    const double yg = 102, yt = 44, xa = 48, xb = 212, yf = 198;
    const double x0 = 72, x1 = 188, yb = 184, R = 29;
    const QPointF c(130, yb - R + 1);
    const Material enchimento = compactado ? Material::AterroCompactado : Material::Aterro;
    const QPainterPath trincheira = retangulo(x0, yg, x1, yb);
    terreno(p, s, yg, yf, trincheira);
    const QPainterPath aterro =
        poligono({{xa, yt}, {xb, yt}, {xb + (yg - yt), yg}, {xa - (yg - yt), yg}});
    preencher(p, aterro.united(trincheira), enchimento, 7);
    p.setPen(QPen(cor::terreno(), 1.6));
    p.drawPolyline(QPolygonF({QPointF(xa - (yg - yt), yg), QPointF(xa, yt), QPointF(xb, yt),
                              QPointF(xb + (yg - yt), yg)}));
    superficie(p, QPointF(0, yg), QPointF(x0, yg));
    superficie(p, QPointF(x1, yg), QPointF(s.width(), yg));
    p.setPen(QPen(cor::terreno(), 1.6));
    p.drawPolyline(QPolygonF({QPointF(x0, yg), QPointF(x0, yb), QPointF(x1, yb), QPointF(x1, yg)}));
    p.setPen(QPen(QColor(150, 120, 80), 1.0, Qt::DashLine));
    p.drawLine(QPointF(x0, yg), QPointF(x1, yg));
    tubo(p, c, R);

    const double topo = c.y() - R;
    linhaExtensao(p, QPointF(c.x() - 24, topo), QPointF(c.x() + 44, topo));
    cota(p, QPointF(c.x() - 20, yt), QPointF(c.x() - 20, topo), QStringLiteral("hs"), 3, true,
         0.3);
    cota(p, QPointF(c.x() + 40, yg), QPointF(c.x() + 40, topo), QStringLiteral("ha"), 2, true);
    linhaExtensao(p, QPointF(x0, yg - 3), QPointF(x0, yg - 18));
    linhaExtensao(p, QPointF(x1, yg - 3), QPointF(x1, yg - 18));
    cota(p, QPointF(x0, yg - 13), QPointF(x1, yg - 13), QStringLiteral("bv"), 2, true, 0.7);
    if (compactado)
        nota2(p, QPointF(58, 74), QStringLiteral("Aterro"), QStringLiteral("compactado"));
    else
        rotulo(p, QPointF(62, 74), QStringLiteral("Aterro"), nota(), Qt::AlignCenter,
               cor::legenda(), true);
    nota2(p, QPointF(36, 145), QStringLiteral("Terreno"), QStringLiteral("natural"));
    legenda(p, s, QStringLiteral("Aterro com projeção negativa"));
}

} // namespace

ListaFiguras figurasInstalacao()
{
    const QSize instalacao(260, 220);
    return {
        {QStringLiteral("secc.bmp"), QSize(200, 200), seccao},
        {QStringLiteral("Vala.bmp"), instalacao, vala},
        {QStringLiteral("SaliPosi.bmp"), instalacao, projecaoPositiva},
        {QStringLiteral("SaliNega1.bmp"), instalacao,
         [](QPainter& p, const QSize& s) { projecaoNegativa(p, s, false); }},
        {QStringLiteral("SaliNega2.bmp"), instalacao,
         [](QPainter& p, const QSize& s) { projecaoNegativa(p, s, true); }},
    };
}

} // namespace fig
