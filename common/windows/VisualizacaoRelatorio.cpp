#include "VisualizacaoRelatorio.h"

#include "ExecucaoModal.h"
#include "FonteRelatorio.h"
#include "PintorRelatorio.h"
#include "TextoQt.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

void prepararImpressora(QPrinter& impressora, const LayoutRelatorio& layout)
{
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Portrait);
    impressora.setFullPage(true);
    impressora.setDocName(qt(layout.titulo));
}

int visualizarRelatorio(const LayoutRelatorio& layout, QWidget* pai)
{
    const RelatorioPaginado relatorio = paginarRelatorio(layout, medidorQt());
    QPrinter impressora(QPrinter::HighResolution);
    prepararImpressora(impressora, layout);

    QPrintPreviewDialog janela(&impressora, pai);
    janela.setObjectName(QStringLiteral("VisualizacaoRelatorio"));
    janela.setWindowTitle(QStringLiteral("Visualização do relatório"));
    // Tall enough to read a whole page at the fitted zoom.
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        const QRect area = tela->availableGeometry();
        janela.resize(std::min(area.width(), 900), area.height() * 9 / 10);
    }
    QObject::connect(&janela, &QPrintPreviewDialog::paintRequested, &janela,
                     [&relatorio](QPrinter* destino) { pintarRelatorio(relatorio, *destino); });
    return executarModal(janela);
}
