#include "relatorioRede.h"

#include "assinaturaRelatorio.h"
#include "bandasRelatorio.h"
#include "basesAssentamento.h"
#include "colunasRede.h"
#include "medidaTexto.h"
#include "memoriaRede.h"
#include "numeros.h"
#include "relatorioClasse.h"

#include <algorithm>

namespace {

constexpr int linha = 25;            // rows of the parameter bands
constexpr int linhaTabela = 14;      // one line of a table row
constexpr int alturaCabecalhoPagina = 40;
constexpr EstiloTexto estiloTitulo{16, true};
constexpr EstiloTexto estiloCelula{10, false, corPreta, Alinhamento::direita};
constexpr EstiloTexto estiloCelulaTexto{10, false};
constexpr EstiloTexto estiloCabecalhoPagina{10, false};

struct Coluna {
    int largura;
    bool texto; // left-aligned
};

// One row of a table: its cells, and for a stretch without a class the
// message spanning the result columns (`larguraUltima`).
struct LinhaTabela {
    std::vector<std::string> textos;
    CorRgb cor = corPreta;
    bool negrito = false;
    int larguraUltima = 0;
    bool cabecalho = false; // column headings: one line each, in a smaller type
};

constexpr EstiloTexto estiloCabecalhoTabela{9, true};


// Widths on the generous side, so a row laid out here never needs more
// lines when printed than were left for it.
const MedidorTexto& medidorFolgado()
{
    static const MedidorTexto m = [] {
        MedidorTexto medidor = medidorAproximado();
        medidor.largura = [](const std::string& t, const EstiloTexto& e) {
            return static_cast<double>(contarCaracteres(t)) * e.tamanho * (e.negrito ? 0.70 : 0.64);
        };
        return medidor;
    }();
    return m;
}

constexpr int recuo = 8;

int larguraCelula(const std::vector<Coluna>& colunas, const LinhaTabela& l, std::size_t c, int& antes, bool& texto)
{
    const bool ultima = c + 1 == l.textos.size();
    const int largura = ultima && l.larguraUltima > 0 ? l.larguraUltima : colunas[c].largura;
    texto = colunas[c].texto || (ultima && l.larguraUltima > 0);
    antes = texto && c > 0 ? recuo : 2;
    return largura - antes - 2;
}

// The style of a body cell: a text or a number, in the row's weight and colour.
EstiloTexto estiloCelulaDe(const LinhaTabela& l, bool texto)
{
    EstiloTexto estilo = texto ? estiloCelulaTexto : estiloCelula;
    estilo.negrito = l.negrito;
    estilo.cor = l.cor;
    return estilo;
}

// Lines the row takes: its tallest cell's.
int linhasDaLinha(const std::vector<Coluna>& colunas, const LinhaTabela& l)
{
    std::size_t linhas = 1;
    if (l.cabecalho)
        return 1;
    for (std::size_t c = 0; c < colunas.size() && c < l.textos.size(); ++c) {
        int antes = 0;
        bool texto = false;
        const int largura = larguraCelula(colunas, l, c, antes, texto);
        const EstiloTexto estilo = estiloCelulaDe(l, texto);
        linhas = std::max(linhas, quebrarLinhas(l.textos[c], largura, estilo, medidorFolgado()).size());
    }
    return static_cast<int>(linhas);
}

// One row of cells in a band; a text wider than its cell wraps inside it.
// A left-aligned text keeps a gap from the right-aligned number before it.
int adicionarLinhaTabela(BandaRelatorio& b, int y, const std::vector<Coluna>& colunas, const LinhaTabela& l)
{
    int x = 0;
    for (std::size_t c = 0; c < colunas.size() && c < l.textos.size(); ++c) {
        int antes = 0;
        bool texto = false;
        const int largura = larguraCelula(colunas, l, c, antes, texto);
        EstiloTexto estilo = estiloCelulaDe(l, texto);
        if (l.cabecalho) {
            estilo.tamanho = estiloCabecalhoTabela.tamanho;
            estilo.negrito = true;
            adicionarTexto(b, x + antes, y, l.textos[c], estilo, largura);
        } else {
            adicionarCaixaTexto(b, x + antes, y, largura, 0, l.textos[c], estilo);
        }
        x += colunas[c].largura;
    }
    return linhasDaLinha(colunas, l) * linhaTabela;
}

// Room for bands on a page under the page heading and above the number.
int alturaPagina(const LayoutRelatorio& l)
{
    return alturaA4 - l.margens.topo - l.margens.base - alturaNumeroPagina - alturaCabecalhoPagina;
}

// A table cut into pages, each a band under the table's column headings;
// the title over the first. Every band but the last ends its page.
std::vector<BandaRelatorio> tabelaPaginada(const std::string& titulo, const std::vector<Coluna>& colunas,
                                           const std::vector<LinhaTabela>& cabecalhos,
                                           const std::vector<LinhaTabela>& linhas, int altura, int alturaAntes = 0)
{
    std::vector<BandaRelatorio> bandas;
    std::size_t i = 0;
    do {
        BandaRelatorio b;
        int y = 0;
        if (bandas.empty() && !titulo.empty()) {
            adicionarTexto(b, 0, 0, titulo, estiloTitulo);
            y = linha;
        }
        for (const LinhaTabela& c : cabecalhos)
            y += adicionarLinhaTabela(b, y, colunas, c);
        const int livre = (bandas.empty() ? altura - alturaAntes : altura) - 6;
        bool alguma = false;
        while (i < linhas.size()) {
            const int h = linhasDaLinha(colunas, linhas[i]) * linhaTabela;
            if (alguma && y + h > livre)
                break;
            y += adicionarLinhaTabela(b, y, colunas, linhas[i]);
            alguma = true;
            ++i;
        }
        b.altura = y + 6;
        b.quebraPagina = true;
        bandas.push_back(std::move(b));
    } while (i < linhas.size());
    bandas.back().quebraPagina = false;
    return bandas;
}

// The surcharge a stretch is classed with, in a few words.
std::string sobrecargaDoTrecho(const EntradaTrecho& e, const Sobrecarga& projeto)
{
    std::string t = e.sobrecarga;
    const auto inicio = t.find_first_not_of(" \t");
    if (inicio == std::string::npos) {
        static const char* tipos[] = {"Classe 45", "Classe 30", "Eixo triplo"};
        switch (projeto.natureza) {
        case 0: return tipos[projeto.trafego >= 0 && projeto.trafego < 3 ? projeto.trafego : 0];
        case 3: return "Distribuída " + projeto.carga + " kN";
        case 4: return projeto.carga + " kN/m";
        case 5: return "Nula";
        default: return projeto.natureza == 1 ? "Ferroviária" : "Aeroviária";
        }
    }
    t = t.substr(inicio);
    if (!t.empty() && t[0] >= 'a' && t[0] <= 'z')
        t[0] = static_cast<char>(t[0] - 'a' + 'A');
    return t;
}

// The heading of every page after the first: what the report is, and for
// which project, work and client.
BandaRelatorio cabecalhoPagina(const ProjetoTubo& p, const LayoutRelatorio& l)
{
    BandaRelatorio b{alturaCabecalhoPagina};
    adicionarTexto(b, 0, 0, tituloRelatorioRede, {11, true, corVermelha});
    std::string linha2;
    for (const auto& [legenda, valor] : std::vector<std::pair<std::string, std::string>>{
             {"Projetista: ", p.projetista.nome}, {"Obra: ", p.obra.servicos}, {"Cliente: ", p.cliente.nome}})
        if (valor.find_first_not_of(' ') != std::string::npos)
            linha2 += (linha2.empty() ? "" : " — ") + legenda + valor;
    adicionarCaixaTexto(b, 0, 16, larguraUtil(l), 14, linha2, estiloCabecalhoPagina);
    return b;
}

BandaRelatorio bandaParametros(const ProjetoTubo& p)
{
    std::vector<std::vector<ParLegendaValor>> linhas{
        {{0, "Finalidade:", itemLista(listaFinalidades(), p.geometria.finalidade)},
         {380, "Tipo:", itemLista(listaTiposTubo(), p.geometria.tipoTubo)}}};
    for (auto& l : linhasInstalacaoRede(p))
        linhas.push_back(std::move(l));
    linhas.push_back({{0, "Sobrecarga do projeto:", textoSobrecargaProjeto(p.sobrecarga)}});
    for (auto& l : linhasBaseRede(p))
        linhas.push_back(std::move(l));
    return bandaPares("Parâmetros da rede (do projeto):", linhas, 0);
}

const std::vector<Coluna>& colunasTrechos()
{
    // Trecho, Montante, Jusante, L, DI, hs mont., hs jus., hs gov., bv, W, qs, fe, R, Sobrecarga, Classe
    static const std::vector<Coluna> colunas{{66, true}, {62, true}, {52, true}, {42, false}, {34, false},
                                             {36, false}, {36, false}, {36, false}, {32, false}, {44, false},
                                             {44, false}, {30, false}, {44, false}, {76, true}, {84, true}};
    return colunas;
}

std::vector<BandaRelatorio> bandasTrechos(const ProjetoTubo& projeto, const RedeTubulacoes& rede, int altura)
{
    const std::vector<Coluna>& colunas = colunasTrechos();
    const std::vector<LinhaTabela> cabecalhos{
        {{"Trecho", "Montante", "Jusante", "L", "DI", "hs", "hs", "hs", "bv", "W", "qs", "fe", "R", "Sobrecarga", "Classe"},
         corPreta, true, 0, true},
        {{"", "", "", "(m)", "(mm)", "mont.", "jus.", "gov.", "(m)", "(kN/m)", "(kN/m)", "", "(kN/m)", "", ""},
         corPreta, true, 0, true}};
    int larguraMensagem = 0;
    for (std::size_t c = 5; c < colunas.size(); ++c)
        larguraMensagem += colunas[c].largura;
    std::vector<LinhaTabela> linhas;
    const std::size_t n = std::min(rede.entradas.size(), rede.resultados.size());
    linhas.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const EntradaTrecho& e = rede.entradas[i];
        const ResultadoTrecho& r = rede.resultados[i];
        LinhaTabela l;
        l.textos = {e.trecho, e.montante, e.jusante, r.comprimento > 0 ? formatar2(r.comprimento) : e.comprimento, e.di};
        if (r.classificado) {
            for (ColunaResultado c : {ColunaResultado::HsMontante, ColunaResultado::HsJusante, ColunaResultado::HsGovernante,
                                      ColunaResultado::Bv, ColunaResultado::W, ColunaResultado::Qs, ColunaResultado::Fe,
                                      ColunaResultado::R})
                l.textos.push_back(textoResultado(r, c));
            l.textos.push_back(sobrecargaDoTrecho(e, projeto.sobrecarga));
            l.textos.push_back(textoResultado(r, ColunaResultado::Classe));
        } else {
            // The message takes the room of the results.
            l.textos.push_back(r.mensagem);
            l.cor = corVermelha;
            l.larguraUltima = larguraMensagem;
        }
        linhas.push_back(std::move(l));
    }
    return tabelaPaginada("Trechos da rede:", colunas, cabecalhos, linhas, altura);
}

