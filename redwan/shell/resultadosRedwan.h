#pragma once
// The design results of the open project. The texts are those of the
// results window as last shown, or as a project file restored them: the
// report prints them and the project file keeps them. The values are those
// of the last successful run of this session; a project opened from a file
// brings its texts only.

#include "ProjetoRedwan.h"
#include "custoTubo.h"
#include "resultadoDimensionamento.h"
#include "resumoRedwan.h"

#include <optional>

struct ResultadosRedwan {
    TextosResultados textos;
    std::optional<ResultadoDimensionamento> valores;
};

// A successful run replaces both.
void guardarResultados(ResultadosRedwan& r, const ResultadoDimensionamento& resultado);
// An opened project file brings the texts alone.
void restaurarResultados(ResultadosRedwan& r, const TextosResultados& textos);

// The result lines of the summary: the moments and areas of the crown and
// the springline, the inner and outer meshes, and the cost lines.
ResultadosResumo resumoResultados(const TextosResultados& t);

// Fills the cost lines of the texts from the values of the last run. A
// project opened from a file brings the texts of its results, not their
// values: its design runs again to price them, and only when it chooses the
// very meshes the file shows.
void precificarResultados(ResultadosRedwan& r, const ProjetoRedwan& projeto, const PrecosCusto& precos);
