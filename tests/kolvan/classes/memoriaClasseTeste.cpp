// The trace of the class computation holds the very numbers of its result:
// every quantity the sheet and the calculator read is the engine's own.
#include "calculoClasse.h"

#include "ProjetoTubo.h"
#include "sobrecargaEntrada.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* nome;
    int tipo;
    bool compactado;
    const char* rsd;
    int natureza;
};

double chave(const CalculoClasse& c, const char* k)
{
    const PassoMemoria* p = c.memoria.porChave(k);
    EXPECT_NE(p, nullptr) << k;
    return p ? p->valor : -1.0;
}

} // namespace

TEST(MemoriaClasse, ValoresDaMemoriaSaoOsDoResultado)
{
    const Caso casos[] = {
        {"vala, rodoviária", Vala, false, "0,5", 0},
        {"positiva, distribuída", ProjecaoPositiva, false, "0,5", 3},
        {"negativa sem compactação, usuário", ProjecaoNegativa, false, "-0,4", 4},
        {"negativa compactada, nula", ProjecaoNegativa, true, "-0,4", 5},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        ProjetoTubo p;
        p.instalacao.tipo = caso.tipo;
        p.instalacao.aterroCompactado = caso.compactado;
        p.instalacao.razaoRecalque = caso.rsd;
        aplicarNatureza(p.sobrecarga, caso.natureza);
        if (caso.natureza == 4)
            p.sobrecarga.carga = "12,50";
        EstadoSobrecarga estado;
        const CalculoClasse c = calcularClasse(p, estado);
        ASSERT_TRUE(c.calculada()) << c.mensagem;

        EXPECT_EQ(chave(c, "D"), 0.72);
        EXPECT_EQ(chave(c, "W"), c.W);
        EXPECT_EQ(chave(c, "qs"), c.qs);
        EXPECT_EQ(chave(c, "fe"), c.fe);
        EXPECT_EQ(chave(c, "cs"), c.cs);
        EXPECT_EQ(chave(c, "R"), c.R);
        EXPECT_EQ(c.R, p.resultado.resistenciaNecessaria);
        const ResultadoProjecao& positiva = c.terra.ultimaProjecaoPositiva();
        EXPECT_EQ(chave(c, "Cc"), positiva.C);
        EXPECT_EQ(chave(c, "p"), positiva.p);
        EXPECT_EQ(chave(c, "x"), positiva.x);
        EXPECT_EQ(chave(c, "He"), positiva.He);
        if (caso.tipo == Vala) {
            EXPECT_EQ(chave(c, "Cd"), c.terra.vala.Cd);
            EXPECT_EQ(chave(c, "Wvala"), c.terra.vala.W);
        }
        if (c.terra.comparou)
            EXPECT_EQ(chave(c, "Wcomparacao"), c.terra.cargaComparacao);
        if (caso.tipo == ProjecaoNegativa && !caso.compactado) {
            EXPECT_EQ(chave(c, "Cn"), c.terra.projecao.C);
            EXPECT_EQ(chave(c, "Wnegativa"), c.terra.projecao.W);
        }
        if (usaBaseAterro(p.instalacao)) {
            EXPECT_EQ(chave(c, "fatorN"), c.fatorAterro.N);
            EXPECT_EQ(chave(c, "fatorX"), c.fatorAterro.x);
            EXPECT_EQ(chave(c, "fatorQ"), c.fatorAterro.q);
            EXPECT_EQ(chave(c, "feFormula"), c.fatorAterro.fe);
        } else {
            EXPECT_EQ(c.memoria.porChave("fatorN"), nullptr);
        }
        if (caso.natureza == 0) {
            EXPECT_EQ(chave(c, "hsMin"), c.sobrecarga.hsMin);
            EXPECT_EQ(chave(c, "phi"), c.sobrecarga.phi);
            EXPECT_EQ(chave(c, "qsFormula"), c.sobrecarga.qsRodas);
        } else {
            EXPECT_EQ(c.memoria.porChave("qsFormula"), nullptr);
        }
    }
}

TEST(MemoriaClasse, CalculoInterrompidoTerminaComSuaMensagem)
{
    ProjetoTubo p;
    p.geometria.indiceDi = 14; // 2000 mm: road traffic needs 1,36 m of cover
    p.instalacao.larguraVala = "3,00";
    EstadoSobrecarga estado;
    const CalculoClasse c = calcularClasse(p, estado);
    ASSERT_FALSE(c.calculada());
    ASSERT_FALSE(c.memoria.passos.empty());
    EXPECT_EQ(c.memoria.passos.back().nome, c.mensagem);
    EXPECT_EQ(c.memoria.porChave("R"), nullptr);
    EXPECT_NEAR(chave(c, "hsMin"), 1.357, 5e-4);
}
