// The line's inputs get the questions of the design-parameter window, each
// once, and a "Sim" applies to the diameters it concerns.
#include "conferenciaLinha.h"
#include "numeros.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

class DialogoRoteiro : public DialogoArmadura {
public:
    explicit DialogoRoteiro(std::vector<bool> respostas) : respostas_(std::move(respostas)) {}
    bool perguntar(const std::string& texto) override
    {
        mostradas.push_back("pergunta: " + texto);
        if (respostas_.empty())
            return true;
        const bool r = respostas_.front();
        respostas_.erase(respostas_.begin());
        return r;
    }
    void informar(const std::string& texto) override { mostradas.push_back("mensagem: " + texto); }
    std::vector<std::string> mostradas;

private:
    std::vector<bool> respostas_;
};

EntradaLinha linha(int tipo)
{
    ParametrosArmadura p;
    escolherTipo(p, tipo, 1000.0);
    return linhaPadrao(finalidadePluvial, 0, p);
}

std::string tipos(const EntradaLinha& l)
{
    std::string s;
    for (const DiametroLinha& d : l.diametros)
        s += d.tipo == armaduraDupla ? 'D' : 'S';
    return s;
}

TEST(ConferirLinha, SemDesvioNenhumaPerguntaAlemDoTipo)
{
    EntradaLinha l = linha(armaduraSimples);
    DialogoRoteiro d({false});
    EXPECT_TRUE(conferirLinha(l, d).aceita);
    EXPECT_EQ(d.mostradas, std::vector<std::string>{"pergunta: " + perguntaArmaduraDupla()});
    EXPECT_EQ(tipos(l), "SSSSSSSSSSSSSS");
    EXPECT_EQ(l.parametros.fck, "35,00");
}

struct CasoTipo {
    int tipo;
    std::string pergunta;
    std::string tiposDepois;
};

class TipoPorDiametro : public testing::TestWithParam<CasoTipo> {};

TEST_P(TipoPorDiametro, SimAdotaARecomendacaoSoOndeElaValeNosDiametros)
{
    const CasoTipo caso = GetParam();
    EntradaLinha l = linha(caso.tipo);
    DialogoRoteiro d({true});
    EXPECT_TRUE(conferirLinha(l, d).aceita);
    ASSERT_EQ(d.mostradas.size(), 1u);
    EXPECT_EQ(d.mostradas[0], "pergunta: " + caso.pergunta);
    EXPECT_EQ(tipos(l), caso.tiposDepois);
    // A diameter that gets two cages gets the positions for it.
    EXPECT_EQ(l.diametros[13].dInt, "3,5");
    EXPECT_EQ(l.diametros[13].dExt, "2,5");
}

INSTANTIATE_TEST_SUITE_P(Tipos, TipoPorDiametro,
                         testing::Values(CasoTipo{armaduraSimples, perguntaArmaduraDupla(), "SSSSSSSSDDDDDD"},
                                         CasoTipo{armaduraDupla, perguntaArmaduraSimples(), "SSSSSDDDDDDDDD"}));

struct CasoValor {
    std::string ParametrosArmadura::*campo;
    std::string digitado;
    bool resposta;
    std::vector<std::string> mostradas; // besides the type question
    std::string depois;
};

class ValoresDaLinha : public testing::TestWithParam<CasoValor> {};

TEST_P(ValoresDaLinha, MesmasPerguntasDaJanelaDeArmadura)
{
    const CasoValor caso = GetParam();
    EntradaLinha l = linha(armaduraSimples);
    l.parametros.*caso.campo = caso.digitado;
    // The type question ("Não") comes after the fck questions and before the factors'.
    const bool fck = caso.campo == &ParametrosArmadura::fck;
    DialogoRoteiro d(fck ? std::vector<bool>{caso.resposta, false} : std::vector<bool>{false, caso.resposta});
    EXPECT_TRUE(conferirLinha(l, d).aceita);
    std::vector<std::string> esperadas = caso.mostradas;
    const std::size_t antesDoTipo = fck ? esperadas.size() : 0;
    esperadas.insert(esperadas.begin() + static_cast<long>(antesDoTipo), "pergunta: " + perguntaArmaduraDupla());
    EXPECT_EQ(d.mostradas, esperadas);
    EXPECT_EQ(l.parametros.*caso.campo, caso.depois);
}

