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

ItemImagem& adicionarImagem(BandaRelatorio& banda, int x, int y, int largura, int altura, std::string caminho,
                            bool manterProporcao)
{
    return banda.imagens.emplace_back(ItemImagem{x, y, largura, altura, std::move(caminho), manterProporcao});
}

void adicionarLinhaPares(BandaRelatorio& banda, int y, const std::vector<ParLegendaValor>& pares,
                         const EstiloTexto& legenda, const EstiloTexto& valor, int espaco)
{
    for (const ParLegendaValor& par : pares) {
        adicionarTexto(banda, par.x, y, par.legenda, legenda);
        adicionarTextoApos(banda, espaco, y, par.valor, valor);
    }
}
