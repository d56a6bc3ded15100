#pragma once
// What the two table windows show: the grid cells as right-aligned texts
// padded with blanks, the column widths, and the header over the grid.

#include "tabelasClasse.h"

#include <cstddef>
#include <string>
#include <vector>

constexpr const char* tituloTabelaA3 = "Compressão diametral de tubos simples";
constexpr const char* tituloTabelaA4 = "Compressão diametral de tubos armados";
constexpr const char* rotuloDN = "DN";
constexpr const char* rotuloClasse = "Classe";
constexpr const char* rotuloLinhaQd = "      Qd";
constexpr const char* faixaCargaDiametral = "Carga diametral de fissura/ruptura (kN/m)";

// A header text over the grid columns [primeiraColuna, primeiraColuna + colunas).
struct GrupoCabecalho {
    std::vector<std::string> linhas;
    int primeiraColuna = 0;
    int colunas = 0;
};

struct GradeTabela {
    std::string titulo;
    std::vector<int> largurasColunas;
    // celulas[linha][coluna]: row 0 under the header (empty), one row per
    // DN, two empty rows under the band, then the Qd row.
    std::vector<std::vector<std::string>> celulas;
    int linhaFaixa = 0; // first of the two empty rows under the band
    std::vector<std::string> classes;         // per grid column; empty over DN
    std::vector<GrupoCabecalho> finalidades;  // "Água pluvial", "Esgoto sanitário"
    std::vector<GrupoCabecalho> tiposCarga;   // "Carga minima trinca" / "(kN/m)", …
};

// The text padded with leading blanks to `largura` characters; a longer
// text is left whole.
std::string alinharDireita(const std::string& texto, std::size_t largura);

GradeTabela gradeTabelaA3(); // loads padded to 19
GradeTabela gradeTabelaA4(); // loads padded to 5
