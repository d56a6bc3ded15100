#include "cargaTerra.h"

#include "ProjetoTubo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double nd = std::numeric_limits<double>::quiet_NaN(); // not given
constexpr double gama = 19.2, D = 0.72, bv = 1.31;

// The pipe of the worked examples: 600 mm in saturated soil, trench 1,31 m.
ValoresTrabalho tubo600(double hs, double ha, double rsd, double kMi = 0.150)
{
    ValoresTrabalho v;
    v.di = 600;
    v.de = 720;
    v.D = D;
    v.gama = gama;
    v.kMi = kMi;
    v.hs = hs;
    v.bv = bv;
    v.ha = ha;
    v.rsd = rsd;
    return v;
}

void perto(double obtido, double esperado, double tol, const char* nome)
{
    if (!std::isnan(esperado)) {
        EXPECT_NEAR(obtido, esperado, tol) << nome;
    }
}

// Loads to 0,01 kN/m, coefficients and x to 1e-4, He to 1e-3, as worked out by hand.
struct Caso {
    const char* nome;
    int tipo;
    bool compactado;
    double hs, ha, rsd;
    double carga, C, p, x, He;         // the installation's own run
    double comparacao, Cc, xc, Hec;    // the comparison run, nd when it does not run
    double W;
};

const Caso casos[] = {
    {"valaRasa", Vala, false, 1, 0, 0, 22.48, 0.6823, nd, nd, nd, 17.15, 1.7230, 1.6732, 1.205, 17.15},
    {"valaFunda", Vala, false, 3, 0, 0, 54.58, nd, nd, nd, nd, 62.63, nd, nd, nd, 54.58},
    {"positiva", ProjecaoPositiva, false, 1, 0.6, 0.5, 17.15, 1.7230, 0.8333, 1.5386, 1.108, nd, nd, nd, nd, 17.15},
    {"negativaRasa", ProjecaoNegativa, false, 1, 0.6, -0.4, 22.48, 0.6823, nd, 1.1698, 1.532, 17.15, 1.7230, nd, nd, 17.15},
    {"negativaFunda", ProjecaoNegativa, false, 3, 0.6, -0.4, 58.49, 1.7753, nd, nd, 1.532, 62.63, nd, nd, nd, 58.49},
    // Good compaction makes it a positive projection of its own ha and rsd.
    {"negativaCompactada", ProjecaoNegativa, true, 1, 0.6, 0.5, 17.15, 1.7230, 0.8333, 1.5386, 1.108, nd, nd, nd, nd, 17.15},
};

class CargaTerraInstalacao : public ::testing::TestWithParam<Caso> {};

