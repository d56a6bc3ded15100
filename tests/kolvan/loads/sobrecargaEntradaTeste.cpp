#include "sobrecargaEntrada.h"

#include "ProjetoTubo.h"
#include "cargaSobrecarga.h"

#include <gtest/gtest.h>

TEST(SobrecargaEntrada, FigurasECamposPorNatureza)
{
    struct Caso {
        int natureza, distribuicao;
        const char* figura;
        bool trafego, distribuicao_, carga, a, b, c, confirma;
    } casos[] = {
        {Rodoviaria, 0, "rodoviario.bmp", true, false, false, false, false, false, true},
        {Ferroviaria, 0, "ferroviario.bmp", false, false, false, false, false, false, false},
        {Aeroviaria, 0, "aeroviario.bmp", false, false, false, false, false, false, false},
        {ForcaParcialmenteDistribuida, 0, "1CargaDist.bmp", false, true, true, true, true, false, true},
        {ForcaParcialmenteDistribuida, 1, "2CargaDist.bmp", false, true, true, true, true, true, true},
        {DefinidaPeloUsuario, 1, "usuario.bmp", false, false, true, false, false, false, true},
        {NulaOuDesprezivel, 0, "nula.bmp", false, false, false, false, false, false, true},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(figuraSobrecarga(c.natureza, c.distribuicao), c.figura);
        const CamposSobrecarga k = camposSobrecarga(c.natureza, c.distribuicao);
        EXPECT_EQ(k.trafego, c.trafego) << c.figura;
        EXPECT_EQ(k.distribuicao, c.distribuicao_) << c.figura;
        EXPECT_EQ(k.carga, c.carga) << c.figura;
        EXPECT_EQ(k.compA, c.a) << c.figura;
        EXPECT_EQ(k.compB, c.b) << c.figura;
        EXPECT_EQ(k.distC, c.c) << c.figura;
        EXPECT_EQ(confirmaHabilitado(c.natureza), c.confirma) << c.figura;
    }
    EXPECT_EQ(figuraSobrecarga(6, 0), "");
    EXPECT_EQ(legendaCarga(ForcaParcialmenteDistribuida), "Q =                    kN");
    EXPECT_EQ(legendaCarga(DefinidaPeloUsuario), "q m =                    kN/m");
    EXPECT_EQ(listaNaturezasSobrecarga().at(3), "Força parcialmente distribuída");
    EXPECT_EQ(listaTiposTrafego().at(2), "Eixo triplo");
    EXPECT_EQ(listaDistribuicoes().at(1), "Em duas áreas");
}

TEST(SobrecargaEntrada, EscolhasRepoemOsPadroes)
{
    Sobrecarga s;
    s.carga = "12,00";
    s.compA = "1,00";
    s.compB = "2,00";
    s.distC = "7,00";

    aplicarNatureza(s, Rodoviaria);
    EXPECT_EQ(s.carga, "12,00") << "a road load keeps the texts";

    aplicarNatureza(s, DefinidaPeloUsuario);
    EXPECT_EQ(s.carga, "5,00");
    EXPECT_EQ(s.compA, "1,00");

    // The user's q and the force Q share one field: back to 3, Q is reset.
    aplicarNatureza(s, ForcaParcialmenteDistribuida);
    EXPECT_EQ(s.carga, "5000,00");
    EXPECT_EQ(s.compA, "0,50");
    EXPECT_EQ(s.compB, "0,50");
    EXPECT_EQ(s.distC, "7,00") << "one area keeps c";

    aplicarDistribuicao(s, 1);
    EXPECT_EQ(s.distC, "5,00");
    s.distC = "3,00";
    aplicarNatureza(s, ForcaParcialmenteDistribuida);
    EXPECT_EQ(s.distC, "5,00") << "two areas reset c with the nature";
    s.distC = "3,00";
    aplicarDistribuicao(s, 0);
    EXPECT_EQ(s.distribuicao, 0);
    EXPECT_EQ(s.distC, "3,00");
}

