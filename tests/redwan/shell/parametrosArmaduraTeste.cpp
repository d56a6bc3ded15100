// The close check of the design parameters: empty fields, standard forms,
// every recommendation with both answers, the corrections and the values
// no design can use.
#include "parametrosArmadura.h"
#include "geometriaRedwan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {
// Answers the questions from a script (Sim when it runs out) and keeps
// everything shown, questions as "?" + their first words.
class DialogoRoteiro : public DialogoArmadura {
public:
    explicit DialogoRoteiro(std::vector<bool> respostas = {}) : respostas_(std::move(respostas)) {}
    bool perguntar(const std::string& texto) override
    {
        perguntas.push_back(texto);
        if (proxima_ < respostas_.size())
            return respostas_[proxima_++];
        return true;
    }
    void informar(const std::string& texto) override { mensagens.push_back(texto); }
    std::vector<std::string> perguntas, mensagens;

private:
    std::vector<bool> respostas_;
    std::size_t proxima_ = 0;
};

// Answers one question as told and "Não" to every other.
class DialogoUmaPergunta : public DialogoArmadura {
public:
    DialogoUmaPergunta(std::string alvo, bool resposta) : alvo_(std::move(alvo)), resposta_(resposta) {}
    bool perguntar(const std::string& texto) override
    {
        perguntas.push_back(texto);
        return texto == alvo_ ? resposta_ : false;
    }
    void informar(const std::string& texto) override { mensagens.push_back(texto); }
    std::vector<std::string> perguntas, mensagens;

private:
    std::string alvo_;
    bool resposta_;
};

ParametrosArmadura simples(const std::string& fck = "35", const std::string& h = "60")
{
    ParametrosArmadura p;
    p.fck = fck;
    p.h = h;
    return p;
}

ParametrosArmadura dupla(const std::string& dInt, const std::string& dExt, const std::string& h = "120")
{
    ParametrosArmadura p;
    p.tipo = armaduraDupla;
    p.dInt = dInt;
    p.dExt = dExt;
    p.h = h;
    return p;
}

const std::string fckMinimo =
    "Valor mínimo recomendado para resistência característica à compressão de 25 MPa. A utilização de "
    "valores inferiores a este é  de inteira responsabilidade do usuário deste programa. \n\n"
    "Deseja utilizar o valor recomendado?";
const std::string fckMaximo =
    "Valor máximo recomendado para resistência característica à compressão de 42 MPa. A utilização de "
    "valores superiores a este é  de inteira responsabilidade do usuário deste programa. \n\n"
    "Deseja utilizar o valor recomendado?";
const std::string posicaoInterna = "O valor da posição da armadura interna é inferior ao valor recomendado pelo "
                                   "programa.\n\nDeseja utilizar o valor recomendado pelo programa?";
const std::string posicaoExterna = "O valor da posição da armadura externa é inferior ao valor recomendado pelo "
                                   "programa.\n\nDeseja utilizar o valor recomendado pelo programa?";
const std::string usarSimples = "Para diâmetros inferiores a 800 mm recomenda-se utilizar armadura simples. \n\n"
                                "Deseja utilizar a informação recomendada?";
const std::string usarDupla = "Para diâmetros superiores a 1000 mm recomenda-se utilizar armadura dupla. \n\n"
                              "Deseja utilizar a informação recomendada?";
const std::string gamaS = "O valor do coeficiente de minoração do aço é diferente daquele recomendado pelo "
                          "programa.\n\nDeseja utilizar o valor recomendado pelo programa?";
const std::string gamaC = "O valor do coeficiente de minoração do concreto é diferente daquele recomendado pelo "
                          "programa.\n\nDeseja utilizar o valor recomendado pelo programa?";
std::string espessura(int minima)
{
    return "Espessura mínima recomendada de " + std::to_string(minima)
        + " mm. A utilização de espessuras inferiores é  de inteira responsabilidade do usuário deste "
          "programa.\n\nDeseja utilizar a espessura mínima recomendada?";
}
} // namespace

