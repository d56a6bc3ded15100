// Steel, concrete and cost of a designed pipe against figures worked by
// hand from the catalogue, and the cheapest passing wall of a cell.
#include "buscaParede.h"
#include "casosRedwan.h"
#include "custoTubo.h"
#include "dimensionamento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

ResultadoDimensionamento projetar(int tipo)
{
    EstadoDimensionamento e;
    const ExecucaoDimensionamento x = executarDimensionamento(casos::exemplo(tipo), e);
    EXPECT_EQ(x.desfecho, Desfecho::Resultados);
    return x.resultado;
}

// Hand figures: weight = base weight × (π × cage diameter + lap) × 1,0 m.
// The worked pipe (1000 mm, h 100 mm): one cage at Dcoro = 6,0 cm holds
// MF 138 + MF 396 on 100 + 2·(10 − 6) = 108 cm; two cages hold MF 113 +
// MF 396 on 100 + 2·3,5 = 107 cm and MF 196 on 100 + 20 − 2·2,5 = 115 cm.
struct CasoPeso {
    const char* nome;
    int tipo;
    double interna, externa;
    std::size_t telasInternas, telasExternas;
};

class PesoAco : public testing::TestWithParam<CasoPeso> {};

TEST_P(PesoAco, CadaGaiolaPesaAsSuasTelas)
{
    const CasoPeso c = GetParam();
    const QuantidadesTubo q = quantidadesTubo(projetar(c.tipo));
    EXPECT_EQ(q.interna.telas.size(), c.telasInternas);
    EXPECT_EQ(q.externa.telas.size(), c.telasExternas);
    EXPECT_NEAR(q.acoInterno, c.interna, 1e-9);
    EXPECT_NEAR(q.acoExterno, c.externa, 1e-9);
    EXPECT_NEAR(q.acoTotal, c.interna + c.externa, 1e-9);
    EXPECT_NEAR(q.concreto, pi / 4.0 * (1.2 * 1.2 - 1.0), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Exemplo, PesoAco,
    testing::Values(CasoPeso{"UmaGaiolaDeDuasTelas", CircularSimples,
                             1.47 * (pi * 1.08 + 0.24) + 3.73 * (pi * 1.08 + 0.40), 0.0, 2, 0},
                    CasoPeso{"DuasGaiolas", CircularDupla, 1.27 * (pi * 1.07 + 0.21) + 3.73 * (pi * 1.07 + 0.40),
                             1.94 * (pi * 1.15 + 0.28), 2, 1}),
    [](const testing::TestParamInfo<CasoPeso>& i) { return std::string(i.param.nome); });

TEST(PesoAco, UmaTelaDoCatalogo)
{
    const std::optional<DadosCatalogoTela> t = dadosCatalogoTela("113");
    ASSERT_TRUE(t);
    EXPECT_DOUBLE_EQ(t->pesoBase, 1.27);
    EXPECT_DOUBLE_EQ(t->emenda, 21.0);
    EXPECT_NEAR(pesoTela(*t, 107.0), 4.535810, 1e-6); // 1,27 × (π·1,07 + 0,21)
    EXPECT_FALSE(dadosCatalogoTela("999"));
}

// The figures the results window shows for the worked pipe with two cages.
TEST(Custo, TextosDoExemploAosPrecosPadrao)
{
    const ResultadoDimensionamento r = projetar(CircularDupla);
    TextosResultados t;
    completarTextosCusto(t, r, PrecosCusto{});
    EXPECT_EQ(t.Aco, "Aço: 26,12 kg (interna 18,57; externa 7,55)");
    EXPECT_EQ(t.Concreto, "Concreto: 0,346 m³");
    EXPECT_EQ(t.Custo, "Custo: R$ 438,19 por metro");
    EXPECT_EQ(formatarMoeda(1234567.891), "R$ 1.234.567,89");
    EXPECT_EQ(formatarMoeda(999.995), "R$ 1.000,00");

    // The calculation sheet shows each mesh's weight from its own figures.
    const MemoriaCalculo m = memoriaCusto(r, PrecosCusto{});
    const PassoMemoria* p = m.porSimbolo("Pi2");
    ASSERT_TRUE(p);
    EXPECT_EQ(linhaMemoria(m, static_cast<std::size_t>(p - m.passos.data())),
              "Pi2 = pb·(π·Dint/100 + e/100)·1,0 = 3,73·(π·107,00/100 + 40/100)·1,0 = 14,03 kg");
    EXPECT_NEAR(m.porSimbolo("C")->valor, 438.19, 0.005);
}

TEST(PrecosCusto, LinhasDoArquivoIdaEVolta)
{
    EXPECT_EQ(linhasCustos(PrecosCusto{}), (std::vector<std::string>{"[Custos]", "Concreto=550,00", "Aco=9,50"}));
    EXPECT_EQ(precosDasLinhas(linhasCustos({612.5, 10.125})), (PrecosCusto{612.5, 10.125}));
    // Lines missing or not a positive number keep the defaults.
    EXPECT_EQ(precosDasLinhas({"[Custos]", "Concreto=abc", "Aco=0"}), PrecosCusto{});
    EXPECT_EQ(precosDasLinhas({"Aco=12,00\r"}), (PrecosCusto{550.0, 12.0}));
}

// 1000 mm PA2 with two cages, fck 35: the thinnest passing wall is 90 mm,
// but a thicker one needs lighter meshes and costs less.
TEST(MenorCusto, ParedeMaisBarataEMaisGrossaQueAMaisFina)
{
    ParametrosArmadura p;
    escolherTipo(p, armaduraDupla, 1000.0);
    const EntradaLinha l = linhaPadrao(finalidadePluvial, 0, p);
    const int d1000 = 7, pa2 = 1;
    const BuscaMenorCusto b = buscarMenorCustoCelula(l, d1000, pa2, PrecosCusto{});
    ASSERT_TRUE(b.paredeMinimaViavel && b.paredeMenorCusto);
    EXPECT_EQ(*b.paredeMinimaViavel, 90);
    EXPECT_EQ(b.paredeMinimaViavel, buscarParedeMinima(l, d1000, pa2));
    EXPECT_GT(*b.paredeMenorCusto, *b.paredeMinimaViavel);
    EXPECT_NEAR(*b.paredeMenorCusto, 106, 3);
    EXPECT_GT(b.economia(), 0.0);

    // Every passing wall of the range costs at least as much, the thinner
    // ones strictly more: the stop on the concrete's cost gives the answer
    // of the whole range.
    const int minima = paredeMinimaRecomendada(l, d1000);
    for (int h = minima; h <= minima + folgaBuscaParede; ++h) {
        const CelulaLinha c = dimensionarCelula(l, d1000, pa2, std::to_string(h));
        if (!c.passa())
            continue;
        const double custo = custoTubo(quantidadesTubo(c.execucao.resultado), PrecosCusto{});
        if (h == *b.paredeMinimaViavel)
            EXPECT_NEAR(custo, b.custoMinimaViavel, 1e-9);
        if (h < *b.paredeMenorCusto)
            EXPECT_GT(custo, b.custoMenor) << h;
        else
            EXPECT_GE(custo, b.custoMenor) << h;
    }
}

TEST(MenorCusto, CelulaSemParedeQuePassa)
{
    const EntradaLinha l = linhaPadrao(finalidadePluvial, 0, ParametrosArmadura{});
    const BuscaMenorCusto b = buscarMenorCustoCelula(l, 13, 1, PrecosCusto{}); // 2000 mm PA2, one cage
    EXPECT_FALSE(b.paredeMinimaViavel);
    EXPECT_FALSE(b.paredeMenorCusto);
    EXPECT_EQ(b.economia(), 0.0);
}

} // namespace
