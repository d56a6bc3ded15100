// The pipe lists, the least wall thickness, the class loads, the special
// class check and the hidden class group following the visible one.
#include "ProjetoRedwan.h"
#include "classeTubo.h"
#include "geometriaRedwan.h"

#include <gtest/gtest.h>

namespace {
GeometriaRedwan geometria(int finalidade, const std::string& di)
{
    GeometriaRedwan g;
    g.finalidade = finalidade;
    const auto& lista = diametrosRedwan();
    g.indiceDi = static_cast<int>(std::find(lista.begin(), lista.end(), di) - lista.begin());
    return g;
}
} // namespace

TEST(GeometriaRedwan, ListasComecamEm300)
{
    EXPECT_EQ(diametrosRedwan().size(), 14u);
    EXPECT_EQ(diametrosRedwan().front(), "300");
    EXPECT_EQ(diametrosRedwan()[3], "600");
    EXPECT_EQ(diametrosRedwan().back(), "2000");
    EXPECT_EQ(comprimentosRedwan(finalidadePluvial), (std::vector<std::string>{"1,00", "1,50", "2,00", "2,50"}));
    EXPECT_EQ(comprimentosRedwan(finalidadeEsgoto), (std::vector<std::string>{"2,00", "2,50"}));
    // The new-project geometry: stormwater, "Ponta e Bolsa", 600 mm, 1,00 m.
    const GeometriaRedwan g;
    EXPECT_EQ(textoFinalidade(g), "Águas pluviais");
    EXPECT_EQ(textoTipoTubo(g), "Ponta e Bolsa");
    EXPECT_EQ(textoDiametro(g), "600");
    EXPECT_EQ(textoComprimento(g), "1,00");
    EXPECT_DOUBLE_EQ(diametroInterno(g), 600.0);
}

TEST(GeometriaRedwan, EspessuraMinimaPorFinalidadeEDiametro)
{
    struct Caso {
        const char* di;
        int pluvial, esgoto;
    };
    const Caso casos[] = {{"300", 45, 50},    {"400", 45, 50},    {"500", 50, 55},   {"600", 60, 65},
                          {"700", 66, 70},    {"800", 72, 80},    {"900", 75, 85},   {"1000", 80, 90},
                          {"1100", 90, 100},  {"1200", 96, 100},  {"1300", 105, 115}, {"1500", 120, 120},
                          {"1750", 140, 150}, {"2000", 180, 180}};
    for (const Caso& c : casos) {
        const double di = diametroInterno(geometria(finalidadePluvial, c.di));
        EXPECT_EQ(espessuraMinima(finalidadePluvial, di), c.pluvial) << c.di;
        EXPECT_EQ(espessuraMinima(finalidadeEsgoto, di), c.esgoto) << c.di;
    }
    EXPECT_EQ(espessuraMinima(finalidadePluvial, 650), 180);
}

TEST(GeometriaRedwan, GeometriaConfirmadaVoltaEspessuraAMinima)
{
    ProjetoRedwan p;
    p.parametros.h = "90";
    p.geometria = geometria(finalidadeEsgoto, "1300");
    aplicarEspessuraMinima(p);
    EXPECT_EQ(p.parametros.h, "115");
}

