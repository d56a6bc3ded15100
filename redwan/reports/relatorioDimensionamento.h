#pragma once
// The design report on A4 pages: the work and the client, the pipe, its
// class and design parameters, the design results, the checks with their
// verdict colours and the minimum reinforcement. With the manufacturer's
// header it takes two pages ("pagina 1 de 2", "pagina 2 de 2"); without it
// everything fits on one ("pagina 1 de 1").

#include "layoutRelatorio.h"

struct DadosRelatorioDimensionamento;

LayoutRelatorio montarRelatorioDimensionamento(const DadosRelatorioDimensionamento& dados);
