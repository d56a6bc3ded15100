#pragma once
// The catalogue of the meshes the program knows, as the mesh window lists
// them: display data only, no computation reads it (the computations use
// TabelaTelas).

#include <array>
#include <string>

constexpr int colunasCadastroTelas = 10;
constexpr int linhasCadastroTelas = 12; // row 0 and rows 8 to 11 stay empty

// The ten columns of the catalogue grid, each a list of 12 cell texts.
struct CadastroTelas {
    std::array<std::array<std::string, linhasCadastroTelas>, colunasCadastroTelas> colunas;
    const std::string& celula(int coluna, int linha) const { return colunas[coluna][linha]; }
};

CadastroTelas preencherCadastroTelas();

// Headings of the panels above the columns, upper and lower line. The two
// cross-section columns share the upper heading `cabecalhoSecaoFios`.
struct CabecalhoColuna {
    const char* linha1;
    const char* linha2;
};
extern const std::array<CabecalhoColuna, colunasCadastroTelas> cabecalhosCadastroTelas;
extern const char* const cabecalhoSecaoFios;

// Texts of the mesh window.
extern const char* const tituloJanelaCadastro;   // window caption
extern const char* const tituloCadastroTelas;    // title panel over the grid
extern const char* const paginaMachoFemea;       // the page with the catalogue
extern const char* const paginaPontaBolsa10;     // empty page
extern const char* const paginaPontaBolsa15;     // empty page
extern const char* const botaoVoltar;
