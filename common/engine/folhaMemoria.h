#pragma once
// The calculation sheet of either program as report bands: a heading with
// who, for whom and when, the data as caption/value rows, then the trace of
// the computation one quantity a row (its name on the left; its symbol,
// formula, the formula with the numbers put in, and its value on the
// right), the headings and notes of the trace between them. Pages are
// numbered "Página N de M".

#include "layoutRelatorio.h"
#include "memoriaCalculo.h"

#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

// One part of the heading or of the data: a title over caption/value rows.
struct GrupoFolha {
    std::string titulo;
    std::vector<std::pair<std::string, std::string>> linhas;
    // Rows whose pair takes the whole width (a long text: services, an address).
    std::set<std::size_t> inteiras = {};
};

// A check shown with its verdict: "hs = 2,50 m ≥ 0,60 m: atende".
struct LinhaVerificacao {
    std::string nome;  // "Altura de terra mínima"
    std::string texto;
    bool atende = true; // a failed check prints in red
};

struct CabecalhoFolha {
    std::string programa;  // "ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO"
    std::string data, hora; // "dd/mm/yyyy", "hh:mm"
    std::vector<GrupoFolha> grupos; // designer or manufacturer, work, client
};

// The non-empty parts with `separador` between them: "Rua A, 12, Centro".
std::string juntarTextos(std::initializer_list<std::string> partes, const char* separador);

// A new sheet: its title, the page heading of every page and the first page's heading.
LayoutRelatorio novaFolhaMemoria(const std::string& titulo, const CabecalhoFolha& cabecalho);

// A group of caption/value rows in two columns.
void adicionarGrupoFolha(LayoutRelatorio& folha, const GrupoFolha& grupo);

// Paragraphs under a title, one bullet each: references and assumptions.
void adicionarTextosFolha(LayoutRelatorio& folha, const std::string& titulo, const std::vector<std::string>& paragrafos);

// Checks under a title, each with its verdict; a failure in red.
void adicionarVerificacoesFolha(LayoutRelatorio& folha, const std::string& titulo,
                                const std::vector<LinhaVerificacao>& linhas);

// The closing verdict of the sheet, in navy when it passes, in red when not.
void adicionarVereditoFolha(LayoutRelatorio& folha, const std::string& texto, bool atende);

// Every step of the trace, in order.
void adicionarMemoria(LayoutRelatorio& folha, const MemoriaCalculo& memoria);