std::vector<BandaRelatorio> bandasSemClasse(const QuantitativosRede& q, int altura)
{
    static const std::vector<Coluna> colunas{{120, true}, {70, false}, {528, true}};
    std::vector<LinhaTabela> linhas;
    for (const TrechoSemClasse& p : q.problemas)
        linhas.push_back({{p.trecho, p.metros > 0 ? formatar2(p.metros) : "", p.mensagem}, corVermelha});
    std::vector<BandaRelatorio> bandas =
        tabelaPaginada("Trechos sem classe (" + std::to_string(q.problemas.size()) + "):", colunas,
                       {{{"Trecho", "L (m)", "Motivo"}, corPreta, true, 0, true}}, linhas, altura);
    return bandas;
}

void adicionarTabelaClasses(BandaRelatorio& b, int& y, const std::string& titulo,
                            const std::vector<LinhaQuantitativo>& linhas)
{
    static const std::vector<Coluna> colunas{{90, false}, {90, true}, {110, false}, {80, false}};
    adicionarTexto(b, 0, y, titulo, estiloLegenda);
    y += linha - 4;
    y += adicionarLinhaTabela(b, y, colunas, {{"DI (mm)", "Classe", "Comprimento (m)", "Trechos"}, corPreta, true, 0, true});
    for (const LinhaQuantitativo& l : linhas)
        y += adicionarLinhaTabela(
            b, y, colunas, {{std::to_string(l.di), l.classe, formatar2(l.metros), std::to_string(l.trechos)}});
    if (linhas.empty()) {
        adicionarTexto(b, 2, y, "nenhum", estiloCelulaTexto);
        y += linhaTabela;
    }
    y += 8;
}

