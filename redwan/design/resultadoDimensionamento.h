#pragma once
// The results of a successful design run as the results window, the report
// and the project file show them: the values, and the texts of the window's
// labels made from them.

#include "EstadoDimensionamento.h"
#include "layoutRelatorio.h"

#include <string>

// A check that passes is shown in blue (corAzul), one that fails and the
// meshes in red (corVermelha), as the report prints them.

// Verdict texts of the three checks.
extern const char* const textoCobrimentoOk;
extern const char* const textoCobrimentoFalha;
extern const char* const textoCortanteOk;
extern const char* const textoCortanteFalha;
extern const char* const textoFissurasOk;
extern const char* const textoFissurasFalha;

// What stands for a value that does not apply.
extern const char* const textoNaoSeAplica;

struct ResultadoDimensionamento {
    int tipoArmadura = CircularSimples;
    int tipoTubo = MachoFemea;
    double P = 0.0;                                  // kN/m
    double di = 0.0, h = 0.0;                        // mm
    double dLinhaInt = 0.0, dLinhaExt = 0.0;         // cage covers, cm (double arrangement)
    double Mc = 0.0, Ms = 0.0;                       // kN·m/m
    double Ns = 0.0, Vc = 0.0;                       // kN/m; Nc and Vs are none
    double dC = 0.0, xC = 0.0, AsC = 0.0;            // crown: cm, cm, cm²/m
    int domC = 0;
    double dS = 0.0, xS = 0.0, AsS = 0.0;            // springline
    int domS = 0;
    double Dcoro = 0.0, AsP_Prat = 0.0;              // single arrangement only
    double AsMin = 0.0, AsIntMin = 0.0, AsExtMin = 0.0;
    SelecaoTelas telas;
    double Aint = 0.0;                               // inner steel placed, cm²/m
    std::string telaInterna, telaExterna;            // "MF 113 + MF 396", "----"
    double AsMax = 0.0, Vu = 0.0, w = 0.0;
    double w1 = 0.0, w2 = 0.0;
    bool passaCobrimento = false, passaCortante = false, passaFissuras = false;
    std::string verificacaoCobrimento, verificacaoCortante, verificacaoFissuras;
    CorRgb corCobrimento, corCortante, corFissuras;
};

// From a state whose checks have run (`verificar`).
ResultadoDimensionamento resultadoDimensionamento(const EstadoDimensionamento& e);

// Meshes of one face: "MF 113", or "MF 113 + MF 396" for a pair; "PB "
// instead of "MF " for a spigot-and-socket pipe.
std::string nomeTelas(int tipoTubo, const std::string& nome1, const std::string& nome2);

// The texts of the results window, by component.
struct TextosResultados {
    // "Dimensionamento:", crown column.
    std::string Label3;   // Momento Fletor, " kN.m"
    std::string Label2;   // Força Normal: "0,00"
    std::string Label6;   // Força Cortante, " kN/m"
    std::string Label10;  // Altura útil, " cm"
    std::string Label4;   // Linha neutra, " cm"
    std::string Label12;  // Domínio
    std::string Label5;   // As, " cm²/m"
    // Springline column.
    std::string Label23;
    std::string Label22;
    std::string Label24;  // Força Cortante: "0,00"
    std::string Label11;
    std::string Label8;
    std::string Label13;
    std::string Label9;
    // "Por razões construtivas, tem-se :".
    std::string Panel16;  // practical crown depth, or "----"
    std::string Panel15;  // practical tension steel, or "----"
    // "Tela Soldada Especificada:", in red.
    std::string Pint;
    std::string Pext;
    // "Verificações:", value and verdict.
    std::string Label20, Label27;  // maximum steel
    std::string Label21, Label28;  // ultimate shear
    std::string Label26, Label29;  // crack width
    CorRgb corLabel27, corLabel28, corLabel29;
    // "Armaduras mínimas:".
    std::string Label17;
    std::string Label18;
    std::string Label19;  // or "----"
    // Under the meshes: steel, concrete and cost of one metre of the pipe,
    // at the manufacturer's prices; empty until priced.
    std::string Aco, Concreto, Custo;
};

TextosResultados textosResultados(const ResultadoDimensionamento& r);
