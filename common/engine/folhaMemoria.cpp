#include "folhaMemoria.h"

#include "bandasRelatorio.h"

namespace {

constexpr EstiloTexto estiloTituloFolha{19, true, corVermelha, Alinhamento::centro};
constexpr EstiloTexto estiloGrupo{15, true};
constexpr EstiloTexto estiloTituloPasso{13, true, CorRgb{0, 0, 128}};
constexpr EstiloTexto estiloNome{11, false, CorRgb{80, 80, 80}};
constexpr EstiloTexto estiloLinha{12, false};
constexpr EstiloTexto estiloNota{12, false, CorRgb{0, 0, 128}};
constexpr int colunaNome = 0;
constexpr int larguraNome = 230;
constexpr int colunaLinha = 240;
constexpr int linhaPar = 20;
constexpr CorRgb corAtende{0, 0, 128};
constexpr CorRgb corNaoAtende{200, 0, 0};

BandaRelatorio bandaCaixa(int x, int largura, const std::string& texto, const EstiloTexto& estilo, int espacoAntes)
{
    BandaRelatorio b{0};
    adicionarCaixaTexto(b, x, espacoAntes, largura, 0, texto, estilo);
    return b;
}

} // namespace

std::string juntarTextos(std::initializer_list<std::string> partes, const char* separador)
{
    std::string r;
    for (const std::string& p : partes) {
        if (p.empty())
            continue;
        if (!r.empty())
            r += separador;
        r += p;
    }
    return r;
}

LayoutRelatorio novaFolhaMemoria(const std::string& titulo, const CabecalhoFolha& c)
{
    LayoutRelatorio folha;
    folha.titulo = titulo;
    folha.numerarPaginas = true;
    const int largura = larguraUtil(folha);

    // Every page says what it is and when it was made.
    BandaRelatorio& topo = folha.cabecalhoPagina;
    topo.altura = 24;
    const EstiloTexto pequeno{10, true, CorRgb{80, 80, 80}};
    adicionarTexto(topo, 0, 0, "Memória de cálculo - " + c.programa, pequeno);
    adicionarTexto(topo, 0, 0, c.data + " " + c.hora, {10, true, CorRgb{80, 80, 80}, Alinhamento::direita}, largura);

    BandaRelatorio cabecalho{64};
    adicionarTexto(cabecalho, 0, 0, "MEMÓRIA DE CÁLCULO", estiloTituloFolha, largura);
    adicionarTexto(cabecalho, 0, 24, c.programa, {13, true, corVermelha, Alinhamento::centro}, largura);
    adicionarTexto(cabecalho, 0, 44, "Gerado em " + c.data + " às " + c.hora,
                   {11, true, corVermelha, Alinhamento::centro}, largura);
    folha.bandas.push_back(std::move(cabecalho));
    for (const GrupoFolha& g : c.grupos)
        adicionarGrupoFolha(folha, g);
    return folha;
}

void adicionarGrupoFolha(LayoutRelatorio& folha, const GrupoFolha& grupo)
{
    const int largura = larguraUtil(folha);
    const int meia = largura / 2;
    BandaRelatorio titulo{30};
    adicionarTexto(titulo, 0, 6, grupo.titulo, estiloGrupo);
    titulo.manterComSeguinte = !grupo.linhas.empty();
    folha.bandas.push_back(std::move(titulo));
    // Two pairs a row, left and right; a pair marked by `linhaInteira` (an
    // empty second caption) takes the whole row. Each row is a band of its
    // own, so a value that wraps pushes the rows under it down.
    std::size_t i = 0;
    while (i < grupo.linhas.size()) {
        BandaRelatorio b{linhaPar};
        const auto& [legenda, valor] = grupo.linhas[i];
        const bool longo = grupo.inteiras.count(i) > 0;
        adicionarTexto(b, 0, 0, legenda, estiloLegenda);
        adicionarValorAte(b, espacoLegendaValor, 0, longo ? largura : meia - 12, valor, estiloValor);
        ++i;
        if (!longo && i < grupo.linhas.size() && grupo.inteiras.count(i) == 0) {
            const auto& [legenda2, valor2] = grupo.linhas[i];
            adicionarTexto(b, meia, 0, legenda2, estiloLegenda);
            adicionarValorAte(b, espacoLegendaValor, 0, largura, valor2, estiloValor);
            ++i;
        }
        folha.bandas.push_back(std::move(b));
    }
    if (!folha.bandas.empty())
        folha.bandas.back().altura += 4;
}

