#pragma once
// The class report: two A4 pages with who designed the project and for
// whom, the inputs of every step and the class result. Values are taken as
// the windows hold them; nothing is computed here.

#include "assinaturaRelatorio.h"
#include "bandasRelatorio.h"
#include "dadosObraCliente.h"
#include "layoutRelatorio.h"

#include <string>

struct ProjetoTubo;

// The item of a list, empty when the index is out of it.
std::string itemLista(const std::vector<std::string>& lista, int indice);

// A band with its heading and rows of caption/value pairs under it; each
// value has the room up to the next caption and the last up to `direita`
// (0: as wide as it is).
BandaRelatorio bandaPares(const std::string& titulo, const std::vector<std::vector<ParLegendaValor>>& linhas,
                          int direita = larguraA4 - 76);
struct DadosProjetista;

// The moment the report was made, as printed: "dd/mm/yyyy" and "hh:mm".
struct MomentoRelatorio {
    std::string data;
    std::string hora;
};

// Now, in local time.
MomentoRelatorio momentoAtual();

LayoutRelatorio montarRelatorioClasse(const ProjetoTubo& p, const MomentoRelatorio& momento);

// The bands every Kolvan report opens with: its title with the moment it
// was made, and who designed the work and for whom.
inline constexpr const char* tituloRelatorioClasse = "ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO";
BandaRelatorio bandaCabecalhoRelatorio(const LayoutRelatorio& l, const MomentoRelatorio& m, const std::string& titulo);
BandaRelatorio bandaProjetista(const DadosProjetista& d);
BandaRelatorio bandaObra(const DadosObra& d);
BandaRelatorio bandaCliente(const DadosCliente& d);

// Who signs a Kolvan document: the designer, with the CREA, at the
// designer's city (the work's when the designer has none).
DadosAssinatura assinaturaProjetista(const ProjetoTubo& p, const MomentoRelatorio& m);
