#include "trechoRede.h"

const std::vector<std::string>& nomesColunasTrecho()
{
    static const std::vector<std::string> nomes{
        "trecho",          "montante",      "jusante",         "comprimento",   "di",
        "hs_montante",     "hs_jusante",    "terreno_montante", "fundo_montante", "terreno_jusante",
        "fundo_jusante",   "bv",            "sobrecarga",       "tubos",
    };
    return nomes;
}

std::string& campoTrecho(EntradaTrecho& e, ColunaTrecho c)
{
    switch (c) {
    case ColunaTrecho::Trecho: return e.trecho;
    case ColunaTrecho::Montante: return e.montante;
    case ColunaTrecho::Jusante: return e.jusante;
    case ColunaTrecho::Comprimento: return e.comprimento;
    case ColunaTrecho::Di: return e.di;
    case ColunaTrecho::HsMontante: return e.hsMontante;
    case ColunaTrecho::HsJusante: return e.hsJusante;
    case ColunaTrecho::TerrenoMontante: return e.terrenoMontante;
    case ColunaTrecho::FundoMontante: return e.fundoMontante;
    case ColunaTrecho::TerrenoJusante: return e.terrenoJusante;
    case ColunaTrecho::FundoJusante: return e.fundoJusante;
    case ColunaTrecho::Bv: return e.bv;
    case ColunaTrecho::Tubos: return e.tubos;
    case ColunaTrecho::Sobrecarga: break;
    }
    return e.sobrecarga;
}

const std::string& campoTrecho(const EntradaTrecho& e, ColunaTrecho c)
{
    return campoTrecho(const_cast<EntradaTrecho&>(e), c);
}
