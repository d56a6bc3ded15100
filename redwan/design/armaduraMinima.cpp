#include "armaduraMinima.h"

#include "memoriaCalculo.h"
#include "secao.h"

#include <cmath>

void armaduraMinima(EstadoDimensionamento& e)
{
    MemoriaCalculo& m = e.memoria;
    m.titulo("Armadura mínima: a que resiste ao momento de fissuração da parede");
    const double hcm = e.geometria.hcm;
    const double W0 = m.grandeza({"Módulo resistente da parede", "W0", 100.0 * hcm * hcm / 6.0, "cm³/m",
                                  "100·{hcm}²/6", 2, "W0"}); // cm³ per metre
    e.fctm = m.grandeza({"Resistência média à tração do concreto", "fctm",
                         0.3 * std::exp(std::log(e.materiais.fck) * 2.0 / 3.0) / 10.0, "kN/cm²", "0,3·{fck}^(2/3)/10",
                         5, "fctm"});
    const double fctkSup = m.grandeza({"Resistência superior à tração", "fctk,sup", 1.3 * e.fctm, "kN/cm²",
                                       "1,3·{fctm}", 5});
    const double MdMin = m.grandeza({"Momento mínimo", "Md,mín", 0.8 * W0 * fctkSup, "kN·cm", "0,8·{W0}·{fctk,sup}",
                                     2, "Mdmin"});

    double dLinha = e.Dcoro;
    if (e.tipoArmadura == CircularDupla) {
        dLinha = e.dLinhaInt > e.dLinhaExt ? e.dLinhaInt : e.dLinhaExt;
        m.nota("d' é a maior das posições das armaduras, d = hcm − d'.");
    } else {
        m.nota("d' é a altura útil prática Dcoro, d = hcm − d'.");
    }
    const SecaoFlexao s = dimensionarSecao(e.materiais, MdMin, 0.0, hcm - dLinha, dLinha, 0.0);
    anotarSecao(m, s, "{Md,mín}");
    e.AsMin = m.grandeza({"Armadura mínima", "AsMin", s.As, "cm²/m", "{As}", 4, "AsMin"});
}

void armadurasTransitorias(EstadoDimensionamento& e)
{
    MemoriaCalculo& m = e.memoria;
    m.titulo("Armaduras mínimas para situações transitórias (manuseio e assentamento)");
    const double D = m.grandeza({"Diâmetro do tubo na armadura", "D", e.geometria.di / 1000.0 + e.geometria.hcm / 100.0,
                                 "m", "{di}/1000 + {hcm}/100", 3}); // m
    const double fyk = m.grandeza({"Resistência característica do aço", "fyk", e.materiais.fyd * e.materiais.gamaS,
                                   "kN/cm²", "{fyd}·{γs}", 2});
    if (e.tipoArmadura == CircularDupla) {
        e.AsIntMin = m.grandeza({"Mínima interna", "AsIntMin", 1000.0 * D * D / (44.0 * fyk), "cm²/m",
                                 "1000·{D}²/(44·{fyk})", 4});
        e.AsExtMin = m.grandeza({"Mínima externa", "AsExtMin", 1000.0 * D * D / (74.0 * fyk), "cm²/m",
                                 "1000·{D}²/(74·{fyk})", 4});
    } else {
        e.AsIntMin = m.grandeza({"Mínima interna", "AsIntMin", 1000.0 * D * D / (22.0 * fyk), "cm²/m",
                                 "1000·{D}²/(22·{fyk})", 4});
        e.AsExtMin = m.grandeza({"Mínima externa (armadura simples)", "AsExtMin", 0.0, "cm²/m", "", 4});
    }
}