BandaRelatorio bandaClasses(const QuantitativosRede& q)
{
    BandaRelatorio b;
    adicionarTexto(b, 0, 0, "Quantitativos de tubos:", estiloTitulo);
    int y = linha;
    adicionarTabelaClasses(b, y, "Tubos armados:", q.armados);
    adicionarTabelaClasses(b, y, "Tubos simples, onde uma classe simples atende a R (alternativa aos armados):",
                           q.simples);
    adicionarLinhaPares(b, y, {{0, "Total da rede:", std::to_string(q.trechos) + " trechos, " +
                                                         formatar2(q.comprimentoTotal) + " m"}});
    y += linha;
    adicionarLinhaPares(b, y, {{0, "Com classe:", std::to_string(q.trechosClassificados) + " trechos, " +
                                                      formatar2(q.comprimentoClassificado) + " m"},
                               {330, "Sem classe:", std::to_string(q.problemas.size()) + " trechos, " +
                                                        formatar2(q.comprimentoTotal - q.comprimentoClassificado) + " m"}});
    b.altura = y + linha;
    return b;
}

// The trench quantities: the rule, the excavation by depth and width band
// with the shoring by depth band, and the totals.
BandaRelatorio bandaRegraVala(const RedeTubulacoes& rede, const QuantitativosRede& q, const LayoutRelatorio& l)
{
    BandaRelatorio b{linha + 10};
    adicionarTexto(b, 0, 0, "Quantitativos de vala:", estiloTitulo);
    adicionarCaixaTexto(b, 0, linha, larguraUtil(l), 0,
                        q.vala.aplicavel ? regraQuantidadesVala(rede.vala) : std::string(avisoValaNaoAplicavel),
                        {11, false});
    return b;
}

