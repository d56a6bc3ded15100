#pragma once
// Chooses the folders a program works in (pastasPrograma.h) before its
// first window, and, for an installed program, makes the user's own
// Config/ from the installed defaults on its first start.

#include <QString>
#include <QStringList>

// The installed data of both programs, relative to the programs' folder.
inline constexpr const char* pastaDadosInstalados = "../share/kolvan-redwan";

// `programa` names the user's folders ("Kolvan"); `figurasGravaveis` are the
// pictures the program rewrites (the manufacturer's logo), copied into the
// user's Pictures/ so that the installed ones stay as shipped.
void prepararPastas(const QString& programa, const QStringList& figurasGravaveis = {});
