#include "buscaParede.h"

#include "custoTubo.h"
#include "geometriaRedwan.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

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

BuscaMenorCusto buscarMenorCustoCelula(const EntradaLinha& linha, int diametro, int classe,
                                       const PrecosCusto& precos)
{
    const int minima = paredeMinimaRecomendada(linha, diametro);
    const double di = diametroDaLinha(linha.diametros[static_cast<std::size_t>(diametro)]);
    return buscarMenorCusto(
        minima, minima + folgaBuscaParede,
        [&](int h) -> std::optional<double> {
            const CelulaLinha c = dimensionarCelula(linha, diametro, classe, std::to_string(h));
            if (!c.passa())
                return std::nullopt;
            return custoDoResultado(c.execucao.resultado, precos).custo;
        },
        // A thicker wall holds more concrete, and no pipe passes without steel.
        [&](int h) { return volumeConcreto(di, h) * precos.concreto; });
}

// The cells are shared out among the processors, each cell searched whole
// by one of them; the progress is told one cell at a time, in any order.
bool buscarMenoresCustos(TabelaLinha& tabela, const ProgressoBusca& progresso)
{
    const int total = static_cast<int>(tabela.celulas.size());
    std::atomic<int> proxima{0};
    std::atomic<bool> parar{false};
    std::mutex guarda;
    int feitas = 0;
    auto trabalhar = [&] {
        for (int k = proxima++; k < total && !parar; k = proxima++) {
            CelulaLinha& c = tabela.celulas[static_cast<std::size_t>(k)];
            const BuscaMenorCusto b = buscarMenorCustoCelula(tabela.entrada, c.diametro, c.classe, tabela.precos);
            const std::lock_guard<std::mutex> trava(guarda);
            c.menorCusto = b;
            c.menorCustoBuscado = true;
            c.paredeMinimaViavel = b.paredeMinimaViavel;
            c.paredeBuscada = true;
            ++feitas;
            if (progresso && !progresso(feitas, total))
                parar = true;
        }
    };
    const unsigned processadores = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> ajudantes;
    for (unsigned n = 1; n < processadores; ++n)
        ajudantes.emplace_back(trabalhar);
    trabalhar();
    for (std::thread& t : ajudantes)
        t.join();
    if (parar)
        return false;
    tabela.paredesBuscadas = true;
    return true;
}
