#include "gradesTabelas.h"
#include "selecaoClasse.h"
#include "tabelasClasse.h"

#include "ProjetoTubo.h"

#include <gtest/gtest.h>

// The tables as printed; the program derives them from the Qd rates.
TEST(TabelasClasse, IguaisAsTabelasImpressas)
{
    const int a3[][4] = {{200, 16, 24, 36}, {300, 16, 24, 36}, {400, 16, 24, 36},
                         {500, 20, 30, 45}, {600, 24, 36, 54}};
    ASSERT_EQ(TabelaA3().linhas.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(TabelaA3().linhas[i].dn, a3[i][0]);
        EXPECT_EQ(TabelaA3().linhas[i].cargas, (std::vector<int>{a3[i][1], a3[i][2], a3[i][3]})) << a3[i][0];
    }
    const int a4[][9] = {{300, 12, 18, 27, 36, 18, 27, 41, 54},       {400, 16, 24, 36, 48, 24, 36, 54, 72},
                         {500, 20, 30, 45, 60, 30, 45, 68, 90},       {600, 24, 36, 54, 72, 36, 54, 81, 108},
                         {700, 28, 42, 63, 84, 42, 63, 95, 126},      {800, 32, 48, 72, 96, 48, 72, 108, 144},
                         {900, 36, 54, 81, 108, 54, 81, 122, 162},    {1000, 40, 60, 90, 120, 60, 90, 135, 180},
                         {1100, 44, 66, 99, 132, 66, 99, 149, 198},   {1200, 48, 72, 108, 144, 72, 108, 162, 216},
                         {1500, 60, 90, 135, 180, 90, 135, 203, 270}, {1750, 70, 105, 158, 210, 105, 158, 237, 315},
                         {2000, 80, 120, 180, 240, 120, 180, 270, 360}};
    ASSERT_EQ(TabelaA4().linhas.size(), 13u);
    for (int i = 0; i < 13; ++i) {
        const LinhaTabelaClasse& l = TabelaA4().linhas[i];
        EXPECT_EQ(l.dn, a4[i][0]);
        // PA1..PA4 crack and rupture, then EA2..EA4 repeating PA2..PA4.
        const std::vector<int> esperadas{a4[i][1], a4[i][2], a4[i][3], a4[i][4], a4[i][5], a4[i][6], a4[i][7],
                                         a4[i][8], a4[i][2], a4[i][3], a4[i][4], a4[i][6], a4[i][7], a4[i][8]};
        EXPECT_EQ(l.cargas, esperadas) << l.dn;
    }
    EXPECT_EQ(TabelaA4().colunas[11].classe, "EA2");
    EXPECT_EQ(TabelaA4().colunas[11].qd, 90);
    EXPECT_EQ(TabelaA4().linha(1300), nullptr);
    EXPECT_EQ(TabelaA3().linha(700), nullptr);
}

TEST(TabelasClasse, CelulasECabecalhos)
{
    const GradeTabela a3 = gradeTabelaA3();
    EXPECT_EQ(a3.titulo, "Compressão diametral de tubos simples");
    EXPECT_EQ(a3.largurasColunas, (std::vector<int>{57, 118, 118, 118}));
    ASSERT_EQ(a3.celulas.size(), 9u);
    EXPECT_EQ(a3.celulas[0], std::vector<std::string>(4));
    EXPECT_EQ(a3.celulas[2], (std::vector<std::string>{"      300", "                 16",
                                                        "                 24", "                 36"}));
    EXPECT_EQ(a3.linhaFaixa, 6);
    EXPECT_EQ(a3.celulas[6], std::vector<std::string>(4));
    EXPECT_EQ(a3.celulas[7], std::vector<std::string>(4));
    EXPECT_EQ(a3.celulas[8], (std::vector<std::string>{"      Qd", "                 40",
                                                        "                 60", "                 90"}));
    EXPECT_EQ(a3.classes, (std::vector<std::string>{"", "PS1", "PS2", "ES"}));
    ASSERT_EQ(a3.finalidades.size(), 2u);
    EXPECT_EQ(a3.finalidades[0].linhas, std::vector<std::string>{"Água pluvial"});
    EXPECT_EQ(a3.finalidades[1].linhas, std::vector<std::string>{"Esgoto sanitário"});
    EXPECT_EQ(a3.finalidades[1].primeiraColuna, 3);
    EXPECT_EQ(a3.tiposCarga.at(1).linhas, (std::vector<std::string>{"Carga minima ruptura", "(kN/m)"}));

    const GradeTabela a4 = gradeTabelaA4();
    EXPECT_EQ(a4.titulo, "Compressão diametral de tubos armados");
    ASSERT_EQ(a4.celulas.size(), 17u);
    EXPECT_EQ(a4.largurasColunas.size(), 15u);
    EXPECT_EQ(a4.largurasColunas[0], 57);
    EXPECT_EQ(a4.largurasColunas[14], 37);
    EXPECT_EQ(a4.linhaFaixa, 14);
    EXPECT_EQ(a4.celulas[13][0], "     2000");
    EXPECT_EQ(a4.celulas[13][8], "  360");
    EXPECT_EQ(a4.celulas[1][1], "   12");
    EXPECT_EQ(a4.celulas[16][0], "      Qd");
    EXPECT_EQ(a4.celulas[16][12], "   90") << "EA2 rupture, as PA2 rupture";
    struct Grupo {
        const char* texto;
        int primeira, colunas;
    } tipos[] = {{"Carga minima trinca", 1, 4}, {"Carga minima ruptura", 5, 4},
                 {"Carga minima trinca", 9, 3}, {"Carga minima ruptura", 12, 3}};
    ASSERT_EQ(a4.tiposCarga.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a4.tiposCarga[i].linhas[0], tipos[i].texto);
        EXPECT_EQ(a4.tiposCarga[i].primeiraColuna, tipos[i].primeira);
        EXPECT_EQ(a4.tiposCarga[i].colunas, tipos[i].colunas);
    }
    ASSERT_EQ(a4.finalidades.size(), 2u);
    EXPECT_EQ(a4.finalidades[0].colunas, 8);
    EXPECT_EQ(a4.finalidades[1].colunas, 6);
    EXPECT_EQ(a4.classes[13], "EA3");
}

