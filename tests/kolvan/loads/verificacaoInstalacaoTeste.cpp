// The installation window's close check and change detection, over the
// texts as a user types them.
#include "ProjetoTubo.h"
#include "dadosInstalacao.h"
#include "verificacaoInstalacao.h"

#include <gtest/gtest.h>

namespace {
struct Textos {
    int tipo = Vala;
    int terreno = 2;
    const char* gama = "19,2";
    const char* kMi = "0,150";
    const char* hs = "1,00";
    const char* bv = "1,31";
    const char* rsd = "0,5";
    const char* ha = "0,60";
    bool compactado = false;
};

ProjetoTubo candidato(const Textos& t, int indiceDi = 4, int classeAterro = 2)
{
    ProjetoTubo p;
    p.geometria.indiceDi = indiceDi;
    p.baseAterro.classe = classeAterro;
    Instalacao& i = p.instalacao;
    i.tipo = t.tipo;
    i.terreno = t.terreno;
    i.gama = t.gama;
    i.kMi = t.kMi;
    i.alturaTerra = t.hs;
    i.larguraVala = t.bv;
    i.razaoRecalque = t.rsd;
    i.alturaHa = t.ha;
    i.aterroCompactado = t.compactado;
    return p;
}
} // namespace

TEST(VerificacaoInstalacao, RecusasNaOrdemDaJanela)
{
    using C = CampoInstalacao;
    struct Caso {
        const char* nome;
        Textos t;
        const char* mensagem;
        C foco;
    } casos[] = {
        {"user soil without γ", {.terreno = 5, .gama = "", .kMi = ""}, "Entre com um valor para o peso específico do solo.", C::Gama},
        {"user soil without Kμ", {.terreno = 5, .gama = "18", .kMi = ""}, "Entre com um valor para K.u.", C::KMi},
        {"no cover", {.hs = ""}, "Entre com um valor para altura de terra.", C::AlturaTerra},
        {"trench without width", {.bv = ""}, "Entre com um valor para a largura da vala.", C::LarguraVala},
        {"positive without ratio", {.tipo = ProjecaoPositiva, .rsd = "", .ha = ""}, "Entre com um valor para a razão de recalque.", C::RazaoRecalque},
        {"positive without ha", {.tipo = ProjecaoPositiva, .ha = ""}, "Entre com um valor para a altura (ha).", C::AlturaHa},
        {"negative: ratio before width", {.tipo = ProjecaoNegativa, .bv = "", .rsd = ""}, "Entre com um valor para a razão de recalque.", C::RazaoRecalque},
        {"negative: width before ha", {.tipo = ProjecaoNegativa, .bv = "", .rsd = "-0,4", .ha = ""}, "Entre com um valor para a largura da vala.", C::LarguraVala},
        {"negative without ha", {.tipo = ProjecaoNegativa, .rsd = "-0,4", .ha = ""}, "Entre com um valor para a altura (ha).", C::AlturaHa},
        {"a trench ignores an empty ha", {.ha = ""}, "", C::Nenhum},
        {"user soil without friction", {.terreno = 5, .gama = "18", .kMi = "0"}, "O valor de K.u deve ser maior que zero.", C::KMi},
        {"friction that rounds to zero", {.terreno = 5, .gama = "18", .kMi = "0,0004"}, "O valor de K.u deve ser maior que zero.", C::KMi},
        {"cover below 0,60", {.hs = "0,59"}, "A altura mínima de terra deverá ser 0,60 m", C::Nenhum},
        {"cover that rounds to 0,60", {.hs = "0,599"}, "", C::Nenhum},
        {"ha above its maximum", {.tipo = ProjecaoPositiva, .ha = "0,70"}, "Altura máxima para a projeção é de 0,65 m", C::Nenhum},
        {"ha at its maximum", {.tipo = ProjecaoPositiva, .ha = "0,65"}, "", C::Nenhum},
        {"compacted negative keeps ha_max", {.tipo = ProjecaoNegativa, .ha = "0,70", .compactado = true}, "Altura máxima para a projeção é de 0,65 m", C::Nenhum},
        {"trench below its least width", {.bv = "1,20"}, "A largura mínima da vala deverá ser 1,22 m.", C::Nenhum},
        {"trench at its least width", {.bv = "1,22"}, "", C::Nenhum},
        {"negative below its least width", {.tipo = ProjecaoNegativa, .bv = "1,00", .rsd = "-0,4", .ha = "0,50"}, "A largura mínima da vala deverá ser 1,22 m.", C::Nenhum},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p = candidato(c.t);
        const VerificacaoInstalacao r = verificarInstalacao(p);
        EXPECT_EQ(r.aceita, std::string(c.mensagem).empty()) << c.nome;
        EXPECT_EQ(r.linha, c.mensagem) << c.nome;
        EXPECT_EQ(r.foco, c.foco) << c.nome;
    }
}

