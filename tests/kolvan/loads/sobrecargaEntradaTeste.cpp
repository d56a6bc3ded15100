#include "sobrecargaEntrada.h"

#include "ProjetoTubo.h"
#include "cargaSobrecarga.h"

#include <gtest/gtest.h>

TEST(SobrecargaEntrada, FigurasECamposPorNatureza)
{
    struct Caso {
        int natureza, distribuicao;
        const char* figura;
        bool carga, c, confirma;
    } casos[] = {
        {Rodoviaria, 0, "rodoviario.bmp", false, false, true},
        {Ferroviaria, 0, "ferroviario.bmp", false, false, false},
        {Aeroviaria, 0, "aeroviario.bmp", false, false, false},
        {ForcaParcialmenteDistribuida, 0, "1CargaDist.bmp", true, false, true},
        {ForcaParcialmenteDistribuida, 1, "2CargaDist.bmp", true, true, true},
        {DefinidaPeloUsuario, 1, "usuario.bmp", true, false, true},
        {NulaOuDesprezivel, 0, "nula.bmp", false, false, true},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(figuraSobrecarga(c.natureza, c.distribuicao), c.figura);
        const CamposSobrecarga k = camposSobrecarga(c.natureza, c.distribuicao);
        EXPECT_EQ(k.carga, c.carga) << c.figura;
        EXPECT_EQ(k.compA && k.compB && k.distribuicao, c.natureza == ForcaParcialmenteDistribuida) << c.figura;
        EXPECT_EQ(k.distC, c.c) << c.figura;
        EXPECT_EQ(k.trafego, c.natureza == Rodoviaria) << c.figura;
        EXPECT_EQ(confirmaHabilitado(c.natureza), c.confirma) << c.figura;
    }
    EXPECT_EQ(legendaCarga(ForcaParcialmenteDistribuida), "Q =                    kN");
    EXPECT_EQ(legendaCarga(DefinidaPeloUsuario), "q m =                    kN/m");
}

TEST(SobrecargaEntrada, EscolhasRepoemOsPadroes)
{
    Sobrecarga s{Rodoviaria, 0, 0, "12,00", "1,00", "2,00", "7,00"};
    aplicarNatureza(s, Rodoviaria);
    EXPECT_EQ(s, (Sobrecarga{Rodoviaria, 0, 0, "12,00", "1,00", "2,00", "7,00"}));
    aplicarNatureza(s, DefinidaPeloUsuario);
    EXPECT_EQ(s, (Sobrecarga{DefinidaPeloUsuario, 0, 0, "5,00", "1,00", "2,00", "7,00"}));
    // q and Q share one field: back to a distributed load, Q is reset; one area keeps c.
    aplicarNatureza(s, ForcaParcialmenteDistribuida);
    EXPECT_EQ(s, (Sobrecarga{ForcaParcialmenteDistribuida, 0, 0, "5000,00", "0,50", "0,50", "7,00"}));
    aplicarDistribuicao(s, 1);
    EXPECT_EQ(s.distC, "5,00");
    s.distC = "3,00";
    aplicarDistribuicao(s, 0);
    EXPECT_EQ(s.distC, "3,00");
}

