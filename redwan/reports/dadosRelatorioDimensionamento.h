#pragma once
// What the design report prints: the project as the input windows hold it,
// the manufacturer's identification and logo, the texts of the results
// window and the moment of printing. Nothing is computed from them.

#include "ProjetoRedwan.h"
#include "assinaturaRelatorio.h"
#include "fabricante.h"
#include "precosCusto.h"
#include "resultadoDimensionamento.h"

#include <string>

struct DadosRelatorioDimensionamento {
    ProjetoRedwan projeto;        // work, client, geometry, class, design parameters
    DadosFabricante fabricante;   // its header is printed when `imprimir` is set
    std::string logo = "logofabri.bmp"; // a file of Pictures/ or an absolute path
    TextosResultados resultados;  // as the results window shows them
    std::string data, hora;       // "dd/mm/yyyy" and "hh:mm"
    PrecosCusto precos;           // the calculation sheet prices the pipe at these
};

// The manufacturer fields the report prints lose their leading blanks
// (name, address, number, district, city, state, telephone, e-mail); the
// manufacturer window shows them so afterwards.
void removerBrancosIniciais(DadosFabricante& d);

// Who signs a Redwan document: the manufacturer and its technical lead,
// whose name and CREA are filled in by hand, at the manufacturer's city.
DadosAssinatura assinaturaFabricante(const DadosRelatorioDimensionamento& d);
