#include "cargaSobrecarga.h"

#include "ProjetoTubo.h"
#include "numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double D600 = 0.72; // external diameter of a 600 mm pipe
constexpr double D2000 = 2.4;

DadosSobrecarga rodovia(int trafego)
{
    DadosSobrecarga d;
    d.natureza = Rodoviaria;
    d.trafego = trafego;
    return d;
}

DadosSobrecarga distribuida(int distribuicao, double Q, double a, double b, double c)
{
    DadosSobrecarga d;
    d.natureza = ForcaParcialmenteDistribuida;
    d.distribuicao = distribuicao;
    d.carga = Q;
    d.a = a;
    d.b = b;
    d.c = c;
    return d;
}

// Covers typed in the window reach the computation through their texts.
double cobertura(const char* texto) { return converterNumero(texto); }

} // namespace

// Each regime at and beside its limits, with q_s worked out by hand from the
// spreading formulas (to 0,01 kN/m).
TEST(CargaSobrecarga, RegimesDasRodasNosLimites)
{
    struct Caso {
        const char* nome;
        int trafego;
        const char* hs;
        RegimeRodas regime;
        double phi, qs;
    } casos[] = {
        {"Classe 45 just below h1: one wheel", 0, "0,92", RegimeRodas::UmaRoda, 1.0, 13.46},
        {"Classe 45 at h1: three wheels", 0, "0,93", RegimeRodas::TresRodas, 1.0, 17.10},
        {"Classe 45 at 1,00 (worked value)", 0, "1,00", RegimeRodas::TresRodas, 1.0, 15.92},
        {"Classe 45 just below h2", 0, "1,06", RegimeRodas::TresRodas, 1.0, 15.01},
        {"Classe 45 at h2: six wheels", 0, "1,07", RegimeRodas::SeisRodas, 1.0, 14.86},
        {"Eixo triplo at 0,71: one wheel", 2, "0,71", RegimeRodas::UmaRoda, 1.1, 10.56},
        {"Eixo triplo at 0,72: three wheels", 2, "0,72", RegimeRodas::TresRodas, 1.1, 13.91},
        {"Eixo triplo at 0,85: still three", 2, "0,85", RegimeRodas::TresRodas, 1.1, 12.01},
        {"Eixo triplo at 0,86: six wheels", 2, "0,86", RegimeRodas::SeisRodas, 1.1, 11.90},
        {"Classe 30 uses B_r 2,3 and the limits of Classe 45", 1, "1,00", RegimeRodas::TresRodas, 1.0, 11.20},
        {"Classe 30 shallow, impact 1,2", 1, "0,50", RegimeRodas::UmaRoda, 1.2, 23.72},
        {"Classe 45 at 0,29, impact 1,3", 0, "0,29", RegimeRodas::UmaRoda, 1.3, 56.89},
        {"Classe 45 at 0,30, impact 1,2", 0, "0,30", RegimeRodas::UmaRoda, 1.2, 51.19},
    };
    for (const Caso& c : casos) {
        EstadoSobrecarga estado;
        const ResultadoSobrecarga r = cargaSobrecarga(cobertura(c.hs), D600, rodovia(c.trafego), estado);
        ASSERT_EQ(r.desfecho, DesfechoSobrecarga::Calculada) << c.nome;
        EXPECT_EQ(r.regime, c.regime) << c.nome;
        EXPECT_DOUBLE_EQ(r.phi, c.phi) << c.nome;
        EXPECT_NEAR(r.qs, c.qs, 0.005) << c.nome;
        EXPECT_FALSE(r.minimoGoverna) << c.nome;
    }
}

TEST(CargaSobrecarga, MinimoDeCincoVezesODiametroNasCoberturasFundas)
{
    EstadoSobrecarga estado;
    const ResultadoSobrecarga fundo = cargaSobrecarga(5.0, D600, rodovia(0), estado);
    EXPECT_EQ(fundo.regime, RegimeRodas::SeisRodas);
    EXPECT_NEAR(fundo.qsRodas, 3.11, 0.005);
    EXPECT_TRUE(fundo.minimoGoverna);
    EXPECT_EQ(formatar2(fundo.qs), "3,60");

    // At 3,60 m the wheels still put more than the minimum on the pipe.
    const ResultadoSobrecarga medio = cargaSobrecarga(3.6, D600, rodovia(0), estado);
    EXPECT_FALSE(medio.minimoGoverna);
    EXPECT_NEAR(medio.qs, 4.78, 0.005);
}

