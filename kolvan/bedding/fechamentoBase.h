#pragma once
// The close check of a confirmed bedding window: the safety coefficient,
// its copy into the other bedding, and whether the bedding changed.

#include <string>

struct BaseAssentamento;
struct ProjetoTubo;

constexpr const char* mensagemCoeficienteVazio = "Entre com um valor para o coeficiente de segurança.";
constexpr const char* mensagemCoeficienteMinimo = "O valor do coeficiente de segurança deverá ser maior que 1,5.";
constexpr double coeficienteSegurancaMinimo = 1.5;

struct VerificacaoCoeficiente {
    bool aceito = false;
    std::string mensagem; // the one-line warning; the focus goes to the field
};

// Empty: refused. Otherwise the text is rewritten with two decimals (1,499
// becomes 1,50) and refused when that value is below 1,5. A text that is
// not a number is refused with the conversion message and left alone.
VerificacaoCoeficiente verificarCoeficienteSeguranca(std::string& texto);

// The safety coefficient is one value: confirming either bedding window
// copies its text into the other group.
void copiarCoeficienteSeguranca(ProjetoTubo& p, bool daBaseAterro);

// Whether a confirmed bedding counts as changed against the snapshot of the
// opening: always on the first confirmation of the step, else another class,
// or a factor or coefficient that moved by more than 0,001.
bool baseMudou(const BaseAssentamento& antes, const BaseAssentamento& depois, bool primeiraConfirmacao);
