// Cover, shear and crack checks of the inner steel at the crown.
#include "casosRedwan.h"
#include "dimensionamento.h"
#include "secao.h"
#include "verificacoes.h"

#include <gtest/gtest.h>

namespace {

TEST(Verificacoes, FatoresDeDiametroERegiaoDeFissuracao)
{
    // At 1800 mm the lower formula applies (the upper would give 0,99286).
    for (auto [di, Frt] : {std::pair{300.0, 1.5}, {1000.0, 1.26667}, {1800.0, 1.0}, {2000.0, 0.95238}})
        EXPECT_NEAR(fatorDiametro(di), Frt, 5e-6) << di;
    SelecaoTelas par;
    par.Aint1 = 1.13;
    par.Dint1 = 3.8;
    par.Aint2 = 3.96;
    par.Dint2 = 7.1;
    EXPECT_NEAR(diametroMedioInterno(par), 6.3674, 5e-5);
    EXPECT_EQ(diametroMedioInterno(SelecaoTelas{}), 0.0);
    // φm 5: 7,5 cm wide; a cover of 1,5 (under 3,75) adds to the height.
    EXPECT_NEAR(areaEnvolvente(5.0, 1.5), 39.375, 1e-12);
    EXPECT_NEAR(areaEnvolvente(5.0, 4.0), 7.5 * 7.5, 1e-12);    // deeper: 15 diameters high
    EXPECT_NEAR(areaEnvolvente(14.0, 1.0), 11.5 * 10.0, 1e-12); // the 10 cm spacing caps the width
}

// A crown at dk = 4,5 cm in a 6 cm wall of a 1000 mm pipe with one MF196 inside.
EstadoDimensionamento paredeDe6cm(int tipo, double dk = 4.5)
{
    EstadoDimensionamento e;
    e.tipoArmadura = tipo;
    e.P = 90.0;
    e.materiais = calcularMateriais(35.0, 1.15, 1.4);
    e.geometria = calcularGeometria(1000.0, 60.0);
    e.geometria.rm = 0.55;
    e.Dcoro = e.dC = dk;
    e.dLinhaInt = 1.5;
    e.telas.Aint1 = 1.96;
    e.telas.Dint1 = 5.0;
    return e;
}

TEST(Verificacoes, CortanteEArmaduraMaxima)
{
    EstadoDimensionamento e = paredeDe6cm(CircularSimples);
    verificar(e);
    EXPECT_NEAR(e.Vu, 36.76, 0.005);
    EXPECT_FALSE(passaCortante(e)); // 45 > 36,76
    EXPECT_NEAR(e.AsMax, 5.4630, 5e-5); // ci = 1,5 cm, rs = 512,5 mm
    // The double arrangement takes ci from the inner cover, not from Dcoro.
    EstadoDimensionamento d = paredeDe6cm(CircularDupla);
    d.Dcoro = 0.0;
    verificarCobrimento(d);
    EXPECT_NEAR(d.AsMax, 5.4630, 5e-5);
    // Same depth in both arrangements: only the cap of Fd differs, binding the
    // single cage below 6,833 cm and the double below 8,2 cm.
    for (auto [dk, razao] : {std::pair{6.0, 1.4 / 1.3}, {7.5, (0.8 + 41.0 / 75.0) / 1.3}, {9.0, 1.0}}) {
        EstadoDimensionamento s = paredeDe6cm(CircularSimples, dk);
        EstadoDimensionamento u = paredeDe6cm(CircularDupla, dk);
        verificarCortante(s);
        verificarCortante(u);
        EXPECT_NEAR(s.Vu / u.Vu, razao, 1e-12) << dk;
    }
    EstadoDimensionamento semAltura = paredeDe6cm(CircularSimples, 0.0);
    EXPECT_THROW(verificarCortante(semAltura), ErroAlturaUtil);
    EXPECT_THROW(verificarFissuras(semAltura), ErroAlturaUtil);
}

TEST(Verificacoes, LimitesDosVeredictos)
{
    EstadoDimensionamento e = paredeDe6cm(CircularSimples);
    e.w = 0.25;
    e.Vu = 45.0;
    e.AsMax = 1.96;
    EXPECT_TRUE(passaFissuras(e) && passaCortante(e) && passaCobrimento(e));
    e.w = 0.2501;
    e.Vu = 44.99;
    e.AsMax = 1.95;
    EXPECT_FALSE(passaFissuras(e) || passaCortante(e) || passaCobrimento(e));
}

TEST(Verificacoes, TuboDe1000mm)
{
    struct Caso {
        int tipo;
        double phiM, dk, w1, w2;
    };
    for (const Caso& c : {Caso{CircularSimples, 6.3506, 6.0, 0.2417, 0.1130}, Caso{CircularDupla, 6.3674, 6.5, 0.2332, 0.1062}}) {
        EstadoDimensionamento e;
        ASSERT_EQ(executarDimensionamento(casos::exemplo(c.tipo), e).desfecho, Desfecho::Resultados);
        EXPECT_NEAR(diametroMedioInterno(e.telas), c.phiM, 5e-5);
        EXPECT_NEAR(alturaUtilVerificacao(e), c.dk, 1e-9);
        EXPECT_NEAR(e.w1, c.w1, 5e-5);
        EXPECT_NEAR(e.w2, c.w2, 5e-5);
        EXPECT_EQ(e.w, e.w2);
        EXPECT_NEAR(e.Pserv, 60.0, 1e-12);
    }
}

} // namespace
