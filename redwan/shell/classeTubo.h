#pragma once
// The strength class the reinforced pipe must reach. Stormwater pipes have
// the classes PA1 to PA4, sewage pipes EA2 to EA4, and both a special class
// whose load the user types. A standard class load is k·di/1000 kN/m,
// rounded up to a whole number; the special load must exceed the largest
// standard class of its group.

#include <array>
#include <string>
#include <vector>

struct GeometriaRedwan;

// The choice of each group and the special loads, as the class window holds them.
struct ClasseRedwan {
    int classePluvial = 0;       // "PA1", "PA2", "PA3", "PA4", "Especial"
    int classeEsgoto = 0;        // "EA2", "EA3", "EA4", "Especial"
    std::string especialPluvial; // load of the special stormwater class, kN/m
    std::string especialEsgoto;  // load of the special sewage class, kN/m
    bool operator==(const ClasseRedwan&) const = default;
};

const std::vector<std::string>& classesPluviais();
const std::vector<std::string>& classesEsgoto();
const std::vector<std::string>& classesDoGrupo(int finalidade);
// The index of "Especial" in the group: 4 stormwater, 3 sewage.
int indiceEspecial(int finalidade);

// The loads of the standard classes of the group, as their fields show them
// ("18,00", …): four for stormwater, three for sewage.
std::vector<std::string> cargasClasse(int finalidade, double di);

// The choice and the special text of the group the purpose selects.
int classeEscolhida(const ClasseRedwan& c, int finalidade);
const std::string& textoEspecial(const ClasseRedwan& c, int finalidade);
std::string& textoEspecial(ClasseRedwan& c, int finalidade);
bool especialEscolhida(const ClasseRedwan& c, int finalidade);

// The name of the chosen class ("PA3", "Especial") and its load text, the
// class load P of the design: the standard load for the current diameter,
// or the special text.
std::string nomeClasseEscolhida(const ClasseRedwan& c, const GeometriaRedwan& g);
std::string cargaClasseEscolhida(const ClasseRedwan& c, const GeometriaRedwan& g);

// The choice of the hidden group follows the one of the visible group:
// PA1 and PA2 give EA2, PA3 EA3, PA4 EA4 and back EA2 gives PA2 …;
// "Especial" gives "Especial" with the special load copied.
void seguirGrupoVisivel(ClasseRedwan& c, int finalidade);

// Whether a confirmed class differs from what it was: either choice, or the
// special load when "Especial" is chosen in the visible group.
bool classeMudou(const ClasseRedwan& antes, const ClasseRedwan& depois, int finalidade);

// The close check of the special load.
struct ConferenciaEspecial {
    enum Problema { Nenhum, Vazio, NaoNumero, NaoMaior } problema = Nenhum;
    std::string texto;  // the load in its standard form (two decimals) when it is a number
    std::string aviso;  // one-line warning (empty field)
    std::string avisoSuperior, avisoInferior; // two-line warning (not above the largest class)
    std::string mensagem; // message for a text that is not a number
};
ConferenciaEspecial conferirEspecial(const std::string& texto, int finalidade, double di);
