#pragma once
// The projects a program opened or saved last, newest first, as the
// "Arquivos" menu lists them; kept one path a line in a file of Config/.

#include <cstddef>
#include <string>
#include <vector>

inline constexpr std::size_t maximoRecentes = 6;

struct ListaRecentes {
    std::vector<std::string> caminhos; // newest first, no repeats, at most maximoRecentes
};

// `caminho` goes to the head of the list, leaving it once only; the oldest
// beyond the limit drop off.
void acrescentarRecente(ListaRecentes& lista, const std::string& caminho);
void removerRecente(ListaRecentes& lista, const std::string& caminho);

// The list from the lines of its file: blank lines, repeats and lines past
// the limit are left out, so a file edited by hand never breaks the menu.
ListaRecentes listaRecentesDeLinhas(const std::vector<std::string>& linhas);
std::vector<std::string> linhasDaListaRecentes(const ListaRecentes& lista);
