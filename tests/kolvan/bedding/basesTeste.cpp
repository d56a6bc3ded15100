#include "basesAssentamento.h"
#include "basesConcreto.h"
#include "fechamentoBase.h"

#include "ProjetoTubo.h"

#include <gtest/gtest.h>

TEST(BasesAssentamento, ClassesDasDuasJanelas)
{
    const char* fatores[] = {"2,0", "1,9", "1,5", "1,1"};
    const double N[] = {0.505, 0.707, 0.840, 1.310};
    for (int classe = 0; classe < 4; ++classe) {
        const std::string letra(1, static_cast<char>('A' + classe));
        EXPECT_EQ(figuraBaseVala(classe), "ValaClasse" + letra + ".bmp");
        EXPECT_EQ(figuraBaseAterro(classe), "SaliClasse" + letra + ".bmp");
        EXPECT_EQ(fatorBaseVala(classe), fatores[classe]);
        EXPECT_DOUBLE_EQ(coeficienteNBase(classe), N[classe]);
    }
    for (int fora : {-1, 4})
        EXPECT_EQ(figuraBaseVala(fora) + descricaoBaseAterro(fora) + fatorBaseVala(fora), "");
    EXPECT_EQ(ProjetoTubo{}.baseVala.fator, fatorBaseVala(2)) << "a new project shows class C";
}

// Each description by its opening words and its length in UTF-8 bytes.
TEST(BasesAssentamento, Descricoes)
{
    const std::tuple<std::string, const char*, std::size_t> casos[] = {
        {descricaoBaseVala(0), "São aquelas em que a face inferior dos tubos é assente num berço", 288},
        {descricaoBaseVala(1), "São aquelas em que os tubos são completamente enterrados em vala", 575},
        {descricaoBaseVala(2), "São aquelas em que os tubos são colocados no fundo das valas", 434},
        {descricaoBaseVala(3), "São aquelas em que os tubos são assentados com pouco ou nenhum cuidado, não", 257},
        {descricaoBaseAterro(0), "São aquelas em que a face inferior do tubo é assentada em berço", 400},
        {descricaoBaseAterro(1), "São aquelas em que os tubos são assentados cuidadosamente sobre", 380},
        {descricaoBaseAterro(2), "São aquelas em que os tubos são colocados com cuidados normais", 291},
        {descricaoBaseAterro(3), "São aquelas em que os tubos são assentados com pouco ou nenhum cuidado para", 188},
    };
    for (const auto& [texto, inicio, tamanho] : casos) {
        EXPECT_EQ(texto.rfind(inicio, 0), 0u) << texto;
        EXPECT_EQ(texto.size(), tamanho) << inicio;
    }
    EXPECT_NE(descricaoBaseVala(0).find("no mínimo 1/4  do diâmetro interno, e estendendo-se"), std::string::npos);
    EXPECT_NE(descricaoBaseVala(2).find("colocado e socado a pá, de modo a preencher os vazios."), std::string::npos);
    EXPECT_NE(descricaoBaseAterro(1).find("de espessura não superior a 15cm até 30%"), std::string::npos);
}

TEST(BasesConcreto, OrdemDaJanelaEEscolha)
{
    const char* esperadas[3][2][2] = {{{"feco12.bmp", "4,0"}, {"fese12.bmp", "3,0"}},
                                      {{"feco14.bmp", "2,8"}, {"fese14.bmp", "2,2"}},
                                      {{"feco16.bmp", "2,3"}, {"fese16.bmp", "2,0"}}};
    for (int linha = 0; linha < 3; ++linha) {
        for (int coluna = 0; coluna < 2; ++coluna) {
            const BaseConcreto& b = basesConcreto()[linha][coluna];
            EXPECT_STREQ(b.figura, esperadas[linha][coluna][0]);
            EXPECT_EQ(b.botao, std::string("Fator de equivalência = ") + esperadas[linha][coluna][1]);
        }
    }
    // Class A refined to 4,0, then class B selected: the factor goes back to 1,9.
    BaseAssentamento vala{2, "1,5", "1,5"};
    aplicarClasseVala(vala, 0);
    EXPECT_EQ(vala.fator, "2,0");
    aplicarBaseConcreto(vala, 0, 0);
    aplicarBaseConcreto(vala, 3, 0); // outside the grid: no change
    EXPECT_EQ(vala.fator, "4,0");
    aplicarClasseVala(vala, 1);
    EXPECT_EQ(vala.fator, "1,9");
}

TEST(FechamentoBase, CoeficienteDeSeguranca)
{
    const std::tuple<const char*, const char*, std::string> casos[] = {
        {"", "", "Entre com um valor para o coeficiente de segurança."},
        {"1,499", "1,50", ""},
        {"1,5", "1,50", ""},
        {"2", "2,00", ""},
        {"1,49", "1,49", "O valor do coeficiente de segurança deverá ser maior que 1,5."},
        {"1,4949", "1,49", "O valor do coeficiente de segurança deverá ser maior que 1,5."},
        {",", ",", "\",\" não é um número válido."},
    };
    for (const auto& [digitado, texto, mensagem] : casos) {
        std::string campo = digitado;
        const VerificacaoCoeficiente v = verificarCoeficienteSeguranca(campo);
        EXPECT_EQ(v.aceito, mensagem.empty()) << digitado;
        EXPECT_EQ(campo, texto) << digitado;
        EXPECT_EQ(v.mensagem, mensagem) << digitado;
    }
}

TEST(FechamentoBase, CopiaDoCoeficienteEMudanca)
{
    ProjetoTubo p;
    p.baseAterro.coefSeguranca = "1,80";
    copiarCoeficienteSeguranca(p, true);
    EXPECT_EQ(p.baseVala.coefSeguranca, "1,80");
    p.baseVala.coefSeguranca = "2,00";
    copiarCoeficienteSeguranca(p, false);
    EXPECT_EQ(p.baseAterro.coefSeguranca, "2,00");

    const BaseAssentamento antes{2, "1,5", "1,50"};
    const std::tuple<BaseAssentamento, bool, bool> casos[] = {
        {{2, "1,5", "1,50"}, false, false}, {{2, "1,5", "1,50"}, true, true},
        {{2, "1,5", "1,60"}, false, true},  {{2, "1,50", "1,5005"}, false, false},
        {{1, "1,5", "1,50"}, false, true},  {{2, "4,0", "1,50"}, false, true},
    };
    for (const auto& [depois, primeira, muda] : casos)
        EXPECT_EQ(baseMudou(antes, depois, primeira), muda) << depois.classe << depois.fator << depois.coefSeguranca;
}
