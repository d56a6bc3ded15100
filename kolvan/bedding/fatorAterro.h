#pragma once
// Spangler's equivalence factor of an embankment bedding:
//   fe = 1,431 / (N − x·q),  q = p·K·(hs/D + p/2)/Cc,
// with N of the bedding class, x read off the class's row of the x table at
// the projection ratio p = ha/D, K = 0,33 for a positive projection and 0,15
// for a compacted negative one, and Cc from the positive-projection earth
// load of the same installation. The class computation uses the factor as
// the window shows it, with two decimals.

#include "memoriaCalculo.h"

#include <string>

struct ProjetoTubo;
struct ValoresTrabalho;
struct ResultadoProjecao;

// Said when N − x·q leaves no positive factor.
constexpr const char* mensagemSemFatorEquivalencia =
    "Não é possível calcular o fator de equivalência desta base para a instalação especificada.\n\n"
    "Retorne para a janela Instalação ou escolha outro tipo de base.";

// x of the class (0 = A … 3 = D) at the projection ratio p, linear between
// the points 0; 0,3; 0,5; 0,7; 0,9; 1,0. A ratio beyond 1,0 follows the last
// band, one below 0 the first.
double coeficienteX(int classe, double p);

// K of the installation type: 0,33 for a positive projection, else 0,15.
double coeficienteK(int tipoInstalacao);

struct FatorAterro {
    bool existe = false;     // a positive, finite factor
    double fe = 0.0;         // unrounded
    std::string texto;       // formatar2(fe), what the window shows; empty when none
    double p = 0.0;
    double Cc = 0.0;
    double N = 0.0;
    double x = 0.0;
    double K = 0.0;
    double q = 0.0;
    bool semSolucao = false; // the projection run found no settlement plane
    MemoriaCalculo memoria;
};

FatorAterro fatorProjecaoPositiva(int classe, int tipoInstalacao, double p, double Cc, double hs, double D);
// From a positive-projection run (its p and C) over the cover hs and diameter D.
FatorAterro fatorProjecaoPositiva(int classe, int tipoInstalacao, const ResultadoProjecao& projecao, double hs,
                                  double D);
// Runs the positive projection of the working values first, as the
// embankment window does whenever it opens or a class is selected there.
FatorAterro fatorAterro(const ValoresTrabalho& v, int tipoInstalacao, int classe);

struct AtualizacaoFatorAterro {
    bool aplicado = false; // the embankment bedding is the one in use
    FatorAterro fator;
    std::string mensagem; // a text that is not a number, or no factor; empty when all went well
};

// When the installation uses the embankment bedding, recomputes its factor
// and writes the text into p.baseAterro.fator. A factor that does not exist,
// or a text that is not a number, leaves the project as it was and says why.
AtualizacaoFatorAterro atualizarFatorAterro(ProjetoTubo& p);
