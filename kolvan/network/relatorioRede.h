#pragma once
// The network report: the heading of Kolvan's reports, the parameters the
// network takes from the project, the rule a stretch is classed by, the
// table of stretches and the bill of quantities. The tables are cut into
// pages of a fixed number of rows, each under its own heading, so every
// page can say which page it is.

#include "bandasRelatorio.h"
#include "layoutRelatorio.h"
#include "redeTubulacoes.h"
#include "relatorioClasse.h"

LayoutRelatorio montarRelatorioRede(const ProjetoTubo& projeto, const RedeTubulacoes& rede,
                                    const MomentoRelatorio& momento);

// The project's parameters a network is classed with, as the network
// report and the cover table's report (whose points are one-stretch
// networks) show them in a bandaPares: the installation's rows and the
// bedding's rows.
std::vector<std::vector<ParLegendaValor>> linhasInstalacaoRede(const ProjetoTubo& p);
std::vector<std::vector<ParLegendaValor>> linhasBaseRede(const ProjetoTubo& p);
// A titled rule of calculation, alone on its page.
BandaRelatorio bandaRegraCalculo(const LayoutRelatorio& l, const std::string& titulo, const std::string& regra);
// The project's surcharge in a few words.
std::string textoSobrecargaProjeto(const Sobrecarga& s);

inline constexpr const char* tituloRelatorioRede = "CLASSES DE RESISTÊNCIA DA REDE DE TUBULAÇÕES";
