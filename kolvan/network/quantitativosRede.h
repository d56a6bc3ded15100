#pragma once
// The bill of quantities of a classed network: metres of pipe and number of
// stretches per diameter and class, reinforced classes and, apart, the
// simple classes where one covers the required strength; with the stretches
// that got no class listed first.

#include "classificacaoTrecho.h"

#include <string>
#include <vector>

struct LinhaQuantitativo {
    int di = 0;           // mm
    std::string classe;
    double metros = 0.0;
    int trechos = 0;
};

struct TrechoSemClasse {
    std::string trecho;
    std::string mensagem;
    double metros = 0.0; // 0 when its length could not be read
};

// The trench quantities of the classed stretches added up: excavation by
// depth band and width band, shoring by depth band, and every volume.
struct TotaisVala {
    bool aplicavel = false; // the installation is a trench, or there is no stretch
    int trechos = 0;        // stretches with quantities
    std::vector<std::vector<double>> escavacao; // [depth band][width band], m³
    std::vector<double> escavacaoProfundidade;  // [depth band], the row of `escavacao` added up
    std::vector<double> escavacaoLargura;       // [width band], the column of `escavacao` added up
    std::vector<double> escoramento;            // [depth band], m²
    QuantidadesVala total;                      // the sums (depths and bands unused)
};

struct QuantitativosRede {
    std::vector<TrechoSemClasse> problemas;
    std::vector<LinhaQuantitativo> armados; // by diameter, then class order
    std::vector<LinhaQuantitativo> simples;
    int trechos = 0;
    int trechosClassificados = 0;
    double comprimentoTotal = 0.0;       // every stretch with a length
    double comprimentoClassificado = 0.0;
    TotaisVala vala;
};

QuantitativosRede quantitativosRede(const std::vector<EntradaTrecho>& entradas,
                                    const std::vector<ResultadoTrecho>& resultados);
