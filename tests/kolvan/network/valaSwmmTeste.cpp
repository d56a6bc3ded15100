// The trench quantities of a stretch against values worked by hand, their
// bands at the limits and their totals; and networks read from SWMM 5
// files in both unit systems and both offset modes.
#include "classificacaoTrecho.h"
#include "cargaSobrecarga.h"
#include "leituraRede.h"
#include "quantitativosRede.h"
#include "redeTubulacoes.h"
#include "saidaRede.h"
#include "valaRede.h"

#include <gtest/gtest.h>

namespace {

EntradaTrecho trecho(const std::string& nome, const std::string& di, const std::string& hsM, const std::string& hsJ,
                     const std::string& comprimento, const std::string& bv)
{
    EntradaTrecho e;
    e.trecho = nome;
    e.di = di;
    e.hsMontante = hsM;
    e.hsJusante = hsJ;
    e.comprimento = comprimento;
    e.bv = bv;
    return e;
}

} // namespace

// L = 50 m, bv = 1,30 m, di = 600 mm (D = 0,72 m, R = 0,36 m), hs 1,20 and 2,00 m.
// A: t = 0,15; h = (2,07 + 2,87)/2 = 2,47; V = 50·1,3·2,47 = 160,55;
//    cradle 50·(1,3·(0,15 + 0,18) − 0,1296·(π/3 − √3/4)) = 17,470082;
//    pipe 50·π·0,72²/4 = 20,357520.
// B: t = 0,10; h = 2,42; V = 157,30; bed 50·1,3·0,1 = 6,5;
//    envelope 50·(1,3·1,02 − 0,407150) = 45,942480; backfill 84,50; spoil 1,25·72,8 = 91.
// C: t = 0; h = 2,32; V = 150,80; envelope 50·(1,3·0,87 − 0,407150) = 36,192480.
// D: nothing but the pipe: backfill 150,8 − 20,35752.
TEST(QuantidadesVala, UmTrechoPorClasseDeBase)
{
    struct Caso {
        int classe;
        double h, escavacao, escoramento, lastro, berco, envolvimento, reaterro, botaFora;
    } casos[] = {
        {BaseClasseA, 2.47, 160.55, 247.0, 0.0, 17.470082, 0.0, 122.722397, 47.284503},
        {BaseClasseB, 2.42, 157.30, 242.0, 6.5, 0.0, 45.942480, 84.50, 91.0},
        {BaseClasseC, 2.32, 150.80, 232.0, 0.0, 0.0, 36.192480, 94.25, 70.6875},
        {BaseClasseD, 2.32, 150.80, 232.0, 0.0, 0.0, 0.0, 130.442480, 25.4469},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.classe);
        const QuantidadesVala q = quantidadesVala(50.0, 1.30, 600, 1.20, 2.00, c.classe, ParametrosVala{});
        EXPECT_NEAR(q.profundidadeMedia, c.h, 1e-9);
        EXPECT_EQ(q.faixaProfundidade, 1); // 1,50 a 3,00 m
        EXPECT_EQ(q.faixaLargura, 1);      // 0,80 a 1,50 m
        EXPECT_NEAR(q.escavacao, c.escavacao, 1e-6);
        EXPECT_NEAR(q.escoramento, c.escoramento, 1e-6);
        EXPECT_NEAR(q.lastro, c.lastro, 1e-6);
        EXPECT_NEAR(q.berco, c.berco, 1e-6);
        EXPECT_NEAR(q.envolvimento, c.envolvimento, 1e-6);
        EXPECT_NEAR(q.tubo, 20.357520, 1e-6);
        EXPECT_NEAR(q.reaterro, c.reaterro, 1e-6);
        EXPECT_NEAR(q.botaFora, c.botaFora, 1e-4);
    }
    // The engineer's own bed, shoring depth and bulking.
    const QuantidadesVala q = quantidadesVala(50.0, 1.30, 600, 1.20, 2.00, BaseClasseB, {0.20, 2.60, 1.40});
    EXPECT_NEAR(q.profundidadeMedia, 2.52, 1e-9);
    EXPECT_NEAR(q.lastro, 13.0, 1e-9);
    EXPECT_EQ(q.escoramento, 0.0); // shored only below 2,60 m
    EXPECT_NEAR(q.botaFora, 1.40 * (q.escavacao - q.reaterro), 1e-9);
}

