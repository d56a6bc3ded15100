#pragma once
// A whole network classed with the parameters of one project.

#include "classificacaoTrecho.h"
#include "quantitativosRede.h"

#include <vector>

struct RedeTubulacoes {
    std::vector<EntradaTrecho> entradas;
    std::vector<ResultadoTrecho> resultados; // one per input, in the same order
    ParametrosVala vala;                     // what the trench quantities were computed with
};

// Classes every stretch; one bad stretch never stops the others.
std::vector<ResultadoTrecho> classificarRede(const ProjetoTubo& projeto, const std::vector<EntradaTrecho>& entradas,
                                             const ParametrosVala& vala = {});

// How many stretches got no class.
int trechosComProblema(const std::vector<ResultadoTrecho>& resultados);
