#pragma once
// The surcharge load on the pipe, q_s in kN per metre of pipe, from the
// loads on the ground surface described in the surcharge window.
//
// A surface load spreads through the soil so that each contact dimension
// grows by 1,4·hs down to the crown. Road vehicles have three axles of two
// wheels; as the cover deepens the spread areas of the three wheels of one
// side, and then of all six, meet and act together. Road traffic never puts
// less than 5 kN/m² over the external diameter on the pipe.
//
// The routine never shows a message: a computation that cannot be made ends
// with a `DesfechoSobrecarga` and the caller says `mensagemSobrecarga`.

#include "memoriaCalculo.h"

#include <array>
#include <string>

struct Sobrecarga;

enum NaturezaSobrecarga {
    Rodoviaria = 0,
    Ferroviaria = 1,
    Aeroviaria = 2,
    ForcaParcialmenteDistribuida = 3,
    DefinidaPeloUsuario = 4,
    NulaOuDesprezivel = 5,
};

// The vehicle of a road traffic type and the six label texts that show it.
struct VeiculoRodoviario {
    double Q;  // kN, weight of the vehicle
    double P;  // kN, load of one wheel, Q/6
    double ee; // m, axle spacing
    double er; // m, wheel spacing
    double ar; // m, wheel contact along the pipe axis
    double br; // m, wheel contact across the axis
    double X;  // m, length of the axle group, 2·ee
    double Br; // m, width term once all six wheels act
    double h1; // m, cover from which the three wheels of one side act
    double h2; // m, cover from which all six wheels act
    // Weight, wheel load, axle spacing, wheel spacing, a and b, blanks included.
    std::array<const char*, 6> textosPainel;
};

// 0 "Classe 45", 1 "Classe 30", 2 "Eixo triplo"; any other index gives "Classe 45".
const VeiculoRodoviario& veiculoRodoviario(int trafego);

// The impact factor of road traffic: 1,3 below 0,30 m of cover, 1,2 below
// 0,60, 1,1 below 0,90 and 1,0 from there on.
double fatorImpacto(double hs);

enum class DesfechoSobrecarga {
    Calculada,
    AlturaInsuficiente,         // the cover is too low for the spreading theory
    FerroviariaNaoEspecificada, // rail loads are not specified
    AeroviariaNaoEspecificada,  // nor air loads
};

// What the caller shows when the computation stops; empty for `Calculada`.
std::string mensagemSobrecarga(DesfechoSobrecarga desfecho);

// State kept between computations: the contact width of the last road type
// or distributed load (0 when the program starts).
struct EstadoSobrecarga {
    double bs = 0.0; // m
};

// The surcharge in numbers: the load is Q in kN (distributed load) or q in
// kN/m (user-defined load); a, b and c in m.
struct DadosSobrecarga {
    int natureza = Rodoviaria;
    int trafego = 0;
    int distribuicao = 0; // 0 one area, 1 two areas
    double carga = 0.0;
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// Converts the texts the nature uses (the others are left at 0); a text that
// is not a number, or is empty, throws ErroConversao.
DadosSobrecarga dadosSobrecarga(const Sobrecarga& s);

enum class RegimeRodas { Nenhum, UmaRoda, TresRodas, SeisRodas };

struct ResultadoSobrecarga {
    DesfechoSobrecarga desfecho = DesfechoSobrecarga::Calculada;
    double qs = 0.0;    // kN/m, the load on the pipe
    double hsMin = 0.0; // m, least cover for the theory, (D − b_s)/1,4 (road)
    double phi = 1.0;   // impact factor (road)
    RegimeRodas regime = RegimeRodas::Nenhum;
    double qsRodas = 0.0;         // road load before the minimum 5·D
    bool minimoGoverna = false;   // the minimum 5·D was taken
    bool cargaInteira = false;    // distributed spread narrower than the pipe
    MemoriaCalculo memoria;
};

// q_s for the cover hs (m) over a pipe of external diameter D (m). Only road
// traffic is checked against the least cover: a distributed load narrower
// than the pipe already puts its whole force on the loaded length. Rail and
// air loads stop whatever the cover. A road type writes its b_r into
// `estado.bs` and a distributed load its b.
ResultadoSobrecarga cargaSobrecarga(double hs, double D, const DadosSobrecarga& d, EstadoSobrecarga& estado);
// The same from the texts of the surcharge window; throws ErroConversao
// before anything changes.
ResultadoSobrecarga cargaSobrecarga(double hs, double D, const Sobrecarga& s, EstadoSobrecarga& estado);
