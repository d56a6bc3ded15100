#pragma once
// A report written as a PDF of A4 pages.

#include "layoutRelatorio.h"

#include <QByteArray>
#include <QString>

// Lays the report out, checks the document is whole and writes it through
// a temporary file renamed over the target, so a failed export (a full
// disk) leaves an earlier file as it was. False with `motivo` ("disco
// cheio", …) when the file cannot be written.
bool exportarPdf(const LayoutRelatorio& layout, const QString& caminho, QString* motivo = nullptr);

// A PDF that begins with its header and ends with its trailer.
bool pdfCompleto(const QByteArray& pdf);
