#pragma once
// Config/Projetista.ini: the designer data kept between runs, laid out as
// the first section of a project file ("PROJETISTA", eleven texts, the
// separator), windows-1252 with CR LF.

#include "ProjetoTubo.h"

#include <string>
#include <vector>

std::vector<std::string> linhasProjetista(const DadosProjetista& d);
// Line 1 is the heading; lines 2 to 12 are the texts; missing lines are empty.
DadosProjetista projetistaDasLinhas(const std::vector<std::string>& linhas);

// Empty designer data when the file is missing or unreadable.
DadosProjetista lerArquivoProjetista();
// False when the file could not be written (the previous file stays).
bool gravarArquivoProjetista(const DadosProjetista& d);
