#pragma once
// The Redwan project file (.rdw): one value per line in sections, each its
// heading, its values, a separator of 55 hyphens and an empty line. It holds
// the work and client texts, the geometry and class choices as indexes, the
// design parameters as their field texts, and the 28 lines of the last
// confirmed results: the texts of the results window and, as integers, the
// colours of its three verdicts.
//
// Reading checks the whole file before anything of the open project
// changes: a file cut short, a line that is not what its place needs, or a
// value beyond the limits the windows keep is refused, naming the line.

#include "ProjetoRedwan.h"
#include "arquivoSecoes.h"
#include "resultadoDimensionamento.h"

#include <string>
#include <vector>

// The heading of the results, spelt as the files have always spelt it.
extern const char* const cabecalhoResultadosRedwan; // "DIMENSIOMENTO DA ARMADURA"

// A colour as the file writes it: the integer 0x00BBGGRR of the platform
// the files come from, so red is 255 and blue 16711680.
long inteiroDaCor(const CorRgb& cor);
CorRgb corDoInteiro(long valor);

// The lines of the file, without line ends.
std::vector<std::string> linhasProjetoRedwan(const ProjetoRedwan& projeto, const TextosResultados& resultados);

struct LeituraRedwan {
    bool ok = false;
    int linha = 0;    // 1-based line of the refusal; 0 when the file could not be read
    std::string erro; // why
    ProjetoRedwan projeto;
    TextosResultados resultados;
};

// Reads a file's lines over the open project: the fields the file holds are
// replaced, the reinforcement type bringing the default positions of the
// opened diameter as choosing it does, the hidden class group following the
// visible one as a confirmed class window leaves it; the three steps count
// as confirmed. On a refusal `projeto` and `resultados` are the open ones.
LeituraRedwan lerLinhasProjetoRedwan(const std::vector<std::string>& linhas, const ProjetoRedwan& atual,
                                     const TextosResultados& resultadosAtuais);

// The message of a refused file, naming it and the line.
std::string mensagemArquivoRedwanRecusado(const std::string& nomeArquivo, const LeituraRedwan& leitura,
                                          LeitorProjeto leitor = LeitorProjeto::Programa);

// The main window's caption after opening a file: each opening appends
// " - " and the file's name.
std::string legendaAposAbrir(const std::string& legenda, const std::string& nomeArquivo);
