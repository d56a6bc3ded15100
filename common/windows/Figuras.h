#pragma once
// The base folder and the files under it. The base folder is the current
// directory when the splash is shown; file names are matched without regard
// to case, since the programs spell them both ways ("Vala.bmp", "vala.bmp").

#include <QPixmap>
#include <QString>

void fixarPastaBase(const QString& pasta);
QString pastaBase();

// The path of `pasta/nome` under the base folder, matched case-insensitively;
// the literal path when no such file exists.
QString caminhoNaBase(const QString& pasta, const QString& nome);

// A picture of Pictures/; an empty picture when the file is missing or unreadable.
QPixmap carregarFigura(const QString& nome);
