#include "relatorioLinha.h"

#include "bandasRelatorio.h"
#include "cabecalhoRelatorioRedwan.h"
#include "camposLinha.h"
#include "custoTubo.h"
#include "dadosRelatorioDimensionamento.h"
#include "geometriaRedwan.h"
#include "numeros.h"
#include "planilhaLinha.h"

namespace {

constexpr EstiloTexto estiloTitulo{15, true};
constexpr int passo = 21;
constexpr int alturaLinha = 17;
constexpr int tamanhoTabela = 11;
const std::string nada = "----";

struct Coluna {
    int x, largura;
    const char* titulo;
    Alinhamento alinhamento;
};

// di, class, load, wall, type, crown and springline steel, meshes, checks, search.
const Coluna colunas[] = {
    {0, 38, "di", Alinhamento::direita},          {44, 40, "Classe", Alinhamento::esquerda},
    {84, 46, "P", Alinhamento::direita},          {134, 34, "h", Alinhamento::direita},
    {174, 46, "Arm.", Alinhamento::esquerda},     {220, 48, "As", Alinhamento::direita},
    {272, 50, "As", Alinhamento::direita}, {330, 104, "Tela interna", Alinhamento::esquerda},
    {436, 96, "Tela externa", Alinhamento::esquerda}, {534, 40, "Cobr.", Alinhamento::centro},
    {576, 40, "Cort.", Alinhamento::centro},      {618, 40, "Fiss.", Alinhamento::centro},
    {660, 58, "h mín.", Alinhamento::direita},
};
enum { cDi, cClasse, cP, cH, cArm, cAsC, cAsS, cTelaInt, cTelaExt, cCob, cCort, cFiss, cParede };

void celula(BandaRelatorio& b, int coluna, int y, const std::string& texto, bool negrito = false,
            CorRgb cor = corPreta)
{
    const Coluna& c = colunas[coluna];
    adicionarTexto(b, c.x, y, texto, {tamanhoTabela, negrito, cor, c.alinhamento}, c.largura);
}

CorRgb corVeredito(const std::string& v) { return v == "Ok" ? corAzul : corVermelha; }

BandaRelatorio bandaTitulo(const LayoutRelatorio& l, const DadosRelatorioLinha& d)
{
    BandaRelatorio b{66};
    adicionarTexto(b, 0, 0, "Tabela de armaduras", {13, true, corPreta, Alinhamento::centro}, larguraUtil(l));
    adicionarTexto(b, 0, 18, "DIMENSIONAMENTO DA ARMADURA DE TUBOS DE CONCRETO ARMADO",
                   {17, true, corVermelha, Alinhamento::centro}, larguraUtil(l));
    adicionarLinhaGerado(b, 44, d.data, d.hora, false);
    return b;
}

BandaRelatorio bandaParametros(const EntradaLinha& e)
{
    const ParametrosArmadura& a = e.parametros;
    GeometriaRedwan g;
    g.finalidade = e.finalidade;
    g.tipoTubo = e.tipoTubo;
    BandaRelatorio b{4 * passo + 8};
    adicionarTexto(b, 0, 0, "Dados da Linha:", estiloTitulo);
    adicionarLinhaPares(b, passo, {{0, "Finalidade:", textoFinalidade(g)}, {360, "Tipo:", textoTipoTubo(g)}});
    adicionarLinhaPares(b, 2 * passo,
                        {{0, "Resistência característica à compressão do concreto (fck) =", a.fck + " MPa"}});
    // The rows' own types and positions: a diameter may differ from the line.
    bool simples = false;
    std::string dInt, dExt;
    bool variam = false;
    for (const DiametroLinha& d : e.diametros) {
        if (d.tipo != armaduraDupla) {
            simples = true;
            continue;
        }
        if (dInt.empty() && dExt.empty()) {
            dInt = d.dInt;
            dExt = d.dExt;
        } else if (d.dInt != dInt || d.dExt != dExt) {
            variam = true;
        }
    }
    const bool dupla = !dInt.empty() || !dExt.empty();
    const std::string tipo = simples && dupla ? "por diâmetro (coluna Arm.)" : tiposArmadura()[dupla ? 1 : 0];
    const std::string porDiametro = "por diâmetro";
    adicionarLinhaPares(b, 3 * passo,
                        {{0, "Tipo de Armadura:", tipo},
                         {340, "d'int =", !dupla ? nada : variam ? porDiametro : dInt + " cm"},
                         {455, "d'ext =", !dupla ? nada : variam ? porDiametro : dExt + " cm"},
                         {585, "γs =", a.gamaS},
                         {660, "γc =", a.gamaC}});
    return b;
}

// Three rows of heads: the name, what it is of, the unit.
BandaRelatorio bandaColunas()
{
    BandaRelatorio b{3 * alturaLinha + 4};
    for (int k = 0; k <= cParede; ++k)
        celula(b, k, 0, colunas[k].titulo, true);
    const std::pair<int, const char*> segundas[] = {{cAsC, "coroa"}, {cAsS, "flanco"}, {cParede, "viável"}};
    for (const auto& [k, texto] : segundas)
        celula(b, k, alturaLinha, texto, true);
    const std::pair<int, const char*> unidades[] = {{cDi, "mm"},     {cP, "kN/m"},    {cH, "mm"},
                                                    {cAsC, "cm²/m"}, {cAsS, "cm²/m"}, {cParede, "mm"}};
    for (const auto& [k, unidade] : unidades)
        celula(b, k, 2 * alturaLinha, unidade, true);
    return b;
}

// A cell's cheapest passing wall with the saving against the thinnest one;
// empty where that search did not run.
std::string linhaMenorCusto(const CelulaLinha& c)
{
    if (!c.menorCustoBuscado)
        return {};
    const BuscaMenorCusto& m = c.menorCusto;
    if (!m.paredeMenorCusto)
        return std::string("Menor custo: parede ") + textoParedeNaoEncontrada;
    const std::string inicio =
        "Menor custo: h = " + std::to_string(*m.paredeMenorCusto) + " mm, " + formatarMoeda(m.custoMenor) + " por metro";
    if (m.paredeMenorCusto == m.paredeMinimaViavel)
        return inicio + ", a menor espessura que passa";
    return inicio + "; economia de " + formatarMoeda(m.economia()) + " por metro sobre h = "
        + std::to_string(*m.paredeMinimaViavel) + " mm";
}

// Under a designed row: its steel, concrete and cost, then its cheapest wall.
void linhasCusto(BandaRelatorio& b, const TabelaLinha& t, const CelulaLinha& c)
{
    const std::optional<CustoResultado> custo = custoCelula(t, c);
    if (!custo)
        return;
    const TextosCusto tc = textosCusto(custo->quantidades, custo->custo);
    std::string texto = tc.aco + "   " + tc.concreto + "   " + tc.custo;
    if (const std::string m = linhaMenorCusto(c); !m.empty())
        texto += "\n" + m;
    const int x = colunas[cP].x;
    adicionarCaixaTexto(b, x, alturaLinha, larguraA4 - MargensPagina{}.esquerda - MargensPagina{}.direita - x, 0,
                        texto, {tamanhoTabela - 1, false, corPreta});
    b.altura = alturaLinha;
}

BandaRelatorio bandaCelula(const TabelaLinha& t, const CelulaLinha& c)
{
    BandaRelatorio b{alturaLinha};
    // Every row names its diameter, so a page never opens on a row without
    // one; the diameter's first class in bold.
    celula(b, cDi, 0, formatar0(c.di), c.classe == 0);
    celula(b, cClasse, 0, c.nomeClasse);
    celula(b, cP, 0, c.carga);
    celula(b, cH, 0, c.h);
    const int tipo = t.entrada.diametros[static_cast<std::size_t>(c.diametro)].tipo;
    celula(b, cArm, 0, tipo == armaduraDupla ? "dupla" : "simples");
    if (t.paredesBuscadas || c.paredeBuscada)
        celula(b, cParede, 0,
               c.paredeMinimaViavel ? std::to_string(*c.paredeMinimaViavel) : textoParedeNaoEncontrada,
               false, c.paredeMinimaViavel ? corPreta : corVermelha);
    if (!c.dimensionada()) {
        // The run's own message, across the result columns.
        const int x = colunas[cAsC].x;
        const int largura = colunas[cFiss].x + colunas[cFiss].largura - x;
        // The walls found do not depend on the wall designed: they follow the message.
        std::string texto = c.execucao.mensagem;
        if (const std::string m = linhaMenorCusto(c); !m.empty())
            texto += "\n" + m;
        adicionarCaixaTexto(b, x, 0, largura, 0, texto, {tamanhoTabela, false, corVermelha});
        return b;
    }
    const ResultadoDimensionamento& r = c.execucao.resultado;
    celula(b, cAsC, 0, formatar2(r.AsC));
    celula(b, cAsS, 0, formatar2(r.AsS));
    celula(b, cTelaInt, 0, r.telaInterna, false, corVermelha);
    celula(b, cTelaExt, 0, r.telaExterna, false, corVermelha);
    const VereditosCelula v = vereditosCelula(r);
    celula(b, cCob, 0, v.cobrimento, false, corVeredito(v.cobrimento));
    celula(b, cCort, 0, v.cortante, false, corVeredito(v.cortante));
    celula(b, cFiss, 0, v.fissuras, false, corVeredito(v.fissuras));
    linhasCusto(b, t, c);
    return b;
}

BandaRelatorio bandaObservacao(const LayoutRelatorio& l, bool comParede, bool comMenorCusto,
                                const PrecosCusto& p)
{
    BandaRelatorio b{0};
    const std::string precos =
        "de " + formatarMoeda(p.concreto) + " por m³ de concreto e " + formatarMoeda(p.aco) + " por kg de aço";
    adicionarTexto(b, 0, 8, "Observação:", estiloLegenda);
    std::string texto =
        "Cada linha é o dimensionamento do tubo com a carga mínima de ruptura da classe e a espessura de parede "
        "h indicada. As: armaduras calculadas no coroamento e no flanco. Cobr., Cort. e "
        "Fiss.: verificações da ruptura do cobrimento, da força cortante e da abertura de fissuras.";
    texto += " Sob cada linha, o aço das telas, o concreto (sem o concreto adicional da junta) e o custo por metro "
             "de tubo aos preços " + precos + ".";
    if (comParede)
        texto += " h mín. viável: a menor espessura inteira, da mínima recomendada até 100 mm acima dela, com que o "
                 "dimensionamento é possível e as três verificações passam.";
    if (comMenorCusto)
        texto += " Menor custo: entre as mesmas espessuras, a que passa nas três verificações com o menor custo (no "
                 "empate, a mais fina), e a economia por metro em relação à menor espessura que passa.";
    adicionarCaixaTexto(b, 0, 8 + passo, larguraUtil(l), 0, texto);
    b.altura = 8 + passo;
    return b;
}

} // namespace

