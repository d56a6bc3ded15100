#pragma once
// The profile sheets on Qt's devices: painted with QPainter on the preview,
// a printer or a PDF (A3 landscape, one page a sheet), written as SVG with
// QSvgGenerator (one file a sheet, at its true size in millimetres), and the
// collectors as DXF (dxfPerfil.h). Every position and text is the sheet's
// own (desenhoPerfil.h); nothing is placed here.

#include "desenhoPerfil.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;
class QWidget;

// One sheet, the painter in tenths of a millimetre from the sheet's corner.
void pintarFolhaPerfil(QPainter& pintor, const FolhaPerfil& folha);

// Every sheet, one page each; false when the device cannot be painted on.
bool pintarFolhasPerfil(const std::vector<FolhaPerfil>& folhas, QPagedPaintDevice& dispositivo);

// The files written, each through a temporary file renamed over the target:
// the PDF, PREFIXO-N.svg per sheet (N its sheet number), PREFIXO-N.dxf per
// collector (N its number). Empty on success, otherwise the user's message
// (earlier files stay as they were).
QString exportarPerfisPdf(const PerfisRede& perfis, const QString& caminho);
QString exportarPerfisSvg(const PerfisRede& perfis, const QString& pasta, const QString& prefixo = QStringLiteral("perfil"));
QString exportarPerfisDxf(const PerfisRede& perfis, const QString& pasta, const QString& prefixo = QStringLiteral("coletor"));

// The sheets in the report preview: zoom, pages, printing on A3 landscape,
// and "Salvar em PDF".
int visualizarPerfis(const PerfisRede& perfis, QWidget* pai = nullptr);

// The scales kept in Config/Perfis.ini; the defaults when it is missing.
// Writing gives false with `erro` set (the user's message) on failure.
EscalasPerfil lerEscalasPerfis();
bool gravarEscalasPerfis(const EscalasPerfil& escalas, QString& erro);
