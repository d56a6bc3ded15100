#include "cargaSobrecarga.h"

#include "ProjetoTubo.h"
#include "numeros.h"

#include <gtest/gtest.h>

namespace {

constexpr double D600 = 0.72, D2000 = 2.4; // external diameters

DadosSobrecarga dados(int natureza, int trafego = 0, int distribuicao = 0, double carga = 0, double a = 0,
                      double b = 0, double c = 0)
{
    return {natureza, trafego, distribuicao, carga, a, b, c};
}

// Covers reach the computation through the two-decimal texts of the window.
ResultadoSobrecarga calcular(const char* hs, double D, const DadosSobrecarga& d, double bs = 0.0)
{
    EstadoSobrecarga estado{bs};
    return cargaSobrecarga(converterNumero(hs), D, d, estado);
}

} // namespace

// q_s worked out by hand from the spreading formulas, to 0,01 kN/m.
TEST(CargaSobrecarga, RodasNosLimitesDosRegimes)
{
    using R = RegimeRodas;
    struct Caso {
        int trafego;
        const char* hs;
        RegimeRodas regime;
        double phi, qs;
    } casos[] = {
        {0, "0,92", R::UmaRoda, 1.0, 13.46},   {0, "0,93", R::TresRodas, 1.0, 17.10},
        {0, "1,00", R::TresRodas, 1.0, 15.92}, {0, "1,06", R::TresRodas, 1.0, 15.01},
        {0, "1,07", R::SeisRodas, 1.0, 14.86}, {2, "0,71", R::UmaRoda, 1.1, 10.56},
        {2, "0,72", R::TresRodas, 1.1, 13.91}, {2, "0,85", R::TresRodas, 1.1, 12.01},
        {2, "0,86", R::SeisRodas, 1.1, 11.90}, {1, "1,00", R::TresRodas, 1.0, 11.20}, // B_r 2,3
        {1, "0,50", R::UmaRoda, 1.2, 23.72},   {0, "0,29", R::UmaRoda, 1.3, 56.89},
        {0, "0,30", R::UmaRoda, 1.2, 51.19},   {0, "3,60", R::SeisRodas, 1.0, 4.78},
    };
    for (const Caso& c : casos) {
        const ResultadoSobrecarga r = calcular(c.hs, D600, dados(Rodoviaria, c.trafego));
        const std::string nome = std::to_string(c.trafego) + " at " + c.hs;
        ASSERT_EQ(r.desfecho, DesfechoSobrecarga::Calculada) << nome;
        EXPECT_EQ(r.regime, c.regime) << nome;
        EXPECT_DOUBLE_EQ(r.phi, c.phi) << nome;
        EXPECT_NEAR(r.qs, c.qs, 0.005) << nome;
        EXPECT_FALSE(r.minimoGoverna) << nome;
    }
    // Deep down the wheels give 3,11 and the minimum 5·D governs.
    const ResultadoSobrecarga fundo = calcular("5,00", D600, dados(Rodoviaria));
    EXPECT_NEAR(fundo.qsRodas, 3.11, 0.005);
    EXPECT_TRUE(fundo.minimoGoverna);
    EXPECT_EQ(formatar2(fundo.qs), "3,60");
}

TEST(CargaSobrecarga, FatorDeImpactoNosLimites)
{
    const std::pair<const char*, double> casos[] = {{"0,00", 1.3}, {"0,29", 1.3}, {"0,30", 1.2}, {"0,31", 1.2},
                                                    {"0,59", 1.2}, {"0,60", 1.1}, {"0,89", 1.1}, {"0,90", 1.0}};
    for (const auto& [hs, phi] : casos)
        EXPECT_DOUBLE_EQ(fatorImpacto(converterNumero(hs)), phi) << hs;
    // A cover that reaches a limit through arithmetic belongs to the band above.
    EXPECT_DOUBLE_EQ(fatorImpacto(0.7 - 0.4), 1.2);
    EXPECT_DOUBLE_EQ(fatorImpacto(0.3 * 3), 1.0);
}

