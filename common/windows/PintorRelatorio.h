#pragma once
// Paints a paginated report with QPainter on a printer or a PDF writer:
// one device page per report page, the 96-dpi A4 sheet of the layout
// scaled to the device's paper, whatever its resolution and margins.

#include "paginacaoRelatorio.h"

#include <QImage>
#include <cstddef>
#include <functional>
#include <string>

class QPagedPaintDevice;
class QPainter;

// A report picture: a file of Pictures/ (looked up without regard to case,
// "Pictures\\" in front allowed) or an absolute path. A null image when the
// file is missing or unreadable; the report then leaves its box empty.
QImage carregarImagemRelatorio(const std::string& caminho);

// One page, with the painter already in logical pixels of the A4 sheet.
void pintarPaginaRelatorio(QPainter& pintor, const PaginaRelatorio& pagina);

// Every page; false when the device cannot be painted on. A report without
// pages leaves the one blank page every device starts with.
bool pintarRelatorio(const RelatorioPaginado& relatorio, QPagedPaintDevice& dispositivo);

// `paginas` pages of a sheet `larguraFolha` units wide, one device page
// each, scaled to the device's paper from its corner; `pintarPagina` paints
// page k in the sheet's units. False when the device cannot be painted on.
bool pintarPaginas(QPagedPaintDevice& dispositivo, std::size_t paginas, double larguraFolha,
                   const std::function<void(QPainter&, std::size_t)>& pintarPagina);
