#include "quantitativosRede.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// Classes in the order of the tables: PA1 … PA4 and EA2 … EA4, then
// "Especial"; PS1, PS2, ES.
int ordemClasse(const std::string& classe)
{
    static const std::vector<std::string> ordem{"PA1", "PA2", "PA3", "PA4", "EA2", "EA3", "EA4",
                                                "Especial", "PS1", "PS2", "ES"};
    const auto achado = std::find(ordem.begin(), ordem.end(), classe);
    return static_cast<int>(achado - ordem.begin());
}

using Chave = std::tuple<int, int, std::string>;

void somar(std::map<Chave, LinhaQuantitativo>& grupos, int di, const std::string& classe, double metros)
{
    if (classe.empty())
        return;
    LinhaQuantitativo& l = grupos[{di, ordemClasse(classe), classe}];
    l.di = di;
    l.classe = classe;
    l.metros += metros;
    l.trechos += 1;
}

std::vector<LinhaQuantitativo> linhas(const std::map<Chave, LinhaQuantitativo>& grupos)
{
    std::vector<LinhaQuantitativo> v;
    for (const auto& [chave, linha] : grupos)
        v.push_back(linha);
    return v;
}

} // namespace

QuantitativosRede quantitativosRede(const std::vector<EntradaTrecho>& entradas,
                                    const std::vector<ResultadoTrecho>& resultados)
{
    QuantitativosRede q;
    std::map<Chave, LinhaQuantitativo> armados, simples;
    const std::size_t n = std::min(entradas.size(), resultados.size());
    q.trechos = static_cast<int>(n);
    TotaisVala& v = q.vala;
    // The stretches know their installation; a network without any is not
    // said to be in an embankment, its trench bill is empty.
    v.aplicavel = n == 0 || std::any_of(resultados.begin(), resultados.begin() + static_cast<std::ptrdiff_t>(n),
                                        [](const ResultadoTrecho& r) { return r.instalacaoVala; });
    v.escavacao.assign(faixasProfundidade().size(), std::vector<double>(faixasLargura().size(), 0.0));
    v.escoramento.assign(faixasProfundidade().size(), 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const ResultadoTrecho& r = resultados[i];
        q.comprimentoTotal += r.comprimento * r.tubos;
        if (!r.classificado) {
            q.problemas.push_back({entradas[i].trecho, r.mensagem, r.comprimento});
            continue;
        }
        ++q.trechosClassificados;
        q.comprimentoClassificado += r.comprimento * r.tubos;
        somar(armados, r.di, r.classeArmado, r.comprimento * r.tubos);
        somar(simples, r.di, r.classeSimples, r.comprimento * r.tubos);
        if (!r.temVala)
            continue;
        const QuantidadesVala& t = r.vala;
        ++v.trechos;
        v.escavacao[static_cast<std::size_t>(t.faixaProfundidade)][static_cast<std::size_t>(t.faixaLargura)] += t.escavacao;
        v.escoramento[static_cast<std::size_t>(t.faixaProfundidade)] += t.escoramento;
        v.total.escavacao += t.escavacao;
        v.total.escoramento += t.escoramento;
        v.total.lastro += t.lastro;
        v.total.berco += t.berco;
        v.total.envolvimento += t.envolvimento;
        v.total.tubo += t.tubo;
        v.total.reaterro += t.reaterro;
        v.total.botaFora += t.botaFora;
    }
    v.escavacaoProfundidade.assign(v.escavacao.size(), 0.0);
    v.escavacaoLargura.assign(faixasLargura().size(), 0.0);
    for (std::size_t p = 0; p < v.escavacao.size(); ++p)
        for (std::size_t k = 0; k < v.escavacao[p].size(); ++k) {
            v.escavacaoProfundidade[p] += v.escavacao[p][k];
            v.escavacaoLargura[k] += v.escavacao[p][k];
        }
    q.armados = linhas(armados);
    q.simples = linhas(simples);
    return q;
}
