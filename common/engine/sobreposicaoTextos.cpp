#include "sobreposicaoTextos.h"

ExtensaoTexto extensaoTexto(const ItemTexto& t, const MedidorTexto& medidor)
{
    const double largura = medidor.largura(t.texto, t.estilo);
    double x = t.x;
    if (t.estilo.alinhamento == Alinhamento::direita)
        x = t.x + t.largura - largura;
    else if (t.estilo.alinhamento == Alinhamento::centro)
        x = t.x + (t.largura - largura) / 2;
    return {x, x + largura, t.y, t.y + t.altura};
}

std::vector<std::pair<std::size_t, std::size_t>> textosSobrepostos(const PaginaRelatorio& pagina,
                                                                   const MedidorTexto& medidor)
{
    std::vector<ExtensaoTexto> e;
    for (const ItemTexto& t : pagina.textos)
        e.push_back(extensaoTexto(t, medidor));
    std::vector<std::pair<std::size_t, std::size_t>> pares;
    for (std::size_t i = 0; i < e.size(); ++i)
        for (std::size_t j = i + 1; j < e.size(); ++j) {
            const bool vazio = pagina.textos[i].texto.empty() || pagina.textos[j].texto.empty();
            if (!vazio && e[i].esquerda < e[j].direita && e[j].esquerda < e[i].direita && e[i].topo < e[j].base &&
                e[j].topo < e[i].base)
                pares.emplace_back(i, j);
        }
    return pares;
}