TEST(QuantidadesVala, FaixasNosLimites)
{
    const std::pair<double, int> profundidades[] = {{0.0, 0}, {1.50, 0}, {1.5001, 1}, {3.00, 1}, {3.0001, 2},
                                                    {4.50, 2}, {4.5001, 3}, {6.00, 3}, {6.0001, 4}};
    for (const auto& [h, faixa] : profundidades)
        EXPECT_EQ(faixaProfundidade(h), faixa) << h;
    const std::pair<double, int> larguras[] = {{0.79, 0}, {0.80, 1}, {1.49, 1}, {1.50, 2}, {2.50, 2}, {2.51, 3}};
    for (const auto& [bv, faixa] : larguras)
        EXPECT_EQ(faixaLargura(bv), faixa) << bv;
    // Depths summed from two-decimal covers land on the limit itself:
    // 1,14 + 0,36 is 1,50 (class C, 300 mm), 0,89 + 0,36 the shoring's 1,25.
    EXPECT_EQ(quantidadesVala(10.0, 0.86, 300, 1.14, 1.14, BaseClasseC, {}).faixaProfundidade, 0);
    EXPECT_EQ(quantidadesVala(10.0, 0.86, 300, 0.89, 0.89, BaseClasseC, {}).escoramento, 0.0);
    EXPECT_GT(quantidadesVala(10.0, 0.86, 300, 0.90, 0.90, BaseClasseC, {}).escoramento, 0.0);
    EXPECT_EQ(faixasProfundidade()[4], "acima de 6,00 m");
    EXPECT_EQ(faixasLargura()[0], "até 0,80 m");
}

TEST(QuantidadesVala, TotaisDaRedeESoEmVala)
{
    ProjetoTubo p; // trench, class C
    p.sobrecarga.natureza = NulaOuDesprezivel;
    std::vector<EntradaTrecho> entradas{trecho("T1", "600", "1,20", "2,00", "50,00", "1,30"),
                                        trecho("T2", "600", "1,20", "2,00", "50,00", "1,30"),
                                        trecho("T3", "600", "0,10", "0,10", "20,00", "1,30")};
    entradas[1].tubos = "2";
    const std::vector<ResultadoTrecho> r = classificarRede(p, entradas);
    ASSERT_TRUE(r[0].classificado && r[1].classificado && !r[2].classificado);
    const QuantitativosRede q = quantitativosRede(entradas, r);
    EXPECT_TRUE(q.vala.aplicavel);
    EXPECT_EQ(q.vala.trechos, 2);
    // Two parallel pipes count twice in the bill; their trench once.
    EXPECT_DOUBLE_EQ(q.comprimentoClassificado, 150.0);
    EXPECT_NEAR(q.vala.total.escavacao, 2 * 150.80, 1e-9);
    EXPECT_NEAR(q.vala.escavacao[1][1], 2 * 150.80, 1e-9);
    EXPECT_NEAR(q.vala.escoramento[1], 2 * 232.0, 1e-9);
    const std::string saida = saidaRede({entradas, r, {}}, false);
    EXPECT_NE(saida.find("faixaProfundidade: 1,50 a 3,00 m\nfaixaLargura: 0,80 a 1,50 m\nescavacao: 150,800000\n"),
              std::string::npos);
    EXPECT_NE(saida.find("quantitativo: escavacao\nfaixaProfundidade: 1,50 a 3,00 m\nfaixaLargura: 0,80 a 1,50 m\n"
                         "volume: 301,600000\n"),
              std::string::npos);
    EXPECT_NE(saida.find("quantitativo: servicos\ntrechos: 2\nescavacao: 301,600000\n"), std::string::npos);

    p.instalacao.tipo = ProjecaoPositiva;
    const std::vector<ResultadoTrecho> aterro = classificarRede(p, entradas);
    ASSERT_TRUE(aterro[0].classificado);
    EXPECT_FALSE(aterro[0].temVala);
    EXPECT_FALSE(quantitativosRede(entradas, aterro).vala.aplicavel);
    // A network without stretches is not said to lie in an embankment.
    EXPECT_TRUE(quantitativosRede({}, {}).vala.aplicavel);
    EXPECT_NE(saidaRede({entradas, aterro, {}}, false).find(std::string("aviso: ") + avisoValaNaoAplicavel),
              std::string::npos);
}

// One network written four ways: metres or feet, offsets as depths or
// elevations. J1 invert 100 m, ground 103 m; J2 99 m and 101,5 m; OUT1 an
// outfall at 98,5 m. C1 leaves J1 0,10 m above its invert, a 600 mm pipe
// (24" in feet: 609,6 mm, taken to 600); C2 two 800 mm pipes to the outfall;
// C3 a box section.
TEST(LeituraSwmm, UnidadesEDesniveis)
{
    const std::string metros = R"([TITLE]
Rede de teste

[OPTIONS]
FLOW_UNITS	CMS
LINK_OFFSETS  DEPTH

[JUNCTIONS]
;;Name Elev MaxDepth
J1	100	3	0	0	0
J2 99 2.5 ; comentário

[OUTFALLS]
OUT1 98.5 FREE

[CONDUITS]
C1 J1 J2 50 0.013 0.1 0
C2 J2 OUT1 40 0.013 0 0
C3 J1 J2 50 0.013 0 0

[MAP]
DIMENSIONS 0 0 10 10

[XSECTIONS]
C1 CIRCULAR 0.6 0 0 0 1
C2 CIRCULAR 0.8 0 0 0 2
C3 RECT_CLOSED 1 1 0 0 1
)";
    // The same in feet with elevations as offsets; sections first.
    const std::string pes = R"(; exported in US units
