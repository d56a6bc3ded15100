#include "bandasRelatorio.h"

ItemTexto& adicionarTexto(BandaRelatorio& banda, int x, int y, std::string texto, const EstiloTexto& estilo,
                          int largura)
{
    ItemTexto item;
    item.x = x;
    item.y = y;
    item.largura = largura;
    item.texto = std::move(texto);
    item.estilo = estilo;
    return banda.textos.emplace_back(std::move(item));
}

ItemTexto& adicionarTextoApos(BandaRelatorio& banda, int espaco, int y, std::string texto, const EstiloTexto& estilo)
{
    ItemTexto& item = adicionarTexto(banda, espaco, y, std::move(texto), estilo);
    item.aposAnterior = true;
    return item;
}

ItemTexto& adicionarCaixaTexto(BandaRelatorio& banda, int x, int y, int largura, int altura, std::string texto,
                               const EstiloTexto& estilo)
{
    ItemTexto& item = adicionarTexto(banda, x, y, std::move(texto), estilo, largura);
    item.multilinha = true;
    item.altura = altura;
    return item;
}

ItemTexto& adicionarValorAte(BandaRelatorio& banda, int espaco, int y, int direita, std::string texto,
                             const EstiloTexto& estilo)
{
    ItemTexto& item = adicionarCaixaTexto(banda, espaco, y, direita, 0, std::move(texto), estilo);
    item.aposAnterior = true;
    return item;
}

ItemImagem& adicionarImagem(BandaRelatorio& banda, int x, int y, int largura, int altura, std::string caminho,
                            bool manterProporcao)
{
    return banda.imagens.emplace_back(ItemImagem{x, y, largura, altura, std::move(caminho), manterProporcao});
}

void adicionarLinhaPares(BandaRelatorio& banda, int y, const std::vector<ParLegendaValor>& pares,
                         const EstiloTexto& legenda, const EstiloTexto& valor, int espaco, int limitarAte)
{
    for (std::size_t i = 0; i < pares.size(); ++i) {
        const ParLegendaValor& par = pares[i];
        adicionarTexto(banda, par.x, y, par.legenda, legenda);
        int direita = par.direita;
        if (direita <= 0 && limitarAte > 0)
            direita = i + 1 < pares.size() ? pares[i + 1].x - 8 : limitarAte;
        if (direita <= 0) {
            adicionarTextoApos(banda, espaco, y, par.valor, valor);
            continue;
        }
        ItemTexto& v = adicionarCaixaTexto(banda, espaco, y, direita, alturaValorLimitado, par.valor, valor);
        v.aposAnterior = true;
        v.encolher = true;
    }
}
