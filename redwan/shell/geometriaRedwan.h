#pragma once
// The pipe Redwan designs: purpose, joint type, internal diameter and
// length, each chosen from a fixed list, and the least wall thickness the
// program recommends for each purpose and diameter.

#include <string>
#include <vector>

constexpr int finalidadePluvial = 0; // "Águas pluviais"
constexpr int finalidadeEsgoto = 1;  // "Esgoto sanitário"

struct GeometriaRedwan {
    int finalidade = finalidadePluvial;
    int tipoTubo = 1;          // 0 "Macho e Fêmea", 1 "Ponta e Bolsa"
    int indiceDi = 3;          // into diametrosRedwan(): 600 mm
    int indiceComprimento = 0; // into comprimentosRedwan(finalidade)
    bool operator==(const GeometriaRedwan&) const = default;
};

const std::vector<std::string>& finalidadesRedwan();
const std::vector<std::string>& tiposTuboRedwan();
// 300 to 2000 mm.
const std::vector<std::string>& diametrosRedwan();
// "1,00" to "2,50" for stormwater, "2,00" and "2,50" for sewage.
const std::vector<std::string>& comprimentosRedwan(int finalidade);

// The texts of the current selections; empty for an index out of its list.
std::string textoFinalidade(const GeometriaRedwan& g);
std::string textoTipoTubo(const GeometriaRedwan& g);
std::string textoDiametro(const GeometriaRedwan& g);
std::string textoComprimento(const GeometriaRedwan& g);

// The internal diameter in mm; 0 for an index out of the list.
double diametroInterno(const GeometriaRedwan& g);

// The least wall thickness in mm recommended for this purpose and diameter;
// diameters that are not in the table get 180 mm.
int espessuraMinima(int finalidade, double di);
