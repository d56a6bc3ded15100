#pragma once
// Kolvan's project files on disk: windows-1252 with CR LF. A save goes
// through a temporary file renamed over the target, so a failed save never
// destroys the previous file; an open reads and checks the whole file
// before the project changes.

#include "arquivoProjeto.h"

#include <QString>

extern const char* const filtroArquivosKolvan;

// False with `erro` set when the file could not be written (or a text holds
// a character windows-1252 cannot store).
bool salvarProjeto(const ProjetoTubo& projeto, const QString& caminho, QString& erro);

// The file read over `atual`; on any failure `ok` is false and `erro` of the
// reading says why (a file that could not be read says so too).
LeituraProjeto abrirProjeto(const QString& caminho, const ProjetoTubo& atual);
