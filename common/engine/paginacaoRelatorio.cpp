#include "paginacaoRelatorio.h"

#include <algorithm>
#include <cmath>

namespace {
// Where a line of text ends on the right, as its alignment puts it in its box.
int fimDoTexto(int x, int largura, int larguraTexto, Alinhamento alinhamento)
{
    if (largura <= 0 || alinhamento == Alinhamento::esquerda)
        return x + larguraTexto;
    if (alinhamento == Alinhamento::direita)
        return x + largura;
    return x + (largura + larguraTexto) / 2;
}

bool vazia(const BandaRelatorio& banda)
{
    return banda.textos.empty() && banda.imagens.empty() && banda.retangulos.empty() && banda.linhas.empty();
}

void colocar(const BandaResolvida& banda, int x, int y, PaginaRelatorio& pagina)
{
    for (ItemTexto t : banda.textos) {
        t.x += x;
        t.y += y;
        pagina.textos.push_back(std::move(t));
    }
    for (ItemImagem i : banda.imagens) {
        i.x += x;
        i.y += y;
        pagina.imagens.push_back(std::move(i));
    }
    for (ItemRetangulo r : banda.retangulos) {
        r.x += x;
        r.y += y;
        pagina.retangulos.push_back(r);
    }
    for (ItemLinha l : banda.linhas) {
        l.x1 += x;
        l.x2 += x;
        l.y1 += y;
        l.y2 += y;
        pagina.linhas.push_back(l);
    }
}
// "Página N de M" under the last band's room, at the right margin.
void numerarPaginas(RelatorioPaginado& relatorio, const LayoutRelatorio& layout, const MedidorTexto& medidor)
{
    const int total = static_cast<int>(relatorio.paginas.size());
    for (int n = 1; n <= total; ++n) {
        ItemTexto t;
        t.texto = "Página " + std::to_string(n) + " de " + std::to_string(total);
        t.estilo = estiloNumeroPagina;
        t.x = layout.margens.esquerda;
        t.largura = larguraUtil(layout);
        t.altura = medidor.alturaLinha(t.estilo);
        t.y = alturaA4 - layout.margens.base - t.altura;
        relatorio.paginas[static_cast<std::size_t>(n - 1)].textos.push_back(std::move(t));
    }
}
} // namespace

BandaResolvida resolverBanda(const BandaRelatorio& banda, const MedidorTexto& medidor)
{
    BandaResolvida r;
    r.altura = banda.altura;
    r.imagens = banda.imagens;
    r.retangulos = banda.retangulos;
    r.linhas = banda.linhas;
    int fimAnterior = 0; // right end of the previous text, for `aposAnterior`
    for (const ItemTexto& item : banda.textos) {
        const int x = item.aposAnterior ? fimAnterior + item.x : item.x;
        const int alturaLinha = medidor.alturaLinha(item.estilo);
        const int larguraTexto = static_cast<int>(std::ceil(medidor.largura(item.texto, item.estilo)));

        // A box after its caption ends at the edge `largura` gives.
        const int larguraCaixa =
            item.multilinha && item.aposAnterior ? std::max(40, item.largura - x) : item.largura;
        ItemTexto linha = item;
        linha.x = x;
        linha.largura = larguraCaixa;
        linha.multilinha = false;
        linha.aposAnterior = false;
        linha.altura = alturaLinha;
        if (!item.multilinha) {
            fimAnterior = fimDoTexto(x, linha.largura, larguraTexto, item.estilo.alinhamento);
            if (linha.largura <= 0)
                linha.largura = larguraTexto;
            r.textos.push_back(std::move(linha));
            continue;
        }
        std::vector<std::string> linhas = quebrarLinhas(item.texto, larguraCaixa, item.estilo, medidor);
        if (item.encolher && item.altura > 0) {
            // The largest font whose lines all fit the box.
            auto cabe = [&](const std::vector<std::string>& ls, const EstiloTexto& e) {
                return static_cast<int>(ls.size()) * medidor.alturaLinha(e) <= item.altura;
            };
            while (!cabe(linhas, linha.estilo) && linha.estilo.tamanho > 7) {
                --linha.estilo.tamanho;
                linhas = quebrarLinhas(item.texto, larguraCaixa, linha.estilo, medidor);
            }
        }
        const int alturaLinhaCaixa = medidor.alturaLinha(linha.estilo);
        linha.altura = alturaLinhaCaixa;
        // A shrinking box loses no line: one that still does not fit shows as
        // an overlap, which the layout tests look for.
        if (item.altura > 0 && !item.encolher)
            linhas.resize(std::min(linhas.size(), static_cast<std::size_t>(std::max(1, item.altura / alturaLinhaCaixa))));
        else if (item.altura <= 0)
            r.altura = std::max(r.altura, item.y + static_cast<int>(linhas.size()) * alturaLinhaCaixa);
        int maisLarga = 0;
        for (std::size_t k = 0; k < linhas.size(); ++k) {
            ItemTexto l = linha;
            l.texto = std::move(linhas[k]);
            l.y = item.y + static_cast<int>(k) * alturaLinhaCaixa;
            const int larguraLinha = static_cast<int>(std::ceil(medidor.largura(l.texto, l.estilo)));
            maisLarga = std::max(maisLarga, larguraLinha);
            if (l.largura <= 0)
                l.largura = larguraLinha;
            r.textos.push_back(std::move(l));
        }
        fimAnterior = x + (larguraCaixa > 0 ? larguraCaixa : maisLarga);
    }
    return r;
}

