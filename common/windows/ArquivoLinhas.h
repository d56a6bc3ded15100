#pragma once
// Line files on disk, windows-1252 with CR LF: the project files of both
// programs. A file is written to a temporary file renamed over the target,
// so a failed save never destroys the previous file, and read whole (a
// regular file of at most limiteArquivoProjeto bytes, ArquivoSeguro.h).

#include <QString>
#include <string>
#include <vector>

// Where the file dialogs start (Arquivos under the base folder, or the
// user's documents for an installed program); made when missing.
QString pastaArquivosProjeto();

// False with `erro` set (the user's message) when the file could not be
// written, or a text holds a character windows-1252 cannot store.
bool gravarArquivoLinhas(const std::vector<std::string>& linhas, const QString& caminho, QString& erro);

// The lines of the file, in UTF-8; false with `erro` saying why it could not be read.
bool lerArquivoLinhas(const QString& caminho, std::vector<std::string>& linhas, std::string& erro);
