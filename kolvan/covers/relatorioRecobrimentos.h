#pragma once
// The cover table's report: the heading of Kolvan's reports, the project's
// parameters and the rule, the covers of each class, the class at each
// cover (coloured by class) and the chart of one diameter.

#include "graficoRecobrimento.h"
#include "layoutRelatorio.h"
#include "relatorioClasse.h"
#include "tabelaRecobrimentos.h"

inline constexpr const char* tituloRelatorioRecobrimentos = "TABELA DE RECOBRIMENTOS: CLASSES POR ALTURA DE TERRA";

// The chart of tabela.diametros[indiceGrafico].
LayoutRelatorio montarRelatorioRecobrimentos(const ProjetoTubo& projeto, const TabelaRecobrimentos& tabela,
                                             int indiceGrafico, const MomentoRelatorio& momento);

// The classes of the table's columns: every reinforced class of the purpose,
// then every simple one, each once.
std::vector<CargaClasse> colunasClasses(const TabelaRecobrimentos& tabela);
// The class of a diameter in the table, or null when the diameter has none of that name and kind.
const ClasseRecobrimento* classeDe(const DiametroRecobrimento& d, const CargaClasse& coluna);

// A chart as the items of a band, its top-left corner at (x, y).
void adicionarGrafico(BandaRelatorio& banda, const GraficoRecobrimento& g, int x, int y);
