#include "relatorioRede.h"

#include "bandasRelatorio.h"
#include "basesAssentamento.h"
#include "colunasRede.h"
#include "numeros.h"

#include <algorithm>

namespace {

constexpr int linha = 25;            // rows of the parameter bands
constexpr int linhaTabela = 14;      // rows of the tables
constexpr int linhasPorPagina = 62;  // table rows under one heading
constexpr EstiloTexto estiloTitulo{16, true};
constexpr EstiloTexto estiloCelula{10, false, corPreta, Alinhamento::direita};
constexpr EstiloTexto estiloCelulaTexto{10, false};
constexpr EstiloTexto estiloCabecalhoTabela{10, true, corPreta, Alinhamento::direita};

struct Coluna {
    int largura;
    bool texto; // left-aligned
};

std::string item(const std::vector<std::string>& lista, int indice)
{
    return indice >= 0 && indice < static_cast<int>(lista.size()) ? lista[static_cast<std::size_t>(indice)]
                                                                 : std::string();
}

// One row of cells in a band; a text wider than its cell is cut at its edge.
// A left-aligned text keeps a gap from the right-aligned number before it.
void adicionarLinhaTabela(BandaRelatorio& b, int y, const std::vector<Coluna>& colunas,
                          const std::vector<std::string>& textos, bool negrito, CorRgb cor,
                          int ultimaLargura = 0)
{
    constexpr int recuo = 8;
    int x = 0;
    for (std::size_t c = 0; c < colunas.size() && c < textos.size(); ++c) {
        const bool ultima = c + 1 == textos.size();
        const int largura = ultima && ultimaLargura > 0 ? ultimaLargura : colunas[c].largura;
        const bool texto = colunas[c].texto || (ultima && ultimaLargura > 0);
        EstiloTexto estilo = texto ? estiloCelulaTexto : estiloCelula;
        estilo.negrito = negrito;
        estilo.cor = cor;
        const int antes = texto && c > 0 ? recuo : 2;
        adicionarCaixaTexto(b, x + antes, y, largura - antes - 2, linhaTabela, textos[c], estilo);
        x += colunas[c].largura;
    }
}

std::string textoSobrecarga(const Sobrecarga& s)
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

BandaRelatorio bandaParametros(const ProjetoTubo& p, const LayoutRelatorio& l)
{
    const Instalacao& i = p.instalacao;
    const std::string nada = "----";
    const bool vala = i.tipo == Vala;
    const bool aterro = usaBaseAterro(i);
    const BaseAssentamento& base = baseEmUso(p);
    const std::vector<std::vector<ParLegendaValor>> linhas{
        {{0, "Finalidade:", item(listaFinalidades(), p.geometria.finalidade)},
         {380, "Tipo:", item(listaTiposTubo(), p.geometria.tipoTubo)}},
        {{0, "Tipo de instalação:", item(listaTiposInstalacao(), i.tipo)}},
        {{0, "Tipo de terreno:", item(listaTerrenos(), i.terreno)},
         {380, "Peso específico do solo =", i.gama + " kN/m³"}},
        {{0, "k.u =", i.kMi}, {190, "Razão de recalque =", vala ? nada : i.razaoRecalque},
         {380, "Altura (ha) =", vala ? nada : i.alturaHa + " m"}},
        {{0, "Aterro com boas condições de compactação:", i.tipo == ProjecaoNegativa ? (i.aterroCompactado ? "Sim" : "Não") : nada}},
        {{0, "Sobrecarga do projeto:", textoSobrecarga(p.sobrecarga)}},
        {{0, "Base:", item(listaClassesBase(), base.classe)}},
        {{0, "Fator de equivalência =", aterro ? "calculado em cada ponto (fórmula do aterro)" : base.fator},
         {470, "Coeficiente de segurança =", base.coefSeguranca}},
    };
    BandaRelatorio b{static_cast<int>(linhas.size() + 1) * linha + 10};
    adicionarTexto(b, 0, 0, "Parâmetros da rede (do projeto):", estiloTitulo);
    int y = linha;
    for (const auto& pares : linhas) {
        adicionarLinhaPares(b, y, pares);
        y += linha;
    }
    (void)l;
    return b;
}

BandaRelatorio bandaRegra(const LayoutRelatorio& l)
{
    BandaRelatorio b{linha};
    adicionarTexto(b, 0, 0, "Regra de cálculo de cada trecho:", estiloTitulo);
    adicionarCaixaTexto(b, 0, linha, larguraUtil(l), 0, regraClassificacaoRede(), {12, false});
    b.quebraPagina = true;
    return b;
}

const std::vector<Coluna>& colunasTrechos()
{
    // Trecho, Montante, Jusante, L, DI, hs mont., hs jus., hs gov., bv, W, qs, fe, R, Classe
    static const std::vector<Coluna> colunas{{88, true}, {66, true}, {66, true}, {44, false}, {36, false},
                                             {38, false}, {38, false}, {38, false}, {34, false}, {46, false},
                                             {44, false}, {30, false}, {46, false}, {104, true}};
    return colunas;
}

BandaRelatorio bandaTrechos(const RedeTubulacoes& rede, std::size_t inicio, std::size_t fim, bool primeira)
{
    const int titulo = primeira ? linha : 0;
    BandaRelatorio b{titulo + static_cast<int>(fim - inicio + 2) * linhaTabela + 6};
    if (primeira)
        adicionarTexto(b, 0, 0, "Trechos da rede:", estiloTitulo);
    const std::vector<Coluna>& colunas = colunasTrechos();
    adicionarLinhaTabela(b, titulo, colunas,
                         {"Trecho", "Montante", "Jusante", "L", "DI", "hs", "hs", "hs", "bv", "W", "qs", "fe", "R",
                          "Classe"},
                         true, corPreta);
    adicionarLinhaTabela(b, titulo + linhaTabela, colunas,
                         {"", "", "", "(m)", "(mm)", "mont.", "jus.", "gov.", "(m)", "(kN/m)", "(kN/m)", "", "(kN/m)", ""},
                         true, corPreta);
    int y = titulo + 2 * linhaTabela;
    for (std::size_t i = inicio; i < fim; ++i, y += linhaTabela) {
        const EntradaTrecho& e = rede.entradas[i];
        const ResultadoTrecho& r = rede.resultados[i];
        auto res = [&r](ColunaResultado c) { return textoResultado(r, c); };
        std::vector<std::string> textos{e.trecho, e.montante, e.jusante, r.comprimento > 0 ? formatar2(r.comprimento) : e.comprimento,
                                        e.di};
        if (r.classificado) {
            for (ColunaResultado c : {ColunaResultado::HsMontante, ColunaResultado::HsJusante, ColunaResultado::HsGovernante,
                                      ColunaResultado::Bv, ColunaResultado::W, ColunaResultado::Qs, ColunaResultado::Fe,
                                      ColunaResultado::R, ColunaResultado::Classe})
                textos.push_back(res(c));
            adicionarLinhaTabela(b, y, colunas, textos, false, corPreta);
        } else {
            // The message takes the room of the results.
            textos.push_back(r.mensagem);
            int largura = 0;
            for (std::size_t c = 5; c < colunas.size(); ++c)
                largura += colunas[c].largura;
            adicionarLinhaTabela(b, y, colunas, textos, false, corVermelha, largura);
        }
    }
    return b;
}


BandaRelatorio bandaSemClasse(const QuantitativosRede& q, std::size_t inicio, std::size_t fim, bool primeira)
{
    static const std::vector<Coluna> colunas{{120, true}, {70, false}, {528, true}};
    const int titulo = primeira ? 2 * linha : 0;
    BandaRelatorio b{titulo + static_cast<int>(fim - inicio + 1) * linhaTabela + 6};
    if (primeira) {
        adicionarTexto(b, 0, 0, "Quantitativos:", estiloTitulo);
        adicionarTexto(b, 0, linha, "Trechos sem classe (" + std::to_string(q.problemas.size()) + "):", estiloLegenda);
    }
    adicionarLinhaTabela(b, titulo, colunas, {"Trecho", "L (m)", "Motivo"}, true, corPreta);
    int y = titulo + linhaTabela;
    for (std::size_t i = inicio; i < fim; ++i, y += linhaTabela) {
        const TrechoSemClasse& p = q.problemas[i];
        adicionarLinhaTabela(b, y, colunas, {p.trecho, p.metros > 0 ? formatar2(p.metros) : "", p.mensagem}, false,
                             corVermelha);
    }
    return b;
}

void adicionarTabelaClasses(BandaRelatorio& b, int& y, const std::string& titulo,
                            const std::vector<LinhaQuantitativo>& linhas)
{
    static const std::vector<Coluna> colunas{{90, false}, {90, true}, {110, false}, {80, false}};
    adicionarTexto(b, 0, y, titulo, estiloLegenda);
    y += linha - 4;
    adicionarLinhaTabela(b, y, colunas, {"DI (mm)", "Classe", "Comprimento (m)", "Trechos"}, true, corPreta);
    y += linhaTabela;
    for (const LinhaQuantitativo& l : linhas) {
        adicionarLinhaTabela(b, y, colunas,
                             {std::to_string(l.di), l.classe, formatar2(l.metros), std::to_string(l.trechos)}, false,
                             corPreta);
        y += linhaTabela;
    }
    if (linhas.empty()) {
        adicionarTexto(b, 2, y, "nenhum", estiloCelulaTexto);
        y += linhaTabela;
    }
    y += 8;
}

BandaRelatorio bandaClasses(const QuantitativosRede& q, bool comTitulo)
{
    BandaRelatorio b;
    int y = 0;
    if (comTitulo) {
        adicionarTexto(b, 0, 0, "Quantitativos:", estiloTitulo);
        y = linha;
    }
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

std::size_t paginas(std::size_t linhas) { return (linhas + linhasPorPagina - 1) / linhasPorPagina; }

} // namespace

LayoutRelatorio montarRelatorioRede(const ProjetoTubo& projeto, const RedeTubulacoes& rede,
                                    const MomentoRelatorio& momento)
{
    LayoutRelatorio l;
    l.titulo = "Classes de resistência da rede de tubulações";
    l.numerarPaginas = true;
    const std::size_t n = std::min(rede.entradas.size(), rede.resultados.size());
    const QuantitativosRede q = quantitativosRede(rede.entradas, rede.resultados);

    // Page 1 the heading, then the stretches, then the stretches without a
    // class, then the classes (on the last page of those without one when it fits).
    const std::size_t paginasTrechos = std::max<std::size_t>(1, paginas(n));
    const std::size_t paginasProblemas = paginas(q.problemas.size());
    bool classesJuntas = false;
    if (paginasProblemas > 0) {
        const std::size_t inicioUltima = (paginasProblemas - 1) * linhasPorPagina;
        const int altura = bandaSemClasse(q, inicioUltima, q.problemas.size(), paginasProblemas == 1).altura +
                           bandaClasses(q, false).altura;
        classesJuntas = altura <= alturaA4 - l.margens.topo - l.margens.base - alturaNumeroPagina;
    }

    l.bandas = {bandaCabecalhoRelatorio(l, momento, tituloRelatorioRede),
                bandaProjetista(projeto.projetista), bandaObra(projeto.obra), bandaCliente(projeto.cliente),
                bandaParametros(projeto, l), bandaRegra(l)};
    for (std::size_t p = 0; p < paginasTrechos; ++p) {
        BandaRelatorio b = bandaTrechos(rede, p * linhasPorPagina, std::min(n, (p + 1) * linhasPorPagina), p == 0);
        b.quebraPagina = true;
        l.bandas.push_back(std::move(b));
    }
    for (std::size_t p = 0; p < paginasProblemas; ++p) {
        BandaRelatorio b = bandaSemClasse(q, p * linhasPorPagina, std::min(q.problemas.size(), (p + 1) * linhasPorPagina), p == 0);
        b.quebraPagina = p + 1 < paginasProblemas || !classesJuntas;
        l.bandas.push_back(std::move(b));
    }
    l.bandas.push_back(bandaClasses(q, paginasProblemas == 0));
    return l;
}