// The cases of the class selection, through the texts the window shows.
TEST(SelecaoClasse, CasosDeResistencia)
{
    struct Caso {
        double R;
        int di, finalidade;
        const char *armado, *textoArmado, *simples, *textoSimples, *textoClasse;
    } casos[] = {
        {24.00, 600, 0, "PA1", " 36,00 kN/m", "PS1", " 24,00 kN/m", " PA1 ou PS1"},
        {24.01, 600, 0, "PA1", " 36,00 kN/m", "PS2", " 36,00 kN/m", " PA1 ou PS2"},
        // 40,8 exceeds PA3's 40,5 although its load shows as 41,00.
        {40.8, 300, 0, "PA4", " 54,00 kN/m", "", " não existe", " PA4"},
        {40.5, 300, 0, "PA3", " 41,00 kN/m", "", " não existe", " PA3"},
        {200, 1750, 1, "EA3", " 237,00 kN/m", "", " não existe", " EA3"},
        {10, 200, 0, "", " não existe", "PS1", " 16,00 kN/m", " PS1"},
        {181, 1000, 1, "Especial", " 0,00 kN/m", "", " não existe", " Especial"},
        {40, 200, 1, "", " não existe", "", " não existe", " "},
        {36, 600, 1, "EA2", " 54,00 kN/m", "ES", " 54,00 kN/m", " EA2 ou ES"},
        {70, 1300, 0, "PA1", " 78,00 kN/m", "", " não existe", " PA1"},
        {24, 700, 0, "PA1", " 42,00 kN/m", "", " não existe", " PA1"},
        {36.0000000001, 600, 0, "PA1", " 36,00 kN/m", "PS2", " 36,00 kN/m", " PA1 ou PS2"},
    };
    for (const Caso& c : casos) {
        Resultado r;
        preencherResultado(r, c.R, selecionarClasses(c.R, c.di, c.finalidade));
        const std::string nome = std::to_string(c.di) + " mm, R " + std::to_string(c.R);
        EXPECT_EQ(r.classeArmado, c.armado) << nome;
        EXPECT_EQ(r.textoArmado, c.textoArmado) << nome;
        EXPECT_EQ(r.classeSimples, c.simples) << nome;
        EXPECT_EQ(r.textoSimples, c.textoSimples) << nome;
        EXPECT_EQ(r.textoClasse, c.textoClasse) << nome;
        EXPECT_EQ(linhaTubosArmados(r), std::string("Tubos Armados =") + c.textoArmado) << nome;
    }
    Resultado r;
    preencherResultado(r, 42.5, selecionarClasses(42.5, 1750, 1));
    EXPECT_EQ(r.textoValor, "42,50 kN/m");
    EXPECT_DOUBLE_EQ(r.resistenciaNecessaria, 42.5);
    EXPECT_DOUBLE_EQ(r.cargaArmado, 158.0) << "the load shown replaces 157,5";
    EXPECT_EQ(linhaTubosSimples(r), "Tubos Simples = não existe");
}
