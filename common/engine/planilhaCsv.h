#pragma once
// One sheet as a CSV file the way Brazilian spreadsheets write it: ';'
// between fields, numbers with a decimal comma and their decimals, fields
// quoted only when they must be, UTF-8 with a byte-order mark so that
// spreadsheets recognise the accents, CR LF line ends.

#include "planilha.h"

#include <string>

std::string montarCsv(const FolhaPlanilha& folha);

// Writes the text to a file beside `caminho` and moves it over it when
// complete. Empty on success; otherwise what went wrong.
std::string gravarArquivoTexto(const std::string& conteudo, const std::string& caminho);
