#pragma once
// What a design run reads from the input windows, as the windows hold it:
// selections as indexes, numbers as the texts of their fields. The run
// converts the texts it needs each time it starts.

#include "EstadoDimensionamento.h"

#include <array>
#include <string>

enum Finalidade { AguasPluviais = 0, EsgotoSanitario = 1 };

struct EntradaDimensionamento {
    // Geometry window.
    int finalidade = AguasPluviais;  // CmbBxFinalidade
    int tipoTubo = PontaBolsa;       // CmbBxTipoTubo
    std::string di = "600";          // CmbBxDi
    // Class window: the chosen class of each group and its load fields.
    int classePluvial = 0;           // RadioGroup1: PA1, PA2, PA3, PA4, Especial
    int classeEsgoto = 0;            // RadioGroup2: EA2, EA3, EA4, Especial
    std::array<std::string, 5> cargasPluviais{"36,00", "54,00", "81,00", "108,00", ""}; // Ep1..Ep4, Epesp
    std::array<std::string, 4> cargasEsgoto{};                                          // Ea2..Ea4, Eaesp
    // Design-parameter window.
    int tipoArmadura = CircularSimples; // RadioGroup1
    std::string fck = "35,00";          // Edit2, MPa
    std::string gamaS = "1,15";         // Edit3
    std::string gamaC = "1,40";         // Edit4
    std::string h = "60";               // EdtEs, mm
    std::string dLinhaInt = "3,5";      // Edit5, cm; read for "Circular dupla" only
    std::string dLinhaExt = "2,5";      // Edit6, cm; read for "Circular dupla" only
};

// The working values of a run.
struct DadosDimensionamento {
    double P = 0.0;          // kN/m
    double di = 0.0;         // mm
    double h = 0.0;          // mm
    double fck = 0.0;        // MPa
    double gamaS = 0.0;
    double gamaC = 0.0;
    int tipoArmadura = CircularSimples;
    int tipoTubo = MachoFemea;
    double dLinhaInt = 0.0;  // cm
    double dLinhaExt = 0.0;  // cm
};

struct LeituraEntrada {
    bool valida = false;
    std::string mensagem;    // why the run cannot start
    DadosDimensionamento dados;
};

// The load text of the chosen class: the sewage group for "Esgoto
// sanitário", the pluvial group otherwise; nullptr for an index outside it.
const std::string* textoCargaClasse(const EntradaDimensionamento& entrada);

// Converts the texts the run needs, in the order the run reads them (class
// load, factors and fck, diameter and wall, covers), and stops at the first
// that is empty or not a number.
LeituraEntrada lerEntrada(const EntradaDimensionamento& entrada);

// The message that stops a run whose values no section could be designed
// with (fck or a factor or a wall out of range); empty when they are usable.
std::string conferirDados(const DadosDimensionamento& dados);
