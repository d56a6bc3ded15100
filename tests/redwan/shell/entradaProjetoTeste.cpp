// The inputs of a design run made from the project, and the results kept
// for the summary, the report and the project file.
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "resultadosRedwan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ProjetoRedwan projeto(int finalidade, int indiceDi, int classe)
{
    ProjetoRedwan p;
    p.geometria.finalidade = finalidade;
    p.geometria.indiceDi = indiceDi;
    p.classe.classePluvial = classe;
    p.classe.classeEsgoto = classe;
    p.classe.especialPluvial = "400,00";
    p.classe.especialEsgoto = "410,00";
    return p;
}

// The worked pipe: 1000 mm stormwater, tongue and groove, PA2, 100 mm wall.
ProjetoRedwan exemplo(int tipo)
{
    ProjetoRedwan p = projeto(finalidadePluvial, 7, 1);
    p.geometria.tipoTubo = 0;
    p.parametros.h = "100";
    p.parametros.tipo = tipo;
    return p;
}

TEST(EntradaDoProjeto, CargaDaClasseEscolhidaEmCadaDiametroEFinalidade)
{
    for (int finalidade : {finalidadePluvial, finalidadeEsgoto})
        for (int d = 0; d < static_cast<int>(diametrosRedwan().size()); ++d)
            for (int classe = 0; classe < static_cast<int>(classesDoGrupo(finalidade).size()); ++classe) {
                const ProjetoRedwan p = projeto(finalidade, d, classe);
                const EntradaDimensionamento e = entradaDoProjeto(p);
                SCOPED_TRACE(diametrosRedwan()[d] + " " + classesDoGrupo(finalidade)[classe]);
                EXPECT_EQ(e.finalidade, finalidade == finalidadeEsgoto ? EsgotoSanitario : AguasPluviais);
                EXPECT_EQ(e.di, diametrosRedwan()[d]);
                const std::string* carga = textoCargaClasse(e);
                ASSERT_NE(carga, nullptr);
                EXPECT_EQ(*carga, cargaDeProjeto(p));
                EXPECT_FALSE(carga->empty());
            }
}

TEST(EntradaDoProjeto, EsgotoLeOGrupoDeEsgotoSejaQualForAEscolhaPluvial)
{
    ProjetoRedwan p = projeto(finalidadeEsgoto, 7, 2); // EA4: 180,00
    p.classe.classePluvial = 0;                         // PA1 would be 60,00
    EXPECT_EQ(*textoCargaClasse(entradaDoProjeto(p)), "180,00");
    p.classe.classeEsgoto = 3;
    EXPECT_EQ(*textoCargaClasse(entradaDoProjeto(p)), "410,00");
    p.geometria.finalidade = finalidadePluvial;
    p.classe.classePluvial = 4;
    EXPECT_EQ(*textoCargaClasse(entradaDoProjeto(p)), "400,00");
}

TEST(EntradaDoProjeto, ParametrosETiposComoConfirmados)
{
    struct Caso {
        int tipoTubo, tipoArmadura;
        int tuboEsperado, armaduraEsperada;
    };
    for (const Caso& c : {Caso{0, armaduraSimples, MachoFemea, CircularSimples},
                          Caso{1, armaduraDupla, PontaBolsa, CircularDupla}}) {
        ProjetoRedwan p = projeto(finalidadePluvial, 3, 0);
        p.geometria.tipoTubo = c.tipoTubo;
        p.parametros = {"30,00", c.tipoArmadura, "2,5", "2,0", "65", "1,20", "1,50"};
        const EntradaDimensionamento e = entradaDoProjeto(p);
        EXPECT_EQ(e.tipoTubo, c.tuboEsperado);
        EXPECT_EQ(e.tipoArmadura, c.armaduraEsperada);
        EXPECT_EQ(e.fck, "30,00");
        EXPECT_EQ(e.dLinhaInt, "2,5");
        EXPECT_EQ(e.dLinhaExt, "2,0");
        EXPECT_EQ(e.h, "65");
        EXPECT_EQ(e.gamaS, "1,20");
        EXPECT_EQ(e.gamaC, "1,50");
    }
}

TEST(EntradaDoProjeto, CargaEspecialVaziaParaAExecucao)
{
    ProjetoRedwan p = exemplo(armaduraSimples);
    p.classe.classePluvial = 4;
    p.classe.especialPluvial.clear();
    EstadoDimensionamento estado;
    const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(p), estado);
    EXPECT_EQ(x.desfecho, Desfecho::Interrompido);
    EXPECT_EQ(x.mensagem, "Entre com um valor para a carga minima de ruptura.");
}

TEST(ResultadosRedwan, GuardarSubstituiValoresETextos)
{
    ResultadosRedwan r;
    EXPECT_FALSE(r.valores.has_value());
    for (int tipo : {armaduraDupla, armaduraSimples}) {
        EstadoDimensionamento estado;
        const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(exemplo(tipo)), estado);
        guardarResultados(r, x.resultado);
        ASSERT_TRUE(r.valores.has_value());
        EXPECT_EQ(r.valores->tipoArmadura, tipo == armaduraDupla ? CircularDupla : CircularSimples);
        EXPECT_EQ(r.textos.Label19, tipo == armaduraDupla ? "0,27 cm²/m" : "----");
        EXPECT_EQ(r.textos.Panel16, tipo == armaduraDupla ? "----" : "6,00 cm");
    }
    TextosResultados doArquivo;
    doArquivo.Pint = "MF 159";
    restaurarResultados(r, doArquivo);
    EXPECT_FALSE(r.valores.has_value());
    EXPECT_EQ(r.textos.Pint, "MF 159");
}

} // namespace
