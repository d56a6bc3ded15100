#pragma once
// The calculation sheet of the design ("Memória de cálculo"): the report's
// heading data (manufacturer, work, client, date and time), the project's
// data, then every quantity of the design run as the run traced it, from the
// materials to the verdicts of the checks.

#include "EstadoDimensionamento.h"
#include "layoutRelatorio.h"

struct DadosRelatorioDimensionamento;

// `estado` is the run of the project in `dados`.
LayoutRelatorio montarMemoriaDimensionamento(const DadosRelatorioDimensionamento& dados,
                                             const EstadoDimensionamento& estado);

// Runs the design of the project in `dados` afresh and lays out its sheet;
// a run that stops shows its trace up to its message.
LayoutRelatorio memoriaDimensionamentoDoProjeto(const DadosRelatorioDimensionamento& dados);
