#include "esforcos.h"

GeometriaTubo calcularGeometria(double di, double h)
{
    GeometriaTubo g;
    g.di = di;
    g.h = h;
    g.hcm = h / 10.0;
    g.de = di + 2.0 * h;
    g.rm = (g.de + di) / 4000.0;
    return g;
}

EsforcosAnel calcularEsforcos(double P, double rm)
{
    EsforcosAnel e;
    e.Mc = 0.293 * P * rm;
    e.Ms = 0.182 * P * rm;
    // Half the load runs down each side: it is the springline's compression
    // and the crown's shear at once.
    e.Ns = 0.5 * P;
    e.Nc = 0.0;
    e.Vc = 0.5 * P;
    return e;
}
