#pragma once
// The design run of "Resultado do dimensionamento": inputs → materials,
// geometry and ring forces → flexural design of the chosen arrangement →
// minimum reinforcement → meshes → outcome, and on success the checks of the
// results window. Every run fills a fresh EstadoDimensionamento and hands
// it over only when it gets to an outcome, so a run that stops leaves the
// previous one in place. The engine never shows a message: the caller shows
// `mensagem`.

#include "EstadoDimensionamento.h"
#include "entradaDimensionamento.h"
#include "resultadoDimensionamento.h"

#include <string>

enum class Desfecho {
    Resultados,          // the results window opens
    SemDimensionamento,  // no admissible flexural design
    TelasInviaveis,      // no mesh or pair of meshes holds the steel
    Interrompido,        // the run could not be done; nothing changed
};

extern const char* const mensagemSemDimensionamento;
extern const char* const mensagemTelasInviaveis;

struct ExecucaoDimensionamento {
    Desfecho desfecho = Desfecho::Interrompido;
    std::string mensagem;               // empty when the results window opens
    ResultadoDimensionamento resultado; // filled for Desfecho::Resultados
};

// The whole run from the window inputs.
ExecucaoDimensionamento executarDimensionamento(const EntradaDimensionamento& entrada,
                                                EstadoDimensionamento& estado);

// The run from values already converted.
ExecucaoDimensionamento executarDimensionamento(const DadosDimensionamento& dados,
                                                EstadoDimensionamento& estado);

// The message for a section left without effective depth.
std::string mensagemAlturaUtil(double d);

// True when every number the run leaves in the state is finite.
bool estadoFinito(const EstadoDimensionamento& e);
