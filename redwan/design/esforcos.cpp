#include "esforcos.h"

#include "memoriaCalculo.h"

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

GeometriaTubo calcularGeometria(double di, double h, MemoriaCalculo& memoria)
{
    const GeometriaTubo g = calcularGeometria(di, h);
    memoria.titulo("Geometria do anel");
    memoria.grandeza({"Diâmetro externo", "de", g.de, "mm", "{di} + 2·{h}", 1});
    memoria.grandeza({"Espessura da parede", "hcm", g.hcm, "cm", "{h}/10", 2});
    memoria.grandeza({"Raio médio da parede", "rm", g.rm, "m", "({de} + {di})/4000", 4});
    return g;
}

EsforcosAnel calcularEsforcos(double P, double rm, MemoriaCalculo& memoria)
{
    const EsforcosAnel e = calcularEsforcos(P, rm);
    memoria.titulo("Esforços no anel sob a carga de ruptura da classe");
    memoria.grandeza({"Momento no coroamento (tração na face interna)", "Mc", e.Mc, "kN·m/m", "0,293·{P}·{rm}", 4, "Mc"});
    memoria.grandeza({"Momento no flanco (tração na face externa)", "Ms", e.Ms, "kN·m/m", "0,182·{P}·{rm}", 4, "Ms"});
    memoria.grandeza({"Força normal no flanco (compressão)", "Ns", e.Ns, "kN/m", "0,5·{P}", 2, "Ns"});
    memoria.grandeza({"Força cortante no coroamento", "Vc", e.Vc, "kN/m", "0,5·{P}", 2, "Vc"});
    return e;
}
