#include "camposLinha.h"

#include "numeros.h"

const char* const textoParedeNaoEncontrada = "não encontrada";

namespace {
ValorCampo numero(double v) { return {true, v, {}}; }
ValorCampo texto(std::string t) { return {false, 0.0, std::move(t)}; }

// The keys of a single design, in the order redwan-calc prints them.
const std::vector<std::string>& chavesDimensionamento()
{
    static const std::vector<std::string> chaves = [] {
        std::vector<std::string> v{
            "Mc",  "Ms",       "dC",    "xC",       "domC",     "AsC",         "dS",          "xS",
            "domS", "AsS",     "Dcoro", "AsP_Prat", "AsMin",    "AsIntMin",    "AsExtMin",    "telaInterna",
            "telaExterna", "AsMax", "Vu", "w", "verificacaoCobrimento", "verificacaoCortante", "verificacaoFissuras"};
        v.insert(v.end(), chavesCusto().begin(), chavesCusto().end());
        return v;
    }();
    return chaves;
}
} // namespace

std::vector<std::string> chavesCelula(bool comParede, bool comMenorCusto)
{
    std::vector<std::string> chaves{"di", "classe", "P", "h"};
    chaves.insert(chaves.end(), chavesDimensionamento().begin(), chavesDimensionamento().end());
    if (comParede)
        chaves.push_back("hMinimaViavel");
    if (comMenorCusto)
        chaves.insert(chaves.end(), {"hMenorCusto", "custoMenor"});
    chaves.push_back("erro");
    return chaves;
}

std::vector<CampoCelula> camposCelula(const TabelaLinha& t, const CelulaLinha& c, bool comParede,
                                      bool comMenorCusto)
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
        for (const auto& [chave, valor] : valoresCusto(*custoCelula(t, c)))
            campos.push_back({chave, numero(valor)});
    }
    if (comParede)
        campos.push_back({"hMinimaViavel", c.paredeMinimaViavel ? numero(*c.paredeMinimaViavel)
                                                                 : texto(textoParedeNaoEncontrada)});
    if (comMenorCusto) {
        const BuscaMenorCusto& b = c.menorCusto;
        const bool achou = c.menorCustoBuscado && b.paredeMenorCusto;
        campos.push_back({"hMenorCusto", achou ? numero(*b.paredeMenorCusto) : texto("")});
        campos.push_back({"custoMenor", achou ? numero(b.custoMenor) : texto("")});
    }
    if (!c.dimensionada())
        campos.push_back({"erro", texto(c.execucao.mensagem)});
    return campos;
}
