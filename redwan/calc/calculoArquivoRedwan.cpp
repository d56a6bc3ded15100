#include "calculoArquivoRedwan.h"

#include "ArquivoRedwan.h"
#include "TextoQt.h"
#include "custoTubo.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "numeros.h"

#include <QFileInfo>

const std::vector<std::string>& chavesCalculoRedwan()
{
    static const std::vector<std::string> chaves = [] {
        std::vector<std::string> v{
            "arquivo",  "P",        "Mc",          "Ms",          "dC",    "xC",    "domC",
            "AsC",      "dS",       "xS",          "domS",        "AsS",   "Dcoro", "AsP_Prat",
            "AsMin",    "AsIntMin", "AsExtMin",    "telaInterna", "telaExterna", "AsMax", "Vu",
            "w",        "verificacaoCobrimento",   "verificacaoCortante", "verificacaoFissuras"};
        v.insert(v.end(), chavesCusto().begin(), chavesCusto().end());
        return v;
    }();
    return chaves;
}

CalculoArquivoRedwan calcularArquivoRedwan(const QString& caminho, const PrecosCusto& precos)
{
    CalculoArquivoRedwan c;
    c.campos.emplace_back("arquivo", std8(caminho));
    const LeituraRedwan leitura = abrirProjetoRedwan(caminho, ProjetoRedwan{}, TextosResultados{});
    if (!leitura.ok) {
        c.campos.emplace_back("erro", mensagemArquivoRedwanRecusado(std8(QFileInfo(caminho).fileName()), leitura,
                                                                   LeitorProjeto::Calculadora));
        return c;
    }
    c.projeto = leitura.projeto;
    const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(c.projeto), c.estado);
    if (x.desfecho != Desfecho::Resultados) {
        c.campos.emplace_back("erro", x.mensagem);
        return c;
    }
    const ResultadoDimensionamento& r = x.resultado;
    c.resultados = textosResultados(r);
    // The domains are whole numbers, as the results window shows them.
    c.campos.insert(c.campos.end(), {{"P", numeroSaida(r.P)},
                                     {"Mc", numeroSaida(r.Mc)},
                                     {"Ms", numeroSaida(r.Ms)},
                                     {"dC", numeroSaida(r.dC)},
                                     {"xC", numeroSaida(r.xC)},
                                     {"domC", numeroSaida(r.domC)},
                                     {"AsC", numeroSaida(r.AsC)},
                                     {"dS", numeroSaida(r.dS)},
                                     {"xS", numeroSaida(r.xS)},
                                     {"domS", numeroSaida(r.domS)},
                                     {"AsS", numeroSaida(r.AsS)},
                                     {"Dcoro", numeroSaida(r.Dcoro)},
                                     {"AsP_Prat", numeroSaida(r.AsP_Prat)},
                                     {"AsMin", numeroSaida(r.AsMin)},
                                     {"AsIntMin", numeroSaida(r.AsIntMin)},
                                     {"AsExtMin", numeroSaida(r.AsExtMin)},
                                     {"telaInterna", r.telaInterna},
                                     {"telaExterna", r.telaExterna},
                                     {"AsMax", numeroSaida(r.AsMax)},
                                     {"Vu", numeroSaida(r.Vu)},
                                     {"w", numeroSaida(r.w)},
                                     {"verificacaoCobrimento", r.verificacaoCobrimento},
                                     {"verificacaoCortante", r.verificacaoCortante},
                                     {"verificacaoFissuras", r.verificacaoFissuras}});
    const CustoResultado custo = custoDoResultado(r, precos);
    for (const auto& [chave, valor] : valoresCusto(custo))
        c.campos.emplace_back(chave, numeroSaida(valor));
    completarTextosCusto(c.resultados, custo.quantidades, custo.custo);
    c.ok = true;
    return c;
}