TEST(SobrecargaEntrada, VerificacaoAoConfirmar)
{
    struct Caso {
        const char* nome;
        int natureza, distribuicao;
        const char *carga, *a, *b, *c;
        CampoSobrecarga foco;
        const char* mensagem;
    } casos[] = {
        {"distributed, Q empty first", 3, 1, "", "", "", "", CampoSobrecarga::Carga,
         "Entre com um valor para a força parcialmente distribuida."},
        {"distributed, a empty", 3, 1, "1", "", "", "", CampoSobrecarga::CompA,
         "Entre com um valor para o comprimento \"a\""},
        {"distributed, b empty", 3, 1, "1", "1", "", "", CampoSobrecarga::CompB,
         "Entre com um valor para o comprimento \"b\""},
        {"two areas, c empty", 3, 1, "1", "1", "1", "", CampoSobrecarga::DistC,
         "Entre com um valor para o comprimento \"c\""},
        {"one area, c empty is fine", 3, 0, "1", "1", "1", "", CampoSobrecarga::Nenhum, ""},
        {"user-defined, q empty", 4, 0, "", "", "", "", CampoSobrecarga::Carga,
         "Entre com um valor para a força definida pelo usuário."},
        {"road checks nothing", 0, 0, "", "", "", "", CampoSobrecarga::Nenhum, ""},
        {"null checks nothing", 5, 0, "", "", "", "", CampoSobrecarga::Nenhum, ""},
    };
    for (const Caso& c : casos) {
        Sobrecarga s;
        s.natureza = c.natureza;
        s.distribuicao = c.distribuicao;
        s.carga = c.carga;
        s.compA = c.a;
        s.compB = c.b;
        s.distC = c.c;
        const VerificacaoSobrecarga v = verificarSobrecarga(s);
        EXPECT_EQ(v.aceita, c.foco == CampoSobrecarga::Nenhum) << c.nome;
        EXPECT_EQ(v.foco, c.foco) << c.nome;
        EXPECT_EQ(v.mensagem, c.mensagem) << c.nome;
    }
}

TEST(SobrecargaEntrada, NormalizaOsNumerosAceitos)
{
    Sobrecarga s;
    s.natureza = ForcaParcialmenteDistribuida;
    s.distribuicao = 1;
    s.carga = "5000";
    s.compA = "0,5";
    s.compB = "12,5";
    s.distC = "5,0";
    ASSERT_TRUE(verificarSobrecarga(s).aceita);
    EXPECT_EQ(s.carga, "5000,00");
    EXPECT_EQ(s.compA, "0,50");
    EXPECT_EQ(s.compB, "12,50");
    EXPECT_EQ(s.distC, "5,00");

    Sobrecarga u;
    u.natureza = DefinidaPeloUsuario;
    u.carga = "7";
    u.distC = "5,0";
    ASSERT_TRUE(verificarSobrecarga(u).aceita);
    EXPECT_EQ(u.carga, "7,00");
    EXPECT_EQ(u.distC, "5,0") << "fields the nature does not use stay as typed";
}

TEST(SobrecargaEntrada, DeteccaoDeMudanca)
{
    const auto com = [](int natureza, int trafego, int distribuicao, const char* carga, const char* b,
                        const char* c) {
        Sobrecarga s;
        s.natureza = natureza;
        s.trafego = trafego;
        s.distribuicao = distribuicao;
        s.carga = carga;
        s.compB = b;
        s.distC = c;
        return s;
    };
    struct Caso {
        const char* nome;
        Sobrecarga antes, depois;
        bool primeira, muda;
    } casos[] = {
        {"first confirmation always counts", com(0, 0, 0, "", "", ""), com(0, 0, 0, "", "", ""), true, true},
        {"same road", com(0, 0, 0, "", "", ""), com(0, 0, 0, "1", "", ""), false, false},
        {"other traffic", com(0, 0, 0, "", "", ""), com(0, 2, 0, "", "", ""), false, true},
        {"road from distributed", com(3, 0, 0, "", "", ""), com(0, 0, 0, "", "", ""), false, true},
        {"b 0,50 to 0,51", com(3, 0, 0, "5000,00", "0,50", ""), com(3, 0, 0, "5000,00", "0,51", ""), false, true},
        {"b within 0,001", com(3, 0, 0, "5000,00", "0,50", ""), com(3, 0, 0, "5000,000", "0,5005", ""), false,
         false},
        {"c ignored with one area", com(3, 0, 0, "1", "1", "5,00"), com(3, 0, 0, "1", "1", "9,00"), false, false},
        {"c counts with two areas", com(3, 0, 1, "1", "1", "5,00"), com(3, 0, 1, "1", "1", "9,00"), false, true},
        {"other distribution", com(3, 0, 0, "1", "1", "5,00"), com(3, 0, 1, "1", "1", "5,00"), false, true},
        {"user q changed", com(4, 0, 0, "5,00", "", ""), com(4, 0, 0, "6,00", "", ""), false, true},
        {"user q same", com(4, 0, 0, "5,00", "", ""), com(4, 0, 0, "5,0", "", ""), false, false},
        {"null to null", com(5, 0, 0, "", "", ""), com(5, 1, 0, "9", "", ""), false, false},
        {"null from road", com(0, 0, 0, "", "", ""), com(5, 0, 0, "", "", ""), false, true},
        {"rail never after the first", com(0, 0, 0, "", "", ""), com(1, 0, 0, "", "", ""), false, false},
        {"air never after the first", com(0, 0, 0, "", "", ""), com(2, 0, 0, "", "", ""), false, false},
        {"rail on the first", com(0, 0, 0, "", "", ""), com(1, 0, 0, "", "", ""), true, true},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(sobrecargaMudou(c.antes, c.depois, c.primeira), c.muda) << c.nome;
}