TEST(CargaSobrecarga, FatorDeImpactoNosLimites)
{
    struct Caso {
        const char* hs;
        double phi;
    } casos[] = {{"0,00", 1.3}, {"0,29", 1.3}, {"0,30", 1.2}, {"0,31", 1.2}, {"0,59", 1.2}, {"0,60", 1.1},
                 {"0,89", 1.1}, {"0,90", 1.0}, {"0,91", 1.0}, {"12,00", 1.0}};
    for (const Caso& c : casos)
        EXPECT_DOUBLE_EQ(fatorImpacto(cobertura(c.hs)), c.phi) << c.hs;

    // A cover that reaches a limit through arithmetic belongs to the band above.
    EXPECT_DOUBLE_EQ(fatorImpacto(0.7 - 0.4), 1.2);
    EXPECT_DOUBLE_EQ(fatorImpacto(0.3 * 3), 1.0);
}

TEST(CargaSobrecarga, CoberturaMinimaDaTeoriaRodoviaria)
{
    EstadoSobrecarga estado;
    // 2000 mm under Classe 45: hs_min = (2,4 − 0,5)/1,4 = 1,357 m.
    const ResultadoSobrecarga recusada = cargaSobrecarga(cobertura("1,35"), D2000, rodovia(0), estado);
    EXPECT_EQ(recusada.desfecho, DesfechoSobrecarga::AlturaInsuficiente);
    EXPECT_NEAR(recusada.hsMin, 1.357, 0.0005);
    EXPECT_EQ(mensagemSobrecarga(recusada.desfecho),
              "Com a teoria utilizado neste programa não é possível a determinação da carga no tubo para a "
              "altura de terra especificada.\n\nRetorne para a janela Instalação e aumente a altura de terra.");

    const ResultadoSobrecarga aceita = cargaSobrecarga(cobertura("1,36"), D2000, rodovia(0), estado);
    EXPECT_EQ(aceita.desfecho, DesfechoSobrecarga::Calculada);
    EXPECT_GT(aceita.qs, 0.0);

    // A cover exactly at hs_min is accepted: Eixo triplo over D = 0,6 + 1,4·0,5.
    const ResultadoSobrecarga noLimite = cargaSobrecarga(0.5, 0.6 + 1.4 * 0.5, rodovia(2), estado);
    EXPECT_EQ(noLimite.desfecho, DesfechoSobrecarga::Calculada);
}

TEST(CargaSobrecarga, CargasQueNaoDependemDaCobertura)
{
    DadosSobrecarga usuario;
    usuario.natureza = DefinidaPeloUsuario;
    usuario.carga = 5.0;
    DadosSobrecarga nula;
    nula.natureza = NulaOuDesprezivel;
    for (double hs : {0.0, 0.10, 1.35}) {
        EstadoSobrecarga estado;
        const ResultadoSobrecarga u = cargaSobrecarga(hs, D2000, usuario, estado);
        EXPECT_EQ(u.desfecho, DesfechoSobrecarga::Calculada) << hs;
        EXPECT_DOUBLE_EQ(u.qs, 5.0) << hs;
        const ResultadoSobrecarga n = cargaSobrecarga(hs, D2000, nula, estado);
        EXPECT_EQ(n.desfecho, DesfechoSobrecarga::Calculada) << hs;
        EXPECT_DOUBLE_EQ(n.qs, 0.0) << hs;
        EXPECT_DOUBLE_EQ(estado.bs, 0.0) << "only road and distributed loads set b_s";
    }
}

