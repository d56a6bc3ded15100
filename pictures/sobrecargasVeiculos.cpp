// Surcharges of moving loads: road vehicle, railway and aircraft over the
// buried pipe (side view of the vehicle, cross-section of the pipe).
#include "figuras.h"

namespace fig {

namespace {

constexpr double ySuperficie = 92;
constexpr double yFundo = 182;
constexpr double raioTubo = 25;
const QPointF centroTubo(130, 154);

// Soil, pipe and cover height common to the three pictures; `revestimento`
// is the thickness of the pavement or of the runway slab.
void solo(QPainter& p, const QSize& s, Material camada, double revestimento)
{
    preencher(p, retangulo(0, ySuperficie, s.width(), yFundo), Material::Aterro, 11);
    if (revestimento > 0) {
        preencher(p, retangulo(0, ySuperficie, s.width(), ySuperficie + revestimento), camada);
        p.setPen(QPen(cor::traco(), 0.8));
        p.drawLine(QPointF(0, ySuperficie + revestimento),
                   QPointF(s.width(), ySuperficie + revestimento));
    }
    superficie(p, QPointF(0, ySuperficie), QPointF(s.width(), ySuperficie));
    p.setPen(QPen(cor::terreno(), 1.0));
    p.drawLine(QPointF(0, yFundo), QPointF(s.width(), yFundo));
    tubo(p, centroTubo, raioTubo);
    const double topo = centroTubo.y() - raioTubo;
    linhaExtensao(p, QPointF(centroTubo.x() + 4, topo), QPointF(244, topo));
    cota(p, QPointF(238, ySuperficie), QPointF(238, topo), QStringLiteral("hs"), 2, true);
}

// Dashed lines of the load spreading down from a contact width to the crown.
void espraiamento(QPainter& p, double x0, double x1, double yContato)
{
    const double yTopo = centroTubo.y() - raioTubo;
    const double abertura = 0.7 * (yTopo - yContato);
    p.save();
    QPen caneta(cor::carga(), 0.9, Qt::DashLine);
    p.setPen(caneta);
    p.drawLine(QPointF(x0, yContato), QPointF(x0 - abertura, yTopo));
    p.drawLine(QPointF(x1, yContato), QPointF(x1 + abertura, yTopo));
    p.restore();
}

void roda(QPainter& p, QPointF centro, double raio)
{
    p.save();
    p.setPen(QPen(QColor(20, 20, 20), 1.0));
    p.setBrush(QColor(40, 40, 44));
    p.drawEllipse(centro, raio, raio);
    p.setBrush(QColor(170, 172, 178));
    p.drawEllipse(centro, raio * 0.5, raio * 0.5);
    p.setBrush(QColor(90, 90, 95));
    p.drawEllipse(centro, raio * 0.15, raio * 0.15);
    p.restore();
}

void rodoviario(QPainter& p, const QSize& s)
{
    solo(p, s, Material::Pavimento, 7);
    const double r = 11, yRoda = ySuperficie - r;
    // Three axles 1,5 m apart, the middle one over the pipe.
    const double eixos[] = {85, 130, 175};
    for (double x : eixos)
        espraiamento(p, x - 4, x + 4, ySuperficie);

    p.setPen(QPen(cor::traco(), 1.2));
    p.setBrush(QColor(230, 150, 40));
    p.drawRoundedRect(QRectF(78, 22, 146, 44), 2, 2); // body
    p.setBrush(QColor(70, 110, 170));
    QPainterPath cabine;
    cabine.moveTo(74, 70);
    cabine.lineTo(74, 38);
    cabine.lineTo(56, 38);
    cabine.lineTo(40, 54);
    cabine.lineTo(36, 70);
    cabine.closeSubpath();
    p.drawPath(cabine);
    p.setBrush(QColor(215, 235, 250));
    p.drawPolygon(QPolygonF({QPointF(70, 42), QPointF(57, 42), QPointF(46, 54), QPointF(70, 54)}));
    p.setBrush(QColor(60, 60, 64));
    p.drawRect(QRectF(34, 66, 194, 6)); // chassis
    for (double x : eixos)
        roda(p, QPointF(x, yRoda), r);
    p.setPen(QPen(QColor(150, 90, 20), 0.8));
    for (double x = 100; x < 224; x += 24)
        p.drawLine(QPointF(x, 24), QPointF(x, 64));
    legenda(p, s, QStringLiteral("Carga rodoviária"));
}

void ferroviario(QPainter& p, const QSize& s)
{
    solo(p, s, Material::Pavimento, 0);
    const double yLastro = 76;
    const QPainterPath lastro = poligono({{22, yLastro}, {238, yLastro}, {258, ySuperficie},
                                          {2, ySuperficie}});
    preencher(p, lastro, Material::Lastro, 13);
    p.setPen(QPen(cor::traco(), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lastro);
    for (double x = 30; x < 236; x += 20) { // sleepers in section
        p.setBrush(QColor(120, 84, 50));
        p.drawRect(QRectF(x, yLastro - 4, 12, 7));
    }
    p.setBrush(QColor(110, 112, 118));
    p.drawRect(QRectF(14, yLastro - 9, 232, 5)); // rail
    espraiamento(p, 100, 160, yLastro + 3);

    const double r = 10, yRoda = yLastro - 9 - r;
    p.setPen(QPen(cor::traco(), 1.2));
    p.setBrush(QColor(40, 120, 90));
    p.drawRoundedRect(QRectF(18, 10, 224, 30), 3, 3); // wagon body
    p.setBrush(QColor(215, 235, 250));
    for (double x = 30; x < 230; x += 28)
        p.drawRect(QRectF(x, 16, 18, 10));
    p.setBrush(QColor(60, 60, 64));
    for (double centro : {60.0, 200.0}) {
        p.drawRect(QRectF(centro - 30, 40, 60, 8)); // bogie frame
        roda(p, QPointF(centro - 16, yRoda), r);
        roda(p, QPointF(centro + 16, yRoda), r);
    }
    legenda(p, s, QStringLiteral("Carga ferroviária"));
}

void aeroviario(QPainter& p, const QSize& s)
{
    solo(p, s, Material::Concreto, 8);
    const double r = 12, yRoda = ySuperficie - r;
    espraiamento(p, 112, 148, ySuperficie);

    p.setPen(QPen(cor::traco(), 1.2));
    // Landing gear legs first, the fuselage covers their tops.
    p.setBrush(QColor(120, 122, 128));
    p.drawRect(QRectF(127, 40, 6, 36));
    p.drawRect(QRectF(112, 72, 36, 5));
    p.drawRect(QRectF(31, 40, 4, 34));

    QPainterPath fuselagem;
    fuselagem.moveTo(270, 14);
    fuselagem.lineTo(40, 14);
    fuselagem.cubicTo(18, 14, 8, 28, 6, 34);
    fuselagem.cubicTo(10, 42, 24, 46, 40, 46);
    fuselagem.lineTo(270, 46);
    fuselagem.closeSubpath();
    p.setBrush(QColor(236, 240, 246));
    p.drawPath(fuselagem);
    p.setPen(QPen(QColor(40, 90, 160), 3));
    p.drawLine(QPointF(30, 38), QPointF(260, 38));
    p.setPen(QPen(cor::traco(), 1.0));
    p.setBrush(QColor(40, 50, 70));
    p.drawPolygon(QPolygonF({QPointF(12, 26), QPointF(24, 20), QPointF(28, 26)})); // cockpit
    p.setBrush(QColor(190, 215, 240));
    for (double x = 48; x < 262; x += 12)
        p.drawRoundedRect(QRectF(x, 22, 6, 8), 2, 2);
    // Wing root and engine under the wing.
    p.setBrush(QColor(180, 186, 196));
    p.drawPolygon(QPolygonF({QPointF(150, 44), QPointF(230, 40), QPointF(250, 48),
                             QPointF(168, 54)}));
    p.setBrush(QColor(150, 156, 166));
    p.drawRoundedRect(QRectF(180, 50, 52, 16), 7, 7);

    roda(p, QPointF(33, ySuperficie - 8), 8);
    roda(p, QPointF(116, yRoda), r);
    roda(p, QPointF(144, yRoda), r);
    legenda(p, s, QStringLiteral("Carga aeroviária"));
}

} // namespace

ListaFiguras figurasVeiculos()
{
    const QSize tamanho(260, 200);
    return {
        {QStringLiteral("rodoviario.bmp"), tamanho, rodoviario},
        {QStringLiteral("ferroviario.bmp"), tamanho, ferroviario},
        {QStringLiteral("aeroviario.bmp"), tamanho, aeroviario},
    };
}

} // namespace fig