TEST(ClasseTubo, CargasArredondadasParaCima)
{
    struct Caso {
        int finalidade;
        double di;
        std::vector<std::string> cargas;
    };
    const Caso casos[] = {
        {finalidadePluvial, 300, {"18,00", "27,00", "41,00", "54,00"}},
        {finalidadePluvial, 600, {"36,00", "54,00", "81,00", "108,00"}},
        {finalidadePluvial, 1750, {"105,00", "158,00", "237,00", "315,00"}},
        {finalidadeEsgoto, 1300, {"117,00", "176,00", "234,00"}},
        {finalidadeEsgoto, 700, {"63,00", "95,00", "126,00"}},
        {finalidadePluvial, 2000, {"120,00", "180,00", "270,00", "360,00"}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(cargasClasse(c.finalidade, c.di), c.cargas) << c.di;
}

TEST(ClasseTubo, CargaDeProjetoDaClasseEscolhida)
{
    ProjetoRedwan p;
    p.geometria = geometria(finalidadePluvial, "1750");
    p.classe.classePluvial = 1;
    EXPECT_EQ(nomeClasseEscolhida(p.classe, p.geometria), "PA2");
    EXPECT_EQ(cargaDeProjeto(p), "158,00");
    // The load follows the diameter at once.
    p.geometria = geometria(finalidadePluvial, "300");
    EXPECT_EQ(cargaDeProjeto(p), "27,00");
    // The sewage group has its own choice and special load.
    p.geometria = geometria(finalidadeEsgoto, "300");
    p.classe.classeEsgoto = 3;
    p.classe.especialEsgoto = "80,00";
    EXPECT_EQ(nomeClasseEscolhida(p.classe, p.geometria), "Especial");
    EXPECT_EQ(cargaDeProjeto(p), "80,00");
}

TEST(ClasseTubo, CargaEspecial)
{
    struct Caso {
        int finalidade;
        double di;
        const char* texto;
        ConferenciaEspecial::Problema problema;
        const char* textoFinal;
    };
    const Caso casos[] = {
        {finalidadePluvial, 600, "", ConferenciaEspecial::Vazio, ""},
        {finalidadePluvial, 600, "  ", ConferenciaEspecial::Vazio, "  "},
        {finalidadePluvial, 600, ",", ConferenciaEspecial::NaoNumero, ","},
        {finalidadePluvial, 600, "108", ConferenciaEspecial::NaoMaior, "108,00"},
        {finalidadePluvial, 600, "108,01", ConferenciaEspecial::Nenhum, "108,01"},
        {finalidadePluvial, 600, "250", ConferenciaEspecial::Nenhum, "250,00"},
        // Compared as its field will show it: 108,004 is 108,00.
        {finalidadePluvial, 600, "108,004", ConferenciaEspecial::NaoMaior, "108,00"},
        {finalidadePluvial, 1750, "315", ConferenciaEspecial::NaoMaior, "315,00"},
        {finalidadeEsgoto, 1300, "234", ConferenciaEspecial::NaoMaior, "234,00"},
        {finalidadeEsgoto, 1300, "240,5", ConferenciaEspecial::Nenhum, "240,50"},
    };
    for (const Caso& c : casos) {
        const ConferenciaEspecial r = conferirEspecial(c.texto, c.finalidade, c.di);
        EXPECT_EQ(r.problema, c.problema) << c.texto;
        EXPECT_EQ(r.texto, c.textoFinal) << c.texto;
    }
    EXPECT_EQ(conferirEspecial("", finalidadePluvial, 600).aviso,
              "Entre com um valor para a carga minima de ruptura.");
    const ConferenciaEspecial menor = conferirEspecial("100", finalidadePluvial, 600);
    EXPECT_EQ(menor.avisoSuperior, "A carga de ruptura da classe \"Esp\"");
    EXPECT_EQ(menor.avisoInferior, "deve ser maior do que 108,00 kN/m");
    EXPECT_EQ(conferirEspecial("1,2,3", finalidadePluvial, 600).mensagem, "\"1,2,3\" não é um número válido.");
}

TEST(ClasseTubo, GrupoEscondidoSegueOVisivel)
{
    // From stormwater to sewage: PA1 and PA2 → EA2, PA3 → EA3, PA4 → EA4.
    const int paraEsgoto[] = {0, 0, 1, 2, 3};
    for (int pa = 0; pa < 5; ++pa) {
        ClasseRedwan c;
        c.classePluvial = pa;
        c.classeEsgoto = 2;
        c.especialPluvial = "250,00";
        seguirGrupoVisivel(c, finalidadePluvial);
        EXPECT_EQ(c.classeEsgoto, paraEsgoto[pa]) << pa;
        EXPECT_EQ(c.especialEsgoto, pa == 4 ? "250,00" : "") << pa;
    }
    // From sewage to stormwater: EA2 → PA2, EA3 → PA3, EA4 → PA4.
    for (int ea = 0; ea < 4; ++ea) {
        ClasseRedwan c;
        c.classeEsgoto = ea;
        c.especialEsgoto = "300,00";
        seguirGrupoVisivel(c, finalidadeEsgoto);
        EXPECT_EQ(c.classePluvial, ea + 1) << ea;
        EXPECT_EQ(c.especialPluvial, ea == 3 ? "300,00" : "") << ea;
    }
}

TEST(ClasseTubo, MudancaDeClasse)
{
    ClasseRedwan antes;
    antes.classePluvial = 4;
    antes.classeEsgoto = 3;
    antes.especialPluvial = antes.especialEsgoto = "250,00";
    ClasseRedwan depois = antes;
    EXPECT_FALSE(classeMudou(antes, depois, finalidadePluvial));
    // With "Especial" chosen a new load is a change.
    depois.especialPluvial = "260,00";
    EXPECT_TRUE(classeMudou(antes, depois, finalidadePluvial));
    // Not when another class is chosen: the special text is not used.
    antes.classePluvial = depois.classePluvial = 2;
    EXPECT_FALSE(classeMudou(antes, depois, finalidadePluvial));
    depois.classePluvial = 3;
    EXPECT_TRUE(classeMudou(antes, depois, finalidadePluvial));
}

TEST(ProjetoRedwan, NovoProjetoMantemObraEPosicoes)
{
    ProjetoRedwan p;
    p.obra.servicos = "Rede pluvial";
    p.cliente.nome = "Prefeitura";
    p.etapas = {true, true, true};
    p.geometria = geometria(finalidadeEsgoto, "1300");
    p.classe.classePluvial = 3;
    p.classe.classeEsgoto = 2;
    p.parametros = {"30,00", armaduraDupla, "4,0", "3,0", "115", "1,20", "1,50"};
    novoProjeto(p);
    EXPECT_FALSE(p.etapas.geometria || p.etapas.classe || p.etapas.parametros);
    EXPECT_EQ(p.geometria, GeometriaRedwan{});
    EXPECT_EQ(p.classe.classePluvial, 0);
    EXPECT_EQ(p.parametros, (ParametrosArmadura{"35,00", armaduraSimples, "4,0", "3,0", "60", "1,15", "1,40"}));
    EXPECT_EQ(p.obra.servicos, "Rede pluvial");
    EXPECT_EQ(p.cliente.nome, "Prefeitura");
}
