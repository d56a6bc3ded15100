#pragma once
// Config/Fabricante.ini and Pictures/logofabri.bmp under the base folder:
// the manufacturer data and logo, read at every new project and written
// when the program ends. A missing file gives empty data or an empty logo.

#include "fabricante.h"

#include <QImage>

DadosFabricante lerArquivoFabricante();
// False when the file could not be written (the previous file stays).
bool gravarArquivoFabricante(const DadosFabricante& d);

QImage lerLogoFabricante();
// Writes the logo as a bitmap; an empty logo writes nothing. False when the
// file could not be written (the previous file stays).
bool gravarLogoFabricante(const QImage& logo);
