#pragma once
// Kolvan's result: the strength the pipe needs and its classes.
//
//   R = (W + q_s) / fe · cs
//
// W is the earth load of the installation, q_s the surcharge load, fe the
// equivalence factor of the bedding in use as its window shows it (the
// embankment factor recomputed first) and cs its safety coefficient. The
// computation reads the texts of the project afresh every time.
//
// It never shows a message. A computation that cannot be made leaves
// p.resultado exactly as it was and returns the message to show; a
// settlement plane that was not found is only reported, and the computation
// goes on with the load as computed.

#include "cargaSobrecarga.h"
#include "cargaTerra.h"
#include "fatorAterro.h"
#include "selecaoClasse.h"

#include <string>

struct ProjetoTubo;

constexpr const char* mensagemSolucaoNaoEncontrada = "Solução não encontrada";

enum class DesfechoClasse {
    Calculada,
    AlturaInsuficiente,         // cover too low for the surcharge theory
    FerroviariaNaoEspecificada,
    AeroviariaNaoEspecificada,
    NumeroInvalido,             // a text the computation needs is not a number
    SemFatorEquivalencia,       // the bedding gives no positive factor
};

struct CalculoClasse {
    DesfechoClasse desfecho = DesfechoClasse::Calculada;
    std::string mensagem;    // what to show when the computation stopped
    bool semSolucao = false; // say "Solução não encontrada", then go on
    double W = 0.0;          // kN/m
    double qs = 0.0;         // kN/m
    double fe = 0.0;
    double cs = 0.0;
    double R = 0.0;          // kN/m
    ResultadoCargaTerra terra;
    ResultadoSobrecarga sobrecarga;
    FatorAterro fatorAterro; // when the embankment bedding is in use
    SelecaoClasse selecao;
    // Every quantity of the computation in the order the sheet reads it:
    // working values, earth load, surcharge, bedding, R and the classes; a
    // computation that stopped ends with its message. The traces of the
    // parts above are moved into it and left empty.
    MemoriaCalculo memoria;
    bool calculada() const { return desfecho == DesfechoClasse::Calculada; }
};

// Computes R and the classes into p.resultado, with the texts the result
// window shows. When the embankment bedding is in use its factor text
// p.baseAterro.fator is recomputed first. `estado` is the surcharge state
// kept between computations.
CalculoClasse calcularClasse(ProjetoTubo& p, EstadoSobrecarga& estado);
