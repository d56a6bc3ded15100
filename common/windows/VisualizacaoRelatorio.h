#pragma once
// The report on screen before printing: Qt's print preview, with its zoom,
// page navigation, page set-up and print button, on an A4 portrait printer,
// and "Salvar em PDF" (Ctrl+E) for the same pages as a PDF file.

#include "layoutRelatorio.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The preview every printed output shares: Qt's print preview on
// `impressora`, titled, as wide as the screen up to `larguraMaxima`, painting
// through `pintar`, and "Salvar em PDF" (Ctrl+E) calling `salvarPdf` with the
// preview as parent. Shown modally through executarModal.
int visualizarImpressao(QPrinter& impressora, const QString& titulo, int larguraMaxima,
                        const std::function<void(QPrinter*)>& pintar,
                        const std::function<void(QWidget*)>& salvarPdf, QWidget* pai);

// The printer a report starts with: A4 portrait, the whole sheet addressable
// (the report keeps its own margins), the report's title as the job name.
void prepararImpressora(QPrinter& impressora, const LayoutRelatorio& layout);

// Lays the report out and shows the preview modally through executarModal;
// returns when it is closed, with the dialog's result (accepted once printed).
int visualizarRelatorio(const LayoutRelatorio& layout, QWidget* pai = nullptr);
