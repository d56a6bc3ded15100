#pragma once
// Redwan's project files on disk: windows-1252 with CR LF. A save goes
// through a temporary file renamed over the target, so a failed save never
// destroys the previous file; an open reads and checks the whole file
// before the project changes.

#include "arquivoProjetoRedwan.h"

#include <QString>

// What the open and save dialogs are given: the filter, the extension and
// the name the save dialog proposes; both start in pastaArquivosProjeto().
extern const char* const filtroArquivosRedwan;
extern const char* const extensaoArquivosRedwan; // ".rdw"
extern const char* const nomePropostoRedwan;     // "DimTubo1"

// False with `erro` set when the file could not be written (or a text holds
// a character windows-1252 cannot store).
bool salvarProjetoRedwan(const ProjetoRedwan& projeto, const TextosResultados& resultados, const QString& caminho,
                         QString& erro);

// The file read over the open project; on any failure `ok` is false and
// `erro` says why (a file that could not be read says so too, at line 0).
LeituraRedwan abrirProjetoRedwan(const QString& caminho, const ProjetoRedwan& atual,
                                 const TextosResultados& resultadosAtuais);
