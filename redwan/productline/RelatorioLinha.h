#pragma once
// The report of a product line through the report engine: previewed (with
// its print button and "Salvar em PDF") or written as a PDF.

#include "relatorioLinha.h"

class QImage;
class QString;
class QWidget;

// The date and time of now, as the report prints them.
void marcarMomentoAtual(DadosRelatorioLinha& dados);

// With the logo as the manufacturer window holds it; modal.
int visualizarRelatorioLinha(DadosRelatorioLinha dados, const QImage& logo, QWidget* pai = nullptr);

// False when the file cannot be written; an earlier file then stays.
bool exportarRelatorioLinha(const DadosRelatorioLinha& dados, const QString& caminho);
