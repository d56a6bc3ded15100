#pragma once
// The report of a product line on A4 pages: the manufacturer's heading and
// logo as the design report prints them, the line's parameters, and one row
// per cell (class load, wall, steel, meshes, the three checks in their
// colours, and the thinnest wall where the search ran); a cell whose run
// stopped prints its message.

#include "fabricante.h"
#include "layoutRelatorio.h"
#include "linhaProdutos.h"

#include <string>

struct DadosRelatorioLinha {
    TabelaLinha tabela;
    DadosFabricante fabricante;          // its heading is printed when `imprimir` is set
    std::string logo = "logofabri.bmp";  // a file of Pictures/ or an absolute path
    std::string data, hora;              // "dd/mm/yyyy" and "hh:mm"
};

LayoutRelatorio montarRelatorioLinha(const DadosRelatorioLinha& dados);

// What a cell says of its three checks, as the table and the report show it.
struct VereditosCelula {
    std::string cobrimento, cortante, fissuras; // "Ok" or "Não"
};
VereditosCelula vereditosCelula(const ResultadoDimensionamento& r);
