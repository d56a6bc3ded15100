#include "calculoClasse.h"

#include "ProjetoTubo.h"
#include "sobrecargaEntrada.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

using Preparo = std::function<void(ProjetoTubo&)>;

// A new project (600 mm stormwater in a trench, saturated soil, hs 1,00,
// Classe 45, class C with cs 1,5) changed by `preparar`. W is 17,15 for each
// installation here: the comparison load governs the trench and the
// uncompacted negative projection.
ProjetoTubo projeto(const Preparo& preparar)
{
    ProjetoTubo p;
    p.instalacao.alturaHa = "0,60";
    p.instalacao.razaoRecalque = "0,5";
    preparar(p);
    return p;
}

Preparo instalacao(int tipo, bool compactado, const char* rsd = "0,5")
{
    return [=](ProjetoTubo& p) {
        p.instalacao.tipo = tipo;
        p.instalacao.aterroCompactado = compactado;
        p.instalacao.razaoRecalque = rsd;
    };
}

Preparo natureza(int n, int trafego = 0, int distribuicao = 0, const char* carga = nullptr)
{
    return [=](ProjetoTubo& p) {
        aplicarNatureza(p.sobrecarga, n);
        aplicarDistribuicao(p.sobrecarga, distribuicao);
        p.sobrecarga.trafego = trafego;
        if (carga)
            p.sobrecarga.carga = carga;
    };
}

const Preparo nada = [](ProjetoTubo&) {};

} // namespace

// From the record's texts to R and the classes; q_s and fe worked out by hand.
TEST(CalculoClasse, DoProjetoAsClasses)
{
    struct Caso {
        const char* nome;
        Preparo preparar;
        double qs, fe;
        const char *valor, *classe, *simples, *fatorAterro;
    } casos[] = {
        {"trench, Classe 45", nada, 15.92, 1.5, "33,07 kN/m", " PA1 ou PS2", " 36,00 kN/m", "2,86"},
        {"positive, class C", instalacao(ProjecaoPositiva, false), 15.92, 2.18, "22,75 kN/m", " PA1 ou PS1",
         " 24,00 kN/m", "2,18"},
        {"negative compacted", instalacao(ProjecaoNegativa, true), 15.92, 1.89, "26,24 kN/m", " PA1 ou PS2",
         " 36,00 kN/m", "1,89"},
        {"negative, trench bedding", instalacao(ProjecaoNegativa, false, "-0,4"), 15.92, 1.5, "33,07 kN/m",
         " PA1 ou PS2", " 36,00 kN/m", "2,86"},
        {"Classe 30", natureza(Rodoviaria, 1), 11.20, 1.5, "28,35 kN/m", " PA1 ou PS2", " 36,00 kN/m", "2,86"},
        {"Eixo triplo", natureza(Rodoviaria, 2), 9.85, 1.5, "27,00 kN/m", " PA1 ou PS2", " 36,00 kN/m", "2,86"},
        {"distributed, one area", natureza(ForcaParcialmenteDistribuida, 0, 0, "50,00"), 7.13, 1.5, "24,28 kN/m",
         " PA1 ou PS2", " 36,00 kN/m", "2,86"},
        {"distributed, two areas", natureza(ForcaParcialmenteDistribuida, 0, 1, "50,00"), 3.66, 1.5,
         "20,81 kN/m", " PA1 ou PS1", " 24,00 kN/m", "2,86"},
        {"user-defined 5,00", natureza(DefinidaPeloUsuario), 5.0, 1.5, "22,15 kN/m", " PA1 ou PS1", " 24,00 kN/m",
         "2,86"},
        {"null", natureza(NulaOuDesprezivel), 0.0, 1.5, "17,15 kN/m", " PA1 ou PS1", " 24,00 kN/m", "2,86"},
        {"sewage", [](ProjetoTubo& p) { p.geometria.finalidade = 1; }, 15.92, 1.5, "33,07 kN/m", " EA2 ou ES",
         " 54,00 kN/m", "2,86"},
        // fe 4,0 and cs 2,00 act as fe 3,0 would with cs 1,5.
        {"concrete base, cs 2,00",
         [](ProjetoTubo& p) {
             p.baseVala = {0, "4,0", "2,00"};
             p.baseAterro.coefSeguranca = "x"; // the other group is not read
         },
         15.92, 3.0, "16,53 kN/m", " PA1 ou PS1", " 24,00 kN/m", "2,86"},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p = projeto(c.preparar);
        EstadoSobrecarga estado;
        const CalculoClasse r = calcularClasse(p, estado);
        ASSERT_TRUE(r.calculada()) << c.nome << ": " << r.mensagem;
        EXPECT_FALSE(r.semSolucao) << c.nome;
        EXPECT_NEAR(r.W, 17.15, 0.005) << c.nome;
        EXPECT_NEAR(r.qs, c.qs, 0.005) << c.nome;
        EXPECT_DOUBLE_EQ(r.fe / r.cs * 1.5, c.fe) << c.nome;
        EXPECT_DOUBLE_EQ(p.resultado.resistenciaNecessaria, r.R) << c.nome;
        EXPECT_EQ(p.resultado.textoValor, c.valor) << c.nome;
        EXPECT_EQ(p.resultado.textoClasse, c.classe) << c.nome;
        EXPECT_EQ(p.resultado.textoArmado, p.geometria.finalidade ? " 54,00 kN/m" : " 36,00 kN/m") << c.nome;
        EXPECT_EQ(p.resultado.textoSimples, c.simples) << c.nome;
        EXPECT_EQ(p.baseAterro.fator, c.fatorAterro) << c.nome;
    }
}