INSTANTIATE_TEST_SUITE_P(
    Valores, ValoresDaLinha,
    testing::Values(CasoValor{&ParametrosArmadura::fck, "20", true, {"pergunta: " + perguntaFckMinimo()}, "25"},
                    CasoValor{&ParametrosArmadura::fck, "20", false, {"pergunta: " + perguntaFckMinimo()}, "20,00"},
                    CasoValor{&ParametrosArmadura::fck, "45,5", true, {"pergunta: " + perguntaFckMaximo()}, "42"},
                    CasoValor{&ParametrosArmadura::fck, "42", true, {}, "42,00"},
                    CasoValor{&ParametrosArmadura::gamaS, "1,2", false, {"pergunta: " + perguntaGamaS()}, "1,20"},
                    CasoValor{&ParametrosArmadura::gamaS,
                              "0,9",
                              false,
                              {"pergunta: " + perguntaGamaS(), std::string("mensagem: ") + avisoUnidade},
                              "1,0"},
                    CasoValor{&ParametrosArmadura::gamaC, "1,5", true, {"pergunta: " + perguntaGamaC()}, "1,4"}));

TEST(ConferirLinha, ParedeAbaixoDaMinimaPerguntadaPorDiametro)
{
    EntradaLinha l = linha(armaduraDupla);
    l.diametros[0].h = "40";    // 300 mm: least 45
    l.diametros[10].h = "100,4"; // 1300 mm: least 105
    DialogoRoteiro d({false, true, false});
    EXPECT_TRUE(conferirLinha(l, d).aceita);
    EXPECT_EQ(d.mostradas, (std::vector<std::string>{"pergunta: " + perguntaArmaduraSimples(),
                                                     "pergunta: " + perguntaEspessura("45"),
                                                     "pergunta: " + perguntaEspessura("105")}));
    EXPECT_EQ(l.diametros[0].h, "45");
    EXPECT_EQ(l.diametros[10].h, "100");
}

TEST(ConferirLinha, PosicoesAbaixoDaRecomendacaoDoMaiorDiametroComDuasArmaduras)
{
    EntradaLinha l = linha(armaduraDupla);
    l.parametros.dInt = "3";
    DialogoRoteiro d({true, false});
    EXPECT_TRUE(conferirLinha(l, d).aceita);
    EXPECT_EQ(d.mostradas.front(), "pergunta: " + perguntaPosicaoInterna());
    EXPECT_EQ(l.parametros.dInt, "3,5");
    EXPECT_EQ(l.diametros[0].dInt, "3,5");
}

struct CasoRecusa {
    std::function<void(EntradaLinha&)> digitar;
    CampoArmadura campo;
    int diametro;
    std::string aviso;
    std::string mensagem;
};

class RecusaDaLinha : public testing::TestWithParam<CasoRecusa> {};

TEST_P(RecusaDaLinha, ParaNoPrimeiroCampoSemNumero)
{
    const CasoRecusa caso = GetParam();
    EntradaLinha l = linha(armaduraSimples);
    caso.digitar(l);
    const EntradaLinha antes = l;
    DialogoRoteiro d({});
    const ConferenciaLinha r = conferirLinha(l, d);
    EXPECT_FALSE(r.aceita);
    EXPECT_EQ(r.campo, caso.campo);
    EXPECT_EQ(r.diametro, caso.diametro);
    EXPECT_EQ(r.aviso, caso.aviso);
    EXPECT_EQ(r.mensagem, caso.mensagem);
    EXPECT_TRUE(d.mostradas.empty());
    EXPECT_EQ(l, antes);
}

INSTANTIATE_TEST_SUITE_P(
    Recusas, RecusaDaLinha,
    testing::Values(
        CasoRecusa{[](EntradaLinha& l) { l.parametros.fck = ""; }, CampoArmadura::Fck, -1,
                   "Entre com um valor para a resistencia caracteristica do concreto.", ""},
        CasoRecusa{[](EntradaLinha& l) { l.diametros[3].h = " "; }, CampoArmadura::Espessura, 3,
                   "Entre com um valor para a espessura da parede.", ""},
        CasoRecusa{[](EntradaLinha& l) { l.parametros.gamaC = "1,4x"; }, CampoArmadura::GamaC, -1, "",
                   mensagemNumeroInvalido("1,4x")}));

} // namespace
