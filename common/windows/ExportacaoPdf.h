#pragma once
// A report written as a PDF of A4 pages.

#include "layoutRelatorio.h"

#include <QString>

// Lays the report out and writes it to `caminho` through a temporary file
// renamed over the target, so a failed export leaves an earlier file as it
// was. False when the file cannot be written.
bool exportarPdf(const LayoutRelatorio& layout, const QString& caminho);
