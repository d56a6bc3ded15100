// The icons of the desktop: each program's (a concrete pipe's section on
// its colour) and its project files' (a page with the same section).
#include "icones.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int lado = 256;

// The pipe seen end on: a concrete ring with its reinforcement cage.
void desenharTubo(QPainter& p, QPointF centro, double raio, bool armado)
{
    p.setPen(QPen(QColor(60, 60, 60), raio * 0.04));
    p.setBrush(QColor(190, 190, 185));
    QPainterPath anel;
    anel.addEllipse(centro, raio, raio);
    anel.addEllipse(centro, raio * 0.72, raio * 0.72);
    p.drawPath(anel);
    if (armado) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(170, 40, 30), raio * 0.05, Qt::DashLine));
        p.drawEllipse(centro, raio * 0.86, raio * 0.86);
    }
}

QImage iconePrograma(QColor fundo, bool armado)
{
    QImage imagem(lado, lado, QImage::Format_ARGB32);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawRoundedRect(QRectF(12, 12, lado - 24, lado - 24), 36, 36);
    // The trench's earth under the pipe.
    p.setBrush(QColor(150, 110, 70));
    p.drawRect(QRectF(12, lado * 0.70, lado - 24, lado * 0.30 - 12 - 24));
    p.drawRoundedRect(QRectF(12, lado * 0.70, lado - 24, lado * 0.30 - 12), 36, 36);
    desenharTubo(p, QPointF(lado / 2.0, lado * 0.48), lado * 0.32, armado);
    return imagem;
}

QImage iconeArquivo(QColor faixa, bool armado)
{
    QImage imagem(lado, lado, QImage::Format_ARGB32);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath folha;
    folha.moveTo(48, 16);
    folha.lineTo(168, 16);
    folha.lineTo(208, 56);
    folha.lineTo(208, 240);
    folha.lineTo(48, 240);
    folha.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 4));
    p.setBrush(Qt::white);
    p.drawPath(folha);
    p.setPen(Qt::NoPen);
    p.setBrush(faixa);
    p.drawRect(QRectF(50, 196, 156, 42));
    desenharTubo(p, QPointF(128, 112), 62, armado);
    return imagem;
}
} // namespace

int desenharIcones(const QString& pasta)
{
    if (!QDir().mkpath(pasta))
        return 1;
    const QColor kolvan(40, 110, 170);
    const QColor redwan(170, 60, 40);
    const std::pair<const char*, QImage> icones[] = {
        {"kolvan.png", iconePrograma(kolvan, false)},
        {"redwan.png", iconePrograma(redwan, true)},
        {"application-x-kolvan.png", iconeArquivo(kolvan, false)},
        {"application-x-redwan.png", iconeArquivo(redwan, true)},
    };
    int falhas = 0;
    for (const auto& [nome, imagem] : icones)
        if (!imagem.save(QDir(pasta).filePath(QLatin1String(nome)), "PNG"))
            ++falhas;
    return falhas == 0 ? 0 : 1;
}
