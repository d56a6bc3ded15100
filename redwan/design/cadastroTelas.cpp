#include "cadastroTelas.h"

namespace {

// Designação, spacing and wire diameter (lengthwise x crosswise), sections
// lengthwise and crosswise, base weight, roll width, roll length, roll
// weight, lap length.
constexpr const char* linhas[7][colunasCadastroTelas] = {
    {"MF113", "10 x 20", "3,8 x 3,4", "1,13", "0,46", "1,27", "0,975", "120", "148,6", "21"},
    {"MF138", "10 x 20", "4,2 x 3,4", "1,38", "0,46", "1,47", "0,975", "120", "172,0", "24"},
    {"MF159", "10 x 20", "4,5 x 3,4", "1,59", "0,46", "1,64", "0,975", "120", "191,9", "25"},
    {"MF196", "10 x 20", "5,0 x 3,4", "1,96", "0,46", "1,94", "0,975", "120", "227,0", "28"},
    {"MF246", "10 x 20", "5,6 x 3,4", "2,46", "0,46", "2,34", "0,975", "120", "136,9", "31"},
    {"MF283", "10 x 20", "6,0 x 4,2", "2,83", "0,69", "2,82", "0,975", "120", "165,0", "34"},
    {"MF396", "10 x 20", "7,1 x 4,2", "3,96", "0,69", "3,73", "0,975", "120", "218,2", "40"},
};

} // namespace

CadastroTelas preencherCadastroTelas()
{
    CadastroTelas c;
    for (int linha = 0; linha < 7; ++linha)
        for (int coluna = 0; coluna < colunasCadastroTelas; ++coluna)
            c.colunas[coluna][linha + 1] = linhas[linha][coluna];
    return c;
}

const std::array<CabecalhoColuna, colunasCadastroTelas> cabecalhosCadastroTelas{{
    {"Designação", ""},
    {"Espaçamento", "entre fios (cm)"},
    {"Diâmetro", "dos fios (cm)"},
    {"", "Longitudinal"},
    {"", "Transversal"},
    {"Peso base", "(kgf/m ²)"},
    {"Largura do", "rolo (m)"},
    {"Comprimento", "do rolo (m)"},
    {"Peso do", "rolo (kgf)"},
    {"Comprimento", "emenda (cm)"},
}};
const char* const cabecalhoSecaoFios = "Seçâo dos fios (cm ²/m)";

const char* const tituloJanelaCadastro = "Fcadastro";
const char* const tituloCadastroTelas = "Telas Disponíveis (CA 60)";
const char* const paginaMachoFemea = "Macho e Fêmea - MF ( comp. do tubo = 1,0 m)";
const char* const paginaPontaBolsa10 = "Ponta e Bolsa - PB ( comp. do tubo = 1,0 m)";
const char* const paginaPontaBolsa15 = "Ponta e Bolsa - PB ( comp. do tubo = 1,5 m)";
const char* const botaoVoltar = "Voltar";