BandaRelatorio bandaVala(const QuantitativosRede& q)
{
    BandaRelatorio b;
    int y = 12;
    const TotaisVala& v = q.vala;
    adicionarTexto(b, 0, y, "Escavação (m³) por faixa de profundidade e de largura da vala; escoramento (m²):",
                   estiloLegenda);
    y += linha - 4;
    const std::vector<Coluna> colunas{{110, true}, {92, false}, {92, false}, {92, false}, {92, false}, {100, false}, {110, false}};
    LinhaTabela largura{{""}, corPreta, true, 0, true};
    LinhaTabela cabecalho{{"Profundidade"}, corPreta, true, 0, true};
    for (const std::string& f : faixasLargura()) {
        largura.textos.push_back("largura");
        cabecalho.textos.push_back(f);
    }
    cabecalho.textos.insert(cabecalho.textos.end(), {"Total", "Escoramento"});
    y += adicionarLinhaTabela(b, y, colunas, largura);
    y += adicionarLinhaTabela(b, y, colunas, cabecalho);
    for (std::size_t p = 0; p < v.escavacao.size(); ++p) {
        LinhaTabela linhaFaixa{{faixasProfundidade()[p]}};
        for (double volume : v.escavacao[p])
            linhaFaixa.textos.push_back(formatar2(volume));
        linhaFaixa.textos.push_back(formatar2(v.escavacaoProfundidade[p]));
        linhaFaixa.textos.push_back(formatar2(v.escoramento[p]));
        y += adicionarLinhaTabela(b, y, colunas, linhaFaixa);
    }
    LinhaTabela total{{"Total"}, corPreta, true};
    for (double s : v.escavacaoLargura)
        total.textos.push_back(formatar2(s));
    total.textos.push_back(formatar2(v.total.escavacao));
    total.textos.push_back(formatar2(v.total.escoramento));
    y += adicionarLinhaTabela(b, y, colunas, total) + 12;

    adicionarTexto(b, 0, y, "Serviços (" + contarTrechos(static_cast<std::size_t>(v.trechos)) + " com classe):", estiloLegenda);
    y += linha - 4;
    const std::vector<Coluna> colunasServicos{{320, true}, {110, false}};
    for (const auto& [nome, valor] : std::vector<std::pair<std::string, std::string>>{
             {"Escavação", formatar2(v.total.escavacao) + " m³"},
             {"Escoramento", formatar2(v.total.escoramento) + " m²"},
             {"Lastro (classe B)", formatar2(v.total.lastro) + " m³"},
             {"Berço de concreto (classe A)", formatar2(v.total.berco) + " m³"},
             {"Envolvimento granular (classes B e C)", formatar2(v.total.envolvimento) + " m³"},
             {"Volume dos tubos", formatar2(v.total.tubo) + " m³"},
             {"Reaterro", formatar2(v.total.reaterro) + " m³"},
             {"Bota-fora", formatar2(v.total.botaFora) + " m³"}})
        y += adicionarLinhaTabela(b, y, colunasServicos, {{nome, valor}});
    b.altura = y + 6;
    return b;
}

} // namespace

