#pragma once
// A manufacturer's product line: every standard class of every diameter,
// each designed by the very run of "Resultado do dimensionamento" with the
// class's minimum rupture load and the wall of its diameter. A cell is the
// single-project design made with that cell's inputs; nothing here
// recomputes a number of the design.

#include "dimensionamento.h"
#include "menorCusto.h"
#include "precosCusto.h"
#include "custoTubo.h"
#include "quantidadesTubo.h"
#include "ProjetoRedwan.h"

#include <optional>
#include <string>
#include <vector>

// One diameter of the line, with what may differ between diameters.
struct DiametroLinha {
    int indiceDi = 0;        // into diametrosRedwan()
    std::string h;           // wall thickness, mm, as typed
    int tipo = armaduraSimples;
    std::string dInt, dExt;  // positions of the two cages, cm
    bool operator==(const DiametroLinha&) const = default;
};

// Its internal diameter, mm.
double diametroDaLinha(const DiametroLinha& d);

struct EntradaLinha {
    int finalidade = 0;      // 0 "Águas pluviais", 1 "Esgoto sanitário"
    int tipoTubo = 0;        // 0 "Macho e Fêmea", 1 "Ponta e Bolsa"
    // Concrete, type, positions and factors of the whole line (h unused:
    // the wall is each diameter's).
    ParametrosArmadura parametros;
    std::vector<DiametroLinha> diametros;
    bool operator==(const EntradaLinha&) const = default;
};

// Every diameter, on its least recommended wall, with the type and the
// positions of `parametros`.
EntradaLinha linhaPadrao(int finalidade, int tipoTubo, const ParametrosArmadura& parametros);

// The line a project starts: its pipe and, once confirmed, its design
// parameters; each diameter on its least wall, but the confirmed diameter
// on the confirmed wall.
EntradaLinha linhaDoProjeto(const ProjetoRedwan& projeto);

// The wall of every diameter back to its least recommended one.
void aplicarParedesMinimas(EntradaLinha& linha);

struct CelulaLinha {
    int diametro = 0;          // index into EntradaLinha::diametros
    int classe = 0;            // index into the purpose's standard classes
    std::string nomeClasse;    // "PA1" … "PA4", "EA2" … "EA4"
    double di = 0.0;           // mm
    std::string carga;         // the class load as the class window shows it, kN/m
    std::string h;             // the wall designed, mm
    ExecucaoDimensionamento execucao;
    // The thinnest wall that passes, once searched; nullopt: "não encontrada".
    bool paredeBuscada = false;
    std::optional<int> paredeMinimaViavel;
    // The cheapest wall that passes at the table's prices, once searched
    // (that search finds the thinnest one too).
    bool menorCustoBuscado = false;
    BuscaMenorCusto menorCusto;

    bool dimensionada() const { return execucao.desfecho == Desfecho::Resultados; }
    // Designed, and every check passes.
    bool passa() const;
};

struct TabelaLinha {
    EntradaLinha entrada;
    std::vector<std::string> classes; // the column heads
    std::vector<CelulaLinha> celulas; // diameter by diameter, class by class
    bool paredesBuscadas = false;     // the wall search ran on every cell
    PrecosCusto precos;               // the prices the cells are costed at

    const CelulaLinha& celula(int diametro, int classe) const
    {
        return celulas[static_cast<std::size_t>(diametro) * classes.size() + static_cast<std::size_t>(classe)];
    }
};

// The standard classes of the purpose: four stormwater, three sewage.
std::vector<std::string> classesLinha(int finalidade);

// The project a cell is: the line's pipe and parameters with the cell's
// diameter, class and wall.
ProjetoRedwan projetoDaCelula(const EntradaLinha& linha, int diametro, int classe, const std::string& h);

CelulaLinha dimensionarCelula(const EntradaLinha& linha, int diametro, int classe, const std::string& h);

TabelaLinha dimensionarLinha(const EntradaLinha& linha, const PrecosCusto& precos = {});

// One diameter with a new wall: its cells designed again, every other cell
// as it was. The walls found for it stay: the search does not depend on the
// wall designed.
void redimensionarDiametro(TabelaLinha& tabela, int diametro, const std::string& h);

// The steel, concrete and cost of a designed cell at the table's prices;
// nullopt for a run that stopped before its meshes.
std::optional<CustoResultado> custoCelula(const TabelaLinha& tabela, const CelulaLinha& celula);

// New prices: the cheapest walls found at the old ones are forgotten.
void definirPrecos(TabelaLinha& tabela, const PrecosCusto& precos);

// The wall list with the walls the search found: each diameter takes the
// thickest of its classes' walls (the cheapest ones when `menorCusto`),
// so every class that has one passes with it or a thicker one; a diameter
// none of whose classes found a wall keeps its own. Returns the diameters
// whose wall changed.
std::vector<int> adotarParedesEncontradas(EntradaLinha& linha, const TabelaLinha& tabela, bool menorCusto);