TEST(ParametrosArmadura, CamposVaziosNaOrdem)
{
    struct Caso {
        ParametrosArmadura p;
        CampoArmadura campo;
        const char* aviso;
    };
    ParametrosArmadura semFck = simples("");
    semFck.h = "";
    ParametrosArmadura semInterna = dupla("", "");
    ParametrosArmadura semExterna = dupla("3,5", "");
    ParametrosArmadura semParede = simples("35", "");
    // The positions are not read for a single cage.
    semParede.dInt = semParede.dExt = "";
    ParametrosArmadura semGamaS = simples();
    semGamaS.gamaS = "";
    semGamaS.gamaC = "";
    ParametrosArmadura semGamaC = simples();
    semGamaC.gamaC = " ";
    const Caso casos[] = {
        {semFck, CampoArmadura::Fck, "Entre com um valor para a resistencia caracteristica do concreto."},
        {semInterna, CampoArmadura::DInt, "Entre com um valor para o cobrimento interno."},
        {semExterna, CampoArmadura::DExt, "Entre com um valor para o cobrimento externo."},
        {semParede, CampoArmadura::Espessura, "Entre com um valor para a espessura da parede."},
        {semGamaS, CampoArmadura::GamaS, "Entre com um valor para o coeficiente de segurança do aço."},
        {semGamaC, CampoArmadura::GamaC, "Entre com um valor para o coeficiente de segurança do concreto."},
    };
    for (const Caso& c : casos) {
        ParametrosArmadura p = c.p;
        DialogoRoteiro d;
        const ConferenciaArmadura r = conferirParametros(p, 1100, finalidadePluvial, d);
        EXPECT_FALSE(r.aceita) << c.aviso;
        EXPECT_EQ(r.campo, c.campo) << c.aviso;
        EXPECT_EQ(r.aviso, c.aviso);
        EXPECT_TRUE(d.perguntas.empty()) << c.aviso;
        EXPECT_EQ(p, c.p) << "a refused empty field changes nothing";
    }
}

TEST(ParametrosArmadura, TextoQueNaoENumeroNadaMuda)
{
    ParametrosArmadura p = simples("3,5,");
    const ParametrosArmadura antes = p;
    DialogoRoteiro d;
    const ConferenciaArmadura r = conferirParametros(p, 600, finalidadePluvial, d);
    EXPECT_FALSE(r.aceita);
    EXPECT_EQ(r.campo, CampoArmadura::Fck);
    EXPECT_EQ(r.mensagem, "\"3,5,\" não é um número válido.");
    EXPECT_EQ(p, antes);
}

TEST(ParametrosArmadura, FormasPadrao)
{
    struct Caso {
        const char* fck;
        const char* h;
        const char* gs;
        const char* fckFinal;
        const char* hFinal;
        const char* gsFinal;
    };
    // The wall is a whole number, halves to the even neighbour.
    const Caso casos[] = {{"35", "60,5", "1,15", "35,00", "60", "1,15"},
                          {"35,004", "61,5", "1,150", "35,00", "62", "1,15"},
                          {"30,5", "62,5", "1,1500", "30,50", "62", "1,15"},
                          {"40,", "63,5", "1,15", "40,00", "64", "1,15"},
                          {"41,999", "99,49", "1,15", "42,00", "99", "1,15"}};
    for (const Caso& c : casos) {
        ParametrosArmadura p = simples(c.fck, c.h);
        p.gamaS = c.gs;
        p.gamaC = "1,4";
        DialogoRoteiro d;
        ASSERT_TRUE(conferirParametros(p, 600, finalidadePluvial, d).aceita) << c.h;
        EXPECT_TRUE(d.perguntas.empty()) << c.h;
        EXPECT_EQ(p.fck, c.fckFinal);
        EXPECT_EQ(p.h, c.hFinal);
        EXPECT_EQ(p.gamaS, c.gsFinal);
        EXPECT_EQ(p.gamaC, "1,40");
    }
    ParametrosArmadura p = dupla("3,46", "2,54");
    DialogoRoteiro d;
    ASSERT_TRUE(conferirParametros(p, 900, finalidadePluvial, d).aceita);
    EXPECT_EQ(p.dInt, "3,5");
    EXPECT_EQ(p.dExt, "2,5");
}

