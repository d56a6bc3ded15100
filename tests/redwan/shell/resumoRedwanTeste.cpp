// The summary's texts and its placement.
#include "ProjetoRedwan.h"
#include "layoutResumoRedwan.h"
#include "resumoRedwan.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> textos(const ResumoRedwan& r, PainelRedwan painel)
{
    std::vector<std::string> t;
    for (const LinhaResumoRedwan& l : linhasPainel(r, painel))
        for (const std::string& texto : l.textos)
            t.push_back(texto);
    return t;
}
} // namespace

TEST(ResumoRedwan, LinhasIniciais)
{
    const ResumoRedwan r = resumoInicialRedwan();
    EXPECT_EQ(textos(r, PainelGeometria),
              (std::vector<std::string>{"Geometria:", "Finalidade: ", "Tipo de Tubo: ", "Diâmetro interno (di) = ",
                                        "Comprimento longitudinal (l) = ", "Tubo:", "Classe: ",
                                        "Carga minima de ruptura:", "Valor = ", "", "", "", ""}));
    EXPECT_EQ(textos(r, PainelParametros),
              (std::vector<std::string>{"Armadura:", "Resistencia do concreto (fck):", "Valor = ",
                                        "Tipo de armadura: ", "Cobrimento:", "dint = ", "dext = ",
                                        "Espessura da parede = ", "Coeficientes de seguranças:", "s = ", "c = ", "",
                                        "", "Preços:", "Concreto: R$ 550,00 por m³", "Aço: R$ 9,50 por kg"}));
    EXPECT_EQ(textos(r, PainelResultados),
              (std::vector<std::string>{"Resultados - Dimensionamento:", "No coroamento:", "Momento Fletor = ",
                                        "As = ", "No Flanco:", "Momento Fletor = ", "As = ", "Telas Soldadas:",
                                        "Interna = ", "Externa = ", "Aço: ", "Concreto: ", "Custo: "}));
    // Positions and factors sit side by side, the factors after a γ.
    const auto linhas = linhasPainel(r, PainelParametros);
    EXPECT_TRUE(linhas[5].subpainel && !linhas[5].comSimboloGama);
    EXPECT_TRUE(linhas[8].subpainel && linhas[8].comSimboloGama);
}

TEST(ResumoRedwan, BlocosAtualizados)
{
    ProjetoRedwan p;
    p.geometria = {finalidadeEsgoto, 0, 10, 1}; // "Macho e Fêmea", 1300 mm, 2,50 m
    p.classe.classeEsgoto = 1;
    p.parametros = {"30,00", armaduraDupla, "3,5", "2,5", "115", "1,15", "1,40"};
    ResumoRedwan r = resumoInicialRedwan();
    atualizarGeometriaResumo(r, p);
    atualizarClasseResumo(r, p);
    atualizarParametrosResumo(r, p);
    EXPECT_EQ(textos(r, PainelGeometria),
              (std::vector<std::string>{"Geometria:", "Finalidade: Esgoto sanitário", "Tipo de Tubo: Macho e Fêmea",
                                        "Diâmetro interno (di) = 1300 mm", "Comprimento longitudinal (l) = 2,50 m",
                                        "Tubo:", "Classe: EA3", "Carga minima de ruptura:",
                                        "Valor = 176,00 kN/m", "", "", "", ""}));
    EXPECT_EQ(textos(r, PainelParametros),
              (std::vector<std::string>{"Armadura:", "Resistencia do concreto (fck):", "Valor = 30,00 MPa",
                                        "Tipo de armadura: Circular dupla", "Cobrimento:", "dint = 3,5 cm",
                                        "dext = 2,5 cm", "Espessura da parede = 115 mm",
                                        "Coeficientes de seguranças:", "s = 1,15", "c = 1,40", "", "", "Preços:",
                                        "Concreto: R$ 550,00 por m³", "Aço: R$ 9,50 por kg"}));
    // One cage: no positions.
    p.parametros.tipo = armaduraSimples;
    atualizarParametrosResumo(r, p);
    EXPECT_EQ(r.tipoArmadura, "Tipo de armadura: Circular simples");
    EXPECT_EQ(r.dInt, "dint = ----");
    EXPECT_EQ(r.dExt, "dext = ----");
    // The special class shows its typed load.
    p.classe.classeEsgoto = 3;
    p.classe.especialEsgoto = "250,00";
    atualizarClasseResumo(r, p);
    EXPECT_EQ(r.classe, "Classe: Especial");
    EXPECT_EQ(r.carga, "Valor = 250,00 kN/m");
}

