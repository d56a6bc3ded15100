#include "armaduraDupla.h"

#include "secao.h"

#include <cmath>

void armaduraDupla(EstadoDimensionamento& e)
{
    const Materiais& m = e.materiais;
    const double hcm = e.geometria.hcm;
    e.AsC = 0.0;
    e.AsS = 0.0;
    e.iteracoesDupla.clear();
    double ultimaArea = 0.0;

    for (int passe = 1; passe <= passesMaximosDupla; ++passe) {
        const double AsAnterior = ultimaArea;
        PassoDupla registro;
        registro.nite = passe;

        // Crown: inner face in tension, the outer cage compressed.
        const double dCoroamento = hcm - e.dLinhaInt;
        const double AsComprimida = e.AsS;
        const SecaoFlexao c =
            dimensionarSecao(m, 100.0 * e.esforcos.Mc, 0.0, dCoroamento, e.dLinhaExt, AsComprimida);
        e.xiC = c.xi;
        e.AsC = c.As;
        e.dC = dCoroamento;
        e.domC = c.dominio;
        registro.coroamento = {e.dLinhaExt, dCoroamento, 0.0, 100.0 * e.esforcos.Mc, AsComprimida, c.As};

        // Springline: outer face in tension, no compression steel.
        const double d = hcm - e.dLinhaExt;
        const double Nsd = e.esforcos.Ns;
        const double Msd = 100.0 * e.esforcos.Ms + Nsd * (d - hcm / 2.0);
        const SecaoFlexao s = dimensionarSecao(m, Msd, Nsd, d, e.dLinhaInt, 0.0);
        e.xiS = s.xi;
        e.AsS = s.As;
        e.dS = d;
        e.domS = s.dominio;
        ultimaArea = s.As;
        registro.flanco = {e.dLinhaInt, d, Nsd, Msd, 0.0, s.As};
        e.iteracoesDupla.push_back(registro);

        if (std::abs(e.AsC - e.AsS) < 0.001 || std::abs(e.AsS - AsAnterior) < 1e-5)
            break;
    }

    e.flagDimensionamento = e.domC < 4 && e.domS < 4 ? 'S' : 'N';
}