// Every recommendation answered Sim and Não (any other question raised by
// the same values is answered Não).
TEST(ParametrosArmadura, Recomendacoes)
{
    struct Caso {
        const char* nome;
        ParametrosArmadura p;
        double di;
        int finalidade;
        std::string pergunta;
        ParametrosArmadura comSim, comNao;
    };
    auto com = [](ParametrosArmadura p, auto mudar) {
        mudar(p);
        return p;
    };
    const ParametrosArmadura base = simples("35,00", "60");
    const Caso casos[] = {
        {"fck 20", simples("20"), 600, finalidadePluvial, fckMinimo,
         com(base, [](auto& p) { p.fck = "25"; }), com(base, [](auto& p) { p.fck = "20,00"; })},
        {"fck 50", simples("50"), 600, finalidadePluvial, fckMaximo,
         com(base, [](auto& p) { p.fck = "42"; }), com(base, [](auto& p) { p.fck = "50,00"; })},
        {"interna 2,4 em 600", dupla("2,4", "2,0", "60"), 600, finalidadePluvial, posicaoInterna,
         dupla("2,5", "2,0", "60"), dupla("2,4", "2,0", "60")},
        {"interna 3,4 em 700", dupla("3,4", "2,5", "66"), 700, finalidadePluvial, posicaoInterna,
         dupla("3,5", "2,5", "66"), dupla("3,4", "2,5", "66")},
        {"externa 1,9 em 600", dupla("2,5", "1,9", "60"), 600, finalidadePluvial, posicaoExterna,
         dupla("2,5", "2,0", "60"), dupla("2,5", "1,9", "60")},
        {"externa 2,4 em 900", dupla("3,5", "2,4", "75"), 900, finalidadePluvial, posicaoExterna,
         dupla("3,5", "2,5", "75"), dupla("3,5", "2,4", "75")},
        // Sim switches to one cage, whose choice puts the positions for 700 mm.
        {"dupla em 700", dupla("4,0", "3,0", "80"), 700, finalidadePluvial, usarSimples,
         com(simples("35,00", "80"), [](auto& p) { p.dInt = "3,5"; p.dExt = "2,5"; }),
         dupla("4,0", "3,0", "80")},
        {"simples em 1100", simples("35", "90"), 1100, finalidadePluvial, usarDupla,
         com(dupla("3,5", "2,5", "90"), [](auto&) {}), simples("35,00", "90")},
        {"gama s 1,2", com(base, [](auto& p) { p.gamaS = "1,2"; }), 600, finalidadePluvial, gamaS, base,
         com(base, [](auto& p) { p.gamaS = "1,20"; })},
        {"gama c 1,5", com(base, [](auto& p) { p.gamaC = "1,5"; }), 600, finalidadePluvial, gamaC,
         com(base, [](auto& p) { p.gamaC = "1,4"; }), com(base, [](auto& p) { p.gamaC = "1,50"; })},
        {"parede 100 em esgoto de 1300", dupla("3,5", "2,5", "100"), 1300, finalidadeEsgoto, espessura(115),
         dupla("3,5", "2,5", "115"), dupla("3,5", "2,5", "100")},
        {"parede 40 em 300", simples("35", "40"), 300, finalidadePluvial, espessura(45),
         simples("35,00", "45"), simples("35,00", "40")},
    };
    for (const Caso& c : casos) {
        for (const bool resposta : {true, false}) {
            ParametrosArmadura p = c.p;
            DialogoUmaPergunta d(c.pergunta, resposta);
            const ConferenciaArmadura r = conferirParametros(p, c.di, c.finalidade, d);
            EXPECT_TRUE(r.aceita) << c.nome;
            EXPECT_EQ(std::count(d.perguntas.begin(), d.perguntas.end(), c.pergunta), 1) << c.nome;
            EXPECT_TRUE(d.mensagens.empty()) << c.nome;
            EXPECT_EQ(p, resposta ? c.comSim : c.comNao) << c.nome << (resposta ? " Sim" : " Não");
        }
    }
}

TEST(ParametrosArmadura, SemPerguntaNosLimites)
{
    for (const char* fck : {"25", "42", "25,00", "35"}) {
        ParametrosArmadura p = simples(fck);
        DialogoRoteiro d;
        EXPECT_TRUE(conferirParametros(p, 600, finalidadePluvial, d).aceita);
        EXPECT_TRUE(d.perguntas.empty()) << fck;
    }
    // The positions and the wall at their recommendations, 800 mm with two
    // cages, 1000 mm with one.
    ParametrosArmadura p = dupla("3,5", "2,5", "72");
    DialogoRoteiro d;
    EXPECT_TRUE(conferirParametros(p, 800, finalidadePluvial, d).aceita);
    p = simples("35", "80");
    EXPECT_TRUE(conferirParametros(p, 1000, finalidadePluvial, d).aceita);
    EXPECT_TRUE(d.perguntas.empty());
    // At 600 mm only the type is questioned.
    p = dupla("2,5", "2,0", "60");
    DialogoRoteiro n({false});
    EXPECT_TRUE(conferirParametros(p, 600, finalidadePluvial, n).aceita);
    EXPECT_EQ(n.perguntas, std::vector<std::string>{usarSimples});
}

TEST(ParametrosArmadura, TodasAsPerguntasNaOrdem)
{
    ParametrosArmadura p = dupla("1", "1", "50");
    p.fck = "10";
    p.gamaS = "1,3";
    p.gamaC = "1,3";
    DialogoRoteiro d(std::vector<bool>(9, false));
    EXPECT_TRUE(conferirParametros(p, 700, finalidadePluvial, d).aceita);
    EXPECT_EQ(d.perguntas,
              (std::vector<std::string>{fckMinimo, posicaoInterna, posicaoExterna, usarSimples, gamaS, gamaC,
                                        espessura(66)}));
    EXPECT_EQ(p, (ParametrosArmadura{"10,00", armaduraDupla, "1,0", "1,0", "50", "1,30", "1,30"}));
}

