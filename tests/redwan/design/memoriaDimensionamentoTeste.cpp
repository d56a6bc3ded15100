// The trace of a design run holds the run's own numbers: every quantity the
// sheet and redwan-calc read is the value the state keeps.
#include "casosRedwan.h"
#include "dimensionamento.h"

#include <gtest/gtest.h>

namespace {

double chave(const EstadoDimensionamento& e, const char* k)
{
    const PassoMemoria* p = e.memoria.porChave(k);
    EXPECT_NE(p, nullptr) << k;
    return p ? p->valor : -1.0;
}

} // namespace

TEST(MemoriaDimensionamento, ValoresDaMemoriaSaoOsDoEstado)
{
    for (int tipo : {CircularSimples, CircularDupla}) {
        SCOPED_TRACE(tipo);
        EstadoDimensionamento e;
        const ExecucaoDimensionamento x = executarDimensionamento(casos::exemplo(tipo), e);
        ASSERT_EQ(x.desfecho, Desfecho::Resultados) << x.mensagem;
        const struct {
            const char* chave;
            double valor;
        } casos[] = {
            {"fyd", e.materiais.fyd},     {"fcd", e.materiais.fcd},  {"eyd", e.materiais.epsYd},
            {"xilim", e.materiais.xiLim}, {"Mc", e.esforcos.Mc},     {"Ms", e.esforcos.Ms},
            {"Ns", e.esforcos.Ns},        {"Vc", e.esforcos.Vc},     {"xiC", e.xiC},
            {"xiS", e.xiS},               {"fctm", e.fctm},          {"AsMin", e.AsMin},
            {"AsIntReq", e.telas.AsIntReq}, {"AsExtReq", e.telas.AsExtReq}, {"w1", e.w1},
            {"w2", e.w2},
        };
        for (const auto& c : casos)
            EXPECT_EQ(chave(e, c.chave), c.valor) << c.chave;
        EXPECT_GT(chave(e, "W0"), 0.0);
        EXPECT_GT(chave(e, "Mdmin"), 0.0);
        EXPECT_EQ(e.memoria.porSimbolo("AsMax")->valor, e.AsMax);
        EXPECT_EQ(e.memoria.porSimbolo("Vu")->valor, e.Vu);
        EXPECT_EQ(e.memoria.porSimbolo("w")->valor, e.w);
        if (tipo == CircularSimples) {
            EXPECT_EQ(chave(e, "nPos"), e.nPos);
            EXPECT_EQ(chave(e, "posicaoEscolhida"), 131);
            EXPECT_EQ(chave(e, "DcoroInicial"), 6.5);
            EXPECT_EQ(e.memoria.porSimbolo("Dcoro")->valor, e.Dcoro);
            EXPECT_EQ(e.memoria.porChave("passes"), nullptr);
        } else {
            EXPECT_EQ(chave(e, "passes"), static_cast<double>(e.iteracoesDupla.size()));
            EXPECT_EQ(e.memoria.porChave("nPos"), nullptr);
        }
    }
}

TEST(MemoriaDimensionamento, TelasInviaveisTerminamComSuaMensagem)
{
    DadosDimensionamento d = casos::exemplo(CircularSimples);
    d.P = 180.0; // more steel than two of the largest meshes hold
    EstadoDimensionamento e;
    const ExecucaoDimensionamento x = executarDimensionamento(d, e);
    ASSERT_NE(x.desfecho, Desfecho::Resultados);
    EXPECT_EQ(e.memoria.passos.back().nome, x.mensagem);
}
