// The trace's lines: symbols put in from the nearest earlier quantity, a
// negative value in parentheses, a formula said once when it adds nothing,
// and the calculators' fields once per key.
#include "avaliacaoFormula.h"
#include "memoriaCalculo.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MemoriaCalculo, LinhasComFormulaEValores)
{
    MemoriaCalculo m;
    m.grandeza({"", "hs", 1.0, "m", "", 2});
    m.grandeza({"", "rsd", -0.4, "", "", 1});
    m.grandeza({"", "a", 0.3, "", "", 2});
    m.grandeza({"", "a", 0.5, "", "", 2}); // a second run of a routine reads its own
    m.grandeza({"", "t", 0.2, "", "{a}·{rsd}·{hs}", 3, "t"});
    m.grandeza({"", "u", 0.2, "kN", "{t}", 2, "t"});
    m.grandeza({"", "v", 7.0, "", "{v0} + 1", 1});
    m.grandeza({"", "w", 2.0, "", "raiz de F(x)", 4});
    m.nota("hs > He");
    const struct {
        std::size_t indice;
        const char* linha;
    } casos[] = {
        {0, "hs = 1,00 m"},
        {4, "t = a·rsd·hs = 0,50·(-0,4)·1,00 = 0,200"},
        {5, "u = t = 0,200 = 0,20 kN"},
        {6, "v = v0 + 1 = 7,0"},
        {7, "w = raiz de F(x) = 2,0000"},
        {8, "hs > He"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(linhaMemoria(m, c.indice), c.linha) << c.indice;

    const auto campos = camposMemoria(m);
    ASSERT_EQ(campos.size(), 1u);
    EXPECT_EQ(campos[0].first, "t");
    EXPECT_EQ(campos[0].second, "0,200000");
    EXPECT_EQ(m.porChave("t")->simbolo, "u");
    EXPECT_EQ(m.porSimbolo("a")->valor, 0.5);
}


// The sheet's formulas worked out as printed, against hand-computed values;
// what is not arithmetic gives nothing.
TEST(MemoriaCalculo, AvaliacaoDaFormulaImpressa)
{
    const struct {
        const char* formula;
        double esperado; // NAN: no value
    } casos[] = {
        {"(65,667 + 12,00)/1,50·1,60", 82.84480},
        {"mín(22,48; 17,15)", 17.15},
        {"máx(15,92; 3,60; 20)", 20.0},
        {"(1 − e^(−0,300·1,00/1,31))/0,300", 0.6823},
        {"1000·1,100²/(22·60,00)", 0.916667},
        {"0,3·35,0^(2/3)/10", 0.321000},
        {"√35,0·83·0,9", 441.9312},
        {"arred(0,15·10,00/0,01) + 1", 151.0},
        {"(2,400 − 0,50)/1,4", 1.357143},
        {"-0,4·(−2)³", 3.2},
        {"raiz de F(xe)", NAN},
        {"0,50·hs", NAN},
        {"(1,0 + 2", NAN},
    };
    for (const auto& c : casos) {
        const auto v = avaliarFormula(c.formula);
        if (std::isnan(c.esperado))
            EXPECT_FALSE(v) << c.formula;
        else
            EXPECT_NEAR(v.value_or(-1e9), c.esperado, 1e-4) << c.formula;
    }
}

// An input shown with fewer decimals than the result needs gets more, only
// as many as the line needs; a value exact with its own decimals keeps them.
TEST(MemoriaCalculo, EntradasComAsCasasQueOResultadoPede)
{
    MemoriaCalculo m;
    m.grandeza({"", "W", 65.6666667, "kN/m", "", 2});
    m.grandeza({"", "qs", 12.0, "kN/m", "", 2});
    m.grandeza({"", "fe", 1.5, "", "", 2});
    m.grandeza({"", "γf", 1.6, "", "", 2});
    m.grandeza({"", "R", (65.6666667 + 12.0) / 1.5 * 1.6, "kN/m", "({W} + {qs})/{fe}·{γf}", 2});
    m.grandeza({"", "S", 65.6666667 + 12.0, "kN/m", "{W} + {qs}", 1});
    EXPECT_EQ(linhaMemoria(m, 4), "R = (W + qs)/fe·γf = (65,667 + 12,00)/1,50·1,60 = 82,84 kN/m");
    EXPECT_EQ(linhaMemoria(m, 5), "S = W + qs = 65,67 + 12,00 = 77,7 kN/m");
}
