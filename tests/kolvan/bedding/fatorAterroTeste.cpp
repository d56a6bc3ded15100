#include "fatorAterro.h"

#include "ProjetoTubo.h"
#include "baseResumo.h"
#include "cargaTerra.h"
#include "numeros.h"
#include "resumoKolvan.h"

#include <gtest/gtest.h>

namespace {

// 600 mm in saturated soil, hs 1,00, ha 0,60, rsd 0,5: p = 0,8333, Cc = 1,7230.
ProjetoTubo aterro(int tipo, bool compactado, int classe)
{
    ProjetoTubo p;
    p.instalacao.tipo = tipo;
    p.instalacao.aterroCompactado = compactado;
    p.instalacao.alturaHa = "0,60";
    p.instalacao.razaoRecalque = "0,5";
    p.baseAterro.classe = classe;
    return p;
}

} // namespace

TEST(FatorAterro, ValoresCalculadosPorClasse)
{
    struct Caso {
        int tipo;
        bool compactado;
        int classe;
        double x, q;
        const char* texto;
    } casos[] = {
        {ProjecaoPositiva, false, 0, 0.7223, 0.2882, "4,82"},
        {ProjecaoPositiva, false, 1, 0.6347, 0.2882, "2,73"},
        {ProjecaoPositiva, false, 2, 0.6347, 0.2882, "2,18"},
        {ProjecaoPositiva, false, 3, 0.6347, 0.2882, "1,27"},
        // A compacted negative projection takes K = 0,15.
        {ProjecaoNegativa, true, 2, 0.6347, 0.1310, "1,89"},
        {ProjecaoNegativa, true, 0, 0.7223, 0.1310, "3,49"},
    };
    for (const Caso& c : casos) {
        const ProjetoTubo p = aterro(c.tipo, c.compactado, c.classe);
        const FatorAterro f = fatorAterro(valoresTrabalho(p), c.tipo, c.classe);
        ASSERT_TRUE(f.existe) << c.texto;
        EXPECT_NEAR(f.p, 0.8333, 5e-5);
        EXPECT_NEAR(f.Cc, 1.7230, 5e-5);
        EXPECT_NEAR(f.x, c.x, 5e-5) << c.texto;
        EXPECT_NEAR(f.q, c.q, 5e-5) << c.texto;
        EXPECT_EQ(f.texto, c.texto);
        EXPECT_FALSE(f.semSolucao);
    }
}

TEST(FatorAterro, TabelaDeXPorFaixa)
{
    // p, x of class A, x of classes B to D; beyond 1,0 the last band goes on.
    const double casos[][3] = {{0.0, 0.150, 0.0},     {0.15, 0.4465, 0.1085}, {0.3, 0.743, 0.217},
                               {0.5, 0.856, 0.423},   {0.7, 0.811, 0.594},    {0.9, 0.678, 0.655},
                               {0.95, 0.658, 0.6465}, {1.0, 0.638, 0.638},    {1.2, 0.558, 0.604}};
    for (const auto& c : casos) {
        EXPECT_NEAR(coeficienteX(0, c[0]), c[1], 1e-12) << c[0];
        for (int classe : {1, 2, 3})
            EXPECT_NEAR(coeficienteX(classe, c[0]), c[2], 1e-12) << c[0];
    }
    EXPECT_DOUBLE_EQ(coeficienteK(ProjecaoPositiva), 0.33);
    EXPECT_DOUBLE_EQ(coeficienteK(ProjecaoNegativa), 0.15);
}

TEST(FatorAterro, SemFatorQuandoODivisorNaoEPositivo)
{
    // q = 0,5·0,33·(10/0,72 + 0,25)/1 = 2,33, and N − x·q = 0,505 − 0,856·2,33 < 0.
    const FatorAterro f = fatorProjecaoPositiva(0, ProjecaoPositiva, 0.5, 1.0, 10.0, 0.72);
    EXPECT_FALSE(f.existe);
    EXPECT_EQ(f.texto, "");
    // No coefficient of the earth load: nothing to divide by.
    EXPECT_FALSE(fatorProjecaoPositiva(2, ProjecaoPositiva, 0.5, 0.0, 1.0, 0.72).existe);
    EXPECT_FALSE(fatorProjecaoPositiva(7, ProjecaoPositiva, 0.5, 1.7, 1.0, 0.72).existe);
}

TEST(FatorAterro, AtualizaOFatorDoProjetoSoQuandoAplicavel)
{
    for (ProjetoTubo p : {aterro(Vala, false, 2), aterro(ProjecaoNegativa, false, 2)}) {
        EXPECT_FALSE(atualizarFatorAterro(p).aplicado);
        EXPECT_EQ(p.baseAterro.fator, "2,86");
    }

    ProjetoTubo positiva = aterro(ProjecaoPositiva, false, 2);
    const AtualizacaoFatorAterro b = atualizarFatorAterro(positiva);
    EXPECT_TRUE(b.aplicado);
    EXPECT_EQ(b.mensagem, "");
    EXPECT_EQ(positiva.baseAterro.fator, "2,18");

    ProjetoTubo ruim = aterro(ProjecaoPositiva, false, 2);
    ruim.instalacao.gama = "19,2x";
    const AtualizacaoFatorAterro c = atualizarFatorAterro(ruim);
    EXPECT_EQ(c.mensagem, "\"19,2x\" não é um número válido.");
    EXPECT_EQ(ruim.baseAterro.fator, "2,86");

    // A shallow cover over a class A projection at its greatest ha leaves no
    // factor: N − x·q = 0,505 − 0,778·0,897 < 0.
    ProjetoTubo semFator = aterro(ProjecaoPositiva, false, 0);
    semFator.instalacao.alturaTerra = "0,10";
    semFator.instalacao.alturaHa = "0,54";
    const AtualizacaoFatorAterro d = atualizarFatorAterro(semFator);
    EXPECT_EQ(d.mensagem, mensagemSemFatorEquivalencia);
    EXPECT_EQ(semFator.baseAterro.fator, "2,86");
}

TEST(FatorAterro, ResumoDaBaseEmUso)
{
    ProjetoTubo p = aterro(ProjecaoPositiva, false, 1);
    ResumoKolvan r = resumoInicial();
    atualizarBaseResumo(r, p);
    EXPECT_EQ(r.linha(Direita, 2), "Tipo: Base de primeira classe (Classe B)");
    EXPECT_EQ(r.linha(Direita, 3), "Fator de equivalência = 2,73");

    p.instalacao.tipo = Vala;
    p.baseVala.classe = 3;
    p.baseVala.fator = "1,1";
    atualizarBaseResumo(r, p);
    EXPECT_EQ(r.linha(Direita, 2), "Tipo: Base condenável (Classe D)");
    EXPECT_EQ(r.linha(Direita, 3), "Fator de equivalência = 1,1");
}
