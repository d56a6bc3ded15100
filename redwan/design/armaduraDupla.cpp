#include "armaduraDupla.h"

#include "memoriaCalculo.h"
#include "secao.h"

#include <string>

#include <cmath>

void armaduraDupla(EstadoDimensionamento& e)
{
    const Materiais& m = e.materiais;
    const double hcm = e.geometria.hcm;
    e.AsC = 0.0;
    e.AsS = 0.0;
    e.iteracoesDupla.clear();
    double ultimaArea = 0.0;
    MemoriaCalculo& t = e.memoria;
    t.titulo("Armadura circular dupla: coroamento e flanco repetidos até o flanco não mudar");
    t.grandeza({"Posição da armadura interna", "d'int", e.dLinhaInt, "cm", "", 2});
    t.grandeza({"Posição da armadura externa", "d'ext", e.dLinhaExt, "cm", "", 2});

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
        t.titulo("Passe " + std::to_string(passe) + ": coroamento, com a armadura externa comprimida");
        anotarSecao(t, c, "100·{Mc}", "xiC");
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
        t.titulo("Passe " + std::to_string(passe) + ": flanco, sem armadura comprimida");
        anotarSecao(t, s, "100·{Ms} + {Nsd}·({d} − {hcm}/2)", "xiS");
        ultimaArea = s.As;
        registro.flanco = {e.dLinhaInt, d, Nsd, Msd, 0.0, s.As};
        e.iteracoesDupla.push_back(registro);

        if (std::abs(e.AsC - e.AsS) < 0.001 || std::abs(e.AsS - AsAnterior) < 1e-5) {
            t.nota(std::abs(e.AsC - e.AsS) < 0.001 ? "|As,c − As,s| < 0,001: fim da repetição."
                                                   : "O flanco não mudou desde o passe anterior: fim da repetição.");
            break;
        }
        t.nota("O flanco mudou: novo passe com a sua armadura comprimida no coroamento.");
    }
    t.grandeza({"Passes", "passes", static_cast<double>(e.iteracoesDupla.size()), "", "", 0, "passes"});

    e.flagDimensionamento = e.domC < 4 && e.domS < 4 ? 'S' : 'N';
    t.nota(e.flagDimensionamento == 'S' ? "Coroamento e flanco fora do domínio 4."
                                        : "Uma seção ficou no domínio 4: não há dimensionamento possível.");
}
