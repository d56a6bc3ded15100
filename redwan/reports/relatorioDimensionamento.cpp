#include "relatorioDimensionamento.h"

#include "bandasRelatorio.h"
#include "cabecalhoRelatorioRedwan.h"
#include "custoTubo.h"
#include "dadosRelatorioDimensionamento.h"

namespace {

constexpr EstiloTexto estiloTitulo{15, true};
constexpr EstiloTexto estiloSubtitulo{14, true};
constexpr EstiloTexto estiloPagina{11, true, CorRgb{0, 0, 0}, Alinhamento::direita};
constexpr EstiloTexto estiloIndice{9, true};
constexpr CorRgb vermelho{255, 0, 0};
const std::string nada = "----";

// Columns of the rows with two and three pairs.
constexpr int coluna2 = 360;
constexpr int coluna3 = 540;
// The address rows give the district and the city their room.
constexpr int colunaNumero = 330;
constexpr int colunaBairro = 450;
constexpr int colunaCep = 560;
// The sub-columns of the crown and the springline.
constexpr int recuo = 20;
constexpr int colunaFlanco = 380;

// Rows are closer when everything must fit on one page.
struct Medidas {
    int passo; // between rows of a band
    int folga; // under the last row of a band
};

BandaRelatorio bandaPagina(const LayoutRelatorio& l, const char* texto)
{
    BandaRelatorio b{20};
    adicionarTexto(b, 0, 0, texto, estiloPagina, larguraUtil(l));
    return b;
}

BandaRelatorio bandaCabecalho(const LayoutRelatorio& l, const DadosRelatorioDimensionamento& d)
{
    BandaRelatorio b{66};
    adicionarTexto(b, 0, 0, "Relatório de Resultados", {13, true, CorRgb{0, 0, 0}, Alinhamento::centro},
                   larguraUtil(l));
    adicionarTexto(b, 0, 18, "DIMENSIONAMENTO DA ARMADURA DE TUBOS DE CONCRETO ARMADO",
                   {17, true, vermelho, Alinhamento::centro}, larguraUtil(l));
    adicionarLinhaGerado(b, 44, d.data, d.hora);
    return b;
}

// A band with its heading and rows of caption/value pairs under it.
BandaRelatorio bandaPares(const char* titulo, const std::vector<std::vector<ParLegendaValor>>& linhas,
                          const Medidas& m)
{
    BandaRelatorio b{static_cast<int>(linhas.size() + 1) * m.passo + m.folga};
    adicionarTexto(b, 0, 0, titulo, estiloTitulo);
    int y = m.passo;
    for (const auto& pares : linhas) {
        // Each value keeps to its room: a long one prints smaller.
        adicionarLinhaPares(b, y, pares, estiloLegenda, estiloValor, espacoLegendaValor, larguraA4 - 76);
        y += m.passo;
    }
    return b;
}

BandaRelatorio bandaObra(const DadosObra& d, const Medidas& m)
{
    return bandaPares("Dados da Obra:",
                      {{{0, "Especificação dos Serviços Prestados:", d.servicos}},
                       {{0, "Endereço:", d.endereco}, {colunaNumero, "Número:", d.numero}, {colunaBairro, "Bairro:", d.bairro}},
                       {{0, "Cidade:", d.cidade}, {colunaNumero, "Estado:", d.estado}, {colunaCep, "CEP:", d.cep}}},
                      m);
}

BandaRelatorio bandaCliente(const DadosCliente& d, const Medidas& m)
{
    return bandaPares("Dados do Cliente:",
                      {{{0, "Nome:", d.nome}},
                       {{0, "Endereço:", d.endereco}, {colunaNumero, "Número:", d.numero}, {colunaBairro, "Bairro:", d.bairro}},
                       {{0, "Cidade:", d.cidade}, {colunaNumero, "Estado:", d.estado}, {colunaCep, "CEP:", d.cep}},
                       {{0, "Telefone:", d.telefone}, {coluna2, "Celular:", d.celular}},
                       // An e-mail is long: it gets a row of its own.
                       {{0, "E - mail:", d.email}}},
                      m);
}

BandaRelatorio bandaGeometria(const GeometriaRedwan& g, const Medidas& m)
{
    return bandaPares("Dados da Geometria:",
                      {{{0, "Tipo:", textoTipoTubo(g)}, {coluna2, "Finalidade:", textoFinalidade(g)}},
                       {{0, "Comprimento Longitudinal =", textoComprimento(g) + " m"},
                        {coluna2, "Diâmetro interno =", textoDiametro(g) + " mm"}}},
                      m);
}

BandaRelatorio bandaTubo(const ProjetoRedwan& p, const Medidas& m)
{
    return bandaPares("Dados do Tubo:",
                      {{{0, "Classe do Tubo:", nomeClasseEscolhida(p.classe, p.geometria)},
                        {coluna2, "Carga minima de ruptura:", cargaDeProjeto(p) + " kN/m"}}},
                      m);
}

// A caption with a subscript in it, "d'int =", and its value after it; at
// `x`, or `x` after the band's previous text.
void legendaComIndice(BandaRelatorio& b, int x, int y, const std::string& antes, const std::string& indice,
                      const std::string& depois, const std::string& valor, bool aposAnterior = false)
{
    if (aposAnterior)
        adicionarTextoApos(b, x, y, antes, estiloLegenda);
    else
        adicionarTexto(b, x, y, antes, estiloLegenda);
    adicionarTextoApos(b, 1, y + 5, indice, estiloIndice);
    adicionarTextoApos(b, 2, y, depois, estiloLegenda);
    adicionarTextoApos(b, espacoLegendaValor, y, valor);
}

BandaRelatorio bandaArmadura(const ParametrosArmadura& a, const Medidas& m)
{
    BandaRelatorio b{4 * m.passo + m.folga};
    adicionarTexto(b, 0, 0, "Dados da Armadura:", estiloTitulo);
    int y = m.passo;
    legendaComIndice(b, 0, y, "Resistência característica à compressão do concreto (f", "ck", ") =", a.fck + " MPa");
    y += m.passo;
    const bool dupla = a.tipo == armaduraDupla;
    const std::string tipo = a.tipo >= 0 && a.tipo < static_cast<int>(tiposArmadura().size()) ? tiposArmadura()[a.tipo]
                                                                                             : std::string();
    adicionarLinhaPares(b, y, {{0, "Tipo de Armadura:", tipo}});
    legendaComIndice(b, coluna2, y, "d'", "int", "=", dupla ? a.dInt + " cm" : nada);
    legendaComIndice(b, coluna3, y, "d'", "ext", "=", dupla ? a.dExt + " cm" : nada);
    y += m.passo;
    adicionarLinhaPares(b, y, {{0, "Espessura da parede =", a.h + " mm"}});
    adicionarTexto(b, coluna2, y, "Coeficientes de Segurança:", estiloLegenda);
    legendaComIndice(b, 8, y, "γ", "s", "=", a.gamaS, true);
    legendaComIndice(b, 16, y, "γ", "c", "=", a.gamaC, true);
    return b;
}

BandaRelatorio bandaResultados(const TextosResultados& r, const Medidas& m)
{
    BandaRelatorio b{10 * m.passo + m.folga};
    adicionarTexto(b, 0, 0, "Resultados:", estiloTitulo);
    // A caption that ends in a blank needs no more room before its value.
    auto linhaPares = [&b](int y, const std::vector<ParLegendaValor>& pares) {
        const bool branco = pares.front().legenda.back() == ' ';
        adicionarLinhaPares(b, y, pares, estiloLegenda, estiloValor, branco ? 1 : espacoLegendaValor);
    };
    int y = m.passo;
    adicionarTexto(b, recuo, y, "No coroamento:", estiloSubtitulo);
    adicionarTexto(b, colunaFlanco, y, "No flanco:", estiloSubtitulo);
    const std::pair<const char*, std::pair<const std::string*, const std::string*>> linhas[] = {
        {"Altura Útil = ", {&r.Label10, &r.Label11}},
        {"Linha Neutra =", {&r.Label4, &r.Label8}},
        {"Domínio:", {&r.Label12, &r.Label13}},
        {"As =", {&r.Label5, &r.Label9}},
    };
    for (const auto& [legenda, valores] : linhas) {
        y += m.passo;
        linhaPares(y, {{recuo, legenda, *valores.first}, {colunaFlanco, legenda, *valores.second}});
    }
    y += m.passo;
    adicionarTexto(b, 0, y, "Por razões construtivas, tem-se:", estiloSubtitulo);
    y += m.passo;
    linhaPares(y, {{recuo, "Altura útil no coroamento =", r.Panel16}, {colunaFlanco, "Armadura de tração =", r.Panel15}});
    y += m.passo;
    adicionarTexto(b, 0, y, "Tela Soldada Especificada:", estiloSubtitulo);
    y += m.passo;
    linhaPares(y, {{recuo, "Tela Interna = ", r.Pint}, {colunaFlanco, "Tela Externa = ", r.Pext}});
    return b;
}

// What one metre of the pipe takes and costs, under its meshes, and the
// prices it was costed at; for priced results only.
BandaRelatorio bandaCusto(const TextosResultados& r, const PrecosCusto& precos, const Medidas& m)
{
    BandaRelatorio b{4 * m.passo + m.folga};
    adicionarTexto(b, 0, 0, "Aço, concreto e custo por metro de tubo:", estiloSubtitulo);
    // "Aço: 26,12 kg (…)": the caption as the other results print theirs.
    int y = 0;
    for (const std::string& linha : {r.Aco, r.Concreto, r.Custo + " (" + textoPrecos(precos) + ")"}) {
        const std::size_t fim = linha.find(": ");
        adicionarLinhaPares(b, y += m.passo, {{recuo, linha.substr(0, fim + 1), linha.substr(fim + 2)}});
    }
    return b;
}

// Each check: its value, and its verdict in the colour the results window gives it.
BandaRelatorio bandaVerificacoes(const TextosResultados& r, const Medidas& m)
{
    BandaRelatorio b{4 * m.passo + m.folga};
    adicionarTexto(b, 0, 0, "Verificações:", estiloTitulo);
    const struct {
        const char* legenda;
        const std::string& valor;
        const std::string& veredito;
        CorRgb cor;
    } linhas[] = {
        {"Armadura máxima =", r.Label20, r.Label27, r.corLabel27},
        {"Força cortante última =", r.Label21, r.Label28, r.corLabel28},
        {"Abertura da fissura =", r.Label26, r.Label29, r.corLabel29},
    };
    int y = 0;
    for (const auto& l : linhas) {
        y += m.passo;
        adicionarLinhaPares(b, y, {{recuo, l.legenda, l.valor}});
        adicionarTexto(b, coluna2 - 20, y, l.veredito, {13, false, l.cor});
    }
    return b;
}

BandaRelatorio bandaMinimas(const TextosResultados& r, const Medidas& m)
{
    return bandaPares("Armaduras Mínimas:",
                      {{{recuo, "Armadura minima =", r.Label17}},
                       {{recuo, "Armadura interna mínima para atender situações transitórias =", r.Label18}},
                       {{recuo, "Armadura externa mínima para atender situações transitórias =", r.Label19}}},
                      m);
}

BandaRelatorio bandaObservacao(const LayoutRelatorio& l, const Medidas& m)
{
    BandaRelatorio b{0};
    adicionarTexto(b, 0, 0, "Observação:", estiloLegenda);
    adicionarCaixaTexto(b, 0, m.passo, larguraUtil(l), 0,
                        "Os campos onde aparecem como resultado \"----\" significa que não são necessarios para o "
                        "caso em questão.");
    b.altura = m.passo;
    return b;
}

} // namespace

