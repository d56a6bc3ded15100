#include "PintorRelatorio.h"

#include "Figuras.h"
#include "FonteRelatorio.h"
#include "TextoQt.h"
#include "encaixeImagem.h"

#include <QDir>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
Qt::Alignment alinhamentoQt(Alinhamento a)
{
    switch (a) {
    case Alinhamento::centro:
        return Qt::AlignHCenter;
    case Alinhamento::direita:
        return Qt::AlignRight;
    case Alinhamento::esquerda:
        break;
    }
    return Qt::AlignLeft;
}

void pintarTexto(QPainter& pintor, const ItemTexto& t)
{
    pintor.setFont(fonteRelatorio(t.estilo));
    pintor.setPen(QColor(t.estilo.cor.r, t.estilo.cor.g, t.estilo.cor.b));
    // Never clipped: a text a little wider than its box still prints whole.
    pintor.drawText(QRectF(t.x, t.y, t.largura, t.altura),
                    alinhamentoQt(t.estilo.alinhamento) | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                    qt(t.texto));
}

void pintarImagem(QPainter& pintor, const ItemImagem& item)
{
    const QImage imagem = carregarImagemRelatorio(item.caminho);
    if (imagem.isNull())
        return;
    const Retangulo r = encaixarImagem(item, imagem.width(), imagem.height());
    pintor.drawImage(QRectF(r.x, r.y, r.largura, r.altura), imagem);
}
void pintarRetangulo(QPainter& pintor, const ItemRetangulo& r)
{
    pintor.fillRect(QRectF(r.x, r.y, r.largura, r.altura), QColor(r.cor.r, r.cor.g, r.cor.b));
}

void pintarLinha(QPainter& pintor, const ItemLinha& l)
{
    QPen caneta(QColor(l.cor.r, l.cor.g, l.cor.b), l.espessura, l.tracejada ? Qt::DashLine : Qt::SolidLine);
    caneta.setCapStyle(Qt::FlatCap);
    pintor.setPen(caneta);
    pintor.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
}
} // namespace

QImage carregarImagemRelatorio(const std::string& caminho)
{
    QString nome = qt(caminho);
    if (nome.isEmpty())
        return {};
    if (QDir::isAbsolutePath(nome))
        return QImage(nome);
    nome.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (nome.startsWith(QLatin1String("./")) || nome.startsWith(QLatin1Char('/')))
        nome.remove(0, nome.startsWith(QLatin1Char('/')) ? 1 : 2);
    const QString pasta = QStringLiteral("Pictures/");
    if (nome.startsWith(pasta, Qt::CaseInsensitive))
        nome.remove(0, pasta.size());
    return QImage(caminhoNaBase(QStringLiteral("Pictures"), nome));
}

void pintarPaginaRelatorio(QPainter& pintor, const PaginaRelatorio& pagina)
{
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const ItemRetangulo& r : pagina.retangulos)
        pintarRetangulo(pintor, r);
    for (const ItemLinha& l : pagina.linhas)
        pintarLinha(pintor, l);
    for (const ItemImagem& i : pagina.imagens)
        pintarImagem(pintor, i);
    for (const ItemTexto& t : pagina.textos)
        pintarTexto(pintor, t);
}

bool pintarPaginas(QPagedPaintDevice& dispositivo, std::size_t paginas, double larguraFolha,
                   const std::function<void(QPainter&, std::size_t)>& pintarPagina)
{
    QPainter pintor;
    if (!pintor.begin(&dispositivo))
        return false;
    // The painter's origin is the corner of the printable area; the sheet
    // counts from the corner of the paper.
    const int dpi = dispositivo.logicalDpiX();
    const QPageLayout pagina = dispositivo.pageLayout();
    const QRect papel = pagina.fullRectPixels(dpi);
    const QRect util = pagina.paintRectPixels(dpi);
    const double escala = papel.width() / larguraFolha;
    for (std::size_t k = 0; k < paginas; ++k) {
        if (k > 0 && !dispositivo.newPage()) {
            pintor.end();
            return false;
        }
        pintor.save();
        pintor.translate(papel.left() - util.left(), papel.top() - util.top());
        pintor.scale(escala, escala);
        pintarPagina(pintor, k);
        pintor.restore();
    }
    return pintor.end();
}

bool pintarRelatorio(const RelatorioPaginado& relatorio, QPagedPaintDevice& dispositivo)
{
    return pintarPaginas(dispositivo, relatorio.paginas.size(), larguraA4,
                         [&relatorio](QPainter& pintor, std::size_t k) { pintarPaginaRelatorio(pintor, relatorio.paginas[k]); });
}
