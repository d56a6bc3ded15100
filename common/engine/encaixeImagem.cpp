#include "encaixeImagem.h"

#include <algorithm>
#include <cmath>

Retangulo encaixarImagem(const ItemImagem& item, int larguraFigura, int alturaFigura)
{
    const Retangulo caixa{item.x, item.y, item.largura, item.altura};
    if (!item.manterProporcao || larguraFigura <= 0 || alturaFigura <= 0)
        return caixa;
    const double escala = std::min(static_cast<double>(item.largura) / larguraFigura,
                                   static_cast<double>(item.altura) / alturaFigura);
    const int largura = static_cast<int>(std::lround(larguraFigura * escala));
    const int altura = static_cast<int>(std::lround(alturaFigura * escala));
    return {item.x + (item.largura - largura) / 2, item.y + (item.altura - altura) / 2, largura, altura};
}