[XSECTIONS]
C1 CIRCULAR 2 0 0 0
C2 CIRCULAR 2.624672 0 0 0 2
C3 RECT_CLOSED 3 3 0 0

[OPTIONS]
FLOW_UNITS CFS
LINK_OFFSETS ELEVATION

[STORAGE]
J2 324.80315 8.2021 FUNCTIONAL 0 0 0

[JUNCTIONS]
J1 328.08399 9.84252

[OUTFALLS]
OUT1 323.16273 FREE

[CONDUITS]
C1 J1 J2 164.04199 0.013 328.41207 *
C2 J2 OUT1 131.23360 0.013 * 323.16273
C3 J1 J2 164.04199 0.013 * *
)";
    for (const std::string* arquivo : {&metros, &pes}) {
        SCOPED_TRACE(arquivo == &metros ? "metros, DEPTH" : "pés, ELEVATION");
        const LeituraRede l = lerArquivoRede(*arquivo);
        ASSERT_TRUE(l.ok) << l.erro;
        ASSERT_EQ(l.trechos.size(), 3u);
        const EntradaTrecho& c1 = l.trechos[0];
        EXPECT_EQ(c1.montante, "J1");
        EXPECT_EQ(c1.jusante, "J2");
        EXPECT_EQ(c1.comprimento, "50,00");
        EXPECT_EQ(c1.di, "600");
        EXPECT_EQ(c1.terrenoMontante, "103,000");
        EXPECT_EQ(c1.fundoMontante, "100,100");
        EXPECT_EQ(c1.terrenoJusante, "101,500");
        EXPECT_EQ(c1.fundoJusante, "99,000");
        EXPECT_EQ(c1.problemaLeitura, "");
        // hs = ground − invert − 1,1·di/1000.
        const ResultadoTrecho r = classificarTrecho(ProjetoTubo{}, c1);
        ASSERT_TRUE(r.classificado) << r.mensagem;
        EXPECT_DOUBLE_EQ(r.hsMontante, 2.24);
        EXPECT_DOUBLE_EQ(r.hsJusante, 1.84);

        EntradaTrecho c2 = l.trechos[1];
        EXPECT_EQ(c2.di, "800");
        EXPECT_EQ(c2.tubos, "2");
        EXPECT_EQ(c2.fundoJusante, "98,500");
        EXPECT_EQ(c2.terrenoJusante, "");
        EXPECT_EQ(c2.problemaLeitura, "O terreno do nó OUT1 não é conhecido: informe hs_jusante.");
        // The engineer types the outfall's cover; the other end stays as read.
        c2.problemaLeitura.clear();
        c2.hsJusante = "1,00";
        const ResultadoTrecho r2 = classificarTrecho(ProjetoTubo{}, c2);
        ASSERT_TRUE(r2.classificado) << r2.mensagem;
        EXPECT_DOUBLE_EQ(r2.hsMontante, 1.62); // 101,5 − 99 − 0,88
        EXPECT_EQ(r2.tubos, 2);

        EXPECT_NE(l.trechos[2].problemaLeitura.find("RECT_CLOSED não é um tubo circular"), std::string::npos)
            << l.trechos[2].problemaLeitura;
    }

    const struct {
        std::string arquivo, erro;
    } recusados[] = {
        {"[OPTIONS]\nFLOW_UNITS XYZ\n[CONDUITS]\nC1 A B 10\n", "Linha 2: FLOW_UNITS XYZ não é conhecido."},
        {"[JUNCTIONS]\nJ1 1 1\n", "O arquivo não tem a seção [CONDUITS]."},
        {"[CONDUITS]\n; nenhum\n", "O arquivo não tem nenhum conduto em [CONDUITS]."},
        {"[CONDUITS\nC1 A B 10\n", "Linha 1: seção sem \"]\"."},
    };
    for (const auto& c : recusados) {
        const LeituraRede l = lerSwmmRede(c.arquivo);
        EXPECT_FALSE(l.ok);
        EXPECT_EQ(l.erro, c.erro);
    }
}