TEST(VerificacaoInstalacao, CorrecoesDeixamUmValorAceito)
{
    struct Caso {
        const char* nome;
        Textos t;
        std::string Instalacao::*campo;
        const char* corrigido;
    } casos[] = {
        {"cover", {.hs = "0,59"}, &Instalacao::alturaTerra, "0,60"},
        {"ha to its maximum", {.tipo = ProjecaoPositiva, .ha = "0,70"}, &Instalacao::alturaHa, "0,65"},
        {"ha to 94 % of hs", {.tipo = ProjecaoNegativa, .rsd = "-0,4", .ha = "0,95"}, &Instalacao::alturaHa, "0,94"},
        {"trench width", {.bv = "1,2"}, &Instalacao::larguraVala, "1,22"},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p = candidato(c.t);
        EXPECT_FALSE(verificarInstalacao(p).aceita) << c.nome;
        EXPECT_EQ(p.instalacao.*c.campo, c.corrigido) << c.nome;
        // The refusal is not left to a tolerance: a second confirmation passes.
        EXPECT_TRUE(verificarInstalacao(p).aceita) << c.nome;
    }
}

TEST(VerificacaoInstalacao, HaDaProjecaoNegativaEmDuasLinhas)
{
    ProjetoTubo p = candidato({.tipo = ProjecaoNegativa, .rsd = "-0,4", .ha = "0,95"});
    const VerificacaoInstalacao r = verificarInstalacao(p);
    EXPECT_TRUE(r.linha.empty());
    EXPECT_EQ(r.superior, "A altura (ha) deve ser pelo menos 5% ");
    EXPECT_EQ(r.inferior, "menor do que a altura de terra (hs).");
    ProjetoTubo abaixo = candidato({.tipo = ProjecaoNegativa, .rsd = "-0,4", .ha = "0,94"});
    EXPECT_TRUE(verificarInstalacao(abaixo).aceita);
}

TEST(VerificacaoInstalacao, TextosArredondadosEValoresConvertidos)
{
    ProjetoTubo p = candidato({.tipo = ProjecaoNegativa, .terreno = 5, .gama = "18", .kMi = "0,17",
                               .hs = "2,5", .bv = "1,4", .rsd = "0,50", .ha = "0,6", .compactado = true});
    const VerificacaoInstalacao r = verificarInstalacao(p);
    ASSERT_TRUE(r.aceita);
    const Instalacao& i = p.instalacao;
    EXPECT_EQ(i.gama, "18,00");
    EXPECT_EQ(i.kMi, "0,170");
    EXPECT_EQ(i.alturaTerra, "2,50");
    EXPECT_EQ(i.larguraVala, "1,40");
    EXPECT_EQ(i.razaoRecalque, "0,5");
    EXPECT_EQ(i.alturaHa, "0,60");
    EXPECT_TRUE(r.converteu);
    EXPECT_DOUBLE_EQ(r.valores.hs, 2.5);
    EXPECT_DOUBLE_EQ(r.valores.D, 0.72);
}

TEST(VerificacaoInstalacao, TextoQueNaoENumeroNaoMudaNada)
{
    ProjetoTubo p = candidato({.terreno = 5, .gama = "18", .kMi = "0,17", .hs = ","});
    const Instalacao antes = p.instalacao;
    const VerificacaoInstalacao r = verificarInstalacao(p);
    EXPECT_FALSE(r.aceita);
    EXPECT_EQ(r.erroConversao, "\",\" não é um número válido.");
    EXPECT_EQ(r.foco, CampoInstalacao::AlturaTerra);
    EXPECT_FALSE(r.converteu);
    EXPECT_EQ(p.instalacao, antes);

    // A half-typed text left in a field the type does not use is dropped.
    ProjetoTubo vala = candidato({.ha = ","});
    EXPECT_TRUE(verificarInstalacao(vala).aceita);
    EXPECT_EQ(vala.instalacao.alturaHa, "");
}

