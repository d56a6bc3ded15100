#pragma once
// The road both command-line calculators share: read the arguments, then
// for each project file print its fields (a block of "chave: valor" lines,
// or a spreadsheet row with --csv) and, with --pdf, write its report.

#include "saidaCalculadora.h"

#include <QString>
#include <functional>

// One file through a calculator.
struct CalculoDeArquivo {
    bool ok = false;
    CamposSaida campos; // the keys, or "arquivo" and "erro"
    // Writes the report of the file just computed; false when it cannot.
    std::function<bool(const QString& pdf)> exportarRelatorio;
    // With --memoria: the trace's keyed quantities, and its sheet.
    CamposSaida camposMemoria;
    std::function<bool(const QString& pdf)> exportarMemoria;
};

// Makes the GUI application fonts and PDF need (on no screen) and runs the
// calculator; returns the exit status.
int executarCalculadora(int argc, char* argv[], const std::string& programa, const std::string& extensao,
                        const std::vector<std::string>& chaves,
                        const std::function<CalculoDeArquivo(const QString& arquivo)>& calcular);
