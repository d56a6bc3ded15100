// Every cell of the line is the design of "Resultado do dimensionamento"
// with the cell's inputs; the wall search finds the thinnest wall that
// passes, or none.
#include "buscaParede.h"
#include "numeros.h"
#include "relatorioLinha.h"
#include "camposLinha.h"
#include "entradaProjeto.h"
#include "linhaProdutos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

ParametrosArmadura parametros(int tipo)
{
    ParametrosArmadura p;
    escolherTipo(p, tipo, 1000.0); // "3,5" and "2,5"
    return p;
}

// The project a user would type for one cell, built without the line.
ProjetoRedwan projetoAMao(int finalidade, int tipoTubo, int indiceDi, int classe, const ParametrosArmadura& a,
                          const std::string& h)
{
    ProjetoRedwan p;
    p.geometria.finalidade = finalidade;
    p.geometria.tipoTubo = tipoTubo;
    p.geometria.indiceDi = indiceDi;
    (finalidade == finalidadeEsgoto ? p.classe.classeEsgoto : p.classe.classePluvial) = classe;
    p.parametros = a;
    p.parametros.h = h;
    return p;
}

void esperarIguais(const ExecucaoDimensionamento& linha, const ExecucaoDimensionamento& unica)
{
    ASSERT_EQ(linha.desfecho, unica.desfecho);
    EXPECT_EQ(linha.mensagem, unica.mensagem);
    const ResultadoDimensionamento& a = linha.resultado;
    const ResultadoDimensionamento& b = unica.resultado;
    for (auto [x, y] : {std::pair{a.P, b.P}, {a.Mc, b.Mc}, {a.Ms, b.Ms}, {a.dC, b.dC}, {a.xC, b.xC},
                        {a.AsC, b.AsC}, {a.dS, b.dS}, {a.xS, b.xS}, {a.AsS, b.AsS}, {a.Dcoro, b.Dcoro},
                        {a.AsP_Prat, b.AsP_Prat}, {a.AsMin, b.AsMin}, {a.AsIntMin, b.AsIntMin},
                        {a.AsExtMin, b.AsExtMin}, {a.AsMax, b.AsMax}, {a.Vu, b.Vu}, {a.w, b.w}})
        EXPECT_EQ(x, y);
    EXPECT_EQ(a.domC, b.domC);
    EXPECT_EQ(a.domS, b.domS);
    EXPECT_EQ(a.telaInterna, b.telaInterna);
    EXPECT_EQ(a.telaExterna, b.telaExterna);
    EXPECT_EQ(a.verificacaoCobrimento, b.verificacaoCobrimento);
    EXPECT_EQ(a.verificacaoCortante, b.verificacaoCortante);
    EXPECT_EQ(a.verificacaoFissuras, b.verificacaoFissuras);
}

struct CasoLinha {
    int finalidade;
    int tipo;
    int tipoTubo;
};

class CadaCelula : public testing::TestWithParam<CasoLinha> {};

TEST_P(CadaCelula, EhODimensionamentoUnicoDasMesmasEntradas)
{
    const CasoLinha caso = GetParam();
    const ParametrosArmadura a = parametros(caso.tipo);
    const TabelaLinha t = dimensionarLinha(linhaPadrao(caso.finalidade, caso.tipoTubo, a));
    const std::size_t classes = caso.finalidade == finalidadeEsgoto ? 3 : 4;
    ASSERT_EQ(t.classes.size(), classes);
    ASSERT_EQ(t.celulas.size(), 14 * classes);
    int dimensionadas = 0;
    for (const CelulaLinha& c : t.celulas) {
        SCOPED_TRACE(std::to_string(c.di) + " " + c.nomeClasse);
        const ProjetoRedwan p = projetoAMao(caso.finalidade, caso.tipoTubo, t.entrada.diametros[c.diametro].indiceDi,
                                            c.classe, a, t.entrada.diametros[c.diametro].h);
        EXPECT_EQ(c.nomeClasse, nomeClasseEscolhida(p.classe, p.geometria));
        EXPECT_EQ(c.carga, cargaDeProjeto(p));
        EstadoDimensionamento estado;
        esperarIguais(c.execucao, executarDimensionamento(entradaDoProjeto(p), estado));
        dimensionadas += c.dimensionada();
    }
    // Some of each line are designed, so the comparison covers results too.
    EXPECT_GT(dimensionadas, 0);
}

