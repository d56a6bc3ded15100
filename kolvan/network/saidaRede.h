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
    std::string pastaPerfis; // empty: no profiles; else perfis.pdf there
    bool perfisSvg = false, perfisDxf = false; // and perfil-N.svg, coletor-N.dxf
    bool ajuda = false;   // -h or --help: the usage, and nothing else
    std::string erro;
};

// Whether the command line asks for a network (it names --rede).
bool pedeRede(const std::vector<std::string>& argumentos);
ArgumentosRede lerArgumentosRede(const std::vector<std::string>& argumentos);
inline constexpr const char* usoRede =
    "kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]"
    " [--perfis PASTA [--svg] [--dxf]]";
// What --rede --help prints.
inline constexpr const char* ajudaRede =
    "Classe de resistência de cada trecho de uma rede de tubulações, com os parâmetros de um projeto do Kolvan.\n"
    "uso: kolvan-calc --rede REDE.csv|REDE.xml --projeto BASE.kvn [--csv] [--pdf PASTA] [--xlsx ARQUIVO]\n"
    "                 [--perfis PASTA [--svg] [--dxf]]\n"
    "\n"
    "Opções:\n"
    "  --rede ARQUIVO          a rede: CSV (';' com vírgula decimal ou ',' com ponto) ou LandXML\n"
    "  --projeto BASE.kvn      o projeto de onde vêm a instalação, a sobrecarga, a base e o coeficiente de segurança\n"
    "  --csv                   uma linha por trecho, campos separados por ';'\n"
    "  --pdf PASTA             grava o relatório da rede nesta pasta\n"
    "  --xlsx ARQUIVO          grava a planilha dos trechos e dos quantitativos\n"
    "  --perfis PASTA          grava os perfis longitudinais dos coletores em PASTA/perfis.pdf\n"
    "  --svg                   com --perfis, também PASTA/perfil-N.svg, uma folha por arquivo\n"
    "  --dxf                   com --perfis, também PASTA/coletor-N.dxf, um coletor por arquivo\n"
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
