#pragma once
// Welded-wire meshes of CA 60 steel and their choice for each face of the
// wall. A face takes the first mesh of the table that holds 98 % of the
// required area or, when even the largest does not, the first pair of meshes
// laid one over the other that does; a face is accepted with up to 2 % less
// steel than required.

#include "EstadoDimensionamento.h"

#include <array>
#include <string>

struct TelaSoldada {
    int numero = 0;            // the lengthwise area in cm²/m × 100: "113" is 1,13
    double espacamento = 0.0;  // cm (the crack check uses its own 10 cm)
    double diametro = 0.0;     // wire diameter, mm
    double area = 0.0;         // cm²/m
};

inline constexpr std::array<TelaSoldada, 7> TabelaTelas{{
    {113, 10, 3.8, 1.13},
    {138, 10, 4.2, 1.38},
    {159, 10, 4.5, 1.59},
    {196, 10, 5.0, 1.96},
    {246, 10, 5.6, 2.46},
    {283, 10, 6.0, 2.83},
    {396, 10, 7.1, 3.96},
}};

// Share of the required area a face must hold.
constexpr double fracaoTelas = 0.98;

// The meshes of one face.
struct TelasFace {
    double A1 = 0.0, A2 = 0.0;    // cm²/m, 0 when absent
    double D1 = 0.0, D2 = 0.0;    // mm
    std::string nome1, nome2;     // mesh numbers, empty when absent
    bool esgotada = false;        // every pair tried and none holds enough
};

// One mesh, or the first pair (i ≤ j, in table order) holding 0,98·R.
TelasFace escolherTelas(double R);

// Required areas from the arrangement and the minimums, then the meshes of
// the inner face and, in the double arrangement, of the outer face (left
// empty when the inner search is exhausted).
void selecionarTelas(EstadoDimensionamento& e);

// 'S' when both faces hold 98 % of their required areas, 'N' otherwise.
char avaliarTelas(const SelecaoTelas& t);
