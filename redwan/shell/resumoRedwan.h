#pragma once
// The texts of Redwan's summary, "Quadro de Resumo": three panels of
// thirteen rows, from left to right the geometry and class, the design
// parameters with the manufacturer's prices, and the design results with
// the steel, concrete and cost of one metre. Each value line is a fixed
// prefix and a value; a block is rewritten when its step is confirmed with a
// change, and the result lines go back to their prefixes whenever the
// results are withdrawn.

#include "precosCusto.h"

#include <array>
#include <string>
#include <vector>

struct ProjetoRedwan;

constexpr const char* tituloResumoRedwan = "Quadro de Resumo";

constexpr int linhasPorPainelRedwan = 13;

enum PainelRedwan { PainelGeometria = 0, PainelParametros = 1, PainelResultados = 2 };

struct ResumoRedwan {
    // Geometry and class.
    std::string finalidade, tipoTubo, diametro, comprimento, classe, carga;
    // Design parameters.
    std::string fck, tipoArmadura, dInt, dExt, espessura, gamaS, gamaC;
    // The prices the cost is computed at.
    std::string precoConcreto, precoAco;
    // Design results.
    std::string momentoCoroamento, asCoroamento, momentoFlanco, asFlanco, telaInterna, telaExterna;
    std::string aco, concreto, custo;
    bool comResultados = false; // the result lines show a design (it has its meshes)
};

// The result texts the results window confirms. The three cost lines come
// whole, as the results window shows them ("Aço: 26,12 kg (…)"), and are
// empty when the design could not be priced.
struct ResultadosResumo {
    std::string momentoCoroamento, asCoroamento, momentoFlanco, asFlanco, telaInterna, telaExterna;
    std::string aco, concreto, custo;
};

// Every value line with its bare prefix, as at start and after "Novo"; the
// prices are the manufacturer's, which "Novo" keeps.
ResumoRedwan resumoInicialRedwan(const PrecosCusto& precos = {});
void atualizarPrecosResumo(ResumoRedwan& r, const PrecosCusto& precos);

void atualizarGeometriaResumo(ResumoRedwan& r, const ProjetoRedwan& p);
void atualizarClasseResumo(ResumoRedwan& r, const ProjetoRedwan& p);
void atualizarParametrosResumo(ResumoRedwan& r, const ProjetoRedwan& p);
void atualizarResultadosResumo(ResumoRedwan& r, const ResultadosResumo& resultados);
void limparResultadosResumo(ResumoRedwan& r);

// A row of a panel: one text, or two side by side in a sub-panel (the
// positions, the safety factors). The safety factors are written after a
// γ symbol, which `comSimboloGama` marks.
struct LinhaResumoRedwan {
    std::vector<std::string> textos;
    bool subpainel = false;
    bool comSimboloGama = false;
};
std::array<LinhaResumoRedwan, linhasPorPainelRedwan> linhasPainel(const ResumoRedwan& r, PainelRedwan painel);
