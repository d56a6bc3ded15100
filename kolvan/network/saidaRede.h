#pragma once
// The network through kolvan-calc:
//   kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]
// one block of "chave: valor" lines per stretch (or one CSV row), then the
// quantities.

#include "quantitativosRede.h"
#include "redeTubulacoes.h"
#include "saidaCalculadora.h"

#include <string>
#include <vector>

struct ArgumentosRede {
    bool ok = false;
    std::string rede, projeto;
    bool csv = false;
    std::string pastaPdf; // empty: no report
    std::string xlsx;     // empty: no spreadsheet
    std::string erro;
};

// Whether the command line asks for a network (it names --rede).
bool pedeRede(const std::vector<std::string>& argumentos);
ArgumentosRede lerArgumentosRede(const std::vector<std::string>& argumentos);
inline constexpr const char* usoRede =
    "kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]";

// trecho, hsMontante, … textoClasse; the block of a stretch without a class
// holds only trecho and erro.
const std::vector<std::string>& chavesTrechoRede();
CamposSaida camposTrechoRede(const EntradaTrecho& e, const ResultadoTrecho& r);
// One block per line of the bill (quantitativo, di, classe, comprimento,
// trechos), then the totals.
std::vector<CamposSaida> camposQuantitativosRede(const QuantitativosRede& q);

// What the calculator prints.
std::string saidaRede(const RedeTubulacoes& rede, bool csv);
