#include "listaRecentes.h"

#include <algorithm>

void removerRecente(ListaRecentes& lista, const std::string& caminho)
{
    auto& c = lista.caminhos;
    c.erase(std::remove(c.begin(), c.end(), caminho), c.end());
}

void acrescentarRecente(ListaRecentes& lista, const std::string& caminho)
{
    if (caminho.empty())
        return;
    removerRecente(lista, caminho);
    auto& c = lista.caminhos;
    c.insert(c.begin(), caminho);
    if (c.size() > maximoRecentes)
        c.resize(maximoRecentes);
}

ListaRecentes listaRecentesDeLinhas(const std::vector<std::string>& linhas)
{
    ListaRecentes lista;
    for (std::string linha : linhas) {
        // A file written on another system may end its lines with CR.
        if (!linha.empty() && linha.back() == '\r')
            linha.pop_back();
        auto& c = lista.caminhos;
        if (linha.empty() || std::find(c.begin(), c.end(), linha) != c.end())
            continue;
        c.push_back(linha);
        if (c.size() == maximoRecentes)
            break;
    }
    return lista;
}

std::vector<std::string> linhasDaListaRecentes(const ListaRecentes& lista) { return lista.caminhos; }
