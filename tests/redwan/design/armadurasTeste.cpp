// The single and double arrangements and the minimum reinforcement.
#include "armaduraDupla.h"
#include "armaduraMinima.h"
#include "armaduraSimples.h"
#include "casosRedwan.h"
#include "dimensionamento.h"

#include <gtest/gtest.h>

namespace {

EstadoDimensionamento executado(const DadosDimensionamento& d)
{
    EstadoDimensionamento e;
    executarDimensionamento(d, e);
    return e;
}

TEST(ArmaduraSimples, PosicoesEGradeDeMeioCentimetro)
{
    struct Caso {
        double hcm;
        int nPos;
        double primeira, ultima;
    };
    // round(2,5) is 2: a 5 cm wall starts off the middle.
    for (const Caso& c : {Caso{6.0, 91, 3.00, 2.10}, Caso{10.0, 151, 5.00, 3.50}, Caso{5.0, 76, 2.00, 1.25}}) {
        EXPECT_EQ(numeroPosicoes(c.hcm), c.nPos) << c.hcm;
        EXPECT_NEAR(posicaoTentativa(c.hcm, 1), c.primeira, 1e-12) << c.hcm;
        EXPECT_NEAR(posicaoTentativa(c.hcm, c.nPos), c.ultima, 1e-9) << c.hcm;
    }
    for (auto [dC, Dcoro] : {std::pair{4.30, 4.5}, {4.25, 4.0}, {4.26, 4.5}, {4.74, 4.5}, {4.75, 5.0}, {4.0, 4.0}})
        EXPECT_EQ(arredondarDcoro(dC), Dcoro) << dC;
}

TEST(ArmaduraSimples, TuboDe1000mm)
{
    const EstadoDimensionamento e = executado(casos::exemplo(CircularSimples));
    ASSERT_EQ(e.nPos, 151);
    ASSERT_EQ(e.posicoes.size(), 151u);
    EXPECT_NEAR(e.posicoes.front().dC, 5.00, 1e-9);
    EXPECT_NEAR(e.posicoes.back().dC, 6.50, 1e-9);
    // The 131st position: crown in domain 2, springline in domain 3 ...
    EXPECT_EQ(e.AsC, e.posicoes[130].AsC);
    EXPECT_NEAR(e.dC, 6.30, 1e-9);
    EXPECT_EQ(e.domC, 2);
    EXPECT_NEAR(e.AsC, 4.90, 0.005);
    EXPECT_NEAR(e.dS, 3.70, 1e-9);
    EXPECT_EQ(e.domS, 3);
    EXPECT_NEAR(e.AsS, 4.47, 0.005);
    EXPECT_EQ(e.posicoes[131].domS, 4); // ... one step inward, domain 4
    // Dcoro 6,5 puts the springline in domain 4 ...
    const PosicaoArmadura& em65 = e.posicoes[150];
    EXPECT_EQ(em65.domS, 4);
    EXPECT_NEAR(em65.AsS, 5.25, 0.005);
    EXPECT_NEAR(em65.sigmaS, 48.63, 0.005);
    // ... so the crown goes to 6,0: both sections in domain 3 at fyd.
    const PosicaoArmadura& em60 = e.posicoes[100];
    EXPECT_NEAR(em60.dC, 6.0, 1e-9);
    EXPECT_NEAR(em60.AsC, 5.20, 0.005);
    EXPECT_NEAR(em60.AsS, 3.98, 0.005);
    EXPECT_EQ(em60.domC + em60.domS, 6);
    EXPECT_NEAR(em60.sigmaS, e.materiais.fyd, 1e-9);
    EXPECT_DOUBLE_EQ(e.Dcoro, 6.0);
    EXPECT_EQ(e.AsP_Prat, em60.AsC);
    EXPECT_EQ(e.flagDimensionamento, 'S');
}

PosicaoArmadura linha(double dC, double AsC, int domC, double AsS, int domS, double sigmaC = 52, double sigmaS = 52)
{
    PosicaoArmadura p;
    p.dC = dC;
    p.AsC = AsC;
    p.domC = domC;
    p.AsS = AsS;
    p.domS = domS;
    p.sigmaC = sigmaC;
    p.sigmaS = sigmaS;
    return p;
}

EstadoDimensionamento comPosicoes(std::vector<PosicaoArmadura> posicoes, double dC = 0.0)
{
    EstadoDimensionamento e;
    e.materiais = calcularMateriais(35.0, 1.15, 1.4); // 0,7·fyd = 36,52
    e.geometria = calcularGeometria(1000.0, 100.0);
    e.posicoes = std::move(posicoes);
    e.dC = dC;
    e.flagDimensionamento = 'S';
    return e;
}

TEST(ArmaduraSimples, EscolhaEntrePosicoes)
{
    // 5,1 has the smallest difference but a domain 4; 5,3 ties with 5,2.
    EstadoDimensionamento e = comPosicoes({linha(5.0, 3.0, 2, 4.0, 3), linha(5.1, 3.5, 2, 3.5, 4),
                                           linha(5.2, 3.2, 2, 3.7, 3), linha(5.3, 3.7, 2, 3.2, 3)});
    escolherPosicao(e);
    EXPECT_EQ(e.flagDimensionamento, 'S');
    EXPECT_DOUBLE_EQ(e.dC, 5.2);

    EstadoDimensionamento nenhuma = comPosicoes({linha(5.0, 3.0, 4, 4.0, 3), linha(5.1, 3.5, 2, 3.5, 4)});
    escolherPosicao(nenhuma);
    EXPECT_EQ(nenhuma.flagDimensionamento, 'N');
    EXPECT_EQ(nenhuma.dC, 0.0);
}

struct CasoPratica {
    const char* nome;
    double dC;
    std::vector<PosicaoArmadura> posicoes;
    double Dcoro, AsP_Prat;
    char flag;
};

class PosicaoPratica : public ::testing::TestWithParam<CasoPratica> {};

TEST_P(PosicaoPratica, DcoroAsEFlag)
{
    const CasoPratica& c = GetParam();
    EstadoDimensionamento e = comPosicoes(c.posicoes, c.dC);
    posicaoPratica(e);
    EXPECT_DOUBLE_EQ(e.Dcoro, c.Dcoro);
    EXPECT_DOUBLE_EQ(e.AsP_Prat, c.AsP_Prat);
    EXPECT_EQ(e.flagDimensionamento, c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PosicaoPratica,
    ::testing::Values(
        CasoPratica{"maiorDosDois", 4.30, {linha(4.5, 2.0, 2, 2.6, 3)}, 4.5, 2.6, 'S'},
        CasoPratica{"ultimaQueCoincide", 4.30, {linha(4.5, 2.9, 2, 2.0, 3), linha(4.5, 2.4, 2, 2.1, 3)}, 4.5, 2.4, 'S'},
        // Domain 4 at 4,5: with dC = 4,30 the retry goes down to 4,0, with 4,60 up to 5,0.
        CasoPratica{"recuaAbaixo", 4.30, {linha(4.0, 3.1, 3, 2.5, 3), linha(4.5, 2.9, 2, 3.3, 4)}, 4.0, 3.1, 'S'},
        CasoPratica{"avancaAcima", 4.60, {linha(4.5, 2.9, 2, 3.3, 4), linha(5.0, 2.7, 2, 3.0, 3)}, 5.0, 3.0, 'S'},
        // Still domain 4 after the retry: the governing stress decides against 0,7·fyd ...
        CasoPratica{"tensaoBaixa", 4.30, {linha(4.0, 3.1, 2, 3.6, 4, 52, 30), linha(4.5, 2.9, 2, 3.3, 4)}, 4.0, 3.6, 'N'},
        CasoPratica{"tensaoBastante", 4.30, {linha(4.0, 3.1, 2, 3.6, 4, 52, 40), linha(4.5, 2.9, 2, 3.3, 4)}, 4.0, 3.6, 'S'},
        // ... the springline's on equal domains, the crown's when its domain is larger.
        CasoPratica{"empateFlanco", 4.30, {linha(4.0, 3.1, 4, 3.6, 4, 52, 30), linha(4.5, 2.9, 2, 3.3, 4)}, 4.0, 3.6, 'N'},
        CasoPratica{"coroamento", 4.30, {linha(4.0, 3.1, 4, 3.6, 3, 30, 52), linha(4.5, 2.9, 2, 3.3, 4)}, 4.0, 3.6, 'N'}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ArmaduraSimples, DcoroForaDaVarreduraEProjetadoAli)
{
    // 600 mm, 60 mm wall, 36 kN/m: positions reach dc = 3,90, the chosen
    // one, and the grid puts the crown at 4,0, where nothing was scanned.
    DadosDimensionamento d = casos::exemplo(CircularSimples);
    d.P = 36.0;
    d.di = 600.0;
    d.h = 60.0;
    const EstadoDimensionamento e = executado(d);
    ASSERT_NEAR(e.posicoes.back().dC, 3.90, 1e-9);
    ASSERT_NEAR(e.dC, 3.90, 1e-9);
    EXPECT_DOUBLE_EQ(e.Dcoro, 4.0);
    const PosicaoArmadura em40 = projetarPosicao(e, 2.0);
    EXPECT_EQ(e.AsP_Prat, std::max(em40.AsC, em40.AsS));
    // The springline at d = 2,0 needs more than either section at 3,90.
    EXPECT_GT(e.AsP_Prat, std::max(e.AsC, e.AsS) + 0.01);
}

TEST(ArmaduraSimples, SemPosicaoAdmissivelNaoHaPosicaoPratica)
{
    DadosDimensionamento d = casos::exemplo(CircularSimples);
    d.P = 400.0;
    const EstadoDimensionamento e = executado(d);
    EXPECT_EQ(e.flagDimensionamento, 'N');
    EXPECT_EQ(e.Dcoro, 0.0);
    EXPECT_EQ(e.AsP_Prat, 0.0);
}

TEST(ArmaduraDupla, TuboDe1000mmEmDuasPassagens)
{
    const EstadoDimensionamento e = executado(casos::exemplo(CircularDupla));
    ASSERT_EQ(e.iteracoesDupla.size(), 2u);
    EXPECT_NEAR(e.dC, 6.50, 1e-12);
    EXPECT_NEAR(e.xiC * e.dC, 1.71, 0.005);
    EXPECT_EQ(e.domC, 3);
    EXPECT_NEAR(e.AsC, 4.43, 0.005);
    EXPECT_NEAR(e.dS, 7.50, 1e-12);
    EXPECT_NEAR(e.xiS * e.dS, 1.10, 0.005);
    EXPECT_EQ(e.domS, 2);
    EXPECT_NEAR(e.AsS, 1.87, 0.005);
    EXPECT_EQ(e.flagDimensionamento, 'S');
    // Pass 2 designs the crown with pass 1's springline area compressed;
    // the springline itself never changes.
    const PassoDupla& p1 = e.iteracoesDupla[0];
    const PassoDupla& p2 = e.iteracoesDupla[1];
    EXPECT_EQ(p1.coroamento.AsLinha, 0.0);
    EXPECT_EQ(p2.coroamento.AsLinha, p1.flanco.As);
    EXPECT_EQ(p2.flanco.As, p1.flanco.As);
    EXPECT_GT(p1.coroamento.As, e.AsC);
    // Crown d = hcm − d'int with d' = d'ext, the springline the other way
    // round with its moment moved to the steel.
    EXPECT_DOUBLE_EQ(p1.coroamento.dLinha, 2.5);
    EXPECT_DOUBLE_EQ(p1.flanco.dLinha, 3.5);
    EXPECT_NEAR(p1.flanco.Msd, 900.9 + 45.0 * 2.5, 1e-9);

    DadosDimensionamento pesado = casos::exemplo(CircularDupla);
    pesado.P = 200.0;
    const EstadoDimensionamento f = executado(pesado);
    EXPECT_EQ(f.domC, 4);
    EXPECT_EQ(f.flagDimensionamento, 'N');
}

TEST(ArmaduraMinima, TuboDe1000mm)
{
    struct Caso {
        int tipo;
        double AsMin, AsIntMin, AsExtMin;
    };
    for (const Caso& c : {Caso{CircularSimples, 2.94, 0.9167, 0.0}, Caso{CircularDupla, 1.72, 0.4583, 0.2725}}) {
        const EstadoDimensionamento e = executado(casos::exemplo(c.tipo));
        EXPECT_NEAR(e.fctm, 0.3210, 5e-5);
        EXPECT_NEAR(e.AsMin, c.AsMin, 0.005) << c.tipo;
        EXPECT_NEAR(e.AsIntMin, c.AsIntMin, 5e-5) << c.tipo;
        EXPECT_NEAR(e.AsExtMin, c.AsExtMin, 5e-5) << c.tipo;
    }
    // The double arrangement's minimum sits at the larger cover, whichever it is.
    DadosDimensionamento d = casos::exemplo(CircularDupla);
    EstadoDimensionamento e = executado(d);
    const double AsMin = e.AsMin;
    e.dLinhaInt = e.dLinhaExt = 3.5;
    armaduraMinima(e);
    EXPECT_EQ(e.AsMin, AsMin);
    std::swap(d.dLinhaInt, d.dLinhaExt);
    EXPECT_EQ(executado(d).AsMin, AsMin);
}

} // namespace
