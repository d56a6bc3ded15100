#include "VisualizacaoRelatorio.h"

#include "ArquivoLinhas.h"
#include "DialogosArquivo.h"
#include "ExecucaoModal.h"
#include "ExportacaoPdf.h"
#include "FonteRelatorio.h"
#include "Mensagens.h"
#include "PintorRelatorio.h"
#include "TextoQt.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace {
// "Salvar em PDF": the report as shown, written to a file the user picks,
// proposed under the report's name in the Arquivos folder.
void salvarEmPdf(const LayoutRelatorio& layout, QWidget* janela)
{
    const QString caminho = escolherArquivoSalvar(janela, QStringLiteral("Salvar em PDF"), pastaArquivosProjeto(),
                                                  QStringLiteral("Arquivos PDF (*.pdf)"),
                                                  qt(layout.titulo) + QStringLiteral(".pdf"),
                                                  QStringLiteral("pdf"));
    if (caminho.isEmpty())
        return;
    QString motivo;
    if (!exportarPdf(layout, caminho, &motivo))
        mensagens().mensagem(QStringLiteral("Não foi possível salvar o relatório em \"%1\": %2. O arquivo anterior, "
                                            "se havia, continua como estava.")
                                 .arg(QFileInfo(caminho).fileName(), motivo));
}
} // namespace

void prepararImpressora(QPrinter& impressora, const LayoutRelatorio& layout)
{
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Portrait);
    impressora.setFullPage(true);
    impressora.setDocName(qt(layout.titulo));
}

int visualizarImpressao(QPrinter& impressora, const QString& titulo, int larguraMaxima,
                        const std::function<void(QPrinter*)>& pintar,
                        const std::function<void(QWidget*)>& salvarPdf, QWidget* pai)
{
    QPrintPreviewDialog janela(&impressora, pai);
    janela.setObjectName(QStringLiteral("VisualizacaoRelatorio"));
    janela.setWindowTitle(titulo);
    // Tall enough to read a whole page at the fitted zoom.
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        const QRect area = tela->availableGeometry();
        janela.resize(std::min(area.width(), larguraMaxima), area.height() * 9 / 10);
    }
    QObject::connect(&janela, &QPrintPreviewDialog::paintRequested, &janela, pintar);
    if (auto* barra = janela.findChild<QToolBar*>()) {
        barra->addSeparator();
        QAction* pdf = barra->addAction(janela.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                        QStringLiteral("Salvar em PDF"));
        pdf->setObjectName(QStringLiteral("SalvarPdf"));
        pdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        pdf->setToolTip(QStringLiteral("Salvar em PDF"));
        QObject::connect(pdf, &QAction::triggered, &janela, [&salvarPdf, &janela] { salvarPdf(&janela); });
        // Its caption beside the picture, where a user looks for it.
        if (auto* botao = qobject_cast<QToolButton*>(barra->widgetForAction(pdf)))
            botao->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    return executarModal(janela);
}

int visualizarRelatorio(const LayoutRelatorio& layout, QWidget* pai)
{
    const RelatorioPaginado relatorio = paginarRelatorio(layout, medidorQt());
    QPrinter impressora(QPrinter::HighResolution);
    prepararImpressora(impressora, layout);
    return visualizarImpressao(
        impressora, QStringLiteral("Visualização do relatório"), 900,
        [&relatorio](QPrinter* destino) { pintarRelatorio(relatorio, *destino); },
        [&layout](QWidget* janela) { salvarEmPdf(layout, janela); }, pai);
}
