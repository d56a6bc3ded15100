#pragma once
// The calculation sheet of either program as report bands: a heading with
// who, for whom and when, the data as caption/value rows, then the trace of
// the computation one quantity a row (its name on the left; its symbol,
// formula, the formula with the numbers put in, and its value on the
// right), the headings and notes of the trace between them. Pages are
// numbered "Página N de M".

#include "layoutRelatorio.h"
#include "memoriaCalculo.h"

#include <string>
#include <utility>
#include <vector>

// One part of the heading or of the data: a title over caption/value rows.
struct GrupoFolha {
    std::string titulo;
    std::vector<std::pair<std::string, std::string>> linhas;
};

struct CabecalhoFolha {
    std::string programa;  // "ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO"
    std::string data, hora; // "dd/mm/yyyy", "hh:mm"
    std::vector<GrupoFolha> grupos; // designer or manufacturer, work, client
};

// A new sheet: its title, the page heading of every page and the first page's heading.
LayoutRelatorio novaFolhaMemoria(const std::string& titulo, const CabecalhoFolha& cabecalho);

// A group of caption/value rows in two columns.
void adicionarGrupoFolha(LayoutRelatorio& folha, const GrupoFolha& grupo);

// Every step of the trace, in order.
void adicionarMemoria(LayoutRelatorio& folha, const MemoriaCalculo& memoria);