INSTANTIATE_TEST_SUITE_P(Linhas, CadaCelula,
                         testing::Values(CasoLinha{finalidadePluvial, armaduraSimples, 0},
                                         CasoLinha{finalidadePluvial, armaduraDupla, 1},
                                         CasoLinha{finalidadeEsgoto, armaduraSimples, 1},
                                         CasoLinha{finalidadeEsgoto, armaduraDupla, 0}));

TEST(LinhaPadrao, CadaDiametroNaParedeMinimaDaFinalidade)
{
    const EntradaLinha pluvial = linhaPadrao(finalidadePluvial, 0, ParametrosArmadura{});
    const EntradaLinha esgoto = linhaPadrao(finalidadeEsgoto, 0, ParametrosArmadura{});
    ASSERT_EQ(pluvial.diametros.size(), 14u);
    EXPECT_EQ(pluvial.diametros[0].h, "45");
    EXPECT_EQ(esgoto.diametros[0].h, "50");
    EXPECT_EQ(pluvial.diametros[10].h, "105"); // 1300 mm
    EXPECT_EQ(esgoto.diametros[10].h, "115");
    EXPECT_EQ(pluvial.diametros[13].h, "180");
}

TEST(Linha, CargasECabecalhosDasClasses)
{
    const TabelaLinha t = dimensionarLinha(linhaPadrao(finalidadePluvial, 0, ParametrosArmadura{}));
    EXPECT_EQ(t.classes, (std::vector<std::string>{"PA1", "PA2", "PA3", "PA4"}));
    // 1750 mm: 157,5 kN/m rounded up.
    EXPECT_EQ(t.celula(12, 1).carga, "158,00");
    EXPECT_EQ(t.celula(0, 3).carga, "54,00");
    EXPECT_EQ(t.celula(0, 3).nomeClasse, "PA4");
}

TEST(Linha, UmaParedeEditadaSoMudaSeuDiametro)
{
    EntradaLinha l = linhaPadrao(finalidadePluvial, 0, ParametrosArmadura{});
    l.diametros[3].h = "63"; // 600 mm
    const TabelaLinha t = dimensionarLinha(l);
    EXPECT_EQ(t.celula(3, 1).h, "63");
    EXPECT_TRUE(t.celula(3, 1).passa());
    EXPECT_EQ(t.celula(4, 1).h, "66");
}

TEST(Linha, UmaCelulaQueParaGuardaAMensagemDaExecucao)
{
    const TabelaLinha t = dimensionarLinha(linhaPadrao(finalidadePluvial, 0, ParametrosArmadura{}));
    const CelulaLinha& c = t.celula(2, 3); // 500 mm, PA4, one cage on 50 mm
    EXPECT_FALSE(c.dimensionada());
    EXPECT_EQ(c.execucao.mensagem, mensagemSemDimensionamento);
    const std::vector<CampoCelula> campos = camposCelula(t, c, false);
    ASSERT_EQ(campos.size(), 5u);
    EXPECT_EQ(campos.back().chave, "erro");
    EXPECT_EQ(campos.back().valor.texto, mensagemSemDimensionamento);
}

TEST(Linha, CamposDeUmaCelulaDimensionadaSaoNumeros)
{
    const TabelaLinha t = dimensionarLinha(linhaPadrao(finalidadePluvial, 0, ParametrosArmadura{}));
    const CelulaLinha& c = t.celula(0, 0);
    const std::vector<CampoCelula> campos = camposCelula(t, c, false);
    std::vector<std::string> chaves;
    for (const CampoCelula& f : campos)
        chaves.push_back(f.chave);
    std::vector<std::string> esperadas = chavesCelula(false);
    esperadas.pop_back(); // no "erro"
    EXPECT_EQ(chaves, esperadas);
    EXPECT_TRUE(campos[0].valor.numero);
    EXPECT_EQ(campos[0].valor.valor, 300.0);
    EXPECT_EQ(campos[1].valor.texto, "PA1");
    EXPECT_EQ(campos[2].valor.valor, 18.0);
    EXPECT_EQ(campos[3].valor.valor, 45.0);
}

// One cage, "Macho e Fêmea", fck 35, γs 1,15, γc 1,40 on stormwater pipes.
struct CasoParede {
    int indiceDi, classe;
    std::optional<int> esperada;
};

class BuscaParede : public testing::TestWithParam<CasoParede> {};