TEST(CargaSobrecarga, CargaParcialmenteDistribuida)
{
    struct Caso {
        const char* nome;
        double hs, D;
        DadosSobrecarga d;
        double qs;
        bool inteira;
    } casos[] = {
        {"one area, spread wider than the pipe", 1.0, D600, distribuida(0, 50, 0.5, 0.5, 0), 7.13, false},
        {"two areas, spread wider than the pipe", 1.0, D600, distribuida(1, 50, 0.5, 0.5, 5), 3.66, false},
        // Narrower than the pipe: the whole force lies on L = 0,7 + 0,5 + 2,52.
        {"one area narrower than 2000 mm", 0.5, D2000, distribuida(0, 5000, 0.5, 0.5, 0), 1344.09, true},
        {"two areas wider than 2000 mm", 0.5, D2000, distribuida(1, 5000, 0.5, 0.5, 5), 962.93, false},
        {"two areas narrower than 2000 mm", 0.5, D2000, distribuida(1, 5000, 0.5, 0.5, 0.1), 2688.17, true},
    };
    for (const Caso& c : casos) {
        EstadoSobrecarga estado{0.60};
        const ResultadoSobrecarga r = cargaSobrecarga(c.hs, c.D, c.d, estado);
        // No cover test: a low cover over a large pipe is the whole-force case.
        ASSERT_EQ(r.desfecho, DesfechoSobrecarga::Calculada) << c.nome;
        EXPECT_NEAR(r.qs, c.qs, 0.005) << c.nome;
        EXPECT_EQ(r.cargaInteira, c.inteira) << c.nome;
        EXPECT_DOUBLE_EQ(r.phi, 1.0) << c.nome;
        EXPECT_DOUBLE_EQ(estado.bs, c.d.b) << c.nome;
    }
}

TEST(CargaSobrecarga, FerroviariaEAeroviariaNaoEspecificadas)
{
    for (int natureza : {Ferroviaria, Aeroviaria}) {
        DadosSobrecarga d;
        d.natureza = natureza;
        EstadoSobrecarga estado{0.4};
        // Whatever the cover, the load itself is what is missing.
        for (double hs : {0.0, 3.0}) {
            const ResultadoSobrecarga r = cargaSobrecarga(hs, D2000, d, estado);
            EXPECT_DOUBLE_EQ(estado.bs, 0.4);
            if (natureza == Ferroviaria) {
                EXPECT_EQ(r.desfecho, DesfechoSobrecarga::FerroviariaNaoEspecificada);
                EXPECT_EQ(mensagemSobrecarga(r.desfecho), "Carga ferroviária não especificada.");
            } else {
                EXPECT_EQ(r.desfecho, DesfechoSobrecarga::AeroviariaNaoEspecificada);
                EXPECT_EQ(mensagemSobrecarga(r.desfecho), "Carga aeroviária não especificada.");
            }
        }
    }
    EXPECT_EQ(mensagemSobrecarga(DesfechoSobrecarga::Calculada), "");
}

TEST(CargaSobrecarga, LarguraDeContatoGuardadaEntreCalculos)
{
    EstadoSobrecarga estado;
    cargaSobrecarga(1.0, D600, rodovia(2), estado);
    EXPECT_DOUBLE_EQ(estado.bs, 0.60);
    cargaSobrecarga(1.0, D600, distribuida(0, 50, 0.5, 0.35, 0), estado);
    EXPECT_DOUBLE_EQ(estado.bs, 0.35);
    // A road type tests with its own b_r, not with the width left over.
    const ResultadoSobrecarga r = cargaSobrecarga(0.10, 0.8, rodovia(1), estado);
    EXPECT_DOUBLE_EQ(estado.bs, 0.40);
    EXPECT_NEAR(r.hsMin, (0.8 - 0.4) / 1.4, 1e-12);
    EXPECT_EQ(r.desfecho, DesfechoSobrecarga::AlturaInsuficiente);
}

TEST(CargaSobrecarga, ConverteSoOsTextosQueANaturezaUsa)
{
    Sobrecarga s;
    s.carga = "x";
    s.compA = "";
    s.natureza = Rodoviaria;
    EXPECT_NO_THROW(dadosSobrecarga(s));
    s.natureza = NulaOuDesprezivel;
    EXPECT_NO_THROW(dadosSobrecarga(s));
    s.natureza = DefinidaPeloUsuario;
    EXPECT_THROW(dadosSobrecarga(s), ErroConversao);

    s = Sobrecarga{};
    s.natureza = ForcaParcialmenteDistribuida;
    s.distC = "";
    const DadosSobrecarga uma = dadosSobrecarga(s); // c is not used with one area
    EXPECT_DOUBLE_EQ(uma.carga, 5000.0);
    EXPECT_DOUBLE_EQ(uma.a, 0.5);
    EXPECT_DOUBLE_EQ(uma.b, 0.5);
    s.distribuicao = 1;
    EXPECT_THROW(dadosSobrecarga(s), ErroConversao);
    s.distC = "5,0";
    EXPECT_DOUBLE_EQ(dadosSobrecarga(s).c, 5.0);
    s.compB = "0,5,";
    EXPECT_THROW(dadosSobrecarga(s), ErroConversao);
}

