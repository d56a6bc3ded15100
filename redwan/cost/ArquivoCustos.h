#pragma once
// Config/Custos.ini under the base folder: the manufacturer's prices of
// concrete and steel. Read when the program starts (a missing file gives
// the defaults) and written, through the safe save of every line file,
// each time the prices window is confirmed.

#include "precosCusto.h"

#include <QString>

QString caminhoArquivoCustos();
PrecosCusto lerArquivoCustos();
// False with `erro` set when the file could not be written; the previous file stays.
bool gravarArquivoCustos(const PrecosCusto& p, QString& erro);
