#include "ferramentas.h"

#include <QFontMetricsF>
#include <QLineF>

#include <cmath>

namespace fig {

QFont fonte(double px, bool negrito, bool italico)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(std::lround(px)));
    f.setBold(negrito);
    f.setItalic(italico);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

namespace {

QRectF caixaTexto(QPointF ancora, const QString& texto, const QFont& f, Qt::Alignment al)
{
    const QFontMetricsF m(f);
    const double w = m.horizontalAdvance(texto);
    const double h = m.ascent() + m.descent();
    double x = ancora.x() - w / 2;
    if (al & Qt::AlignLeft)
        x = ancora.x();
    else if (al & Qt::AlignRight)
        x = ancora.x() - w;
    double y = ancora.y() - h / 2;
    if (al & Qt::AlignTop)
        y = ancora.y();
    else if (al & Qt::AlignBottom)
        y = ancora.y() - h;
    return {x, y, w, h};
}

void tracos(QPainter& p, const QColor& c, double largura, Qt::PenStyle estilo = Qt::SolidLine)
{
    QPen caneta(c, largura, estilo, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(caneta);
    p.setBrush(Qt::NoBrush);
}

} // namespace

void rotulo(QPainter& p, QPointF ancora, const QString& texto, const QFont& f,
            Qt::Alignment alinhamento, const QColor& c, bool fundo)
{
    p.save();
    const QRectF caixa = caixaTexto(ancora, texto, f, alinhamento);
    if (fundo) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawRoundedRect(caixa.adjusted(-2, 0, 2, 0), 2, 2);
    }
    p.setFont(f);
    p.setPen(c);
    p.drawText(caixa, Qt::AlignCenter, texto);
    p.restore();
}

void legenda(QPainter& p, const QSize& tamanho, const QString& texto, double px)
{
    rotulo(p, QPointF(tamanho.width() / 2.0, tamanho.height() - 3), texto, fonte(px, true),
           Qt::AlignHCenter | Qt::AlignBottom, cor::legenda());
}

void cota(QPainter& p, QPointF a, QPointF b, const QString& texto, double afastamento,
          bool fundo, double posicao, double px)
{
    p.save();
    tracos(p, cor::cota(), 1.0);
    p.drawLine(a, b);
    const QLineF linha(a, b);
    const QPointF u = (b - a) / linha.length();
    const QPointF n(u.y(), -u.x());
    // 45° ticks crossing each end.
    const QPointF risco = (u + n) * (4.0 / std::sqrt(2.0));
    QPen grossa(cor::cota(), 1.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(grossa);
    p.drawLine(a - risco, a + risco);
    p.drawLine(b - risco, b + risco);
    if (!texto.isEmpty()) {
        const QFont f = fonte(px, false, true);
        const QFontMetricsF m(f);
        const double meiaLargura = m.horizontalAdvance(texto) / 2;
        const double meiaAltura = (m.ascent() + m.descent()) / 2;
        const double extensao = std::abs(n.x()) * meiaLargura + std::abs(n.y()) * meiaAltura;
        const QPointF meio = a + (b - a) * posicao + n * (afastamento + extensao);
        rotulo(p, meio, texto, f, Qt::AlignCenter, cor::cota(), fundo);
    }
    p.restore();
}

void cotaExterna(QPainter& p, QPointF a, QPointF b, const QString& texto, bool fundo)
{
    p.save();
    const QLineF linha(a, b);
    const QPointF u = (b - a) / linha.length();
    tracos(p, cor::cota(), 1.0);
    p.drawLine(a - u * 12, b + u * 12);
    seta(p, a - u * 12, a, cor::cota(), 5, 1.0);
    seta(p, b + u * 12, b, cor::cota(), 5, 1.0);
    if (!texto.isEmpty()) {
        const QFont f = fonte(13, false, true);
        const QFontMetricsF m(f);
        const double meia = std::abs(u.x()) * m.horizontalAdvance(texto) / 2 +
                            std::abs(u.y()) * (m.ascent() + m.descent()) / 2;
        rotulo(p, b + u * (15 + meia), texto, f, Qt::AlignCenter, cor::cota(), fundo);
    }
    p.restore();
}

void linhaExtensao(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    tracos(p, cor::cota(), 0.8);
    p.drawLine(a, b);
    p.restore();
}

void linhaEixo(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    QPen caneta(QColor(110, 110, 110), 0.8);
    caneta.setDashPattern({10, 3, 2, 3});
    p.setPen(caneta);
    p.drawLine(a, b);
    p.restore();
}

void seta(QPainter& p, QPointF de, QPointF para, const QColor& c, double ponta, double largura)
{
    p.save();
    const QLineF linha(de, para);
    if (linha.length() <= 0) {
        p.restore();
        return;
    }
    const QPointF u = (para - de) / linha.length();
    const QPointF n(-u.y(), u.x());
    tracos(p, c, largura);
    p.drawLine(de, para - u * (ponta * 0.8));
    QPainterPath cabeca;
    cabeca.moveTo(para);
    cabeca.lineTo(para - u * ponta + n * (ponta * 0.42));
    cabeca.lineTo(para - u * ponta - n * (ponta * 0.42));
    cabeca.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(cabeca);
    p.restore();
}

void cargaDistribuida(QPainter& p, double x0, double x1, double topo, double base, int setas,
                      const QColor& c)
{
    p.save();
    tracos(p, c, 1.4);
    p.drawLine(QPointF(x0, topo), QPointF(x1, topo));
    for (int i = 0; i < setas; ++i) {
        const double x = setas == 1 ? (x0 + x1) / 2 : x0 + (x1 - x0) * i / (setas - 1);
        seta(p, QPointF(x, topo), QPointF(x, base), c, 6, 1.2);
    }
    p.restore();
}

QPainterPath retangulo(double x0, double y0, double x1, double y1)
{
    QPainterPath caminho;
    caminho.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)).normalized());
    return caminho;
}

QPainterPath poligono(std::initializer_list<QPointF> pontos)
{
    QPainterPath caminho;
    bool primeiro = true;
    for (const QPointF& q : pontos) {
        if (primeiro)
            caminho.moveTo(q);
        else
            caminho.lineTo(q);
        primeiro = false;
    }
    caminho.closeSubpath();
    return caminho;
}

} // namespace fig
