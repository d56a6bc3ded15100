#include "materiais.h"

#include "memoriaCalculo.h"

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

Materiais calcularMateriais(double fck, double gamaS, double gamaC, MemoriaCalculo& memoria)
{
    const Materiais m = calcularMateriais(fck, gamaS, gamaC);
    MemoriaCalculo& t = memoria;
    t.titulo("Materiais: aço CA 60 e concreto");
    t.grandeza({"Resistência característica do aço", "fyk", fykCA60, "kN/cm²", "", 2});
    t.grandeza({"Módulo de elasticidade do aço", "Es", m.Es, "kN/cm²", "", 0});
    t.grandeza({"Resistência de cálculo do aço", "fyd", m.fyd, "kN/cm²", "{fyk}/{γs}", 4, "fyd"});
    t.grandeza({"Resistência de cálculo do concreto", "fcd", m.fcd, "kN/cm²", "{fck}/(10·{γc})", 4, "fcd"});
    t.grandeza({"Deformação de cálculo do aço", "εyd", m.epsYd, "", "{fyd}/{Es} + 0,002", 7, "eyd"});
    t.grandeza({"Limite dos domínios 3 e 4", "ξlim", m.xiLim, "", "0,0035/(0,0035 + {εyd})", 5, "xilim"});
    t.grandeza({"Largura da faixa de cálculo (1 m de tubo)", "b", m.b, "cm", "", 0});
    return m;
}
