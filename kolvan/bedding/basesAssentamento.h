#pragma once
// The bedding classes of the two bedding windows. A trench bedding has a
// fixed equivalence factor per class (class A may take a concrete-base
// factor instead); an embankment bedding's factor comes from Spangler's
// formula with the class's N (fatorAterro.h). The items are
// listaClassesBase() of the project record.

#include <string>

struct BaseAssentamento;

constexpr const char* tituloBases = "Parâmetros da Base";
constexpr const char* rotuloTipoBase = "Tipo de Base:";
constexpr const char* rotuloObservacao = "Observação:";
constexpr const char* rotuloFatorEquivalencia = "Fator de equivalência:";
constexpr const char* botaoBaseConcreto = "A"; // enabled for class A only
constexpr int classeBaseConcreto = 0;
constexpr int numeroClassesBase = 4;

// Pictures of the selected class: ValaClasseA.bmp … ValaClasseD.bmp and
// SaliClasseA.bmp … SaliClasseD.bmp; empty for an index outside 0 to 3.
std::string figuraBaseVala(int classe);
std::string figuraBaseAterro(int classe);

// The read-only descriptions under "Observação:"; empty outside 0 to 3.
std::string descricaoBaseVala(int classe);
std::string descricaoBaseAterro(int classe);

// The fixed factor of a trench class as the window shows it: "2,0", "1,9",
// "1,5", "1,1"; empty outside 0 to 3.
std::string fatorBaseVala(int classe);

// N of an embankment class: 0,505, 0,707, 0,840, 1,310; 0 outside 0 to 3.
double coeficienteNBase(int classe);

// Selecting a class in the trench window brings its fixed factor.
void aplicarClasseVala(BaseAssentamento& base, int classe);
