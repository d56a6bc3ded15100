#include "redeTubulacoes.h"

#include <algorithm>

std::vector<ResultadoTrecho> classificarRede(const ProjetoTubo& projeto, const std::vector<EntradaTrecho>& entradas,
                                             const ParametrosVala& vala)
{
    const ProjetoTubo base = projetoBaseRede(projeto);
    std::vector<ResultadoTrecho> resultados;
    resultados.reserve(entradas.size());
    for (const EntradaTrecho& e : entradas)
        resultados.push_back(classificarTrecho(base, e, vala));
    return resultados;
}

int trechosComProblema(const std::vector<ResultadoTrecho>& resultados)
{
    return static_cast<int>(
        std::count_if(resultados.begin(), resultados.end(), [](const ResultadoTrecho& r) { return !r.classificado; }));
}
