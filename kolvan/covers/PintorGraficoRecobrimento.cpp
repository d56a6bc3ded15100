#include "PintorGraficoRecobrimento.h"

#include "TextoQt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {
QColor cor(CorClasse c) { return QColor(c.r, c.g, c.b); }
} // namespace

void pintarGraficoRecobrimento(QPainter& pintor, const GraficoRecobrimento& g)
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    for (const RetanguloGrafico& r : g.retangulos)
        pintor.fillRect(QRectF(r.x, r.y, r.largura, r.altura), cor(r.cor));
    for (const LinhaGrafico& l : g.linhas) {
        QPen caneta(cor(l.cor), l.espessura, l.tracejada ? Qt::DashLine : Qt::SolidLine);
        caneta.setCapStyle(Qt::FlatCap);
        pintor.setPen(caneta);
        pintor.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
    }
    for (const TextoGrafico& t : g.textos) {
        QFont fonte = pintor.font();
        fonte.setPixelSize(t.tamanho);
        fonte.setBold(t.negrito);
        pintor.setFont(fonte);
        pintor.setPen(cor(t.cor));
        const QString texto = qt(t.texto);
        const QFontMetricsF medida(fonte);
        const double largura = medida.horizontalAdvance(texto);
        const double x = t.alinhamento == AlinhamentoGrafico::esquerda ? t.x
                         : t.alinhamento == AlinhamentoGrafico::centro ? t.x - largura / 2
                                                                       : t.x - largura;
        pintor.drawText(QPointF(x, t.y + (medida.ascent() - medida.descent()) / 2), texto);
    }
    pintor.restore();
}

AreaGraficoRecobrimento::AreaGraficoRecobrimento(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GraficoRecobrimento"));
    setMinimumSize(480, 300);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
}

void AreaGraficoRecobrimento::definirDiametro(const DiametroRecobrimento* d)
{
    diametro_ = d;
    update();
}

void AreaGraficoRecobrimento::paintEvent(QPaintEvent*)
{
    if (!diametro_)
        return;
    QPainter pintor(this);
    pintarGraficoRecobrimento(pintor, montarGraficoRecobrimento(*diametro_, width(), height()));
}