TEST(VerificacaoInstalacao, MudancaDetectada)
{
    struct Caso {
        const char* nome;
        Textos antes, depois;
        bool muda;
    } casos[] = {
        {"nothing changed", {}, {}, false},
        {"soil", {}, {.terreno = 1, .gama = "19,2", .kMi = "0,130"}, true},
        {"type", {}, {.tipo = ProjecaoNegativa, .rsd = "-0,4"}, true},
        {"cover by 0,01", {}, {.hs = "1,01"}, true},
        {"same cover, other text", {}, {.hs = "1,0"}, false},
        {"trench width", {}, {.bv = "1,40"}, true},
        {"a trench ignores ha", {}, {.ha = "0,70"}, false},
        {"user Kμ in its last decimal", {.terreno = 5, .kMi = "0,171"}, {.terreno = 5, .kMi = "0,172"}, true},
        {"user γ", {.terreno = 5, .gama = "18,00"}, {.terreno = 5, .gama = "18,50"}, true},
        {"positive ha", {.tipo = ProjecaoPositiva}, {.tipo = ProjecaoPositiva, .ha = "0,55"}, true},
        {"positive ignores the width", {.tipo = ProjecaoPositiva}, {.tipo = ProjecaoPositiva, .bv = "2,00"}, false},
        {"positive ignores the check box", {.tipo = ProjecaoPositiva}, {.tipo = ProjecaoPositiva, .compactado = true}, false},
        {"negative check box", {.tipo = ProjecaoNegativa}, {.tipo = ProjecaoNegativa, .compactado = true}, true},
        {"negative ratio", {.tipo = ProjecaoNegativa, .rsd = "-0,4"}, {.tipo = ProjecaoNegativa, .rsd = "0,5"}, true},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(instalacaoMudou(candidato(c.antes).instalacao, candidato(c.depois).instalacao), c.muda) << c.nome;
}

TEST(DadosInstalacao, SelecoesRedefinemOsCampos)
{
    Instalacao i;
    i.larguraVala = "2,00";
    i.alturaHa = "0,90";
    aplicarTipoInstalacao(i, ProjecaoNegativa);
    EXPECT_EQ(i.larguraVala, "1,31");
    EXPECT_EQ(i.alturaHa, "0,60");
    EXPECT_EQ(i.razaoRecalque, "-0,4");
    aplicarAterroCompactado(i, true);
    EXPECT_EQ(i.razaoRecalque, "0,5");
    EXPECT_EQ(figuraInstalacao(i.tipo, i.aterroCompactado), "SaliNega2.bmp");
    i.larguraVala = "2,00";
    aplicarTipoInstalacao(i, ProjecaoPositiva);
    EXPECT_EQ(i.larguraVala, "2,00"); // the width does not apply and keeps its text
    EXPECT_EQ(i.razaoRecalque, "0,5");
    aplicarTipoInstalacao(i, ProjecaoNegativa); // the check box was left on
    EXPECT_EQ(i.razaoRecalque, "0,5");

    const char* presets[][2] = {{"21,0", "0,110"}, {"19,2", "0,130"}, {"19,2", "0,150"}, {"17,6", "0,165"}, {"19,0", "0,192"}, {"", ""}};
    for (int terreno = 0; terreno <= 5; ++terreno) {
        aplicarTerreno(i, terreno);
        EXPECT_EQ(i.gama, presets[terreno][0]) << terreno;
        EXPECT_EQ(i.kMi, presets[terreno][1]) << terreno;
    }
}

// No sign can be typed, but a pasted or dropped text once could bring one:
// the check refuses a negative value whatever its way in, and changes nothing.
TEST(VerificacaoInstalacao, NumeroNegativoRecusado)
{
    using C = CampoInstalacao;
    struct Caso {
        Textos t;
        C foco;
        const char* texto;
    } casos[] = {
        {{.tipo = ProjecaoPositiva, .ha = "-0,50"}, C::AlturaHa, "-0,50"},
        {{.tipo = ProjecaoNegativa, .rsd = "-0,4", .ha = "-0,10"}, C::AlturaHa, "-0,10"},
        {{.hs = "-2"}, C::AlturaTerra, "-2"},
        {{.bv = "-1,31"}, C::LarguraVala, "-1,31"},
        {{.terreno = 5, .gama = "-18", .kMi = "0,150"}, C::Gama, "-18"},
        {{.terreno = 5, .gama = "18", .kMi = "-0,150"}, C::KMi, "-0,150"},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p = candidato(c.t);
        const Instalacao antes = p.instalacao;
        const VerificacaoInstalacao r = verificarInstalacao(p);
        EXPECT_FALSE(r.aceita) << c.texto;
        EXPECT_EQ(r.foco, c.foco) << c.texto;
        EXPECT_EQ(r.linha, "\"" + std::string(c.texto) + "\" não é um valor válido: o número não pode ser negativo.");
        EXPECT_EQ(p.instalacao.alturaHa, antes.alturaHa);
        EXPECT_EQ(p.instalacao.alturaTerra, antes.alturaTerra);
    }
    // The settlement ratio of a negative projection is negative by nature.
    ProjetoTubo negativa = candidato({.tipo = ProjecaoNegativa, .rsd = "-0,4", .ha = "0,50"});
    EXPECT_TRUE(verificarInstalacao(negativa).aceita);
}
