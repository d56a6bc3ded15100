#pragma once
// The network through kolvan-calc:
//   kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--memoria] [--pdf PASTA] [--xlsx ARQUIVO]
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
    bool memoria = false; // the network's calculation sheet, REDE-memoria-rede.pdf
    bool ajuda = false;   // -h or --help: the usage, and nothing else
    std::string erro;
};

// Whether the command line asks for a network (it names --rede).
bool pedeRede(const std::vector<std::string>& argumentos);
ArgumentosRede lerArgumentosRede(const std::vector<std::string>& argumentos);
inline constexpr const char* usoRede =
    "kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--memoria] [--pdf PASTA] [--xlsx ARQUIVO]";
// What --rede --help prints.
inline constexpr const char* ajudaRede =
    "Classe de resistência de cada trecho de uma rede de tubulações, com os parâmetros de um projeto do Kolvan.\n"
    "uso: kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--memoria] [--pdf PASTA] [--xlsx ARQUIVO]\n"
    "\n"
    "Opções:\n"
    "  --rede ARQUIVO          a rede: CSV (';' com vírgula decimal ou ',' com ponto) ou LandXML\n"
    "  --projeto BASE.kvn      o projeto de onde vêm a instalação, a sobrecarga, a base e o coeficiente de segurança\n"
    "  --csv                   uma linha por trecho, campos separados por ';'\n"
    "  --memoria               grava a memória de cálculo da rede, REDE-memoria-rede.pdf, na pasta de --pdf\n"
    "                          (ou na pasta atual)\n"
    "  --pdf PASTA             grava o relatório da rede nesta pasta\n"
    "  --xlsx ARQUIVO          grava a planilha dos trechos e dos quantitativos\n"
    "  -h,--help               mostra este uso e sai\n";

// trecho, hsMontante, … textoClasse; the block of a stretch without a class
// holds only trecho and erro.
const std::vector<std::string>& chavesTrechoRede();
CamposSaida camposTrechoRede(const EntradaTrecho& e, const ResultadoTrecho& r);
// One block per line of the bill (quantitativo, di, classe, comprimento,
// trechos), then the totals.
std::vector<CamposSaida> camposQuantitativosRede(const QuantitativosRede& q);

// What the calculator prints.
std::string saidaRede(const RedeTubulacoes& rede, bool csv);
