#pragma once
// Config/Fabricante.ini and Pictures/logofabri.bmp under the base folder:
// the manufacturer data and logo, read at every new project and written
// when the manufacturer window is confirmed and again when the program
// ends. A missing file gives empty data or an empty logo.

#include "fabricante.h"

#include <QImage>

DadosFabricante lerArquivoFabricante();
// False, with the user's message in `erro`, when the file could not be
// written (the previous file stays).
bool gravarArquivoFabricante(const DadosFabricante& d, QString* erro = nullptr);

QImage lerLogoFabricante();
// Writes the logo as a bitmap; an empty logo writes nothing. False when the
// file could not be written (the previous file stays).
bool gravarLogoFabricante(const QImage& logo, QString* erro = nullptr);
