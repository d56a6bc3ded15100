#pragma once
// A cell of the line as rows of fields: the calculator prints them, the
// spreadsheets hold them (numbers as numbers), one row per cell.

#include "linhaProdutos.h"

#include <string>
#include <vector>

struct ValorCampo {
    bool numero = false;
    double valor = 0.0;  // when `numero`
    std::string texto;   // otherwise
};

struct CampoCelula {
    std::string chave;
    ValorCampo valor;
};

// di, classe, P, h, the keys a single design prints, hMinimaViavel when the
// wall search ran, and erro last.
std::vector<std::string> chavesCelula(bool comParede);

// A designed cell has every key but erro; a cell whose run stopped has di,
// classe, P, h, erro (and hMinimaViavel when searched).
std::vector<CampoCelula> camposCelula(const CelulaLinha& celula, bool comParede);

// What a search answers: the thickness in mm, or "não encontrada".
extern const char* const textoParedeNaoEncontrada;
