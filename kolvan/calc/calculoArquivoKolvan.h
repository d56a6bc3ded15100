#pragma once
// One project file through kolvan-calc: opened as "Abrir" opens it, its
// class computed as "Resultado da classe do tubo" computes it, and the
// fields printed for it.

#include "ProjetoTubo.h"
#include "calculoClasse.h"
#include "saidaCalculadora.h"

#include <QString>

struct CalculoArquivoKolvan {
    bool ok = false;
    CamposSaida campos;       // arquivo, W, qs, … textoClasse; or arquivo and erro
    ProjetoTubo projeto;      // as opened and computed, for its report
    bool semSolucao = false;  // a settlement plane was not found on the way
    CalculoClasse calculo;    // the computation, for the calculation sheet
};

CalculoArquivoKolvan calcularArquivoKolvan(const QString& caminho);

// The keys in print order, without the error.
const std::vector<std::string>& chavesCalculoKolvan();
