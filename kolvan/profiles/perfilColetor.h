#pragma once
// What the profile of one collector shows, in model units (metres): each
// stretch's ends along the collector with its invert and ground elevations,
// its labels and class taken from the network's classing, and the manholes
// between them. Nothing here classes a stretch: the class, the covers and
// the governing cover are the classing's own results.
//
// A collector is drawn at its elevations when every stretch gives all four
// (terreno and fundo at both ends). Otherwise it is drawn on a relative
// datum ("cotas relativas"): the first invert at 0,000 m and the ground
// going on through every manhole; a stretch with elevations keeps its fall
// and depths under it, one given by covers only is drawn level (its slope is
// not known) at its covers under the ground (over the top of the pipe).

#include "coletoresRede.h"
#include "layoutRelatorio.h"
#include "redeTubulacoes.h"

#include <optional>
#include <string>
#include <vector>

struct TrechoPerfil {
    int indice = 0;               // in the network
    std::string nome;
    double x0 = 0.0, x1 = 0.0;    // along the collector (m)
    double fundo0 = 0.0, fundo1 = 0.0; // inverts (m)
    std::optional<double> terreno0, terreno1; // ground (m), when known
    int di = 0;                   // mm; 0 when it cannot be read
    double alturaTubo = 0.0;      // invert to the top of the wall, where the cover starts (m)
    std::optional<double> declividade; // m/m, falling downstream positive
    std::optional<double> hs0, hs1; // covers at the ends (m)
    std::optional<double> xGovernante, hsGovernante; // the classing's governing cover
    bool classificado = false;
    // "DN 400", "L = 60,00 m", "i = 0,0100 m/m", the class (or "sem classe").
    std::string textoDn, textoComprimento, textoDeclividade, textoClasse;
    double geratriz0() const { return fundo0 + di / 1000.0; }
    double geratriz1() const { return fundo1 + di / 1000.0; }
};

struct PocoPerfil {
    std::string nome;
    double x = 0.0;
    std::optional<double> terrenoChegada, terrenoSaida;
    std::optional<double> fundoChegada, fundoSaida;
    std::optional<double> hsChegada, hsSaida;
    double topo() const;  // the higher ground, or the highest invert without one
    double fundo() const; // the lowest invert
};

struct PerfilColetor {
    int numero = 0; // from 1, in drawing order
    std::string titulo; // "Coletor 1 (PV-01 a PV-31)"
    bool cotasRelativas = false;
    double comprimento = 0.0;
    std::vector<TrechoPerfil> trechos;
    std::vector<PocoPerfil> pocos; // upstream first
};

PerfilColetor montarPerfilColetor(const RedeTubulacoes& rede, const Coletor& coletor, int numero);
std::vector<PerfilColetor> montarPerfis(const RedeTubulacoes& rede, const ColetoresRede& coletores);
