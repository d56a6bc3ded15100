#pragma once
// Config/Projetista.ini: the designer data kept between runs, laid out as
// the first section of a project file ("PROJETISTA", eleven texts, the
// separator), windows-1252 with CR LF.

#include "arquivoProjeto.h"

#include <QString>

// Empty designer data when the file is missing or unreadable.
DadosProjetista lerArquivoProjetista();
// False with the user's message when the file could not be written (the
// previous file stays).
bool gravarArquivoProjetista(const DadosProjetista& d, QString& erro);
