#pragma once
// The class of one stretch of a network.
//
// The cover varies linearly between the two ends. The class computation of
// a single project runs at the cover of each end and at every multiple of
// 0,05 m strictly between them; the stretch takes the result of the largest
// required strength R (on equal R, the point nearer the upstream end) and
// reports that governing cover. Covers are taken to the centimetre, as the
// installation window takes them.
//
// Without a trench width of its own a stretch gets the larger of D + 0,50
// and the least width of a shored trench for its diameter and largest cover,
// rounded up to the centimetre.
//
// Every point passes the installation window's own checks for its cover and
// width; a point that fails them, or whose surcharge cannot be computed,
// marks the stretch with that message and the cover it happened at, and the
// stretch gets no class.

#include "ProjetoTubo.h"
#include "trechoRede.h"
#include "valaRede.h"

#include <optional>
#include <string>
#include <vector>

struct ResultadoTrecho {
    bool classificado = false;
    std::string mensagem;     // why the stretch has no class
    bool semSolucao = false;  // a settlement plane was not found on the way
    bool usaLargura = false;  // the installation has a trench (bv means something)
    double hsMontante = 0.0, hsJusante = 0.0, hsGovernante = 0.0; // m
    double bv = 0.0;          // m
    double W = 0.0, qs = 0.0, fe = 0.0, R = 0.0;
    std::string classeArmado;  // "PA2", "Especial", or empty (none for 200 mm)
    double cargaArmado = 0.0;  // kN/m as the result window shows it
    std::string classeSimples; // empty when no simple class covers R
    double cargaSimples = 0.0;
    std::string textoClasse;   // "PA1 ou PS2", as the result window shows it
    double comprimento = 0.0;  // m
    int di = 0;                // mm
    int tubos = 1;             // parallel pipes in the stretch's one trench
    bool instalacaoVala = false; // the project's installation is a trench
    bool temVala = false;        // classed in a trench: `vala` holds its quantities
    QuantidadesVala vala;
};

// From the invert to the top of the pipe, where the cover starts: the
// internal diameter plus one wall of 0,1·di (m).
inline double alturaTuboRede(int di) { return 1.1 * di / 1000.0; }

// Covers above this are refused (m).
inline constexpr double alturaTerraMaximaRede = 100.0;

// The project with only what classing reads: the installation, surcharge,
// bedding and purpose. Copying it per stretch is then cheap.
ProjetoTubo projetoBaseRede(const ProjetoTubo& projeto);

// Classes one stretch with the parameters of `projeto`; in a trench, with
// its quantities.
ResultadoTrecho classificarTrecho(const ProjetoTubo& projeto, const EntradaTrecho& trecho,
                                  const ParametrosVala& vala = {});
// The trench quantities of a classed stretch again, for other parameters.
void atualizarVala(ResultadoTrecho& r, const ProjetoTubo& projeto, const ParametrosVala& vala);

// The covers a stretch is classed at, in cm, in the order they are run: the
// upstream end, every multiple of 5 cm strictly between, the downstream end.
// The first of equal R governs, so the order is the tie-break.
std::vector<int> pontosCobertura(int montante, int jusante);

// The trench width a stretch takes when it gives none.
double larguraValaPadrao(int di, double hsMaior);

// The single project a classed stretch stands for at its governing cover:
// its diameter, surcharge, cover and trench width on the parameters of
// `projeto`. None for a stretch without a class.
std::optional<ProjetoTubo> projetoNoTrecho(const ProjetoTubo& projeto, const EntradaTrecho& e,
                                           const ResultadoTrecho& r);
