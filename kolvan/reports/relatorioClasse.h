#pragma once
// The class report: two A4 pages with who designed the project and for
// whom, the inputs of every step and the class result. Values are taken as
// the windows hold them; nothing is computed here.

#include "layoutRelatorio.h"

#include <string>

struct ProjetoTubo;

// The moment the report was made, as printed: "dd/mm/yyyy" and "hh:mm".
struct MomentoRelatorio {
    std::string data;
    std::string hora;
};

LayoutRelatorio montarRelatorioClasse(const ProjetoTubo& p, const MomentoRelatorio& momento);
