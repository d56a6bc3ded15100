#pragma once
// The close check of a confirmed installation window and its change
// detection. The check runs over the texts as typed, in a fixed order, and
// stops at the first problem; some problems correct the field themselves,
// and every correction leaves a value that a second "Confirma" accepts.

#include "ProjetoTubo.h"

#include <string>

enum class CampoInstalacao { Nenhum, Gama, KMi, AlturaTerra, LarguraVala, RazaoRecalque, AlturaHa };

struct VerificacaoInstalacao {
    bool aceita = false;
    // The refusal: a warning of one line, or of an upper and a lower line; a
    // text that is not a number is said in a plain message box instead.
    std::string linha;
    std::string superior, inferior;
    std::string erroConversao;
    // Where the focus goes (Nenhum leaves it where it is).
    CampoInstalacao foco = CampoInstalacao::Nenhum;
    // Whether the working values were converted from the checked texts (the
    // trench-width aid uses the last ones converted).
    bool converteu = false;
    ValoresTrabalho valores;
};

// Checks `candidato.instalacao` (the texts the window holds) against the
// geometry and the embankment bedding class of `candidato`. The rounded texts
// and the corrections are written back into `candidato.instalacao`; a text
// that is not a number changes nothing.
VerificacaoInstalacao verificarInstalacao(ProjetoTubo& candidato);

// Whether a confirmed installation differs from the one the window opened
// with: the soil, the user's γ and Kμ texts, the type, and the values the
// type uses (by more than 0,001), with the check box of the negative projection.
bool instalacaoMudou(const Instalacao& antes, const Instalacao& depois);
