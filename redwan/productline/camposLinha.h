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

// di, classe, P, h, the keys a single design prints (its steel, concrete and
// cost among them), hMinimaViavel when the wall search ran, hMenorCusto and
// custoMenor when the cheapest-wall search ran, and erro last.
std::vector<std::string> chavesCelula(bool comParede, bool comMenorCusto = false);

// A designed cell has every key but erro; a cell whose run stopped has di,
// classe, P, h, erro (and the searched walls). Costs at the table's prices.
std::vector<CampoCelula> camposCelula(const TabelaLinha& tabela, const CelulaLinha& celula, bool comParede,
                                      bool comMenorCusto = false);

// What a search answers: the thickness in mm, or "não encontrada".
extern const char* const textoParedeNaoEncontrada;
