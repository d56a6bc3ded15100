#pragma once
// The network kept with a project: "Salvar" of NOME.kvn writes the
// stretches to NOME-rede.csv beside it, in the CSV that "Exportar" writes,
// and "Abrir" reads them back from there. The project file itself never
// holds them, so it stays what it always was.

#include <string>

// NOME.kvn → NOME-rede.csv in the same folder.
std::string caminhoRedeDoProjeto(const std::string& caminhoProjeto);
// A Kolvan project file, by its extension.
bool ehArquivoProjeto(const std::string& caminho);
