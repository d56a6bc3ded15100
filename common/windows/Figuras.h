#pragma once
// The base folder and the files under it. The base folder is the current
// directory when the splash is shown; file names are matched without regard
// to case, since the programs spell them both ways ("Vala.bmp", "vala.bmp").

#include <QPixmap>
#include <QString>

void fixarPastaBase(const QString& pasta);
QString pastaBase();
// An installed program started elsewhere: its folders were chosen at start.
bool pastasDeInstalacao();
// Pictures missing from the base folder are read from here (an installed
// program's own); empty for none.
void fixarPastaFigurasInstaladas(const QString& pasta);
// Where the file dialogs start: Arquivos under the base folder unless set.
void fixarPastaArquivos(const QString& pasta);
QString pastaArquivos();

// The path of `pasta/nome` under the base folder, matched case-insensitively;
// a picture the base lacks is taken from the installed pictures; the literal
// path under the base when no such file exists.
QString caminhoNaBase(const QString& pasta, const QString& nome);

// A picture of Pictures/; an empty picture when the file is missing or unreadable.
QPixmap carregarFigura(const QString& nome);
