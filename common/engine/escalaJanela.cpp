#include "escalaJanela.h"

double fatorEscalaJanela(int larguraTela, int alturaTela)
{
    const double razaoLargura = static_cast<double>(larguraTela) / larguraProjeto;
    const double razaoAltura = static_cast<double>(alturaTela) / alturaProjeto;
    return razaoLargura >= razaoAltura ? razaoAltura : razaoLargura;
}
