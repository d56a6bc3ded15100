#include "tabelaRecobrimentos.h"

#include "classificacaoTrecho.h"
#include "numeros.h"

#include <algorithm>
#include <thread>

PontoRecobrimento calcularPontoRecobrimento(const ProjetoTubo& base, int di, int cm)
{
    EntradaTrecho e;
    e.trecho = "hs";
    e.comprimento = "1";
    e.di = std::to_string(di);
    e.hsMontante = e.hsJusante = formatar2(cm / 100.0);
    const ResultadoTrecho r = classificarTrecho(base, e);
    PontoRecobrimento p;
    p.classificado = r.classificado;
    if (r.classificado)
        p.R = r.R;
    else
        p.mensagem = r.mensagem;
    return p;
}

std::vector<IntervaloCobertura> intervalosOnde(const std::vector<bool>& atende, int primeiraCobertura)
{
    std::vector<IntervaloCobertura> intervalos;
    for (std::size_t i = 0; i < atende.size(); ++i) {
        if (!atende[i])
            continue;
        const int cm = primeiraCobertura + static_cast<int>(i);
        if (!intervalos.empty() && intervalos.back().fim == cm - 1)
            intervalos.back().fim = cm;
        else
            intervalos.push_back({cm, cm});
    }
    return intervalos;
}

DiametroRecobrimento calcularDiametroRecobrimento(const ProjetoTubo& base, int di, int finalidade)
{
    DiametroRecobrimento d;
    d.di = di;
    d.pontos.reserve(numeroCoberturasTabela);
    for (int cm = coberturaInicialTabela; cm <= coberturaFinalTabela; ++cm)
        d.pontos.push_back(calcularPontoRecobrimento(base, di, cm));
    for (CargaClasse& carga : cargasClasses(di, finalidade)) {
        std::vector<bool> atende(d.pontos.size());
        for (std::size_t i = 0; i < d.pontos.size(); ++i)
            atende[i] = d.pontos[i].classificado && cargaCobre(carga.carga, d.pontos[i].R);
        d.classes.push_back({std::move(carga), intervalosOnde(atende, coberturaInicialTabela)});
    }
    return d;
}

TabelaRecobrimentos calcularTabelaRecobrimentos(const ProjetoTubo& projeto)
{
    TabelaRecobrimentos t;
    t.finalidade = projeto.geometria.finalidade;
    t.indiceProjeto = std::clamp(projeto.geometria.indiceDi, 0, static_cast<int>(listaDiametros().size()) - 1);
    const ProjetoTubo base = projetoBaseRede(projeto);
    const std::vector<std::string>& diametros = listaDiametros();
    t.diametros.resize(diametros.size());
    // The diameters are independent: each core takes every n-th one, so the
    // window follows an edit without a wait.
    const std::size_t nucleos =
        std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, diametros.size());
    auto calcular = [&](std::size_t primeiro) {
        for (std::size_t i = primeiro; i < diametros.size(); i += nucleos)
            t.diametros[i] = calcularDiametroRecobrimento(base, std::stoi(diametros[i]), t.finalidade);
    };
    std::vector<std::thread> linhas;
    for (std::size_t k = 1; k < nucleos; ++k)
        linhas.emplace_back(calcular, k);
    calcular(0);
    for (std::thread& l : linhas)
        l.join();
    return t;
}

namespace {

std::string juntarIntervalos(const std::vector<IntervaloCobertura>& intervalos, const char* unidade)
{
    std::string texto;
    for (const IntervaloCobertura& i : intervalos) {
        if (!texto.empty())
            texto += "; ";
        texto += formatar2(i.inicio / 100.0) + " a " + formatar2(i.fim / 100.0) + unidade;
    }
    return texto;
}

} // namespace

std::string textoIntervalos(const std::vector<IntervaloCobertura>& intervalos)
{
    return intervalos.empty() ? std::string(semClasseCobertura) : juntarIntervalos(intervalos, " m");
}

std::string textoIntervalosSaida(const std::vector<IntervaloCobertura>& intervalos)
{
    return juntarIntervalos(intervalos, "");
}

const std::vector<int>& coberturasClassePorCobertura()
{
    static const std::vector<int> coberturas = [] {
        std::vector<int> c{60};
        for (int cm = 100; cm <= 1000; cm += 50)
            c.push_back(cm);
        return c;
    }();
    return coberturas;
}

std::string classePorCobertura(const DiametroRecobrimento& d, int cm)
{
    const PontoRecobrimento& p = d.ponto(cm);
    const auto primeiroSimples = std::find_if(d.classes.begin(), d.classes.end(),
                                              [](const ClasseRecobrimento& c) { return !c.carga.armado; });
    if (!p.classificado || primeiroSimples == d.classes.begin())
        return semClasseCobertura;
    for (auto c = d.classes.begin(); c != primeiroSimples; ++c)
        if (cargaCobre(c->carga.carga, p.R))
            return c->carga.classe;
    return classeEspecial;
}

std::string textoFaixaCoberturas()
{
    return "de " + formatar2(coberturaInicialTabela / 100.0) + " m a " + formatar2(coberturaFinalTabela / 100.0) + " m";
}

const std::string& regraTabelaRecobrimentos()
{
    static const std::string regra =
        "Cada ponto (di, hs) é calculado como uma rede de um só trecho, com a altura de terra hs nas duas "
        "extremidades, sem largura de vala própria e com a sobrecarga do projeto: a regra de classificação dos "
        "trechos dá a resistência necessária R, ou a mensagem que impede o cálculo (verificações da instalação, "
        "altura mínima da sobrecarga). Onde a instalação tem largura de vala, cada ponto usa a maior entre D + 0,50 m e "
        "a largura mínima de vala escorada para o seu diâmetro e a sua altura de terra, arredondada para cima ao "
        "centímetro. Uma classe atende ao ponto quando a sua carga cobre R: para os tubos armados, "
        "Qd·di/1000 sem arredondamento, como na escolha da classe; para os simples, a carga da tabela.\n"
        "As alturas de terra vão " + textoFaixaCoberturas() + ", de centímetro em centímetro; cada classe mostra os intervalos "
        "em que atende (\"—\" quando não atende em nenhum). Na tabela de classe por altura, a menor classe armada "
        "que atende; \"Especial\" quando nenhuma atende, \"—\" quando o ponto não tem R ou o diâmetro não tem tubo "
        "armado.";
    return regra;
}
