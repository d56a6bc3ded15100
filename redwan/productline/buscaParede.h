#pragma once
// The thinnest wall that makes a cell of the line pass: every whole
// thickness from the least recommended wall of its diameter up to 100 mm
// above it, each a full design run, until one is designed and passes all
// three checks.

#include "linhaProdutos.h"

#include <functional>

inline constexpr int folgaBuscaParede = 100; // mm above the least wall

// The least recommended wall of a diameter of the line, mm.
int paredeMinimaRecomendada(const EntradaLinha& linha, int diametro);

// nullopt when no thickness of the range passes.
std::optional<int> buscarParedeMinima(const EntradaLinha& linha, int diametro, int classe);

// Told after each cell how many are done of how many; false stops the search.
using ProgressoBusca = std::function<bool(int feitas, int total)>;

// Searches every cell of the table in order; false when stopped, and then
// the cells searched so far keep their answers and the rest stay unsearched.
bool buscarParedes(TabelaLinha& tabela, const ProgressoBusca& progresso = {});

// The cheapest passing wall of a cell at `precos`: every wall of the range,
// each a full design run priced as the results window prices it.
BuscaMenorCusto buscarMenorCustoCelula(const EntradaLinha& linha, int diametro, int classe,
                                       const PrecosCusto& precos);

// Every cell of the table at its prices, as `buscarParedes`; each cell gets
// its thinnest and its cheapest passing walls.
bool buscarMenoresCustos(TabelaLinha& tabela, const ProgressoBusca& progresso = {});
