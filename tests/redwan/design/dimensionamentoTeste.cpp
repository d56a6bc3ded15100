// The design run as the main window starts it: inputs, outcomes, the texts
// of the results window, stops, and every class of every pipe.
#include "armaduraDupla.h"
#include "casosRedwan.h"
#include "dimensionamento.h"
#include "numeros.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// What a later run could leave behind, compared exactly.
auto chave(const EstadoDimensionamento& e)
{
    const SelecaoTelas& t = e.telas;
    return std::tuple(e.P, e.tipoArmadura, e.dLinhaInt, e.geometria.hcm, e.nPos, e.posicoes.size(),
                      e.iteracoesDupla.size(), e.xiC, e.AsC, e.dC, e.domC, e.xiS, e.AsS, e.dS, e.domS, e.Dcoro,
                      e.AsP_Prat, e.AsMin, e.AsIntMin, e.AsExtMin, t.nomeInt1 + t.nomeInt2 + "/" + t.nomeExt1 + t.nomeExt2,
                      e.AsMax, e.Vu, e.w, e.flagDimensionamento, e.flagTelas);
}

EstadoDimensionamento novo(const DadosDimensionamento& d)
{
    EstadoDimensionamento e;
    executarDimensionamento(d, e);
    return e;
}

using Textos = std::vector<std::pair<std::string, std::string>>; // obtained, expected

TEST(TextosResultados, TuboDe1000mmNosDoisArranjos)
{
    EstadoDimensionamento e;
    ExecucaoDimensionamento x = executarDimensionamento(casos::exemplo(CircularSimples), e);
    ASSERT_EQ(x.desfecho, Desfecho::Resultados);
    EXPECT_TRUE(x.mensagem.empty());
    TextosResultados t = textosResultados(x.resultado);
    for (const auto& [obtido, esperado] : Textos{
             {t.Label3, "14,50 kN.m"}, {t.Label2, "0,00"}, {t.Label6, "45,00 kN/m"}, {t.Label10, "6,30 cm"},
             {t.Label4, "1,52 cm"}, {t.Label12, "2"}, {t.Label5, "4,90 cm²/m"}, {t.Label23, "9,01 kN.m"},
             {t.Label22, "45,00 kN/m"}, {t.Label24, "0,00"}, {t.Label11, "3,70 cm"}, {t.Label8, "1,62 cm"},
             {t.Label13, "3"}, {t.Label9, "4,47 cm²/m"}, {t.Panel16, "6,00 cm"}, {t.Panel15, "5,20 cm²/m"},
             {t.Pint, "MF 138 + MF 396"}, {t.Pext, "----"}, {t.Label20, "5,72 cm²/m"},
             {t.Label27, "(Ok. Não ocorre ruptura do cobrimento)"}, {t.Label21, "58,46 kN/m"},
             {t.Label28, "(Ok. Passa na verificação de esforço cortante)"}, {t.Label26, "0,1130 mm"},
             {t.Label29, "(Ok. Passa na verificação de abertura de fissuras)"}, {t.Label17, "2,94 cm²/m"},
             {t.Label18, "0,92 cm²/m"}, {t.Label19, "----"}})
        EXPECT_EQ(obtido, esperado);
    EXPECT_EQ(t.corLabel27, corAzul);
    EXPECT_EQ(t.corLabel28, corAzul);
    EXPECT_EQ(t.corLabel29, corAzul);
    EXPECT_EQ(x.resultado.telaInterna, t.Pint);
    EXPECT_NEAR(x.resultado.Aint, 5.34, 1e-12);

    x = executarDimensionamento(casos::exemplo(CircularDupla), e);
    ASSERT_EQ(x.desfecho, Desfecho::Resultados);
    t = textosResultados(x.resultado);
    for (const auto& [obtido, esperado] : Textos{
             {t.Label10, "6,50 cm"}, {t.Label4, "1,71 cm"}, {t.Label12, "3"}, {t.Label5, "4,43 cm²/m"},
             {t.Label11, "7,50 cm"}, {t.Label8, "1,10 cm"}, {t.Label13, "2"}, {t.Label9, "1,87 cm²/m"},
             {t.Panel16, "----"}, {t.Panel15, "----"}, {t.Pint, "MF 113 + MF 396"}, {t.Pext, "MF 196"},
             {t.Label20, "5,67 cm²/m"}, {t.Label21, "56,18 kN/m"}, {t.Label26, "0,1062 mm"},
             {t.Label17, "1,72 cm²/m"}, {t.Label18, "0,46 cm²/m"}, {t.Label19, "0,27 cm²/m"}})
        EXPECT_EQ(obtido, esperado);

    x = executarDimensionamento(casos::exemplo(CircularDupla, PontaBolsa), e);
    EXPECT_EQ(textosResultados(x.resultado).Pint, "PB 113 + PB 396");
    EXPECT_EQ(nomeTelas(PontaBolsa, "159", "396"), "PB 159 + PB 396");
}

