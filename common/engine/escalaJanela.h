#pragma once
// The main window is designed at 1024 × 768 pixels and scaled to the screen
// by the smaller of the two ratios, so it always fits.

constexpr int larguraProjeto = 1024;
constexpr int alturaProjeto = 768;

double fatorEscalaJanela(int larguraTela, int alturaTela);
