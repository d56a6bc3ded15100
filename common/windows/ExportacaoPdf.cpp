#include "ExportacaoPdf.h"

#include "FonteRelatorio.h"
#include "PintorRelatorio.h"
#include "TextoQt.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

bool exportarPdf(const LayoutRelatorio& layout, const QString& caminho)
{
    const RelatorioPaginado relatorio = paginarRelatorio(layout, medidorQt());
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    bool pintado = false;
    {
        QPdfWriter pdf(&arquivo);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(qt(layout.titulo));
        pdf.setCreator(QCoreApplication::applicationName());
        pintado = pintarRelatorio(relatorio, pdf);
    }
    if (!pintado) {
        arquivo.cancelWriting();
        return false;
    }
    return arquivo.commit();
}