TEST(TextosResultados, VerificacoesQueFalhamEmVermelho)
{
    // 300 mm, 45 mm wall, PA4: cover and shear fail, cracks pass.
    DadosDimensionamento d = casos::exemplo(CircularSimples);
    d.di = 300.0;
    d.h = 45.0;
    d.P = 54.0;
    EstadoDimensionamento e;
    const ExecucaoDimensionamento x = executarDimensionamento(d, e);
    ASSERT_EQ(x.desfecho, Desfecho::Resultados);
    const TextosResultados t = textosResultados(x.resultado);
    EXPECT_EQ(t.Label27, "(Pode ocorrer ruptura do cobrimento)");
    EXPECT_EQ(t.corLabel27, corVermelha);
    EXPECT_EQ(t.Label28, "(Não passa na verificação de esforço cortante)");
    EXPECT_EQ(t.corLabel28, corVermelha);
    EXPECT_EQ(t.corLabel29, corAzul);
    EXPECT_GT(x.resultado.Aint, x.resultado.AsMax);
    EXPECT_GT(0.5 * d.P, x.resultado.Vu);
}

TEST(Desfechos, AsDuasMensagens)
{
    // A 1000 mm pipe with an 80 mm wall under 90 kN/m: no admissible position.
    DadosDimensionamento d = casos::exemplo(CircularSimples);
    d.h = 80.0;
    EstadoDimensionamento e;
    ExecucaoDimensionamento x = executarDimensionamento(d, e);
    EXPECT_EQ(x.desfecho, Desfecho::SemDimensionamento);
    EXPECT_EQ(x.mensagem, "Não foi possível realizar o dimensionamento de modo que a a tensão na armadura "
                          "tracionada fosse maior que 0,7 de fyd");
    // A 2000 mm pipe under 180 kN/m: the flexure works, no pair of meshes does.
    d.di = 2000.0;
    d.h = 180.0;
    d.P = 180.0;
    x = executarDimensionamento(d, e);
    EXPECT_EQ(x.desfecho, Desfecho::TelasInviaveis);
    EXPECT_EQ(x.mensagem, "Inviável utilizar as telas especificadas");
    EXPECT_EQ(e.flagDimensionamento, 'S');
    EXPECT_EQ(e.telas.nomeInt1 + "+" + e.telas.nomeInt2, "396+396");
}

TEST(EntradaDimensionamento, CargaDoGrupoDaFinalidadeECobrimentosSoNaDupla)
{
    EntradaDimensionamento entrada = casos::entradaPadrao(EsgotoSanitario, 1000, 2, CircularSimples);
    entrada.classePluvial = 4;      // "Especial" in the hidden pluvial group,
    entrada.cargasPluviais[4] = ""; // empty: never read
    entrada.cargasEsgoto[2] = "90,00";
    entrada.h = "100";
    entrada.dLinhaInt = "";          // hidden with one cage: never read
    EstadoDimensionamento e;
    EXPECT_EQ(executarDimensionamento(entrada, e).desfecho, Desfecho::Resultados);
    EXPECT_DOUBLE_EQ(e.P, 90.0);
    EXPECT_DOUBLE_EQ(e.AsP_Prat, novo(casos::exemplo(CircularSimples)).AsP_Prat);
}

