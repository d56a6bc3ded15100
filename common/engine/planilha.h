#pragma once
// A workbook as the programs export it: named sheets, each a list of rows
// of cells that are either numbers or texts. The writers (planilhaXlsx.h,
// planilhaCsv.h) turn it into a file; the engine that fills it knows
// nothing of either format.

#include <string>
#include <vector>

struct CelulaPlanilha {
    bool numero = false;
    double valor = 0.0;  // when `numero`
    int decimais = 2;    // how a number is shown (and written in CSV)
    std::string texto;   // when not `numero`; UTF-8

    static CelulaPlanilha deTexto(std::string t)
    {
        CelulaPlanilha c;
        c.texto = std::move(t);
        return c;
    }
    static CelulaPlanilha deNumero(double v, int casas)
    {
        CelulaPlanilha c;
        c.numero = true;
        c.valor = v;
        c.decimais = casas;
        return c;
    }
};

using LinhaPlanilha = std::vector<CelulaPlanilha>;

struct FolhaPlanilha {
    std::string nome;             // the sheet's tab: at most 31 characters, none of []:*?/\ .
    std::vector<LinhaPlanilha> linhas;
    int linhasCabecalho = 1;      // leading rows shown bold and kept in view
};

struct Planilha {
    std::vector<FolhaPlanilha> folhas;
};
