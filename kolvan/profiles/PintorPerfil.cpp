#include "PintorPerfil.h"

#include "ArquivoLinhas.h"
#include "ArquivoSeguro.h"
#include "DialogosArquivo.h"
#include "ExportacaoPdf.h"
#include "Figuras.h"
#include "Mensagens.h"
#include "PintorRelatorio.h"
#include "TextoQt.h"
#include "VisualizacaoRelatorio.h"
#include "dxfPerfil.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

constexpr double decimos = 10.0; // painter units per millimetre

QColor cor(const CorRgb& c) { return QColor(c.r, c.g, c.b); }

QPointF ponto(const PontoPerfil& p) { return {p.x * decimos, p.y * decimos}; }

QFont fontePerfil(const TextoPerfil& t)
{
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(std::max(1, static_cast<int>(std::lround(t.altura * decimos))));
    fonte.setBold(t.negrito);
    fonte.setHintingPreference(QFont::PreferNoHinting);
    fonte.setStyleStrategy(QFont::PreferNoShaping);
    return fonte;
}

void pintarTexto(QPainter& pintor, const TextoPerfil& t)
{
    const QFont fonte = fontePerfil(t);
    const QFontMetricsF medida(fonte);
    const QString texto = qt(t.texto);
    const double largura = medida.horizontalAdvance(texto);
    double x = 0.0, y = 0.0;
    if (t.alinhamento == Alinhamento::centro)
        x = -largura / 2;
    else if (t.alinhamento == Alinhamento::direita)
        x = -largura;
    // `altura` is the height of the capitals above the base line.
    const double capitais = medida.capHeight();
    if (t.vertical == AlinhamentoVertical::meio)
        y = capitais / 2;
    else if (t.vertical == AlinhamentoVertical::topo)
        y = capitais;
    pintor.save();
    pintor.translate(ponto(t.folha));
    pintor.rotate(-t.angulo);
    pintor.setFont(fonte);
    pintor.setPen(cor(t.cor));
    pintor.drawText(QPointF(x, y), texto);
    pintor.restore();
}

void pintarLinha(QPainter& pintor, const LinhaPerfil& l)
{
    QPolygonF poligono;
    for (const PontoPerfil& p : l.folha)
        poligono << ponto(p);
    if (l.preenchida) {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(cor(l.corPreenchimento));
        pintor.drawPolygon(poligono);
        return;
    }
    QPen caneta(cor(l.cor), std::max(0.05, l.espessura) * decimos);
    caneta.setCapStyle(Qt::FlatCap);
    caneta.setJoinStyle(Qt::MiterJoin);
    if (l.tracejada)
        caneta.setDashPattern({6.0, 4.0});
    pintor.setPen(caneta);
    pintor.setBrush(Qt::NoBrush);
    if (l.fechada)
        pintor.drawPolygon(poligono);
    else
        pintor.drawPolyline(poligono);
}

QString falhaGravacao(const QString& nome, const QString& motivo)
{
    return QStringLiteral("Não foi possível gravar %1: %2. O arquivo anterior, se havia, continua como estava.")
        .arg(nome, motivo);
}

QString caminhoEscalas() { return caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Perfis.ini")); }

void salvarEmPdf(const PerfisRede& perfis, QWidget* janela)
{
    const QString caminho = escolherArquivoSalvar(janela, QStringLiteral("Salvar em PDF"), pastaArquivosProjeto(),
                                                  QStringLiteral("Arquivos PDF (*.pdf)"), QStringLiteral("perfis.pdf"),
                                                  QStringLiteral("pdf"));
    if (caminho.isEmpty())
        return;
    if (const QString erro = exportarPerfisPdf(perfis, caminho); !erro.isEmpty())
        mensagens().mensagem(erro);
}

void prepararA3(QPrinter& impressora)
{
    impressora.setPageSize(QPageSize(QPageSize::A3));
    impressora.setPageOrientation(QPageLayout::Landscape);
    impressora.setFullPage(true);
    impressora.setDocName(QString::fromUtf8(tituloPerfis));
}

} // namespace

void pintarFolhaPerfil(QPainter& pintor, const FolhaPerfil& folha)
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(QRectF(0, 0, larguraFolhaA3 * decimos, alturaFolhaA3 * decimos), Qt::white);
    for (const LinhaPerfil& l : folha.linhas)
        pintarLinha(pintor, l);
    for (const TextoPerfil& t : folha.textos)
        pintarTexto(pintor, t);
    pintor.restore();
}

