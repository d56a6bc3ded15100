#pragma once
// The block that closes every sheet and report: who answers for the
// document, the ART to be filled in, place and date, and the line to sign.
// An approving engineer files nothing unsigned.

#include "layoutRelatorio.h"

#include <string>
#include <utility>
#include <vector>

struct DadosAssinatura {
    // Caption/value rows above the ART line: ("Projetista:", nome),
    // ("CREA:", crea); an empty value prints a blank to fill in by hand.
    std::vector<std::pair<std::string, std::string>> linhas;
    std::string local; // "Goiânia - GO"; empty: a blank
    std::string data;  // "dd/mm/yyyy"
    // Under the signature line: the name and the register, or the role.
    std::vector<std::string> sob;
};

// "Cidade - UF" of what is filled in.
std::string localAssinatura(const std::string& cidade, const std::string& estado);

// The block at the end of `layout`, kept whole on a page.
void adicionarAssinatura(LayoutRelatorio& layout, const DadosAssinatura& dados);

// The same in one short band, the data on the left and the line to sign on
// the right: for a report whose pages are counted in advance.
void adicionarAssinaturaCompacta(LayoutRelatorio& layout, const DadosAssinatura& dados);
