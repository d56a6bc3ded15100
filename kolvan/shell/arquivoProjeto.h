#pragma once
// The Kolvan project file (.kvn): one value per line in sections that follow
// the workflow, each section its header, its values, a separator of 55
// hyphens and an empty line. Selections are list indexes, numbers the texts
// the user confirmed, and the class result its four display texts.
//
// Reading checks the whole file before anything of the open project
// changes: a file cut short, a line that is not what its place needs, or a
// value beyond the limits the windows keep is refused, naming the line.

#include "ProjetoTubo.h"
#include "arquivoSecoes.h"

#include <string>
#include <vector>

// The designer section, which is also the whole designer file
// Config/Projetista.ini: "PROJETISTA", the eleven texts, the separator.
std::vector<std::string> linhasProjetista(const DadosProjetista& d);
// Line 1 is the heading; lines 2 to 12 are the texts; missing lines are empty.
DadosProjetista projetistaDasLinhas(const std::vector<std::string>& linhas);

// The lines of the file for the project, without line ends.
std::vector<std::string> linhasProjeto(const ProjetoTubo& p);

struct LeituraProjeto {
    bool ok = false;
    int linha = 0;     // 1-based line of the refusal
    std::string erro;  // why that line was refused
    ProjetoTubo projeto;
};

// Reads a file's lines over `atual`: the fields the file holds are replaced,
// each selection bringing the same defaults as when the user makes it; the
// rest of `atual` stays (the unused bedding group, the texts of options the
// file does not hold). The safety coefficient goes into both bedding
// groups. On a refusal `projeto` is `atual` untouched.
LeituraProjeto lerLinhasProjeto(const std::vector<std::string>& linhas, const ProjetoTubo& atual);

// The message of a refused file, naming it and the line.
std::string mensagemArquivoRecusado(const std::string& nomeArquivo, const LeituraProjeto& leitura,
                                    LeitorProjeto leitor = LeitorProjeto::Programa);