void adicionarTextosFolha(LayoutRelatorio& folha, const std::string& titulo, const std::vector<std::string>& paragrafos)
{
    const int largura = larguraUtil(folha);
    BandaRelatorio t{30};
    adicionarTexto(t, 0, 6, titulo, estiloGrupo);
    t.manterComSeguinte = !paragrafos.empty();
    folha.bandas.push_back(std::move(t));
    for (const std::string& p : paragrafos) {
        BandaRelatorio b{0};
        adicionarTexto(b, 0, 2, "•", estiloLinha);
        adicionarCaixaTexto(b, 14, 2, largura - 14, 0, p, estiloLinha);
        b.altura = 4;
        folha.bandas.push_back(std::move(b));
    }
}

void adicionarVerificacoesFolha(LayoutRelatorio& folha, const std::string& titulo,
                                const std::vector<LinhaVerificacao>& linhas)
{
    const int largura = larguraUtil(folha);
    BandaRelatorio t{30};
    adicionarTexto(t, 0, 6, titulo, estiloGrupo);
    t.manterComSeguinte = !linhas.empty();
    folha.bandas.push_back(std::move(t));
    for (const LinhaVerificacao& l : linhas) {
        BandaRelatorio b{0};
        EstiloTexto estilo = estiloLinha;
        estilo.cor = l.atende ? corAtende : corNaoAtende;
        adicionarCaixaTexto(b, colunaLinha, 2, largura - colunaLinha, 0, l.texto, estilo);
        adicionarCaixaTexto(b, colunaNome, 3, larguraNome, 0, l.nome, estiloNome);
        folha.bandas.push_back(std::move(b));
    }
}

void adicionarVereditoFolha(LayoutRelatorio& folha, const std::string& texto, bool atende)
{
    BandaRelatorio b{0};
    adicionarCaixaTexto(b, 0, 10, larguraUtil(folha), 0, texto,
                        {15, true, atende ? corAtende : corNaoAtende, Alinhamento::esquerda});
    b.altura = 10;
    folha.bandas.push_back(std::move(b));
}

void adicionarMemoria(LayoutRelatorio& folha, const MemoriaCalculo& memoria)
{
    const int largura = larguraUtil(folha);
    std::size_t grandezasAntes = 0; // bands of quantities since the last heading or note
    for (std::size_t i = 0; i < memoria.passos.size(); ++i) {
        const PassoMemoria& p = memoria.passos[i];
        if (p.tipo == TipoPassoMemoria::Titulo) {
            // A heading never stays alone at the foot of a page.
            BandaRelatorio t = bandaCaixa(0, largura, p.nome.str(), estiloTituloPasso, 10);
            t.manterComSeguinte = true;
            folha.bandas.push_back(std::move(t));
            grandezasAntes = 0;
            continue;
        }
        BandaRelatorio b{0};
        if (p.tipo == TipoPassoMemoria::Nota) {
            adicionarCaixaTexto(b, colunaLinha, 2, largura - colunaLinha, 0, p.nome.str(), estiloNota);
            // A note concludes the quantities just before it: they stay on its page.
            for (std::size_t k = 1; k <= 6 && k <= grandezasAntes; ++k)
                folha.bandas[folha.bandas.size() - k].manterComSeguinte = true;
            grandezasAntes = 0;
        } else {
            ++grandezasAntes;
            adicionarCaixaTexto(b, colunaNome, 2, larguraNome, 0, p.nome.str(), estiloNome);
            adicionarCaixaTexto(b, colunaLinha, 1, largura - colunaLinha, 0, linhaMemoria(memoria, i), estiloLinha);
        }
        folha.bandas.push_back(std::move(b));
    }
    // A trace that ends on a heading leaves it as it is.
    if (!folha.bandas.empty() && !memoria.passos.empty() && memoria.passos.back().tipo == TipoPassoMemoria::Titulo)
        folha.bandas.back().manterComSeguinte = false;
}
