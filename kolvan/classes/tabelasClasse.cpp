#include "tabelasClasse.h"

#include <utility>

namespace {

constexpr int pluvial = 0;
constexpr int esgoto = 1;

TabelaClasse montarTabela(std::vector<ColunaTabelaClasse> colunas, const std::vector<int>& diametros)
{
    TabelaClasse t;
    t.colunas = std::move(colunas);
    for (int dn : diametros) {
        LinhaTabelaClasse linha{dn, {}};
        for (const ColunaTabelaClasse& c : t.colunas)
            linha.cargas.push_back(cargaClasse(c.qd, dn));
        t.linhas.push_back(linha);
    }
    return t;
}

} // namespace

const LinhaTabelaClasse* TabelaClasse::linha(int dn) const
{
    for (const LinhaTabelaClasse& l : linhas)
        if (l.dn == dn)
            return &l;
    return nullptr;
}

int cargaClasse(int qd, int dn) { return (qd * dn + 999) / 1000; }

const TabelaClasse& TabelaA3()
{
    static const TabelaClasse tabela = [] {
        using T = TipoCargaClasse;
        TabelaClasse t = montarTabela({{"PS1", pluvial, T::Ruptura, 40},
                                       {"PS2", pluvial, T::Ruptura, 60},
                                       {"ES", esgoto, T::Ruptura, 90}},
                                      {400, 500, 600});
        // The smallest simple pipes are made to the loads of 400 mm.
        for (int dn : {300, 200}) {
            LinhaTabelaClasse linha = t.linhas.front();
            linha.dn = dn;
            t.linhas.insert(t.linhas.begin(), linha);
        }
        return t;
    }();
    return tabela;
}

const TabelaClasse& TabelaA4()
{
    static const TabelaClasse tabela = [] {
        using T = TipoCargaClasse;
        return montarTabela({{"PA1", pluvial, T::Trinca, 40},
                             {"PA2", pluvial, T::Trinca, 60},
                             {"PA3", pluvial, T::Trinca, 90},
                             {"PA4", pluvial, T::Trinca, 120},
                             {"PA1", pluvial, T::Ruptura, 60},
                             {"PA2", pluvial, T::Ruptura, 90},
                             {"PA3", pluvial, T::Ruptura, 135},
                             {"PA4", pluvial, T::Ruptura, 180},
                             {"EA2", esgoto, T::Trinca, 60},
                             {"EA3", esgoto, T::Trinca, 90},
                             {"EA4", esgoto, T::Trinca, 120},
                             {"EA2", esgoto, T::Ruptura, 90},
                             {"EA3", esgoto, T::Ruptura, 135},
                             {"EA4", esgoto, T::Ruptura, 180}},
                            {300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1500, 1750, 2000});
    }();
    return tabela;
}
