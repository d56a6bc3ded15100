#include "PintorSecao.h"

#include <QImage>
#include <QPainter>

namespace {
QPoint ponto(const Pixel& p) { return {p.x, p.y}; }

void pintarTitulo(QPainter& pintor, const QString& texto, int alturaTexto)
{
    QFont fonte = pintor.font();
    fonte.setBold(true);
    fonte.setPixelSize(std::max(alturaTexto, 1));
    pintor.setFont(fonte);
    pintor.setPen(CoresDesenho::titulo);
    pintor.drawText(QRect(5, 5, pintor.device()->width() - 10, alturaTexto * 2),
                    Qt::AlignLeft | Qt::AlignTop, texto);
}

void pintarCota(QPainter& pintor, const Cota& cota)
{
    pintor.setPen(QPen(CoresDesenho::cota, 1));
    pintor.drawLine(ponto(cota.de), ponto(cota.ate));
    for (const Pixel& ponta : {cota.de, cota.ate})
        pintor.drawLine(ponta.x, ponta.y - meiaAlturaTraco, ponta.x, ponta.y + meiaAlturaTraco);
}
} // namespace

void pintarLongitudinal(QImage& imagem, const DesenhoLongitudinal& desenho, int alturaTexto)
{
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    for (const Segmento& s : desenho.contorno) {
        pintor.setPen(QPen(CoresDesenho::contorno, s.espessura, Qt::SolidLine, Qt::SquareCap));
        pintor.drawLine(ponto(s.de), ponto(s.ate));
    }
    pintarCota(pintor, desenho.comprimento);
    pintarTitulo(pintor, QStringLiteral("Seção Longitudinal"), alturaTexto);
}

void pintarTransversal(QImage& imagem, const DesenhoTransversal& desenho, int alturaTexto)
{
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setBrush(Qt::NoBrush);
    for (const Circulo& c : desenho.circulos) {
        const Qt::PenStyle estilo = c.traco == Traco::Pontilhado ? Qt::DotLine : Qt::SolidLine;
        pintor.setPen(QPen(CoresDesenho::contorno, c.espessura, estilo));
        pintor.drawEllipse(ponto(desenho.centro), c.raio, c.raio);
    }
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintarCota(pintor, desenho.diametro);
    pintarTitulo(pintor, QStringLiteral("Seção Transversal"), alturaTexto);
}
