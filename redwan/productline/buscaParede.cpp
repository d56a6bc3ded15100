#include "buscaParede.h"

#include "geometriaRedwan.h"

int paredeMinimaRecomendada(const EntradaLinha& linha, int diametro)
{
    GeometriaRedwan g;
    g.indiceDi = linha.diametros[static_cast<std::size_t>(diametro)].indiceDi;
    return espessuraMinima(linha.finalidade, diametroInterno(g));
}

std::optional<int> buscarParedeMinima(const EntradaLinha& linha, int diametro, int classe)
{
    const int minima = paredeMinimaRecomendada(linha, diametro);
    for (int h = minima; h <= minima + folgaBuscaParede; ++h)
        if (dimensionarCelula(linha, diametro, classe, std::to_string(h)).passa())
            return h;
    return std::nullopt;
}

bool buscarParedes(TabelaLinha& tabela, const ProgressoBusca& progresso)
{
    const int total = static_cast<int>(tabela.celulas.size());
    for (int k = 0; k < total; ++k) {
        CelulaLinha& c = tabela.celulas[static_cast<std::size_t>(k)];
        c.paredeMinimaViavel = buscarParedeMinima(tabela.entrada, c.diametro, c.classe);
        c.paredeBuscada = true;
        if (progresso && !progresso(k + 1, total))
            return false;
    }
    tabela.paredesBuscadas = true;
    return true;
}
