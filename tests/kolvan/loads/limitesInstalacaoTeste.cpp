#include "ProjetoTubo.h"
#include "limitesInstalacao.h"
#include "numeros.h"

#include <gtest/gtest.h>

namespace {
ProjetoTubo projetoCom(int indiceDi, int tipo, bool compactado, int classeAterro,
                       const char* hs, const char* bv, const char* ha)
{
    ProjetoTubo p;
    p.geometria.indiceDi = indiceDi;
    p.instalacao.tipo = tipo;
    p.instalacao.aterroCompactado = compactado;
    p.baseAterro.classe = classeAterro;
    p.instalacao.alturaTerra = hs;
    p.instalacao.larguraVala = bv;
    p.instalacao.alturaHa = ha;
    return p;
}
} // namespace

TEST(LimitesInstalacao, CorrecoesDeUmaNovaGeometria)
{
    struct Caso {
        const char* nome;
        int indiceDi, tipo;
        bool compactado;
        int classe;
        const char *hs, *bv, *ha;
        const char *bvEsperado, *haEsperado;
        bool muda;
    } casos[] = {
        {"trench widened to de + 0,5", 4, Vala, false, 2, "1,00", "1,00", "0,60", "1,22", "0,60", true},
        {"trench wide enough", 4, Vala, false, 2, "1,00", "1,31", "0,60", "1,31", "0,60", false},
        {"trench at its least width", 4, Vala, false, 2, "1,00", "1,22", "0,60", "1,22", "0,60", false},
        {"negative, ha at 95 % of hs", 4, ProjecaoNegativa, false, 2, "1,00", "1,31", "0,96", "1,31", "0,94", true},
        {"negative, ha below 95 %", 4, ProjecaoNegativa, false, 2, "1,00", "1,31", "0,94", "1,31", "0,94", false},
        {"positive 1000 mm, class A", 8, ProjecaoPositiva, false, 0, "1,00", "1,31", "1,00", "1,31", "0,90", true},
        {"positive 1000 mm, class D", 8, ProjecaoPositiva, false, 3, "1,00", "1,31", "1,20", "1,31", "1,20", false},
        {"positive width untouched", 8, ProjecaoPositiva, false, 3, "1,00", "0,50", "1,00", "0,50", "1,00", false},
        {"compacted negative uses ha_max", 4, ProjecaoNegativa, true, 2, "1,00", "1,31", "0,70", "1,31", "0,65", true},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p = projetoCom(c.indiceDi, c.tipo, c.compactado, c.classe, c.hs, c.bv, c.ha);
        EXPECT_EQ(corrigirLimitesInstalacao(p), c.muda) << c.nome;
        EXPECT_EQ(p.instalacao.larguraVala, c.bvEsperado) << c.nome;
        EXPECT_EQ(p.instalacao.alturaHa, c.haEsperado) << c.nome;
    }
}

TEST(LimitesInstalacao, AlturaMaximaPorClasse)
{
    EXPECT_DOUBLE_EQ(alturaMaximaProjecao(2, 0.72), 0.65);
    EXPECT_DOUBLE_EQ(alturaMaximaProjecao(0, 1.2), 0.90);
    EXPECT_DOUBLE_EQ(alturaMaximaProjecao(3, 1.2), 1.20);
    EXPECT_DOUBLE_EQ(alturaMaximaProjecao(7, 1.2), 100.0);
}

TEST(ProjetoTubo, NovoProjetoEValoresDeTrabalho)
{
    ProjetoTubo p;
    p.geometria.indiceDi = 9;
    p.instalacao.tipo = ProjecaoPositiva;
    p.instalacao.gama = "17,6";
    p.obra.servicos = "Rede de drenagem";
    DadosProjetista projetista;
    projetista.nome = "Projetista do arquivo";
    novoProjeto(p, projetista);
    EXPECT_EQ(p.geometria, Geometria{});
    EXPECT_EQ(textoDiametro(p.geometria), "600");
    EXPECT_EQ(textoComprimento(p.geometria), "1,00");
    EXPECT_EQ(p.instalacao.tipo, Vala);
    EXPECT_EQ(p.instalacao.gama, "19,2");
    EXPECT_EQ(p.instalacao.kMi, "0,150");
    EXPECT_EQ(p.obra.servicos, "Rede de drenagem") << "a new project keeps the work data";
    EXPECT_EQ(p.projetista.nome, "Projetista do arquivo");

    const ValoresTrabalho v = valoresTrabalho(p);
    EXPECT_DOUBLE_EQ(v.t, 60);
    EXPECT_DOUBLE_EQ(v.de, 720);
    EXPECT_DOUBLE_EQ(v.D, 0.72);

    p.geometria.finalidade = 1;
    EXPECT_EQ(textoComprimento(p.geometria), "2,00");
    p.instalacao.alturaHa = "";
    EXPECT_DOUBLE_EQ(valoresTrabalho(p).ha, 0.0);
    p.instalacao.alturaHa = ",";
    EXPECT_THROW(valoresTrabalho(p), ErroConversao);
}

TEST(ArredondarCarga, ParaCimaSalvoEspecial)
{
    EXPECT_EQ(arredondarCarga("PA3", 157.5), 158);
    EXPECT_EQ(arredondarCarga("PA1", 40.0), 40);
    EXPECT_EQ(arredondarCarga("PA2", 236.25), 237);
    EXPECT_EQ(arredondarCarga("Especial", 500), 0);
}