LayoutRelatorio montarRelatorioRede(const ProjetoTubo& projeto, const RedeTubulacoes& rede,
                                    const MomentoRelatorio& momento)
{
    LayoutRelatorio l;
    l.titulo = "Classes de resistência da rede de tubulações";
    l.numerarPaginas = true;
    l.cabecalhoPagina = cabecalhoPagina(projeto, l);
    l.cabecalhoNaPrimeiraPagina = false;
    const QuantitativosRede q = quantitativosRede(rede.entradas, rede.resultados);
    const int altura = alturaPagina(l);

    // Page 1 the heading, then the stretches, then the stretches without a
    // class, then the pipes' and the trench's quantities.
    l.bandas = {bandaCabecalhoRelatorio(l, momento, tituloRelatorioRede),
                bandaProjetista(projeto.projetista), bandaObra(projeto.obra), bandaCliente(projeto.cliente),
                bandaParametros(projeto),
                bandaRegraCalculo(l, "Regra de cálculo de cada trecho:", regraClassificacaoRede())};
    for (BandaRelatorio& b : bandasTrechos(projeto, rede, altura))
        l.bandas.push_back(std::move(b));
    l.bandas.back().quebraPagina = true;
    if (!q.problemas.empty()) {
        for (BandaRelatorio& b : bandasSemClasse(q, altura))
            l.bandas.push_back(std::move(b));
        l.bandas.back().quebraPagina = true;
    }
    l.bandas.push_back(bandaClasses(q));
    l.bandas.push_back(bandaRegraVala(rede, q, l));
    if (q.vala.aplicavel)
        l.bandas.push_back(bandaVala(q));
    adicionarAssinatura(l, assinaturaProjetista(projeto, momento));
    return l;
}

std::string textoSobrecargaProjeto(const Sobrecarga& s)
{
    static const char* tipos[] = {"Classe 45", "Classe 30", "Eixo triplo"};
    switch (s.natureza) {
    case 0: return std::string("Rodoviária, ") + tipos[s.trafego >= 0 && s.trafego < 3 ? s.trafego : 0];
    case 3: return "Força parcialmente distribuída, " + s.carga + " kN";
    case 4: return "Definida pelo usuário, " + s.carga + " kN/m";
    case 5: return "Nula ou desprezível";
    default: return s.natureza == 1 ? "Ferroviária" : "Aeroviária";
    }
}

std::vector<std::vector<ParLegendaValor>> linhasInstalacaoRede(const ProjetoTubo& p)
{
    const Instalacao& i = p.instalacao;
    const std::string nada = "----";
    const bool vala = i.tipo == Vala;
    return {
        {{0, "Tipo de instalação:", itemLista(listaTiposInstalacao(), i.tipo)}},
        {{0, "Tipo de terreno:", itemLista(listaTerrenos(), i.terreno)},
         {380, "Peso específico do solo =", i.gama + " kN/m³"}},
        {{0, "k.u =", i.kMi}, {190, "Razão de recalque =", vala ? nada : i.razaoRecalque},
         {380, "Altura (ha) =", vala ? nada : i.alturaHa + " m"}},
        {{0, "Aterro com boas condições de compactação:",
          i.tipo == ProjecaoNegativa ? (i.aterroCompactado ? "Sim" : "Não") : nada}},
    };
}

std::vector<std::vector<ParLegendaValor>> linhasBaseRede(const ProjetoTubo& p)
{
    const BaseAssentamento& base = baseEmUso(p);
    return {
        {{0, "Base:", itemLista(listaClassesBase(), base.classe)}},
        {{0, "Fator de equivalência =",
          usaBaseAterro(p.instalacao) ? "calculado em cada ponto (fórmula do aterro)" : base.fator},
         {470, "Coeficiente de segurança =", base.coefSeguranca}},
    };
}

BandaRelatorio bandaRegraCalculo(const LayoutRelatorio& l, const std::string& titulo, const std::string& regra)
{
    BandaRelatorio b{linha};
    adicionarTexto(b, 0, 0, titulo, estiloTitulo);
    adicionarCaixaTexto(b, 0, linha, larguraUtil(l), 0, regra, {12, false});
    b.quebraPagina = true;
    return b;
}