TEST(ResumoRedwan, ResultadosMostradosERetirados)
{
    ResumoRedwan r = resumoInicialRedwan();
    atualizarResultadosResumo(r, {"1,23", "4,56", "-7,89", "0,12", "Q 92", "----", "Aço: 1,00 kg (interna 1,00)",
                                  "Concreto: 0,100 m³", "Custo: R$ 64,50 por metro"});
    EXPECT_EQ(textos(r, PainelResultados),
              (std::vector<std::string>{"Resultados - Dimensionamento:", "No coroamento:", "Momento Fletor = 1,23",
                                        "As = 4,56", "No Flanco:", "Momento Fletor = -7,89", "As = 0,12",
                                        "Telas Soldadas:", "Interna = Q 92", "Externa = ----",
                                        "Aço: 1,00 kg (interna 1,00)", "Concreto: 0,100 m³",
                                        "Custo: R$ 64,50 por metro"}));
    EXPECT_TRUE(r.comResultados);
    // Results the design could not price say so, not a bare prefix.
    atualizarResultadosResumo(r, {"1,23", "4,56", "-7,89", "0,12", "Q 92", "----"});
    EXPECT_EQ(r.aco, "Aço: ----");
    EXPECT_EQ(r.custo, "Custo: ----");
    limparResultadosResumo(r);
    EXPECT_FALSE(r.comResultados);
    EXPECT_EQ(textos(r, PainelResultados), textos(resumoInicialRedwan(), PainelResultados));
    // The prices follow the manufacturer's, with thousands and cents.
    atualizarPrecosResumo(r, {1234.5, 10.25});
    EXPECT_EQ(r.precoConcreto, "Concreto: R$ 1.234,50 por m³");
    EXPECT_EQ(r.precoAco, "Aço: R$ 10,25 por kg");
}

TEST(LayoutResumoRedwan, AreaDe1000Por400)
{
    const LayoutResumoRedwan L = calcularLayoutResumoRedwan(1000, 400);
    EXPECT_EQ(L.p, 323); // round(970 / 3)
    EXPECT_EQ(L.g, 8);   // round(31 / 4 = 7,75)
    EXPECT_EQ(L.titulo, (Retangulo{338, 5, 323, 36})); // (1000 − 323) / 2 = 338,5 → 338
    EXPECT_EQ(L.H1, 360);
    EXPECT_EQ(L.t, 36);
    EXPECT_EQ(L.q, 324);
    EXPECT_EQ(L.f, 23);  // round(22,68)
    EXPECT_EQ(L.s, 1);   // 13 rows: (324 − 299) / 14 = 1,79, rounded down
    EXPECT_EQ(L.alturaTitulo, 32);
    EXPECT_EQ(L.larguraSubpainel, 265);
    // Panels at 36 + 5 + round(35 / 2 = 17,5 → 18).
    EXPECT_EQ(L.paineis[0], (Retangulo{8, 59, 323, 324}));
    EXPECT_EQ(L.paineis[1], (Retangulo{339, 59, 323, 324}));
    EXPECT_EQ(L.paineis[2], (Retangulo{670, 59, 323, 324}));
    EXPECT_EQ(L.topoLinha(1), 1);
    EXPECT_EQ(L.topoLinha(13), 1 + 12 * 24);
    // The last row ends inside its panel.
    EXPECT_LE(L.topoLinha(linhasPorPainelRedwan) + L.f, L.q);
}

TEST(LayoutResumoRedwan, MeiosParaOPar)
{
    // 0,97 · 700 = 679, 679 / 3 = 226,33 → 226; (700 − 678) / 4 = 5,5 → 6;
    // 0,9 · 250 = 225; 0,1 · 225 = 22,5 → 22.
    const LayoutResumoRedwan L = calcularLayoutResumoRedwan(700, 250);
    EXPECT_EQ(L.p, 226);
    EXPECT_EQ(L.g, 6);
    EXPECT_EQ(L.t, 22);
    EXPECT_EQ(L.q, 203);
    EXPECT_EQ(L.paineis[2].x, 2 * (6 + 226) + 6);
}
