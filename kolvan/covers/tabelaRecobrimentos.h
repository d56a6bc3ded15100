#pragma once
// The cover table of the open project: for each diameter of the geometry
// and each class of the project's purpose, the covers at which the class
// suffices.
//
// A point (di, hs) is a network of one stretch with the cover hs at both
// ends, no trench width of its own and the project's surcharge; the
// network's stretch rule gives its R, or the message that marks it. A class
// suffices at a point with an R its load covers, as the class selection
// compares them. Covers run from 0,60 to 20,00 m at every centimetre.

#include "ProjetoTubo.h"
#include "corClasse.h"
#include "selecaoClasse.h"

#include <string>
#include <vector>

inline constexpr int coberturaInicialTabela = 60;  // cm
inline constexpr int coberturaFinalTabela = 2000;  // cm
inline constexpr int numeroCoberturasTabela = coberturaFinalTabela - coberturaInicialTabela + 1;

struct PontoRecobrimento {
    bool classificado = false;
    double R = 0.0;        // kN/m, when classed
    std::string mensagem;  // why it has no R
    bool operator==(const PontoRecobrimento&) const = default;
};

// Covers in cm, both ends included.
struct IntervaloCobertura {
    int inicio = 0, fim = 0;
    bool operator==(const IntervaloCobertura&) const = default;
};

struct ClasseRecobrimento {
    CargaClasse carga;
    std::vector<IntervaloCobertura> intervalos; // ascending, separated by at least one cover
};

struct DiametroRecobrimento {
    int di = 0; // mm
    std::vector<PontoRecobrimento> pontos; // one per cover, from coberturaInicialTabela
    std::vector<ClasseRecobrimento> classes; // the reinforced ones, then the simple ones

    const PontoRecobrimento& ponto(int cm) const { return pontos[static_cast<std::size_t>(cm - coberturaInicialTabela)]; }
};

struct TabelaRecobrimentos {
    int finalidade = 0;
    std::vector<DiametroRecobrimento> diametros; // in the order of the geometry's list
    // Index of the project's diameter in `diametros`.
    int indiceProjeto = 0;
};

// One point, through the network's stretch rule. `base` is projetoBaseRede(…).
PontoRecobrimento calcularPontoRecobrimento(const ProjetoTubo& base, int di, int cm);

// The whole table for the project's parameters.
TabelaRecobrimentos calcularTabelaRecobrimentos(const ProjetoTubo& projeto);
// One diameter of it.
DiametroRecobrimento calcularDiametroRecobrimento(const ProjetoTubo& base, int di, int finalidade);

// The covers (cm) of a sequence of points where `atende` holds, as intervals.
std::vector<IntervaloCobertura> intervalosOnde(const std::vector<bool>& atende, int primeiraCobertura);

// "0,60 a 4,35 m; 6,10 a 7,00 m", or "—" for none.
std::string textoIntervalos(const std::vector<IntervaloCobertura>& intervalos);
// The calculator's: "0,60 a 4,35; 6,10 a 7,00", empty for none.
std::string textoIntervalosSaida(const std::vector<IntervaloCobertura>& intervalos);

// The covers of the class-per-cover table: 0,60; 1,00; 1,50 … 10,00 m (cm).
const std::vector<int>& coberturasClassePorCobertura();

// The smallest reinforced class that suffices at a cover: its name,
// "Especial" where none does, "—" where the point has no R or the diameter
// no reinforced pipe.
std::string classePorCobertura(const DiametroRecobrimento& d, int cm);
inline constexpr const char* semClasseCobertura = "—";

// "de 0,60 m a 20,00 m": the covers of the table, as its texts state them.
std::string textoFaixaCoberturas();

// The rule, as the report and the window state it.
const std::string& regraTabelaRecobrimentos();
