// The command line of redwan-calc --tabela and its walls file.
#include "argumentosTabela.h"

#include <gtest/gtest.h>

namespace {

TEST(ArgumentosTabela, SemOpcoesALinhaPluvialPadrao)
{
    const ArgumentosTabela a = lerArgumentosTabela({"--tabela"});
    ASSERT_TRUE(a.ok) << a.erro;
    EXPECT_EQ(a.linha.finalidade, 0);
    EXPECT_EQ(a.linha.tipoTubo, 0); // "Macho e Fêmea"
    EXPECT_EQ(a.linha.parametros.fck, "35");
    EXPECT_EQ(a.linha.parametros.tipo, armaduraSimples);
    EXPECT_EQ(a.linha.parametros.gamaS, "1,15");
    EXPECT_EQ(a.linha.parametros.gamaC, "1,40");
    EXPECT_EQ(a.linha.diametros.size(), 14u);
    EXPECT_EQ(a.linha.diametros[0].h, "45");
    EXPECT_FALSE(a.paredeMinima);
    EXPECT_FALSE(a.csv);
}

TEST(ArgumentosTabela, TodasAsOpcoes)
{
    const ArgumentosTabela a = lerArgumentosTabela(
        {"--tabela", "--finalidade", "esgoto", "--junta", "PB", "--fck", "40", "--armadura", "dupla", "--dint", "3",
         "--dext", "2,5", "--gs", "1,2", "--gc", "1,5", "--espessuras", "e.csv", "--parede-minima", "--csv", "--pdf",
         "saida", "--xlsx", "l.xlsx"});
    ASSERT_TRUE(a.ok) << a.erro;
    EXPECT_EQ(a.linha.finalidade, 1);
    EXPECT_EQ(a.linha.tipoTubo, 1);
    EXPECT_EQ(a.linha.parametros.fck, "40");
    EXPECT_EQ(a.linha.diametros[5].tipo, armaduraDupla);
    EXPECT_EQ(a.linha.diametros[5].dInt, "3");
    EXPECT_EQ(a.linha.diametros[5].dExt, "2,5");
    EXPECT_EQ(a.linha.diametros[0].h, "50");
    EXPECT_EQ(a.linha.parametros.gamaS, "1,2");
    EXPECT_EQ(a.linha.parametros.gamaC, "1,5");
    EXPECT_EQ(a.arquivoEspessuras, "e.csv");
    EXPECT_TRUE(a.paredeMinima);
    EXPECT_TRUE(a.csv);
    EXPECT_EQ(a.pastaPdf, "saida");
    EXPECT_EQ(a.arquivoXlsx, "l.xlsx");
}

struct CasoErrado {
    std::vector<std::string> argumentos;
    std::string erro;
};

class ArgumentosErrados : public testing::TestWithParam<CasoErrado> {};

TEST_P(ArgumentosErrados, DizemOQueEstaErrado)
{
    const ArgumentosTabela a = lerArgumentosTabela(GetParam().argumentos);
    EXPECT_FALSE(a.ok);
    EXPECT_EQ(a.erro, GetParam().erro);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArgumentosErrados,
    testing::Values(CasoErrado{{"--tabela", "--fck", "3.5,1"}, "--fck: \"3.5,1\" não é um número"},
                    CasoErrado{{"--tabela", "--finalidade", "chuva"},
                               "opção desconhecida ou valor inválido: --finalidade chuva"},
                    CasoErrado{{"--tabela", "--gc"}, "--gc pede um valor"},
                    CasoErrado{{"--tabela", "projeto.rdw"}, "argumento inesperado: projeto.rdw"}));

TEST(Espessuras, ArquivoDiH)
{
    EntradaLinha l = lerArgumentosTabela({"--tabela"}).linha;
    EXPECT_EQ(aplicarEspessuras(l, {"di;h", "600;65", " 2000 ; 200 ", ""}), "");
    EXPECT_EQ(l.diametros[3].h, "65");
    EXPECT_EQ(l.diametros[13].h, "200");
    EXPECT_EQ(l.diametros[4].h, "66");
    EXPECT_EQ(aplicarEspessuras(l, {"650;70"}), "linha 1: o diâmetro 650 mm não está na linha");
    EXPECT_EQ(aplicarEspessuras(l, {"600;65", "700"}), "linha 2: esperado \"di;h\" com números");
    EXPECT_EQ(aplicarEspessuras(l, {"600;0"}),
              "linha 1: a espessura deve ser maior que zero e de no máximo 1000 mm");
}

} // namespace
