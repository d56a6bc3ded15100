#pragma once
// The manufacturer's prices, kept in Config/Custos.ini as
//   [Custos]
//   Concreto=550,00   (R$ per m³)
//   Aco=9,50          (R$ per kg)
// A missing file or line gives the default; a line that is not a positive
// number too, so a hand-edited file never prices a pipe at nothing.

#include <string>
#include <vector>

struct PrecosCusto {
    double concreto = 550.0; // R$/m³
    double aco = 9.5;        // R$/kg
    bool operator==(const PrecosCusto&) const = default;
};

std::vector<std::string> linhasCustos(const PrecosCusto& p);
PrecosCusto precosDasLinhas(const std::vector<std::string>& linhas);

// A price typed in the prices window or on the command line: a number
// greater than zero. Empty when it is one, the message otherwise.
std::string conferirPreco(const std::string& texto, const std::string& nome);

// The prices given on a command line, each checked as "Custos" checks it, a
// full stop taken as the decimal comma; an empty text keeps the price in
// `precos`. Empty when both apply, the problem otherwise (`precos` then
// unchanged).
std::string aplicarPrecosDados(PrecosCusto& precos, const std::string& concreto, const std::string& aco);