TEST(SobrecargaEntrada, VerificacaoENormalizacao)
{
    using C = CampoSobrecarga;
    struct Caso {
        Sobrecarga s; // carga, a, b, c as typed
        C foco;
        const char* mensagem;
        const char *carga, *c; // after an accepted check
    } casos[] = {
        {{3, 0, 1, "", "", "", ""}, C::Carga, "Entre com um valor para a força parcialmente distribuida."},
        {{3, 0, 1, "1", "", "", ""}, C::CompA, "Entre com um valor para o comprimento \"a\""},
        {{3, 0, 1, "1", "1", "", ""}, C::CompB, "Entre com um valor para o comprimento \"b\""},
        {{3, 0, 1, "1", "1", "1", ""}, C::DistC, "Entre com um valor para o comprimento \"c\""},
        {{3, 0, 0, "5000", "1", "1", ""}, C::Nenhum, "", "5000,00", ""},
        {{3, 0, 1, "5000", "1", "1", "5,0"}, C::Nenhum, "", "5000,00", "5,00"},
        {{4, 0, 0, "", "", "", ""}, C::Carga, "Entre com um valor para a força definida pelo usuário."},
        {{4, 0, 0, "7", "", "", "5,0"}, C::Nenhum, "", "7,00", "5,0"},
        {{0, 0, 0, "", "", "", ""}, C::Nenhum, "", "", ""},
        {{5, 0, 0, "", "", "", ""}, C::Nenhum, "", "", ""},
        // No sign can be typed; a negative that came another way is refused.
        {{3, 0, 1, "-5000", "1", "1", "5"}, C::Carga, "\"-5000\" não é um valor válido: o número não pode ser negativo."},
        {{3, 0, 1, "5000", "-0,50", "1", "5"}, C::CompA, "\"-0,50\" não é um valor válido: o número não pode ser negativo."},
        {{3, 0, 1, "5000", "1", "1", "-5"}, C::DistC, "\"-5\" não é um valor válido: o número não pode ser negativo."},
        {{4, 0, 0, "-7", "", "", ""}, C::Carga, "\"-7\" não é um valor válido: o número não pode ser negativo."},
    };
    for (Caso& c : casos) {
        const VerificacaoSobrecarga v = verificarSobrecarga(c.s);
        EXPECT_EQ(v.aceita, c.foco == C::Nenhum) << c.mensagem;
        EXPECT_EQ(v.foco, c.foco) << c.mensagem;
        EXPECT_EQ(v.mensagem, c.mensagem);
        if (v.aceita) {
            EXPECT_EQ(c.s.carga, c.carga);
            EXPECT_EQ(c.s.distC, c.c);
        }
    }
}

TEST(SobrecargaEntrada, DeteccaoDeMudanca)
{
    const auto s = [](int natureza, int trafego, int distribuicao, const char* carga, const char* b, const char* c) {
        return Sobrecarga{natureza, trafego, distribuicao, carga, "0,50", b, c};
    };
    struct Caso {
        const char* nome;
        Sobrecarga antes, depois;
        bool primeira, muda;
    } casos[] = {
        {"first confirmation", s(0, 0, 0, "", "", ""), s(0, 0, 0, "", "", ""), true, true},
        {"same road", s(0, 0, 0, "", "", ""), s(0, 0, 0, "1", "", ""), false, false},
        {"other traffic", s(0, 0, 0, "", "", ""), s(0, 2, 0, "", "", ""), false, true},
        {"b 0,50 to 0,51", s(3, 0, 0, "1", "0,50", ""), s(3, 0, 0, "1", "0,51", ""), false, true},
        {"b within 0,001", s(3, 0, 0, "1", "0,50", ""), s(3, 0, 0, "1,0", "0,5005", ""), false, false},
        {"c with one area", s(3, 0, 0, "1", "1", "5,00"), s(3, 0, 0, "1", "1", "9,00"), false, false},
        {"c with two areas", s(3, 0, 1, "1", "1", "5,00"), s(3, 0, 1, "1", "1", "9,00"), false, true},
        {"user q", s(4, 0, 0, "5,00", "", ""), s(4, 0, 0, "6,00", "", ""), false, true},
        {"null to null", s(5, 0, 0, "", "", ""), s(5, 1, 0, "9", "", ""), false, false},
        {"null from road", s(0, 0, 0, "", "", ""), s(5, 0, 0, "", "", ""), false, true},
        {"rail from road", s(0, 0, 0, "", "", ""), s(1, 0, 0, "", "", ""), false, true},
        {"air from distributed", s(3, 0, 0, "", "", ""), s(2, 0, 0, "", "", ""), false, true},
        {"rail to rail", s(1, 0, 0, "", "", ""), s(1, 2, 0, "9", "", ""), false, false},
        {"air to air", s(2, 0, 0, "", "", ""), s(2, 0, 1, "", "", ""), false, false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(sobrecargaMudou(c.antes, c.depois, c.primeira), c.muda) << c.nome;
}