struct CasoParada {
    const char* nome;
    void (*alterar)(EntradaDimensionamento&);
    std::string mensagem;
};

class Paradas : public ::testing::TestWithParam<CasoParada> {};

// A run that cannot be done says why and leaves the previous results alone.
TEST_P(Paradas, MensagemEResultadosAnterioresIntactos)
{
    EstadoDimensionamento e;
    ASSERT_EQ(executarDimensionamento(casos::exemplo(CircularSimples), e).desfecho, Desfecho::Resultados);
    const auto anterior = chave(e);
    EntradaDimensionamento entrada = casos::entradaPadrao(AguasPluviais, 600, 0, CircularDupla);
    GetParam().alterar(entrada);
    const ExecucaoDimensionamento x = executarDimensionamento(entrada, e);
    EXPECT_EQ(x.desfecho, Desfecho::Interrompido);
    EXPECT_EQ(x.mensagem, GetParam().mensagem);
    EXPECT_EQ(chave(e), anterior);
}

const std::string semAltura = "Não é possível dimensionar a armadura: a altura útil da seção resulta em ";
const std::string verifique = " cm. Verifique a espessura da parede e a posição das armaduras.";

INSTANTIATE_TEST_SUITE_P(
    Casos, Paradas,
    ::testing::Values(
        CasoParada{"especialVazia", [](EntradaDimensionamento& x) { x.classePluvial = 4; x.cargasPluviais[4] = ""; },
                   "Entre com um valor para a carga minima de ruptura."},
        CasoParada{"especialEsgoto", [](EntradaDimensionamento& x) { x.finalidade = 1; x.classeEsgoto = 3; x.cargasEsgoto[3] = " "; },
                   "Entre com um valor para a carga minima de ruptura."},
        CasoParada{"cargaNaoNumerica", [](EntradaDimensionamento& x) { x.cargasPluviais[0] = "12a"; },
                   "\"12a\" não é um número válido."},
        CasoParada{"semClasse", [](EntradaDimensionamento& x) { x.classePluvial = 5; }, "Escolha a classe do tubo."},
        CasoParada{"fckVazio", [](EntradaDimensionamento& x) { x.fck = ""; },
                   "Entre com um valor para a resistencia caracteristica do concreto."},
        CasoParada{"fckZero", [](EntradaDimensionamento& x) { x.fck = "0"; },
                   "A resistência característica do concreto deve ser maior que zero."},
        CasoParada{"gamaSAbaixoDe1", [](EntradaDimensionamento& x) { x.gamaS = "0,9"; },
                   "O coeficiente de segurança do aço deve ser maior ou igual a 1,0."},
        CasoParada{"gamaCComPonto", [](EntradaDimensionamento& x) { x.gamaC = "1.4"; }, "\"1.4\" não é um número válido."},
        CasoParada{"paredeZero", [](EntradaDimensionamento& x) { x.h = "0"; },
                   "A espessura da parede deve ser maior que zero e de no máximo 1000 mm."},
        CasoParada{"paredeEnorme", [](EntradaDimensionamento& x) { x.h = "1001"; },
                   "A espessura da parede deve ser maior que zero e de no máximo 1000 mm."},
        CasoParada{"cobrimentoVazio", [](EntradaDimensionamento& x) { x.dLinhaExt = ""; },
                   "Entre com um valor para o cobrimento externo."},
        // A 60 mm wall: covers of 6,0 and 7,0 cm leave the crown and the springline no depth.
        CasoParada{"coroamentoSemAltura", [](EntradaDimensionamento& x) { x.dLinhaInt = "6,0"; }, semAltura + "0,00" + verifique},
        CasoParada{"flancoSemAltura", [](EntradaDimensionamento& x) { x.dLinhaExt = "7,0"; }, semAltura + "-1,00" + verifique},
        // A 10 mm wall: the single cage starts at round(0,5) = 0 cm from the face.
        CasoParada{"paredeDe1cm", [](EntradaDimensionamento& x) { x.tipoArmadura = CircularSimples; x.h = "10"; },
                   semAltura + "0,00" + verifique}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Reinicio, NadaDeUmaExecucaoPassaParaAProxima)
{
    const DadosDimensionamento simples = casos::exemplo(CircularSimples);
    const DadosDimensionamento dupla = casos::exemplo(CircularDupla);
    const DadosDimensionamento semPosicao = [&] { DadosDimensionamento d = simples; d.P = 400.0; return d; }();
    EstadoDimensionamento e;
    for (const DadosDimensionamento* d : {&simples, &dupla, &simples, &semPosicao, &dupla, &dupla}) {
        executarDimensionamento(*d, e);
        EXPECT_EQ(chave(e), chave(novo(*d))) << d->tipoArmadura << " " << d->P;
    }
    executarDimensionamento(semPosicao, e);
    EXPECT_EQ(e.Dcoro, 0.0); // not the 6,0 of the single design before it
}

TEST(Varredura, TodaClasseDeTodoDiametroTerminaEmResultadosOuMensagem)
{
    std::map<Desfecho, int> contagem;
    for (int tipo : {CircularSimples, CircularDupla})
        for (int finalidade : {AguasPluviais, EsgotoSanitario})
            for (int di : casos::diametros)
                for (int classe = 0; classe < (finalidade == AguasPluviais ? 5 : 4); ++classe) {
                    SCOPED_TRACE(testing::Message() << "tipo " << tipo << ", finalidade " << finalidade << ", di "
                                                    << di << ", classe " << classe);
                    const EntradaDimensionamento entrada = casos::entradaPadrao(finalidade, di, classe, tipo);
                    EstadoDimensionamento e;
                    const ExecucaoDimensionamento x = executarDimensionamento(entrada, e);
                    ++contagem[x.desfecho];
                    EXPECT_TRUE(estadoFinito(e));
                    EXPECT_EQ(e.P, converterNumero(*textoCargaClasse(entrada)));
                    EXPECT_LE(e.iteracoesDupla.size(), static_cast<std::size_t>(passesMaximosDupla));
                    if (x.desfecho == Desfecho::Resultados) {
                        EXPECT_TRUE(e.domC < 4 && e.domS < 4 && e.flagTelas == 'S');
                        const TextosResultados t = textosResultados(x.resultado);
                        for (const std::string& texto : {t.Label3, t.Label4, t.Label5, t.Label8, t.Label9, t.Panel16,
                                                         t.Panel15, t.Label20, t.Label21, t.Label26, t.Label17})
                            EXPECT_EQ(texto.find_first_of("ai"), std::string::npos) << texto; // no nan, no inf
                        EXPECT_EQ(t.Pint.rfind("MF ", 0), 0u) << t.Pint;
                        EXPECT_GT(x.resultado.w, 0.0);
                    } else if (x.desfecho == Desfecho::SemDimensionamento) {
                        EXPECT_EQ(x.mensagem, mensagemSemDimensionamento);
                    } else if (x.desfecho == Desfecho::TelasInviaveis) {
                        EXPECT_EQ(x.mensagem, mensagemTelasInviaveis);
                    } else {
                        ADD_FAILURE() << x.mensagem;
                    }
                }
    // The default parameters reach all three outcomes somewhere.
    EXPECT_GT(contagem[Desfecho::Resultados], 0);
    EXPECT_GT(contagem[Desfecho::SemDimensionamento], 0);
    EXPECT_GT(contagem[Desfecho::TelasInviaveis], 0);
}

} // namespace