LayoutRelatorio montarRelatorioDimensionamento(const DadosRelatorioDimensionamento& d)
{
    LayoutRelatorio l;
    l.titulo = "Dimensionamento da armadura de tubos de concreto armado";
    DadosFabricante fabricante = d.fabricante;
    removerBrancosIniciais(fabricante);
    const bool comFabricante = fabricante.imprimir;
    const Medidas m = comFabricante ? Medidas{24, 8} : Medidas{21, 6};
    const ProjetoRedwan& p = d.projeto;

    l.bandas.push_back(bandaPagina(l, comFabricante ? "pagina 1 de 2" : "pagina 1 de 1"));
    if (comFabricante)
        l.bandas.push_back(bandaFabricante(fabricante, d.logo));
    l.bandas.push_back(bandaCabecalho(l, d));
    l.bandas.push_back(bandaObra(p.obra, m));
    l.bandas.push_back(bandaCliente(p.cliente, m));
    l.bandas.push_back(bandaGeometria(p.geometria, m));
    l.bandas.push_back(bandaTubo(p, m));
    l.bandas.push_back(bandaArmadura(p.parametros, m));
    l.bandas.push_back(bandaResultados(d.resultados, m));
    if (!d.resultados.Custo.empty())
        l.bandas.push_back(bandaCusto(d.resultados, d.precos, m));
    if (comFabricante) {
        l.bandas.back().quebraPagina = true; // page 2 opens with its marker
        l.bandas.push_back(bandaPagina(l, "pagina 2 de 2"));
    }
    l.bandas.push_back(bandaVerificacoes(d.resultados, m));
    l.bandas.push_back(bandaMinimas(d.resultados, m));
    l.bandas.push_back(bandaObservacao(l, m));
    // The report's pages are numbered in advance: the block fits on the last.
    adicionarAssinaturaCompacta(l, assinaturaFabricante(d));
    return l;
}
