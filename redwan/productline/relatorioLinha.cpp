#include "relatorioLinha.h"

#include "bandasRelatorio.h"
#include "cabecalhoRelatorioRedwan.h"
#include "camposLinha.h"
#include "dadosRelatorioDimensionamento.h"
#include "geometriaRedwan.h"
#include "numeros.h"

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
    const bool dupla = a.tipo == armaduraDupla;
    BandaRelatorio b{4 * passo + 8};
    adicionarTexto(b, 0, 0, "Dados da Linha:", estiloTitulo);
    adicionarLinhaPares(b, passo, {{0, "Finalidade:", textoFinalidade(g)}, {360, "Tipo:", textoTipoTubo(g)}});
    adicionarLinhaPares(b, 2 * passo,
                        {{0, "Resistência característica à compressão do concreto (fck) =", a.fck + " MPa"}});
    adicionarLinhaPares(b, 3 * passo,
                        {{0, "Tipo de Armadura:", tiposArmadura()[dupla ? 1 : 0]},
                         {360, "d'int =", dupla ? a.dInt + " cm" : nada},
                         {470, "d'ext =", dupla ? a.dExt + " cm" : nada},
                         {575, "γs =", a.gamaS},
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

BandaRelatorio bandaCelula(const TabelaLinha& t, const CelulaLinha& c)
{
    BandaRelatorio b{alturaLinha};
    const bool primeiraDoDiametro = c.classe == 0;
    if (primeiraDoDiametro)
        celula(b, cDi, 0, formatar0(c.di), true);
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
        adicionarCaixaTexto(b, x, 0, largura, 0, c.execucao.mensagem, {tamanhoTabela, false, corVermelha});
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
    return b;
}

BandaRelatorio bandaObservacao(const LayoutRelatorio& l, bool comParede)
{
    BandaRelatorio b{0};
    adicionarTexto(b, 0, 8, "Observação:", estiloLegenda);
    std::string texto =
        "Cada linha é o dimensionamento do tubo com a carga mínima de ruptura da classe e a espessura de parede "
        "h indicada. As: armaduras calculadas no coroamento e no flanco. Cobr., Cort. e "
        "Fiss.: verificações da ruptura do cobrimento, da força cortante e da abertura de fissuras.";
    if (comParede)
        texto += " h mín. viável: a menor espessura inteira, da mínima recomendada até 100 mm acima dela, com que o "
                 "dimensionamento é possível e as três verificações passam.";
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
    bool comParede = false;
    for (const CelulaLinha& c : d.tabela.celulas)
        comParede = comParede || c.paredeBuscada;
    l.bandas.push_back(bandaObservacao(l, comParede));
    DadosRelatorioDimensionamento quem;
    quem.fabricante = fabricante;
    quem.data = d.data;
    adicionarAssinatura(l, assinaturaFabricante(quem));
    return l;
}
