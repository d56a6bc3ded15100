// Pictures of the small windows: splash background, warning sign and the
// picture of the exit question.
#include "figuras.h"

#include <QLinearGradient>

namespace fig {

namespace {

// Default window colour of the widget style, so that the small pictures
// blend into their windows.
const QColor fundoJanela(239, 239, 239);

// Calm blue gradient; a light band behind the logo row (about y 90 to 185)
// and a faint pipe motif at the sides, away from the titles at the top, the
// logos in the middle and the status line and progress bar at the bottom.
void fundoSplash(QPainter& p, const QSize& s)
{
    QLinearGradient ceu(0, 0, 0, s.height());
    ceu.setColorAt(0.0, QColor(208, 225, 242));
    ceu.setColorAt(0.26, QColor(236, 243, 250));
    ceu.setColorAt(0.32, Qt::white);
    ceu.setColorAt(0.68, Qt::white);
    ceu.setColorAt(0.76, QColor(236, 243, 250));
    ceu.setColorAt(1.0, QColor(214, 229, 244));
    p.fillRect(QRect(QPoint(0, 0), s), ceu);

    // Pipes seen end-on at the lower corners.
    const QColor traco(40, 90, 150, 34);
    p.setBrush(Qt::NoBrush);
    for (const QPointF c : {QPointF(-6, 300), QPointF(523, 300)}) {
        p.setPen(QPen(traco, 14));
        p.drawEllipse(c, 92, 92);
        p.setPen(QPen(traco, 2));
        p.drawEllipse(c, 70, 70);
        p.drawEllipse(c, 112, 112);
    }
}

void aviso(QPainter& p, const QSize& s)
{
    p.fillRect(QRect(QPoint(0, 0), s), fundoJanela);
    QPainterPath triangulo;
    triangulo.moveTo(24, 4);
    triangulo.lineTo(45, 42);
    triangulo.lineTo(3, 42);
    triangulo.closeSubpath();
    p.setPen(QPen(QColor(60, 45, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient amarelo(0, 4, 0, 42);
    amarelo.setColorAt(0, QColor(255, 226, 70));
    amarelo.setColorAt(1, QColor(245, 190, 20));
    p.setBrush(amarelo);
    p.drawPath(triangulo);
    // The exclamation mark: a tapered bar and a dot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 25, 10));
    p.drawPolygon(QPolygonF({QPointF(21.2, 15), QPointF(26.8, 15), QPointF(25.4, 31),
                             QPointF(22.6, 31)}));
    p.drawEllipse(QPointF(24, 36.2), 2.7, 2.7);
}

void sair(QPainter& p, const QSize& s)
{
    p.fillRect(QRect(QPoint(0, 0), s), fundoJanela);
    // Door frame, the dark opening and the door swung open towards us.
    p.setPen(QPen(QColor(70, 50, 30), 1.6));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(6, 5, 22, 38));
    p.setBrush(QColor(176, 120, 64));
    p.drawPolygon(QPolygonF({QPointF(6, 5), QPointF(19, 9), QPointF(19, 46), QPointF(6, 43)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 90));
    p.drawEllipse(QPointF(16.5, 26), 1.6, 1.6);
    // Arrow leaving through the door.
    p.setBrush(QColor(200, 40, 30));
    p.setPen(QPen(QColor(120, 20, 15), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(QPolygonF({QPointF(22, 21), QPointF(34, 21), QPointF(34, 14), QPointF(45, 25),
                             QPointF(34, 36), QPointF(34, 29), QPointF(22, 29)}));
}

} // namespace

ListaFiguras figurasJanelas()
{
    return {
        {QStringLiteral("fundoSplash.bmp"), QSize(517, 279), fundoSplash},
        {QStringLiteral("aviso.bmp"), QSize(48, 48), aviso},
        {QStringLiteral("sair.bmp"), QSize(48, 48), sair},
    };
}

} // namespace fig