TEST(CargaSobrecarga, CoberturaMinimaSoParaORodoviario)
{
    // 2000 mm under Classe 45: hs_min = (2,4 − 0,5)/1,4 = 1,357 m.
    const ResultadoSobrecarga recusada = calcular("1,35", D2000, dados(Rodoviaria));
    EXPECT_EQ(recusada.desfecho, DesfechoSobrecarga::AlturaInsuficiente);
    EXPECT_NEAR(recusada.hsMin, 1.357, 0.0005);
    EXPECT_EQ(mensagemSobrecarga(recusada.desfecho),
              "Com a teoria utilizado neste programa não é possível a determinação da carga no tubo para a "
              "altura de terra especificada.\n\nRetorne para a janela Instalação e aumente a altura de terra.");
    EXPECT_EQ(calcular("1,36", D2000, dados(Rodoviaria)).desfecho, DesfechoSobrecarga::Calculada);
    // Exactly at hs_min: Eixo triplo over D = 0,6 + 1,4·0,5.
    EXPECT_EQ(calcular("0,50", 0.6 + 1.4 * 0.5, dados(Rodoviaria, 2)).desfecho, DesfechoSobrecarga::Calculada);

    for (const char* hs : {"0,00", "0,10", "1,35"}) {
        const ResultadoSobrecarga u = calcular(hs, D2000, dados(DefinidaPeloUsuario, 0, 0, 5.0), 0.4);
        EXPECT_EQ(u.desfecho, DesfechoSobrecarga::Calculada) << hs;
        EXPECT_DOUBLE_EQ(u.qs, 5.0) << hs;
        const ResultadoSobrecarga n = calcular(hs, D2000, dados(NulaOuDesprezivel), 0.4);
        EXPECT_EQ(n.desfecho, DesfechoSobrecarga::Calculada) << hs;
        EXPECT_DOUBLE_EQ(n.qs, 0.0) << hs;
    }
}

TEST(CargaSobrecarga, CargaParcialmenteDistribuida)
{
    struct Caso {
        const char* hs;
        double D;
        int distribuicao;
        double Q, c, qs;
        bool inteira;
    } casos[] = {
        {"1,00", D600, 0, 50, 0, 7.13, false},
        {"1,00", D600, 1, 50, 5, 3.66, false},
        // Narrower than the pipe: the whole force lies on L = 0,7 + 0,5 + 2,52,
        // at a cover road traffic would not be allowed.
        {"0,50", D2000, 0, 5000, 0, 1344.09, true},
        {"0,50", D2000, 1, 5000, 5, 962.93, false},
        {"0,50", D2000, 1, 5000, 0.1, 2688.17, true},
    };
    for (const Caso& c : casos) {
        EstadoSobrecarga estado{0.60};
        const DadosSobrecarga d = dados(ForcaParcialmenteDistribuida, 0, c.distribuicao, c.Q, 0.5, 0.5, c.c);
        const ResultadoSobrecarga r = cargaSobrecarga(converterNumero(c.hs), c.D, d, estado);
        ASSERT_EQ(r.desfecho, DesfechoSobrecarga::Calculada) << c.qs;
        EXPECT_NEAR(r.qs, c.qs, 0.005);
        EXPECT_EQ(r.cargaInteira, c.inteira) << c.qs;
        EXPECT_DOUBLE_EQ(estado.bs, 0.5) << "its b becomes the contact width";
    }
}

TEST(CargaSobrecarga, FerroviariaEAeroviariaParamSemMudarOEstado)
{
    // The cover test comes before the nature, with the contact width the last
    // computation left: (2,4 − 0,4)/1,4 = 1,43 m, and 1,71 m with none yet.
    struct Caso {
        int natureza;
        double bs, hs;
        DesfechoSobrecarga desfecho;
    } casos[] = {
        {Ferroviaria, 0.4, 3.0, DesfechoSobrecarga::FerroviariaNaoEspecificada},
        {Aeroviaria, 0.4, 3.0, DesfechoSobrecarga::AeroviariaNaoEspecificada},
        {Ferroviaria, 0.4, 1.43, DesfechoSobrecarga::FerroviariaNaoEspecificada},
        {Ferroviaria, 0.4, 1.42, DesfechoSobrecarga::AlturaInsuficiente},
        {Aeroviaria, 0.4, 0.60, DesfechoSobrecarga::AlturaInsuficiente},
        {Aeroviaria, 0.0, 1.71, DesfechoSobrecarga::AlturaInsuficiente},
        {Aeroviaria, 0.0, 1.72, DesfechoSobrecarga::AeroviariaNaoEspecificada},
    };
    for (const Caso& c : casos) {
        EstadoSobrecarga estado{c.bs};
        const ResultadoSobrecarga r = cargaSobrecarga(c.hs, D2000, dados(c.natureza), estado);
        EXPECT_EQ(r.desfecho, c.desfecho) << c.natureza << " " << c.hs;
        EXPECT_DOUBLE_EQ(estado.bs, c.bs);
    }
    EXPECT_EQ(mensagemSobrecarga(DesfechoSobrecarga::FerroviariaNaoEspecificada), "Carga ferroviária não especificada.");
    EXPECT_EQ(mensagemSobrecarga(DesfechoSobrecarga::AeroviariaNaoEspecificada), "Carga aeroviária não especificada.");
    EXPECT_EQ(mensagemSobrecarga(DesfechoSobrecarga::Calculada), "");
}

