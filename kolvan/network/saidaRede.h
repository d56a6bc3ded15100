#pragma once
// The network through kolvan-calc:
//   kolvan-calc --rede REDE.csv|REDE.xml|REDE.inp --projeto BASE.kvn [options]
//   kolvan-calc --rede NOME.kvn [options]   (the network saved beside the project)
// one block of "chave: valor" lines per stretch (or one CSV row), then the
// quantities; in a trench, each stretch's trench quantities and their totals.

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
    ParametrosVala vala;  // --lastro, --escoramento-acima, --empolamento
    std::string projetoDaRede; // the .kvn given as --rede: `rede` is the network saved beside it
    bool memoria = false; // the network's calculation sheet, REDE-memoria-rede.pdf
    std::string trecho;   // with `memoria`: the stretch whose whole sheet follows the table
    bool ajuda = false;   // -h or --help: the usage, and nothing else
    std::string erro;
};

// Whether the command line asks for a network (it names --rede).
bool pedeRede(const std::vector<std::string>& argumentos);
ArgumentosRede lerArgumentosRede(const std::vector<std::string>& argumentos);
inline constexpr const char* usoRede =
    "kolvan-calc --rede REDE.csv|REDE.xml|REDE.inp --projeto BASE.kvn [--csv] [--memoria [--trecho NOME]] [--pdf PASTA] "
    "[--xlsx ARQUIVO] [--lastro E] [--escoramento-acima H] [--empolamento F] [--perfis PASTA [--svg] [--dxf]]\n"
    "       kolvan-calc --rede NOME.kvn [opções]";
// What --rede --help prints.
inline constexpr const char* ajudaRede =
    "Classe de resistência de cada trecho de uma rede de tubulações, com os parâmetros de um projeto do Kolvan.\n"
    "uso: kolvan-calc --rede REDE.csv|REDE.xml|REDE.inp --projeto BASE.kvn [--csv] [--memoria [--trecho NOME]] [--pdf PASTA]\n"
    "                 [--xlsx ARQUIVO] [--lastro E] [--escoramento-acima H] [--empolamento F]\n"
    "                 [--perfis PASTA [--svg] [--dxf]]\n"
    "     kolvan-calc --rede NOME.kvn [opções]   (a rede salva ao lado do projeto, em NOME-rede.csv)\n"
    "\n"
    "Opções:\n"
    "  --rede ARQUIVO          a rede: CSV (';' com vírgula decimal ou ',' com ponto), LandXML, SWMM 5 (.inp)\n"
    "                          ou um projeto .kvn com a rede salva ao seu lado\n"
    "  --projeto BASE.kvn      o projeto de onde vêm a instalação, a sobrecarga, a base e o coeficiente de segurança\n"
    "  --csv                   uma linha por trecho, campos separados por ';'\n"
    "  --memoria               grava a memória de cálculo da rede, REDE-memoria-rede.pdf, na pasta de --pdf\n"
    "                          (ou na pasta atual)\n"
    "  --trecho NOME           com --memoria, a memória do projeto do trecho NOME (o primeiro com esse nome)\n"
    "                          na sua altura de terra governante, depois da tabela dos trechos\n"
    "  --pdf PASTA             grava o relatório da rede nesta pasta\n"
    "  --xlsx ARQUIVO          grava a planilha dos trechos e dos quantitativos\n"
    "  --lastro E              espessura do lastro da base classe B, em m (0,10)\n"
    "  --escoramento-acima H   profundidade acima da qual a vala é escorada, em m (1,25)\n"
    "  --empolamento F         fator de empolamento do bota-fora (1,25)\n"
    "  --perfis PASTA          grava os perfis longitudinais dos coletores em PASTA/perfis.pdf\n"
    "  --svg                   com --perfis, também PASTA/perfil-N.svg, uma folha por arquivo\n"
    "  --dxf                   com --perfis, também PASTA/coletor-N.dxf, um coletor por arquivo\n"
    "  -h,--help               mostra este uso e sai\n";

// trecho, hsMontante, … textoClasse, then in a trench profundidadeMedia …
// botaFora; the block of a stretch without a class holds only trecho and erro.
const std::vector<std::string>& chavesTrechoRede();
CamposSaida camposTrechoRede(const EntradaTrecho& e, const ResultadoTrecho& r);
// One block per line of the bill (quantitativo, di, classe, comprimento,
// trechos), then the totals; then the excavation per depth and width band,
// the shoring per depth band and the trench totals ("quantitativo: servicos").
std::vector<CamposSaida> camposQuantitativosRede(const QuantitativosRede& q);

// What the calculator prints.
std::string saidaRede(const RedeTubulacoes& rede, bool csv);
