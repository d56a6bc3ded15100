#pragma once
// The choice of the pipe classes for a required strength R, and the texts
// of the result window. The reinforced class is the first of its purpose
// whose rupture load Qd·di/1000 (unrounded) covers R, else "Especial"; there
// is none for 200 mm. The simple class is the first whose load covers R, and
// simple pipes end at 600 mm. R equal to a load takes that class.

#include "memoriaCalculo.h"

#include <string>
#include <vector>

struct Resultado;

constexpr const char* tituloResultadoClasse = "Resultados - Classe";
constexpr const char* rotuloResistenciaNecessaria = "Resistência necessária (calculada):";
constexpr const char* rotuloCargaMinimaRuptura = "Carga mínima de ruptura (conforme classe):";
constexpr const char* rotuloClasseTubo = "Classe do tubo:";
constexpr const char* classeEspecial = "Especial";

struct SelecaoClasse {
    std::string classeArmado; // empty when none exists
    double cargaArmado = 0.0; // kN/m; 0 for "Especial" and for none
    std::string classeSimples;
    double cargaSimples = 0.0;
    MemoriaCalculo memoria; // the loads of the diameter's classes and the choice
};

// Whether a class of this load covers R (kN/m). R computed from decimal
// inputs may land a hair above a load it equals: that load still covers it.
bool cargaCobre(double carga, double R);

// The rupture load of one class for a diameter, as the selection compares it.
struct CargaClasse {
    std::string classe;
    bool armado = false;
    double carga = 0.0; // kN/m: Qd·di/1000 unrounded for a reinforced class, the table's load for a simple one
};
// The classes of a diameter and purpose in the order the selection tries
// them: the reinforced ones (none for 200 mm), then the simple ones (none
// above 600 mm).
std::vector<CargaClasse> cargasClasses(int di, int finalidade);

// R in kN/m, di in mm, finalidade 0 stormwater, 1 sewage.
SelecaoClasse selecionarClasses(double R, int di, int finalidade);

// Writes R, the classes and the four display texts into the result; the
// reinforced load becomes the one shown (rounded up, 0 for "Especial").
void preencherResultado(Resultado& r, double R, const SelecaoClasse& s);

// The two visible load lines of the result window.
std::string linhaTubosArmados(const Resultado& r);  // "Tubos Armados = 36,00 kN/m"
std::string linhaTubosSimples(const Resultado& r);  // "Tubos Simples = não existe"