TEST_P(CargaTerraInstalacao, reproduzOsValoresCalculados)
{
    const Caso& c = GetParam();
    const ResultadoCargaTerra r = cargaTerra(tubo600(c.hs, c.ha, c.rsd), c.tipo, c.compactado);
    EXPECT_FALSE(r.semSolucao);
    EXPECT_NEAR(r.cargaInstalacao, c.carga, 0.005);
    perto(c.tipo == Vala ? r.vala.Cd : r.projecao.C, c.C, 5e-5, "C");
    perto(r.projecao.p, c.p, 5e-5, "p");
    perto(r.projecao.x, c.x, 5e-5, "x");
    perto(r.projecao.He, c.He, 5e-4, "He");
    ASSERT_EQ(r.comparou, !std::isnan(c.comparacao));
    if (r.comparou) {
        EXPECT_NEAR(r.cargaComparacao, c.comparacao, 0.005);
        EXPECT_DOUBLE_EQ(r.comparacao.p, 0.5);
        perto(r.comparacao.C, c.Cc, 5e-5, "Cc");
        perto(r.comparacao.x, c.xc, 5e-5, "x comparação");
        perto(r.comparacao.He, c.Hec, 5e-4, "He comparação");
        EXPECT_EQ(r.comparacaoGoverna, r.cargaComparacao < r.cargaInstalacao);
    }
    EXPECT_NEAR(r.W, c.W, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Marston, CargaTerraInstalacao, ::testing::ValuesIn(casos),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(CargaTerra, projetoNovoConverteOsTextos)
{
    EXPECT_NEAR(cargaTerra(ProjetoTubo{}).W, 17.15, 0.005);
}

// The bedding factor reads Cc and p of the positive-projection run made last.
TEST(CargaTerra, ultimaProjecaoPositivaDeCadaInstalacao)
{
    struct { int tipo; bool compactado; double rsd, p; } casos[] = {
        {Vala, false, 0, 0.5},
        {ProjecaoPositiva, false, 0.5, 0.6 / D},
        {ProjecaoNegativa, true, 0.5, 0.6 / D},
        {ProjecaoNegativa, false, -0.4, 0.5},
    };
    for (const auto& c : casos) {
        const ResultadoCargaTerra r = cargaTerra(tubo600(1, 0.6, c.rsd), c.tipo, c.compactado);
        const ResultadoProjecao& u = r.ultimaProjecaoPositiva();
        EXPECT_NEAR(u.p, c.p, 1e-12) << "tipo " << c.tipo << " compactado " << c.compactado;
        EXPECT_NEAR(u.C, 1.7230, 5e-5) << "tipo " << c.tipo;
    }
}

// No projection (ha = 0): the prism over the pipe, found without any halving.
TEST(CargaTerra, semProjecaoACargaEODoPrisma)
{
    for (double hs : {1.0, 3.0}) {
        const ResultadoProjecao pos = cargaProjecaoPositiva(tubo600(hs, 0, 0.5));
        const ResultadoProjecao neg = cargaProjecaoNegativa(tubo600(hs, 0, -0.4));
        EXPECT_NEAR(pos.W, gama * hs * D, 1e-9);
        EXPECT_NEAR(neg.W, gama * hs * bv, 1e-9);
        for (const ResultadoProjecao& r : {pos, neg}) {
            EXPECT_EQ(r.bissecoes, 0);
            EXPECT_EQ(r.He, 0.0);
            EXPECT_FALSE(r.semSolucao);
        }
    }
}

// Values a file can hold but the window refuses: the bracket search gives up,
// the run is flagged and goes on with x = 0.
TEST(CargaTerra, semPlanoDeRecalqueTerminaComAviso)
{
    struct { const char* nome; int tipo; bool compactado; double hs, rsd, carga; } casos[] = {
        {"positiva sem cobertura", ProjecaoPositiva, false, 0, 0.5, 0},
        {"compactada sem cobertura", ProjecaoNegativa, true, 0, 0.5, 0},
        {"positiva com razão negativa", ProjecaoPositiva, false, 1, -0.4, gama * D},
        {"negativa com razão positiva", ProjecaoNegativa, false, 1, 0.5, gama * bv},
    };
    for (const auto& c : casos) {
        const ResultadoCargaTerra r = cargaTerra(tubo600(c.hs, 0.6, c.rsd), c.tipo, c.compactado);
        EXPECT_TRUE(r.semSolucao && r.projecao.semSolucao) << c.nome;
        EXPECT_EQ(r.projecao.x, 0.0) << c.nome;
        EXPECT_NEAR(r.projecao.W, c.carga, 1e-9) << c.nome;
        EXPECT_LE(r.W, r.projecao.W) << c.nome;
    }
    const ResultadoCargaTerra vala = cargaTerra(tubo600(0, 0, 0), Vala, false);
    EXPECT_TRUE(vala.semSolucao);
    EXPECT_EQ(vala.W, 0.0);
}

// Kμ = 0: the limits of the formulas, the prism loads, never NaN.
TEST(CargaTerra, kMiZeroDaAsCargasDoPrisma)
{
    const double hs = 2.0;
    const ValoresTrabalho v = tubo600(hs, 0.6, -0.4, 0.0);
    EXPECT_DOUBLE_EQ(cargaVala(v).Cd, hs / bv);
    EXPECT_DOUBLE_EQ(cargaVala(v).W, gama * hs * bv);
    EXPECT_DOUBLE_EQ(cargaProjecaoNegativa(v).C, hs / bv);
    EXPECT_DOUBLE_EQ(cargaComparacao(v).C, hs / D);
    EXPECT_DOUBLE_EQ(cargaProjecaoPositiva(tubo600(hs, 0.6, 0.5, 0.0)).W, gama * hs * D);
    for (int tipo : {Vala, ProjecaoNegativa}) {
        const ResultadoCargaTerra r = cargaTerra(v, tipo, false);
        EXPECT_FALSE(r.semSolucao);
        EXPECT_DOUBLE_EQ(r.W, gama * hs * D) << "tipo " << tipo;
    }
}

TEST(PlanoRecalque, semIntervaloTerminaNoLimite)
{
    struct { const char* nome; double (*F)(double); double passo; int passos; } casos[] = {
        {"sempre positiva", [](double x) { return 1.0 + x; }, 0.5, passosMaximosIntervalo},
        {"indefinida", [](double) { return std::nan(""); }, 0.5, passosMaximosIntervalo},
        {"passo zero", [](double x) { return x - 1.0; }, 0.0, 0},
        {"passo negativo", [](double x) { return x - 1.0; }, -1.0, 0},
    };
    for (const auto& c : casos) {
        const auto r = resolverPlanoRecalque(c.F, c.passo);
        EXPECT_TRUE(r.semSolucao) << c.nome;
        EXPECT_EQ(r.x, 0.0) << c.nome;
        EXPECT_EQ(r.passosIntervalo, c.passos) << c.nome;
    }
}

// An F that jumps over zero never comes within 1e-10: the bisection stops
// after 1001 passes and keeps the last midpoint.
TEST(PlanoRecalque, limiteDeBissecaoGuardaOUltimoPonto)
{
    const auto r = resolverPlanoRecalque([](double x) { return x < 1.0 / 3.0 ? -1.0 : 1.0; }, 1.0);
    EXPECT_TRUE(r.semSolucao);
    EXPECT_NEAR(r.x, 1.0 / 3.0, 1e-15);
}

} // namespace
