#pragma once
// What one metre of a designed pipe costs at the manufacturer's prices, and
// the lines the results window, the report and the product line show:
//   "Aço: 26,12 kg (interna 18,57; externa 7,55)"
//   "Concreto: 0,346 m³"
//   "Custo: R$ 438,19 por metro"

#include "memoriaCalculo.h"
#include "precosCusto.h"
#include "quantidadesTubo.h"

#include <string>
#include <utility>
#include <vector>

double custoTubo(const QuantidadesTubo& q, const PrecosCusto& p, MemoriaCalculo* memoria = nullptr);

// The steel, concrete and cost of a designed pipe at `precos`.
struct CustoResultado {
    QuantidadesTubo quantidades;
    double custo = 0.0;
};
CustoResultado custoDoResultado(const ResultadoDimensionamento& r, const PrecosCusto& precos);

// The keys of the cost values the calculators print, in their order:
// acoInterno, acoExterno, acoTotal, concreto, custo.
const std::vector<std::string>& chavesCusto();
// Those keys with their values, each printer formatting them its own way.
std::vector<std::pair<std::string, double>> valoresCusto(const CustoResultado& c);

// "R$ 1.234,56": two decimals, a dot between thousands.
std::string formatarMoeda(double valor);

// The prices a cost was computed at: "concreto a R$ 550,00/m³, aço a R$ 9,50/kg".
std::string textoPrecos(const PrecosCusto& p);

struct TextosCusto {
    std::string aco, concreto, custo;
};
TextosCusto textosCusto(const QuantidadesTubo& q, double custo);

// The results' three cost lines.
void completarTextosCusto(TextosResultados& t, const QuantidadesTubo& q, double custo);
// The same from the design's values at `precos`.
void completarTextosCusto(TextosResultados& t, const ResultadoDimensionamento& r, const PrecosCusto& precos);

// The calculation sheet's block: each mesh's weight with its formula and
// numbers, the steel of each cage, the concrete and the cost.
MemoriaCalculo memoriaCusto(const ResultadoDimensionamento& r, const PrecosCusto& p);
