#include "camposLinha.h"

#include "numeros.h"

const char* const textoParedeNaoEncontrada = "não encontrada";

namespace {
ValorCampo numero(double v) { return {true, v, {}}; }
ValorCampo texto(std::string t) { return {false, 0.0, std::move(t)}; }

// The keys of a single design, in the order redwan-calc prints them.
const std::vector<std::string>& chavesDimensionamento()
{
    static const std::vector<std::string> chaves{
        "Mc",  "Ms",       "dC",    "xC",       "domC",     "AsC",         "dS",          "xS",
        "domS", "AsS",     "Dcoro", "AsP_Prat", "AsMin",    "AsIntMin",    "AsExtMin",    "telaInterna",
        "telaExterna", "AsMax", "Vu", "w", "verificacaoCobrimento", "verificacaoCortante", "verificacaoFissuras"};
    return chaves;
}
} // namespace

std::vector<std::string> chavesCelula(bool comParede)
{
    std::vector<std::string> chaves{"di", "classe", "P", "h"};
    chaves.insert(chaves.end(), chavesDimensionamento().begin(), chavesDimensionamento().end());
    if (comParede)
        chaves.push_back("hMinimaViavel");
    chaves.push_back("erro");
    return chaves;
}

std::vector<CampoCelula> camposCelula(const CelulaLinha& c, bool comParede)
{
    std::vector<CampoCelula> campos{{"di", numero(c.di)},
                                    {"classe", texto(c.nomeClasse)},
                                    {"P", numero(converterNumero(c.carga))},
                                    {"h", numero(converterNumero(c.h))}};
    if (c.dimensionada()) {
        const ResultadoDimensionamento& r = c.execucao.resultado;
        campos.insert(campos.end(), {{"Mc", numero(r.Mc)},
                                     {"Ms", numero(r.Ms)},
                                     {"dC", numero(r.dC)},
                                     {"xC", numero(r.xC)},
                                     {"domC", numero(r.domC)},
                                     {"AsC", numero(r.AsC)},
                                     {"dS", numero(r.dS)},
                                     {"xS", numero(r.xS)},
                                     {"domS", numero(r.domS)},
                                     {"AsS", numero(r.AsS)},
                                     {"Dcoro", numero(r.Dcoro)},
                                     {"AsP_Prat", numero(r.AsP_Prat)},
                                     {"AsMin", numero(r.AsMin)},
                                     {"AsIntMin", numero(r.AsIntMin)},
                                     {"AsExtMin", numero(r.AsExtMin)},
                                     {"telaInterna", texto(r.telaInterna)},
                                     {"telaExterna", texto(r.telaExterna)},
                                     {"AsMax", numero(r.AsMax)},
                                     {"Vu", numero(r.Vu)},
                                     {"w", numero(r.w)},
                                     {"verificacaoCobrimento", texto(r.verificacaoCobrimento)},
                                     {"verificacaoCortante", texto(r.verificacaoCortante)},
                                     {"verificacaoFissuras", texto(r.verificacaoFissuras)}});
    }
    if (comParede)
        campos.push_back({"hMinimaViavel", c.paredeMinimaViavel ? numero(*c.paredeMinimaViavel)
                                                                 : texto(textoParedeNaoEncontrada)});
    if (!c.dimensionada())
        campos.push_back({"erro", texto(c.execucao.mensagem)});
    return campos;
}
