// Materials (soil, fill, concrete...) and the pipe ring.
#include "ferramentas.h"

#include <cmath>
#include <random>

namespace fig {

namespace {

// Grains scattered over the bounding box of the area; the clip keeps them
// inside. A fixed seed makes every run draw the same picture.
template <typename Grao>
void espalhar(const QRectF& caixa, double densidade, unsigned semente, Grao grao)
{
    std::mt19937 gerador(semente);
    std::uniform_real_distribution<double> ux(caixa.left(), caixa.right());
    std::uniform_real_distribution<double> uy(caixa.top(), caixa.bottom());
    std::uniform_real_distribution<double> u01(0.0, 1.0);
    const int quantos = static_cast<int>(caixa.width() * caixa.height() * densidade);
    for (int i = 0; i < quantos; ++i)
        grao(QPointF(ux(gerador), uy(gerador)), u01(gerador));
}

void hachura(QPainter& p, const QRectF& caixa, double passo, const QColor& c, double largura)
{
    p.setPen(QPen(c, largura));
    const double altura = caixa.height();
    for (double x = caixa.left() - altura; x < caixa.right() + passo; x += passo)
        p.drawLine(QPointF(x, caixa.bottom()), QPointF(x + altura, caixa.top()));
}

} // namespace

void preencher(QPainter& p, const QPainterPath& area, Material m, unsigned semente)
{
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    const QRectF caixa = area.boundingRect().adjusted(-2, -2, 2, 2);
    p.setPen(Qt::NoPen);
    switch (m) {
    case Material::TerrenoNatural:
        p.fillPath(area, QColor(228, 208, 172));
        hachura(p, caixa, 9, QColor(168, 128, 80), 0.9);
        break;
    case Material::Aterro:
        p.fillPath(area, QColor(247, 238, 216));
        espalhar(caixa, 0.035, semente, [&](QPointF q, double r) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 140, 95));
            p.drawEllipse(q, 0.7 + 0.5 * r, 0.7 + 0.5 * r);
        });
        break;
    case Material::AterroCompactado: {
        p.fillPath(area, QColor(240, 226, 196));
        espalhar(caixa, 0.05, semente, [&](QPointF q, double r) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(160, 128, 85));
            p.drawEllipse(q, 0.7 + 0.4 * r, 0.7 + 0.4 * r);
        });
        QPen camada(QColor(150, 115, 70), 0.9, Qt::DashLine);
        p.setPen(camada);
        for (double y = caixa.bottom() - 9; y > caixa.top(); y -= 9)
            p.drawLine(QPointF(caixa.left(), y), QPointF(caixa.right(), y));
        break;
    }
    case Material::Granular:
        p.fillPath(area, QColor(238, 234, 222));
        espalhar(caixa, 0.05, semente, [&](QPointF q, double r) {
            p.setPen(QPen(QColor(120, 115, 100), 0.7));
            p.setBrush(QColor(214, 208, 192));
            p.drawEllipse(q, 1.3 + r, 1.1 + 0.8 * r);
        });
        break;
    case Material::Concreto:
        p.fillPath(area, QColor(206, 208, 210));
        espalhar(caixa, 0.03, semente, [&](QPointF q, double r) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 122, 126));
            if (r < 0.7) {
                p.drawEllipse(q, 0.8, 0.8);
            } else {
                const double a = 2.2;
                p.drawPolygon(QPolygonF({q + QPointF(0, -a), q + QPointF(a, a * 0.7),
                                         q + QPointF(-a, a * 0.7)}));
            }
        });
        break;
    case Material::Pavimento:
        p.fillPath(area, QColor(95, 95, 100));
        espalhar(caixa, 0.06, semente, [&](QPointF q, double) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(140, 140, 145));
            p.drawEllipse(q, 0.7, 0.7);
        });
        break;
    case Material::Lastro:
        p.fillPath(area, QColor(200, 198, 192));
        espalhar(caixa, 0.045, semente, [&](QPointF q, double r) {
            p.setPen(QPen(QColor(90, 90, 90), 0.7));
            p.setBrush(QColor(160, 158, 152));
            p.drawEllipse(q, 1.8 + r, 1.4 + r * 0.8);
        });
        break;
    }
    p.restore();
}

void superficie(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    p.setPen(QPen(cor::terreno(), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.restore();
}

void tubo(QPainter& p, QPointF centro, double raioExterno, double raioInterno)
{
    QPainterPath parede;
    parede.addEllipse(centro, raioExterno, raioExterno);
    QPainterPath furo;
    furo.addEllipse(centro, raioInterno, raioInterno);
    p.save();
    p.fillPath(furo, Qt::white);
    preencher(p, parede.subtracted(furo), Material::Concreto,
              static_cast<unsigned>(raioExterno * 7 + centro.x()));
    p.setPen(QPen(cor::traco(), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centro, raioExterno, raioExterno);
    p.setPen(QPen(cor::traco(), 1.2));
    p.drawEllipse(centro, raioInterno, raioInterno);
    p.restore();
}

} // namespace fig
