#pragma once
// The cover table through kolvan-calc and as a spreadsheet:
//   kolvan-calc --recobrimentos --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]
// one block of "chave: valor" lines per (diameter, class): di, classe, tipo,
// carga and intervalos.

#include "planilha.h"
#include "saidaCalculadora.h"
#include "tabelaRecobrimentos.h"

#include <string>
#include <vector>

struct ArgumentosRecobrimentos {
    bool ok = false;
    std::string projeto;
    bool csv = false;
    std::string pastaPdf; // empty: no report
    std::string xlsx;     // empty: no spreadsheet
    bool ajuda = false;
    std::string erro;
};

// Whether the command line asks for the cover table (it names --recobrimentos).
bool pedeRecobrimentos(const std::vector<std::string>& argumentos);
ArgumentosRecobrimentos lerArgumentosRecobrimentos(const std::vector<std::string>& argumentos);
inline constexpr const char* usoRecobrimentos =
    "kolvan-calc --recobrimentos --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]";
inline constexpr const char* ajudaRecobrimentos =
    "Tabela de recobrimentos: as alturas de terra em que cada classe de cada diâmetro atende, com os parâmetros de "
    "um projeto do Kolvan.\n"
    "uso: kolvan-calc --recobrimentos --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]\n"
    "\n"
    "Opções:\n"
    "  --projeto BASE.kvn      o projeto de onde vêm a finalidade, a instalação, a sobrecarga, a base e o coeficiente "
    "de segurança\n"
    "  --csv                   uma linha por diâmetro e classe, campos separados por ';'\n"
    "  --pdf PASTA             grava o relatório da tabela nesta pasta\n"
    "  --xlsx ARQUIVO          grava a planilha da tabela\n"
    "  -h,--help               mostra este uso e sai\n";

// di, classe, tipo, carga, intervalos.
const std::vector<std::string>& chavesRecobrimento();
CamposSaida camposRecobrimento(int di, const ClasseRecobrimento& c);
// What the calculator prints: blocks with a blank line between them, or CSV rows.
std::string saidaRecobrimentos(const TabelaRecobrimentos& tabela, bool csv);

// The spreadsheet: the covers of each class, the class at each cover, and R at every cover.
Planilha planilhaRecobrimentos(const TabelaRecobrimentos& tabela);
// The CSV file: the first sheet.
std::string csvRecobrimentos(const TabelaRecobrimentos& tabela);