TEST(ParametrosArmadura, CorrecoesDepoisDoNao)
{
    // A negative position becomes the recommended one; a factor below 1, 1,0.
    ParametrosArmadura p = dupla("-1", "-2", "120");
    p.gamaS = "0,9";
    p.gamaC = "0,5";
    DialogoRoteiro d(std::vector<bool>(9, false));
    EXPECT_TRUE(conferirParametros(p, 1200, finalidadePluvial, d).aceita);
    EXPECT_EQ(d.mensagens, (std::vector<std::string>{"Este parâmetro deve ser um número positivo.",
                                                     "Este parâmetro deve ser um número positivo.",
                                                     "Este parâmetro deve ser maior que a unidade.",
                                                     "Este parâmetro deve ser maior que a unidade."}));
    EXPECT_EQ(p.dInt, "3,5");
    EXPECT_EQ(p.dExt, "2,5");
    EXPECT_EQ(p.gamaS, "1,0");
    EXPECT_EQ(p.gamaC, "1,0");
    // "Sim" adopts the recommendation and leaves nothing to correct.
    p = simples();
    p.gamaS = "0,9";
    DialogoRoteiro sim;
    EXPECT_TRUE(conferirParametros(p, 600, finalidadePluvial, sim).aceita);
    EXPECT_TRUE(sim.mensagens.empty());
    EXPECT_EQ(p.gamaS, "1,15");
}

TEST(ParametrosArmadura, ValoresQueNenhumDimensionamentoUsa)
{
    struct Caso {
        ParametrosArmadura p;
        double di;
        CampoArmadura campo;
        const char* aviso;
    };
    const char* fckZero = "A resistência característica do concreto deve ser maior que zero.";
    const char* parede = "A espessura da parede deve ser maior que zero e de no máximo 1000 mm.";
    const char* posicoes =
        "A soma das posições das armaduras interna e externa deve ser menor que a espessura da parede.";
    const Caso casos[] = {
        {simples("0"), 600, CampoArmadura::Fck, fckZero},
        {simples("0,004"), 600, CampoArmadura::Fck, fckZero},
        {simples("35", "0"), 600, CampoArmadura::Espessura, parede},
        {simples("35", "0,4"), 600, CampoArmadura::Espessura, parede},
        {simples("35", "1001"), 600, CampoArmadura::Espessura, parede},
        {dupla("3,5", "2,5", "60"), 1100, CampoArmadura::DInt, posicoes},
        {dupla("9", "2,5", "90"), 1100, CampoArmadura::DInt, posicoes},
    };
    for (const Caso& c : casos) {
        ParametrosArmadura p = c.p;
        DialogoRoteiro d(std::vector<bool>(9, false));
        const ConferenciaArmadura r = conferirParametros(p, c.di, finalidadePluvial, d);
        EXPECT_FALSE(r.aceita) << c.aviso;
        EXPECT_EQ(r.campo, c.campo) << c.aviso;
        EXPECT_EQ(r.aviso, c.aviso);
    }
    // Sim to the recommendation makes the value usable.
    ParametrosArmadura p = simples("0", "0");
    DialogoRoteiro sim;
    EXPECT_TRUE(conferirParametros(p, 600, finalidadePluvial, sim).aceita);
    EXPECT_EQ(p.fck, "25");
    EXPECT_EQ(p.h, "60");
    // 1000 mm is the thickest wall accepted.
    p = simples("35", "1000");
    EXPECT_TRUE(conferirParametros(p, 600, finalidadePluvial, sim).aceita);
}

TEST(ParametrosArmadura, Mudancas)
{
    const ParametrosArmadura a = dupla("3,5", "2,5");
    EXPECT_FALSE(parametrosMudaram(a, a));
    for (auto mudar : std::vector<std::function<void(ParametrosArmadura&)>>{
             [](auto& p) { p.fck = "30,00"; }, [](auto& p) { p.tipo = armaduraSimples; },
             [](auto& p) { p.h = "121"; }, [](auto& p) { p.gamaS = "1,20"; }, [](auto& p) { p.gamaC = "1,50"; },
             [](auto& p) { p.dInt = "3,0"; }, [](auto& p) { p.dExt = "3,0"; }}) {
        ParametrosArmadura b = a;
        mudar(b);
        EXPECT_TRUE(parametrosMudaram(a, b));
    }
    // A single cage does not use the positions.
    ParametrosArmadura s = simples();
    ParametrosArmadura t = s;
    t.dInt = "2,5";
    EXPECT_FALSE(parametrosMudaram(s, t));
}