TEST(CargaSobrecarga, RodoviarioTestaComSeuProprioContato)
{
    EstadoSobrecarga estado{0.35}; // left by a distributed load
    const ResultadoSobrecarga r = cargaSobrecarga(0.10, 0.8, dados(Rodoviaria, 1), estado);
    EXPECT_DOUBLE_EQ(estado.bs, 0.40);
    EXPECT_NEAR(r.hsMin, (0.8 - 0.4) / 1.4, 1e-12);
    EXPECT_EQ(r.desfecho, DesfechoSobrecarga::AlturaInsuficiente);
}

TEST(CargaSobrecarga, ConverteSoOsTextosQueANaturezaUsa)
{
    Sobrecarga s;
    s.carga = "x";
    for (int natureza : {Rodoviaria, Ferroviaria, NulaOuDesprezivel}) {
        s.natureza = natureza;
        EXPECT_NO_THROW(dadosSobrecarga(s)) << natureza;
    }
    s.natureza = DefinidaPeloUsuario;
    EXPECT_THROW(dadosSobrecarga(s), ErroConversao);

    s = Sobrecarga{};
    s.natureza = ForcaParcialmenteDistribuida;
    s.distC = "";
    const DadosSobrecarga uma = dadosSobrecarga(s); // one area does not use c
    EXPECT_DOUBLE_EQ(uma.carga + uma.a + uma.b, 5001.0);
    s.distribuicao = 1;
    EXPECT_THROW(dadosSobrecarga(s), ErroConversao);
}

// The labels must show the vehicle the computation uses, blanks included.
TEST(VeiculosRodoviarios, ConstantesEPainel)
{
    const char* textos[3][6] = {
        {"Peso do veículo tipo (Q) =       450,00 kN", "Peso de cada roda (Q/6) =        75,00 kN",
         "Distância entre eixos (e   ) =         1,50 m", "Distancia entre rodas (e  ) =         2,00 m",
         "(a  ) = 20 cm", "(b  ) = 50 cm"},
        {"Peso do veículo tipo (Q) =       300,00 kN", "Peso de cada roda (Q/6) =        50,00 kN",
         "Distância entre eixos (e   ) =         1,50 m", "Distancia entre rodas (e  ) =         2,00 m",
         "(a  ) = 20 cm", "(b  ) = 40 cm"},
        {"Peso do veículo tipo (Q) =       255,00 kN", "Peso de cada roda (Q/6) =        42,50 kN",
         "Distância entre eixos (e   ) =         1,25 m", "Distancia entre rodas (e  ) =         1,80 m",
         "(a  ) = 25 cm", "(b  ) = 60 cm"},
    };
    for (int k = 0; k < 3; ++k) {
        const VeiculoRodoviario& v = veiculoRodoviario(k);
        for (int i = 0; i < 6; ++i)
            EXPECT_STREQ(v.textosPainel[i], textos[k][i]);
        EXPECT_DOUBLE_EQ(v.P, v.Q / 6);
        EXPECT_DOUBLE_EQ(v.X, 2 * v.ee);
        // Classe 30 keeps the limits of Classe 45 and its own B_r of 2,3.
        const VeiculoRodoviario& g = k == 1 ? veiculoRodoviario(0) : v;
        const int casas = k == 2 ? 3 : 2;
        EXPECT_EQ(formatarDecimais((g.ee - g.ar) / 1.4, casas), formatarDecimais(v.h1, casas)) << k;
        EXPECT_EQ(formatarDecimais((g.er - g.br) / 1.4, casas), formatarDecimais(v.h2, casas)) << k;
        EXPECT_DOUBLE_EQ(v.Br, k == 1 ? 2.3 : v.br + v.er) << k;
    }
    EXPECT_EQ(&veiculoRodoviario(9), &veiculoRodoviario(0));
}