TEST_P(BuscaParede, AchaAParedeMaisFinaQuePassa)
{
    const CasoParede caso = GetParam();
    const EntradaLinha l = linhaPadrao(finalidadePluvial, 0, ParametrosArmadura{});
    const std::optional<int> h = buscarParedeMinima(l, caso.indiceDi, caso.classe);
    EXPECT_EQ(h, caso.esperada);
    const int minima = paredeMinimaRecomendada(l, caso.indiceDi);
    if (h) {
        EXPECT_TRUE(dimensionarCelula(l, caso.indiceDi, caso.classe, std::to_string(*h)).passa());
        for (int fina = minima; fina < *h; ++fina)
            EXPECT_FALSE(dimensionarCelula(l, caso.indiceDi, caso.classe, std::to_string(fina)).passa()) << fina;
    } else {
        for (int k = minima; k <= minima + folgaBuscaParede; k += 10)
            EXPECT_FALSE(dimensionarCelula(l, caso.indiceDi, caso.classe, std::to_string(k)).passa()) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Celulas, BuscaParede,
                         testing::Values(CasoParede{0, 0, 45},           // 300 PA1 passes on its least wall
                                         CasoParede{3, 1, 63},           // 600 PA2: three more millimetres
                                         CasoParede{1, 3, 68},           // 400 PA4: not designed on 45 mm
                                         CasoParede{2, 3, std::nullopt}, // 500 PA4: never up to 150 mm
                                         CasoParede{13, 1, std::nullopt})); // 2000 PA2: the meshes cannot

TEST(BuscaParedes, PreencheCadaCelulaEParaQuandoPedido)
{
    EntradaLinha l = linhaPadrao(finalidadeEsgoto, 0, parametros(armaduraDupla));
    l.diametros.resize(2); // 300 and 400 mm
    TabelaLinha t = dimensionarLinha(l);
    int chamadas = 0;
    EXPECT_FALSE(buscarParedes(t, [&](int feitas, int total) {
        ++chamadas;
        EXPECT_EQ(total, 6);
        return feitas < 2;
    }));
    EXPECT_EQ(chamadas, 2);
    EXPECT_FALSE(t.paredesBuscadas);
    EXPECT_TRUE(t.celulas[1].paredeBuscada);
    EXPECT_FALSE(t.celulas[2].paredeBuscada);

    EXPECT_TRUE(buscarParedes(t));
    EXPECT_TRUE(t.paredesBuscadas);
    for (const CelulaLinha& c : t.celulas) {
        EXPECT_TRUE(c.paredeBuscada);
        EXPECT_EQ(c.paredeMinimaViavel, buscarParedeMinima(l, c.diametro, c.classe));
    }
    const std::vector<CampoCelula> campos = camposCelula(t, t.celulas[0], true);
    const auto parede = std::find_if(campos.begin(), campos.end(),
                                     [](const CampoCelula& f) { return f.chave == "hMinimaViavel"; });
    ASSERT_NE(parede, campos.end());
    if (t.celulas[0].paredeMinimaViavel)
        EXPECT_EQ(parede->valor.valor, *t.celulas[0].paredeMinimaViavel);
    else
        EXPECT_EQ(parede->valor.texto, "não encontrada");
}

} // namespace

// The report of a line whose diameters differ in cage type: the heading says
// so, and every row names its diameter, so a page never opens on a row
// without one.
TEST(RelatorioLinha, TipoDeCadaLinhaEDiametroEmCadaLinha)
{
    EntradaLinha l = linhaPadrao(finalidadePluvial, 0, parametros(armaduraDupla));
    l.diametros.resize(3);
    l.diametros[0].tipo = armaduraSimples;
    DadosRelatorioLinha d;
    d.tabela = dimensionarLinha(l);
    const LayoutRelatorio r = montarRelatorioLinha(d);
    std::string cabecalho;
    for (const BandaRelatorio& b : r.bandas)
        for (const ItemTexto& t : b.textos)
            cabecalho += t.texto + "|";
    EXPECT_NE(cabecalho.find("Tipo de Armadura:|por diâmetro (coluna Arm.)|"), std::string::npos);
    // The rows follow the headings; the note and the signature follow them.
    std::size_t primeira = 0;
    while (primeira < r.bandas.size() &&
           !(r.bandas[primeira].textos.size() > 4 &&
             r.bandas[primeira].textos[0].texto == formatar0(d.tabela.celulas[0].di)))
        ++primeira;
    ASSERT_LE(primeira + d.tabela.celulas.size(), r.bandas.size());
    for (std::size_t k = 0; k < d.tabela.celulas.size(); ++k) {
        const BandaRelatorio& b = r.bandas[primeira + k];
        ASSERT_FALSE(b.textos.empty());
        EXPECT_EQ(b.textos[0].texto, formatar0(d.tabela.celulas[k].di)) << k;
        EXPECT_EQ(b.textos[4].texto, k < 4 ? "simples" : "dupla") << k;
    }
}
