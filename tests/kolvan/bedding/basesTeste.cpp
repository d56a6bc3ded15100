#include "basesAssentamento.h"
#include "basesConcreto.h"
#include "fechamentoBase.h"

#include "ProjetoTubo.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(BasesAssentamento, ClassesDasDuasJanelas)
{
    struct Caso {
        int classe;
        const char *figuraVala, *figuraAterro, *fator;
        double N;
    } casos[] = {
        {0, "ValaClasseA.bmp", "SaliClasseA.bmp", "2,0", 0.505},
        {1, "ValaClasseB.bmp", "SaliClasseB.bmp", "1,9", 0.707},
        {2, "ValaClasseC.bmp", "SaliClasseC.bmp", "1,5", 0.840},
        {3, "ValaClasseD.bmp", "SaliClasseD.bmp", "1,1", 1.310},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(figuraBaseVala(c.classe), c.figuraVala);
        EXPECT_EQ(figuraBaseAterro(c.classe), c.figuraAterro);
        EXPECT_EQ(fatorBaseVala(c.classe), c.fator);
        EXPECT_DOUBLE_EQ(coeficienteNBase(c.classe), c.N);
    }
    for (int fora : {-1, 4}) {
        EXPECT_EQ(figuraBaseVala(fora), "");
        EXPECT_EQ(descricaoBaseAterro(fora), "");
        EXPECT_EQ(fatorBaseVala(fora), "");
        EXPECT_DOUBLE_EQ(coeficienteNBase(fora), 0.0);
    }
    // The new project's trench factor is class C's.
    EXPECT_EQ(ProjetoTubo{}.baseVala.fator, fatorBaseVala(2));
}

TEST(BasesAssentamento, Descricoes)
{
    struct Caso {
        std::string texto;
        const char* inicio;
        const char* fim;
        std::size_t tamanho; // in bytes of UTF-8
    } casos[] = {
        {descricaoBaseVala(0), "São aquelas em que a face inferior dos tubos é assente",
         "até 1/4 do diâmetro externo.", 288},
        {descricaoBaseVala(1), "São aquelas em que os tubos são completamente enterrados",
         "em camadas de espessura não superior a 15 cm.", 575},
        {descricaoBaseVala(2), "São aquelas em que os tubos são colocados no fundo das valas",
         "por material granular, colocado e socado a pá, de modo a preencher os vazios.", 434},
        {descricaoBaseVala(3), "São aquelas em que os tubos são assentados com pouco ou nenhum cuidado, não se",
         "ao menos parcialmente, com material granular.", 257},
        {descricaoBaseAterro(0), "São aquelas em que a face inferior do tubo é assentada",
         "O berço deve ser concretado sem juntas horizontais de construção.", 400},
        {descricaoBaseAterro(1), "São aquelas em que os tubos são assentados cuidadosamente",
         "de espessura não superior a 15cm até 30% de sua altura, acima do topo.", 380},
        {descricaoBaseAterro(2), "São aquelas em que os tubos são colocados com cuidados normais",
         "que encha completamente os espaços sob e adjacente ao tubo.", 291},
        {descricaoBaseAterro(3), "São aquelas em que os tubos são assentados com pouco ou nenhum cuidado para",
         "ou em relação ao enchimento dos espaços sob e adjacente ao tubo.", 188},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(c.texto.rfind(c.inicio, 0), 0u) << c.texto;
        ASSERT_GE(c.texto.size(), std::string(c.fim).size());
        EXPECT_EQ(c.texto.substr(c.texto.size() - std::string(c.fim).size()), c.fim) << c.texto;
        EXPECT_EQ(c.texto.size(), c.tamanho) << c.inicio;
    }
    // The trench class A text keeps its double blank.
    EXPECT_NE(descricaoBaseVala(0).find("no mínimo 1/4  do diâmetro interno, e estendendo-se verticalmente"),
              std::string::npos);
    EXPECT_NE(descricaoBaseAterro(0).find("espessura mínima sob o tubo de um 1/4 do diâmetro interno"),
              std::string::npos);
}

TEST(BasesConcreto, OrdemDaJanelaEEscolha)
{
    const char* esperadas[3][2][2] = {
        {{"feco12.bmp", "4,0"}, {"fese12.bmp", "3,0"}},
        {{"feco14.bmp", "2,8"}, {"fese14.bmp", "2,2"}},
        {{"feco16.bmp", "2,3"}, {"fese16.bmp", "2,0"}},
    };
    for (int linha = 0; linha < 3; ++linha) {
        for (int coluna = 0; coluna < 2; ++coluna) {
            const BaseConcreto& b = basesConcreto()[linha][coluna];
            EXPECT_STREQ(b.figura, esperadas[linha][coluna][0]);
            EXPECT_STREQ(b.fator, esperadas[linha][coluna][1]);
            EXPECT_EQ(std::string(b.botao), std::string("Fator de equivalência = ") + b.fator);
        }
    }

    // Class A refined to 4,0, then class B selected: the factor goes back to 1,9.
    BaseAssentamento vala{2, "1,5", "1,5"};
    aplicarClasseVala(vala, 0);
    EXPECT_EQ(vala.fator, "2,0");
    aplicarBaseConcreto(vala, 0, 0);
    EXPECT_EQ(vala.fator, "4,0");
    aplicarBaseConcreto(vala, 3, 0);
    aplicarBaseConcreto(vala, 0, 2);
    EXPECT_EQ(vala.fator, "4,0") << "outside the grid nothing changes";
    aplicarClasseVala(vala, 1);
    EXPECT_EQ(vala.classe, 1);
    EXPECT_EQ(vala.fator, "1,9");
}

TEST(FechamentoBase, CoeficienteDeSeguranca)
{
    struct Caso {
        const char* digitado;
        bool aceito;
        const char* texto;
        std::string mensagem;
    } casos[] = {
        {"", false, "", mensagemCoeficienteVazio},
        {"1,499", true, "1,50", ""},
        {"1,5", true, "1,50", ""},
        {"1,49", false, "1,49", mensagemCoeficienteMinimo},
        {"1,4949", false, "1,49", mensagemCoeficienteMinimo},
        {"2", true, "2,00", ""},
        {"0", false, "0,00", mensagemCoeficienteMinimo},
        {",", false, ",", "\",\" não é um número válido."},
    };
    for (const Caso& c : casos) {
        std::string texto = c.digitado;
        const VerificacaoCoeficiente v = verificarCoeficienteSeguranca(texto);
        EXPECT_EQ(v.aceito, c.aceito) << c.digitado;
        EXPECT_EQ(texto, c.texto) << c.digitado;
        EXPECT_EQ(v.mensagem, c.mensagem) << c.digitado;
    }
    EXPECT_STREQ(mensagemCoeficienteVazio, "Entre com um valor para o coeficiente de segurança.");
    EXPECT_STREQ(mensagemCoeficienteMinimo, "O valor do coeficiente de segurança deverá ser maior que 1,5.");
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
    struct Caso {
        const char* nome;
        BaseAssentamento depois;
        bool primeira, muda;
    } casos[] = {
        {"nothing changed", {2, "1,5", "1,50"}, false, false},
        {"first confirmation", {2, "1,5", "1,50"}, true, true},
        {"cs 1,5 to 1,6", {2, "1,5", "1,60"}, false, true},
        {"cs within 0,001", {2, "1,50", "1,5005"}, false, false},
        {"other class", {1, "1,5", "1,50"}, false, true},
        {"concrete base factor", {2, "4,0", "1,50"}, false, true},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(baseMudou(antes, c.depois, c.primeira), c.muda) << c.nome;
}