// A computation that stops says why and leaves the previous result, and the
// embankment factor it could not make, as they were.
TEST(CalculoClasse, ParadaDeixaOResultadoAnterior)
{
    const Preparo cobertura2000 = [](ProjetoTubo& p) {
        p.geometria.indiceDi = 14;
        p.instalacao.alturaTerra = "1,35";
        p.instalacao.larguraVala = "2,90";
    };
    const Preparo aterroSemFator = [](ProjetoTubo& p) {
        instalacao(ProjecaoPositiva, false)(p);
        p.instalacao.alturaTerra = "0,10";
        p.instalacao.alturaHa = "0,54";
        p.baseAterro.classe = 0;
    };
    using D = DesfechoClasse;
    const std::tuple<Preparo, D, std::string> casos[] = {
        {cobertura2000, D::AlturaInsuficiente,
         "Com a teoria utilizado neste programa não é possível a determinação da carga no tubo para a altura de "
         "terra especificada.\n\nRetorne para a janela Instalação e aumente a altura de terra."},
        {natureza(Ferroviaria), D::FerroviariaNaoEspecificada, "Carga ferroviária não especificada."},
        {natureza(Aeroviaria), D::AeroviariaNaoEspecificada, "Carga aeroviária não especificada."},
        {[](ProjetoTubo& p) { p.instalacao.gama = "19,2,"; }, D::NumeroInvalido, "\"19,2,\" não é um número válido."},
        {[](ProjetoTubo& p) { p.baseVala.coefSeguranca = ""; }, D::NumeroInvalido, "\"\" não é um número válido."},
        {[](ProjetoTubo& p) {
             natureza(ForcaParcialmenteDistribuida)(p);
             p.sobrecarga.compB = "0,,5";
         },
         D::NumeroInvalido, "\"0,,5\" não é um número válido."},
        {[](ProjetoTubo& p) { p.baseVala.fator = "0"; }, D::SemFatorEquivalencia, mensagemSemFatorEquivalencia},
        {aterroSemFator, D::SemFatorEquivalencia, mensagemSemFatorEquivalencia},
    };
    Resultado anterior;
    anterior.resistenciaNecessaria = 12.34;
    anterior.classeArmado = "PA2";
    anterior.cargaArmado = 54;
    anterior.textoValor = "12,34 kN/m";
    anterior.textoArmado = " 54,00 kN/m";
    anterior.textoSimples = " não existe";
    anterior.textoClasse = " PA2";
    for (const auto& [preparar, desfecho, mensagem] : casos) {
        ProjetoTubo p = projeto(preparar);
        p.resultado = anterior;
        EstadoSobrecarga estado;
        const CalculoClasse r = calcularClasse(p, estado);
        EXPECT_EQ(r.desfecho, desfecho) << mensagem;
        EXPECT_EQ(r.mensagem, mensagem);
        const Resultado& n = p.resultado;
        EXPECT_TRUE(n.resistenciaNecessaria == 12.34 && n.classeArmado == "PA2" && n.cargaArmado == 54 &&
                    n.classeSimples.empty() && n.cargaSimples == 0 && n.textoValor == anterior.textoValor &&
                    n.textoArmado == anterior.textoArmado && n.textoSimples == anterior.textoSimples &&
                    n.textoClasse == anterior.textoClasse)
            << mensagem;
        EXPECT_EQ(p.baseAterro.fator, "2,86") << mensagem;
    }
}

TEST(CalculoClasse, CoberturaDe2000mmEDistribuidaRasa)
{
    ProjetoTubo p = projeto([](ProjetoTubo& q) {
        q.geometria.indiceDi = 14;
        q.instalacao.alturaTerra = "1,36";
        q.instalacao.larguraVala = "2,90";
    });
    EstadoSobrecarga estado;
    const CalculoClasse r = calcularClasse(p, estado);
    ASSERT_TRUE(r.calculada()) << r.mensagem;
    EXPECT_NEAR(r.R, r.W + r.qs, 1e-9);
    EXPECT_DOUBLE_EQ(estado.bs, 0.50);

    // A distributed load at a cover too low for road traffic still has a load.
    p.instalacao.alturaTerra = "0,50";
    natureza(ForcaParcialmenteDistribuida, 0, 0, "50,00")(p);
    const CalculoClasse d = calcularClasse(p, estado);
    ASSERT_TRUE(d.calculada()) << d.mensagem;
    EXPECT_TRUE(d.sobrecarga.cargaInteira);
    EXPECT_NEAR(d.qs, 50 / 3.72, 0.005);
}

TEST(CalculoClasse, PlanoDeRecalqueNaoEncontradoSegueEmFrente)
{
    // A positive projection with a settlement ratio of the wrong sign has no
    // plane of equal settlement; the load stands as computed.
    ProjetoTubo p = projeto(instalacao(ProjecaoPositiva, false, "-0,5"));
    EstadoSobrecarga estado;
    const CalculoClasse r = calcularClasse(p, estado);
    EXPECT_TRUE(r.calculada()) << r.mensagem;
    EXPECT_TRUE(r.semSolucao);
    EXPECT_FALSE(p.resultado.textoValor.empty());
}
