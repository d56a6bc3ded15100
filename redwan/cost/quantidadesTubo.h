#pragma once
// The steel and the concrete of one metre of a designed pipe. Each mesh of a
// cage weighs its catalogue base weight (kgf/m², taken as kg/m²) times the
// length of mesh one turn of the cage takes, π times the cage's diameter at
// its wires plus the mesh's lap, on a 1,0 m strip; two meshes laid one over
// the other in a cage each count. The concrete is the wall's ring, without
// the extra concrete of the joint. The weights and laps are those the
// catalogue lists on its "Macho e Fêmea" page; spigot-and-socket pipes use
// the same meshes.

#include "memoriaCalculo.h"
#include "resultadoDimensionamento.h"

#include <optional>
#include <string>
#include <vector>

// One mesh of a cage.
struct PesoTela {
    std::string nome;        // "MF 113"
    double pesoBase = 0.0;   // kg/m²
    double emenda = 0.0;     // lap length, cm
    double peso = 0.0;       // kg per metre of pipe
};

// One cage: its diameter at the wires and its meshes (none: no such cage).
struct GaiolaAco {
    double diametro = 0.0;   // cm
    std::vector<PesoTela> telas;
    double peso = 0.0;       // kg per metre of pipe
};

struct QuantidadesTubo {
    GaiolaAco interna, externa;
    double acoInterno = 0.0, acoExterno = 0.0, acoTotal = 0.0; // kg/m
    double concreto = 0.0;                                    // m³/m
};

// Base weight (kg/m²) and lap (cm) of a mesh of the catalogue, by its
// number ("113"); nullopt for a mesh the catalogue does not list.
struct DadosCatalogoTela {
    double pesoBase = 0.0, emenda = 0.0;
};
std::optional<DadosCatalogoTela> dadosCatalogoTela(const std::string& numero);

// The concrete of one metre of a wall, m³ (di and h in mm).
double volumeConcreto(double di, double h);

// The weight of one mesh in a cage of `diametro` cm, kg per metre of pipe.
double pesoTela(const DadosCatalogoTela& tela, double diametro);

// The quantities of a design that reached its meshes; `memoria`, when
// given, receives every figure with its formula, for the calculation sheet.
QuantidadesTubo quantidadesTubo(const ResultadoDimensionamento& r, MemoriaCalculo* memoria = nullptr);
