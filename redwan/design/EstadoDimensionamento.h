#pragma once
// The working values of one design run of a reinforced pipe. Every run fills
// a fresh record, so nothing of an earlier run can show up in a later one.

#include "esforcos.h"
#include "materiais.h"
#include "memoriaCalculo.h"
#include "secao.h"

#include <string>
#include <vector>

// Reinforcement type, as the design-parameter window lists it.
enum TipoArmadura { CircularSimples = 0, CircularDupla = 1 };
// Joint type, as the geometry window lists it; it names the meshes.
enum TipoTubo { MachoFemea = 0, PontaBolsa = 1 };

// Crown and springline designed with the single cage at one trial position.
struct PosicaoArmadura {
    double xiC = 0.0, AsC = 0.0, dC = 0.0, sigmaC = 0.0;
    int domC = 0;
    double xiS = 0.0, AsS = 0.0, dS = 0.0, sigmaS = 0.0;
    int domS = 0;
    SecaoFlexao coroamento, flanco; // the two solves, whole
};

// One solver call of the double arrangement's repetition, kept for diagnosis.
struct ChamadaDupla {
    double dLinha = 0.0, d = 0.0, Nsd = 0.0, Msd = 0.0, AsLinha = 0.0, As = 0.0;
};

struct PassoDupla {
    int nite = 0;
    ChamadaDupla coroamento, flanco;
};

// The meshes chosen for the inner face and, in the double arrangement, for
// the outer face: one mesh, or two laid one over the other.
struct SelecaoTelas {
    double AsIntReq = 0.0, AsExtReq = 0.0;       // required, cm²/m
    double Aint1 = 0.0, Aint2 = 0.0;             // cm²/m, 0 when absent
    double Dint1 = 0.0, Dint2 = 0.0;             // wire diameters, mm
    std::string nomeInt1, nomeInt2;              // mesh numbers, empty when absent
    double Aext1 = 0.0, Aext2 = 0.0;
    double Dext1 = 0.0, Dext2 = 0.0;
    std::string nomeExt1, nomeExt2;
};

struct EstadoDimensionamento {
    // What the run read.
    double P = 0.0;                  // class load, kN/m
    int tipoArmadura = CircularSimples;
    int tipoTubo = MachoFemea;
    double dLinhaInt = 0.0;          // inner cover d'int, cm (double arrangement)
    double dLinhaExt = 0.0;          // outer cover d'ext, cm (double arrangement)
    Materiais materiais;
    GeometriaTubo geometria;
    EsforcosAnel esforcos;

    // Single arrangement: the trial positions, one row each.
    int nPos = 0;
    std::vector<PosicaoArmadura> posicoes;
    int posicaoEscolhida = 0; // from 1; 0 when none was admissible

    // Designed sections, both arrangements.
    double xiC = 0.0, AsC = 0.0, dC = 0.0;
    int domC = 0;
    double xiS = 0.0, AsS = 0.0, dS = 0.0;
    int domS = 0;

    // Single arrangement: practical crown depth on a 0,5 cm grid and its steel.
    double Dcoro = 0.0;
    double AsP_Prat = 0.0;

    // Double arrangement: the passes of the crown/springline repetition.
    std::vector<PassoDupla> iteracoesDupla;

    // Minimum reinforcement.
    double fctm = 0.0;      // mean tensile strength of the concrete, kN/cm²
    double AsMin = 0.0;
    double AsIntMin = 0.0;  // transitory situations, inner face
    double AsExtMin = 0.0;  // transitory situations, outer face

    SelecaoTelas telas;

    // Checks of the inner steel at the crown.
    double AsMax = 0.0;   // cm²/m the cover holds
    double Vu = 0.0;      // kN/m
    double Pserv = 0.0;   // service load, kN/m
    double w1 = 0.0, w2 = 0.0, w = 0.0; // crack widths, mm

    char flagDimensionamento = 'N';
    char flagTelas = 'N';

    // Every quantity of the run in the order it was computed, for the
    // calculation sheet and the calculator.
    MemoriaCalculo memoria;
};
