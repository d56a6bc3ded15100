#pragma once
// The texts of Redwan's summary, "Quadro de Resumo": three panels of ten
// rows, from left to right the geometry and class, the design parameters
// and the design results. Each value line is a fixed prefix and a value;
// a block is rewritten when its step is confirmed with a change, and the
// result lines go back to their prefixes whenever the results are withdrawn.

#include <array>
#include <string>
#include <vector>

struct ProjetoRedwan;

constexpr const char* tituloResumoRedwan = "Quadro de Resumo";

enum PainelRedwan { PainelGeometria = 0, PainelParametros = 1, PainelResultados = 2 };

struct ResumoRedwan {
    // Geometry and class.
    std::string finalidade, tipoTubo, diametro, comprimento, classe, carga;
    // Design parameters.
    std::string fck, tipoArmadura, dInt, dExt, espessura, gamaS, gamaC;
    // Design results.
    std::string momentoCoroamento, asCoroamento, momentoFlanco, asFlanco, telaInterna, telaExterna;
};

// The six result texts the results window confirms.
struct ResultadosResumo {
    std::string momentoCoroamento, asCoroamento, momentoFlanco, asFlanco, telaInterna, telaExterna;
};

// Every value line with its bare prefix, as at start and after "Novo".
ResumoRedwan resumoInicialRedwan();

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
std::array<LinhaResumoRedwan, 10> linhasPainel(const ResumoRedwan& r, PainelRedwan painel);