VereditosCelula vereditosCelula(const ResultadoDimensionamento& r)
{
    auto v = [](bool passa) { return std::string(passa ? "Ok" : "Não"); };
    return {v(r.passaCobrimento), v(r.passaCortante), v(r.passaFissuras)};
}

LayoutRelatorio montarRelatorioLinha(const DadosRelatorioLinha& d)
{
    LayoutRelatorio l;
    l.titulo = "Tabela de armaduras";
    l.numerarPaginas = true;
    DadosFabricante fabricante = d.fabricante;
    removerBrancosIniciais(fabricante);
    if (fabricante.imprimir)
        l.bandas.push_back(bandaFabricante(fabricante, d.logo));
    l.bandas.push_back(bandaTitulo(l, d));
    l.bandas.push_back(bandaParametros(d.tabela.entrada));
    l.bandas.push_back(bandaColunas());
    l.cabecalhoPagina = bandaColunas();
    l.cabecalhoNaPrimeiraPagina = false;
    for (const CelulaLinha& c : d.tabela.celulas)
        l.bandas.push_back(bandaCelula(d.tabela, c));
    l.bandas.push_back(bandaObservacao(l, paredeBuscadaEmAlguma(d.tabela), menorCustoBuscadoEmAlguma(d.tabela),
                                       d.tabela.precos));
    DadosRelatorioDimensionamento quem;
    quem.fabricante = fabricante;
    quem.data = d.data;
    adicionarAssinatura(l, assinaturaFabricante(quem));
    return l;
}
