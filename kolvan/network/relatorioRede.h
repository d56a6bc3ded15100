#pragma once
// The network report: the heading of Kolvan's reports, the parameters the
// network takes from the project, the rule a stretch is classed by, the
// table of stretches and the bill of quantities. The tables are cut into
// pages of a fixed number of rows, each under its own heading, so every
// page can say which page it is.

#include "layoutRelatorio.h"
#include "redeTubulacoes.h"
#include "relatorioClasse.h"

LayoutRelatorio montarRelatorioRede(const ProjetoTubo& projeto, const RedeTubulacoes& rede,
                                    const MomentoRelatorio& momento);

inline constexpr const char* tituloRelatorioRede = "CLASSES DE RESISTÊNCIA DA REDE DE TUBULAÇÕES";
