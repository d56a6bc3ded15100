#include "ExportacaoPdf.h"

#include "ArquivoSeguro.h"
#include "FonteRelatorio.h"
#include "PintorRelatorio.h"
#include "TextoQt.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

bool pdfCompleto(const QByteArray& pdf)
{
    return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
}

bool exportarPdf(const LayoutRelatorio& layout, const QString& caminho, QString* motivo)
{
    const RelatorioPaginado relatorio = paginarRelatorio(layout, medidorQt());
    // Laid out in memory first: only a whole document reaches the disk.
    QByteArray bytes;
    bool pintado = false;
    {
        QBuffer memoria(&bytes);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(qt(layout.titulo));
        pdf.setCreator(QCoreApplication::applicationName());
        pintado = pintarRelatorio(relatorio, pdf);
    }
    QString erro;
    if (!pintado || !pdfCompleto(bytes))
        erro = QStringLiteral("o relatório não pôde ser composto");
    else if (gravarArquivoSeguro(caminho, bytes, erro))
        return true;
    if (motivo)
        *motivo = erro;
    return false;
}
