#pragma once
// The road both command-line calculators share, once their command line is
// read (linhaComandoCalculadora.h): for each project file print its fields
// (a block of "chave: valor" lines, or a spreadsheet row with --csv) and,
// with --pdf, write its report.

#include "linhaComandoCalculadora.h"

#include <QString>
#include <cstdio>
#include <functional>
#include <memory>

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

// Makes the GUI application fonts and PDF need (on no screen, its chatter
// kept off standard error) and computes the files of `argumentos`; returns
// the exit status.
int executarCalculadora(int argc, char* argv[], const ArgumentosCalculadora& argumentos,
                        const std::vector<std::string>& chaves,
                        const std::function<CalculoDeArquivo(const QString& arquivo)>& calcular);

// The application alone, for a calculator's own modes.
class QGuiApplication;
std::unique_ptr<QGuiApplication> aplicacaoCalculadora(int& argc, char* argv[]);

// The words of the command line after the program's name, in UTF-8.
std::vector<std::string> argumentosDe(int argc, char* argv[]);
// Writes the bytes of `texto` as they are (UTF-8) to `saida`.
void escrever(FILE* saida, const std::string& texto);
