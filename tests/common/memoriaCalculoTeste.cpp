// The trace's lines: symbols put in from the nearest earlier quantity, a
// negative value in parentheses, a formula said once when it adds nothing,
// and the calculators' fields once per key.
#include "memoriaCalculo.h"

#include <gtest/gtest.h>

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
