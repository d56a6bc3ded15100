#pragma once
// One project file through redwan-calc: opened as "Abrir" opens it, its
// reinforcement designed as "Resultado do dimensionamento" designs it, and
// the fields printed for it.

#include "ProjetoRedwan.h"
#include "precosCusto.h"
#include "resultadoDimensionamento.h"
#include "saidaCalculadora.h"

#include <QString>

struct CalculoArquivoRedwan {
    bool ok = false;
    CamposSaida campos;          // arquivo, P, Mc, … verificacaoFissuras; or arquivo and erro
    ProjetoRedwan projeto;       // as opened, for its report
    TextosResultados resultados; // of the run just made, for its report
    EstadoDimensionamento estado; // the run, for the calculation sheet
};

// Steel, concrete and cost at `precos`.
CalculoArquivoRedwan calcularArquivoRedwan(const QString& caminho, const PrecosCusto& precos = {});

// The keys in print order, without the error.
const std::vector<std::string>& chavesCalculoRedwan();