// The label texts must tell the same vehicle the computation uses.
TEST(VeiculosRodoviarios, ConstantesEPainel)
{
    struct Caso {
        int trafego;
        const char* textos[6];
    } casos[] = {
        {0,
         {"Peso do veículo tipo (Q) =       450,00 kN", "Peso de cada roda (Q/6) =        75,00 kN",
          "Distância entre eixos (e   ) =         1,50 m", "Distancia entre rodas (e  ) =         2,00 m",
          "(a  ) = 20 cm", "(b  ) = 50 cm"}},
        {1,
         {"Peso do veículo tipo (Q) =       300,00 kN", "Peso de cada roda (Q/6) =        50,00 kN",
          "Distância entre eixos (e   ) =         1,50 m", "Distancia entre rodas (e  ) =         2,00 m",
          "(a  ) = 20 cm", "(b  ) = 40 cm"}},
        {2,
         {"Peso do veículo tipo (Q) =       255,00 kN", "Peso de cada roda (Q/6) =        42,50 kN",
          "Distância entre eixos (e   ) =         1,25 m", "Distancia entre rodas (e  ) =         1,80 m",
          "(a  ) = 25 cm", "(b  ) = 60 cm"}},
    };
    for (const Caso& c : casos) {
        const VeiculoRodoviario& v = veiculoRodoviario(c.trafego);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(std::string(v.textosPainel[i]), c.textos[i]) << c.trafego << " label " << i;
        const auto termina = [](const std::string& texto, const std::string& fim) {
            return texto.size() >= fim.size() && texto.compare(texto.size() - fim.size(), fim.size(), fim) == 0;
        };
        EXPECT_TRUE(termina(v.textosPainel[0], formatar2(v.Q) + " kN"));
        EXPECT_TRUE(termina(v.textosPainel[1], formatar2(v.P) + " kN"));
        EXPECT_TRUE(termina(v.textosPainel[2], formatar2(v.ee) + " m"));
        EXPECT_TRUE(termina(v.textosPainel[3], formatar2(v.er) + " m"));
        EXPECT_TRUE(termina(v.textosPainel[4], formatar0(100 * v.ar) + " cm"));
        EXPECT_TRUE(termina(v.textosPainel[5], formatar0(100 * v.br) + " cm"));
        EXPECT_DOUBLE_EQ(v.P, v.Q / 6);
        EXPECT_DOUBLE_EQ(v.X, 2 * v.ee);
    }
    // The spread of neighbouring axles, and of the wheels of one axle, meet at h1 and h2.
    const VeiculoRodoviario& c45 = veiculoRodoviario(0);
    EXPECT_EQ(formatar2((c45.ee - c45.ar) / 1.4), formatar2(c45.h1));
    EXPECT_EQ(formatar2((c45.er - c45.br) / 1.4), formatar2(c45.h2));
    EXPECT_DOUBLE_EQ(c45.Br, c45.br + c45.er);
    const VeiculoRodoviario& et = veiculoRodoviario(2);
    EXPECT_EQ(formatar3((et.ee - et.ar) / 1.4), formatar3(et.h1));
    EXPECT_EQ(formatar3((et.er - et.br) / 1.4), formatar3(et.h2));
    EXPECT_DOUBLE_EQ(et.Br, et.br + et.er);
    const VeiculoRodoviario& c30 = veiculoRodoviario(1);
    EXPECT_DOUBLE_EQ(c30.Br, 2.3);
    EXPECT_DOUBLE_EQ(c30.h1, c45.h1);
    EXPECT_DOUBLE_EQ(c30.h2, c45.h2);
    EXPECT_EQ(&veiculoRodoviario(9), &c45);
}
