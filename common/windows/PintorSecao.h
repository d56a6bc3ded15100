#pragma once
// Paints the section drawings on a picture: red outline, teal dimensions,
// almost black titles.

#include "desenhoSecao.h"

#include <QColor>

class QImage;

namespace CoresDesenho {
const QColor contorno(255, 0, 0);
const QColor cota(0, 128, 128);
const QColor titulo(1, 1, 1);
} // namespace CoresDesenho

void pintarLongitudinal(QImage& imagem, const DesenhoLongitudinal& desenho, int alturaTexto);
void pintarTransversal(QImage& imagem, const DesenhoTransversal& desenho, int alturaTexto);
