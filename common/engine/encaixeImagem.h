#pragma once
// Where a picture lands in its box: the whole box when stretched, else the
// largest rectangle of the picture's proportions, centred in the box.

#include "layoutRelatorio.h"
#include "layoutResumo.h" // Retangulo

// A picture of unknown size (0 or less) fills the box.
Retangulo encaixarImagem(const ItemImagem& item, int larguraFigura, int alturaFigura);