RelatorioPaginado paginarRelatorio(const LayoutRelatorio& layout, const MedidorTexto& medidor)
{
    RelatorioPaginado relatorio;
    relatorio.titulo = layout.titulo;
    const MargensPagina& m = layout.margens;
    const int fundo = alturaA4 - m.base - (layout.numerarPaginas ? alturaNumeroPagina : 0);
    const bool temCabecalho = !vazia(layout.cabecalhoPagina);
    const BandaResolvida cabecalho = resolverBanda(layout.cabecalhoPagina, medidor);

    std::vector<BandaResolvida> resolvidas;
    resolvidas.reserve(layout.bandas.size());
    for (const BandaRelatorio& banda : layout.bandas)
        resolvidas.push_back(resolverBanda(banda, medidor));
    // The height of band k with the bands it keeps with.
    auto alturaGrupo = [&](std::size_t k) {
        int h = resolvidas[k].altura;
        while (layout.bandas[k].manterComSeguinte && !layout.bandas[k].quebraPagina && k + 1 < resolvidas.size())
            h += resolvidas[++k].altura;
        return h;
    };
    const int alturaPagina = fundo - m.topo - (temCabecalho ? cabecalho.altura : 0);

    int y = m.topo;
    bool paginaSemBandas = true; // only the header so far: any band goes here
    bool pedirPagina = true;     // no page yet, or the previous band broke it
    bool mantidaAnterior = false; // the previous band keeps with this one
    for (std::size_t k = 0; k < resolvidas.size(); ++k) {
        const BandaResolvida& r = resolvidas[k];
        int altura = r.altura;
        if (!mantidaAnterior && layout.bandas[k].manterComSeguinte) {
            const int grupo = alturaGrupo(k);
            if (grupo <= alturaPagina)
                altura = grupo;
        }
        if (pedirPagina || (!paginaSemBandas && y + altura > fundo)) {
            relatorio.paginas.emplace_back();
            y = m.topo;
            if (temCabecalho && (layout.cabecalhoNaPrimeiraPagina || relatorio.paginas.size() > 1)) {
                colocar(cabecalho, m.esquerda, y, relatorio.paginas.back());
                y += cabecalho.altura;
            }
            paginaSemBandas = true;
        }
        colocar(r, m.esquerda, y, relatorio.paginas.back());
        y += r.altura;
        paginaSemBandas = false;
        pedirPagina = layout.bandas[k].quebraPagina;
        mantidaAnterior = layout.bandas[k].manterComSeguinte && !pedirPagina;
    }
    if (layout.numerarPaginas)
        numerarPaginas(relatorio, layout, medidor);
    return relatorio;
}
