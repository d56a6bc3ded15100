#include "materiais.h"

Materiais calcularMateriais(double fck, double gamaS, double gamaC)
{
    Materiais m;
    m.gamaS = gamaS;
    m.gamaC = gamaC;
    m.fck = fck;
    m.fyd = fykCA60 / gamaS;
    m.fcd = fck / (10.0 * gamaC);
    m.epsYd = m.fyd / m.Es + 0.002;
    m.xiLim = 0.0035 / (0.0035 + m.epsYd);
    return m;
}