bool pintarFolhasPerfil(const std::vector<FolhaPerfil>& folhas, QPagedPaintDevice& dispositivo)
{
    return pintarPaginas(dispositivo, folhas.size(), larguraFolhaA3 * decimos,
                         [&folhas](QPainter& pintor, std::size_t k) { pintarFolhaPerfil(pintor, folhas[k]); });
}

QString exportarPerfisPdf(const PerfisRede& perfis, const QString& caminho)
{
    // Painted in memory first: only a whole document reaches the disk.
    QByteArray bytes;
    bool pintado = false;
    {
        QBuffer memoria(&bytes);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape, QMarginsF()));
        pdf.setTitle(QString::fromUtf8(tituloPerfis));
        pdf.setCreator(QCoreApplication::applicationName());
        pintado = pintarFolhasPerfil(perfis.folhas, pdf);
    }
    const QString nome = QFileInfo(caminho).fileName();
    if (!pintado || !pdfCompleto(bytes))
        return falhaGravacao(nome, QStringLiteral("o documento não pôde ser composto"));
    if (QString motivo; !gravarArquivoSeguro(caminho, bytes, motivo))
        return falhaGravacao(nome, motivo);
    return {};
}

QString exportarPerfisSvg(const PerfisRede& perfis, const QString& pasta, const QString& prefixo)
{
    for (const FolhaPerfil& f : perfis.folhas) {
        const QString nome = QStringLiteral("%1-%2.svg").arg(prefixo).arg(f.numero);
        QBuffer memoria;
        memoria.open(QIODevice::WriteOnly);
        {
            QSvgGenerator svg;
            svg.setOutputDevice(&memoria);
            // Tenths of a millimetre at 254 dpi: the file says 420mm x 297mm.
            svg.setResolution(254);
            svg.setSize(QSize(static_cast<int>(larguraFolhaA3 * decimos), static_cast<int>(alturaFolhaA3 * decimos)));
            svg.setViewBox(QRectF(0, 0, larguraFolhaA3 * decimos, alturaFolhaA3 * decimos));
            svg.setTitle(QStringLiteral("Perfil longitudinal — folha %1 de %2").arg(f.numero).arg(f.total));
            svg.setDescription(QCoreApplication::applicationName());
            QPainter pintor;
            if (!pintor.begin(&svg))
                return falhaGravacao(nome, QStringLiteral("o desenho não pôde ser composto"));
            pintarFolhaPerfil(pintor, f);
            pintor.end();
        }
        if (QString motivo; !gravarArquivoSeguro(QDir(pasta).filePath(nome), memoria.data(), motivo))
            return falhaGravacao(nome, motivo);
    }
    return {};
}

QString exportarPerfisDxf(const PerfisRede& perfis, const QString& pasta, const QString& prefixo)
{
    for (std::size_t c = 0; c < perfis.modelos.size(); ++c) {
        const QString caminho = QDir(pasta).filePath(QStringLiteral("%1-%2.dxf").arg(prefixo).arg(c + 1));
        if (const std::string erro = gravarDxfPerfil(perfis.modelos[c], std8(caminho)); !erro.empty())
            return qt(erro);
    }
    return {};
}

int visualizarPerfis(const PerfisRede& perfis, QWidget* pai)
{
    QPrinter impressora(QPrinter::HighResolution);
    prepararA3(impressora);
    return visualizarImpressao(
        impressora, QStringLiteral("Visualização dos perfis longitudinais"), 1280,
        [&perfis](QPrinter* destino) { pintarFolhasPerfil(perfis.folhas, *destino); },
        [&perfis](QWidget* janela) { salvarEmPdf(perfis, janela); }, pai);
}

EscalasPerfil lerEscalasPerfis()
{
    // A regular file of line-file size only; anything else leaves the defaults.
    std::vector<std::string> linhas;
    if (std::string erro; !lerArquivoLinhas(caminhoEscalas(), linhas, erro))
        return {};
    return escalasDasLinhas(linhas);
}

bool gravarEscalasPerfis(const EscalasPerfil& escalas, QString& erro)
{
    const QString caminho = caminhoEscalas();
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    return gravarArquivoLinhas(linhasDasEscalas(escalas), caminho, erro);
}
