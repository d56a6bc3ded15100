#pragma once
// The design report through the report engine: previewed (with its print
// button) or written as a PDF. This header keeps the report layout out of
// sight, so the windows that hold the results texts can include it.

#include "dadosRelatorioDimensionamento.h"

class QString;
class QWidget;

// The date and time of now, as the report prints them.
void marcarMomentoAtual(DadosRelatorioDimensionamento& dados);

// The preview, modal; returns when it is closed (accepted once printed).
int visualizarRelatorioDimensionamento(const DadosRelatorioDimensionamento& dados, QWidget* pai = nullptr);

// False when the file cannot be written; an earlier file then stays.
bool exportarRelatorioDimensionamento(const DadosRelatorioDimensionamento& dados, const QString& caminho);

// The calculation sheet of the project in `dados`, its design run afresh:
// previewed, or written as a PDF.
int visualizarMemoriaDimensionamento(const DadosRelatorioDimensionamento& dados, QWidget* pai = nullptr);
bool exportarMemoriaDimensionamento(const DadosRelatorioDimensionamento& dados, const QString& caminho);
