#include "armaduraMinima.h"

#include "secao.h"

#include <cmath>

void armaduraMinima(EstadoDimensionamento& e)
{
    const double hcm = e.geometria.hcm;
    const double W0 = 100.0 * hcm * hcm / 6.0; // cm³ per metre
    e.fctm = 0.3 * std::exp(std::log(e.materiais.fck) * 2.0 / 3.0) / 10.0;
    const double fctkSup = 1.3 * e.fctm;
    const double MdMin = 0.8 * W0 * fctkSup;

    double dLinha = e.Dcoro;
    if (e.tipoArmadura == CircularDupla)
        dLinha = e.dLinhaInt > e.dLinhaExt ? e.dLinhaInt : e.dLinhaExt;
    e.AsMin = dimensionarSecao(e.materiais, MdMin, 0.0, hcm - dLinha, dLinha, 0.0).As;
}

void armadurasTransitorias(EstadoDimensionamento& e)
{
    const double D = e.geometria.di / 1000.0 + e.geometria.hcm / 100.0; // m
    const double fyk = e.materiais.fyd * e.materiais.gamaS;
    if (e.tipoArmadura == CircularDupla) {
        e.AsIntMin = 1000.0 * D * D / (44.0 * fyk);
        e.AsExtMin = 1000.0 * D * D / (74.0 * fyk);
    } else {
        e.AsIntMin = 1000.0 * D * D / (22.0 * fyk);
        e.AsExtMin = 0.0;
    }
}
