#pragma once
// The minimum loads of the pipe classes in the diametral compression test,
// in kN per metre of pipe: TabelaA3 for simple pipes, TabelaA4 for
// reinforced ones. Each class has a rate Qd per metre of nominal diameter;
// a load is Qd·DN/1000 rounded up to a whole kN/m. Simple pipes of 200 and
// 300 mm take the loads of 400 mm.

#include <string>
#include <vector>

enum class TipoCargaClasse { Ruptura, Trinca };

struct ColunaTabelaClasse {
    std::string classe;   // "PS1", "PA3", "EA2", …
    int finalidade;       // 0 "Água pluvial", 1 "Esgoto sanitário"
    TipoCargaClasse tipo; // minimum rupture or crack load
    int qd;               // kN/m per metre of nominal diameter
};

struct LinhaTabelaClasse {
    int dn;                  // mm
    std::vector<int> cargas; // kN/m, one per column
};

struct TabelaClasse {
    std::vector<ColunaTabelaClasse> colunas;
    std::vector<LinhaTabelaClasse> linhas; // by increasing DN
    // The row of a nominal diameter; null when the table does not list it.
    const LinhaTabelaClasse* linha(int dn) const;
};

// Qd·DN/1000 rounded up to a whole kN/m.
int cargaClasse(int qd, int dn);

// PS1, PS2 (stormwater), ES (sewage); DN 200 to 600.
const TabelaClasse& TabelaA3();
// PA1 to PA4 crack, PA1 to PA4 rupture, EA2 to EA4 crack, EA2 to EA4
// rupture; DN 300 to 1200, 1500, 1750, 2000.
const TabelaClasse& TabelaA4();
