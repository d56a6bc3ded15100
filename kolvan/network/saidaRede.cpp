#include "saidaRede.h"

#include "numeros.h"
#include "redeProjeto.h"

#include <algorithm>

bool pedeRede(const std::vector<std::string>& argumentos)
{
    return std::find(argumentos.begin(), argumentos.end(), "--rede") != argumentos.end();
}

ArgumentosRede lerArgumentosRede(const std::vector<std::string>& argumentos)
{
    ArgumentosRede a;
    if (pedeAjuda(argumentos)) {
        a.ajuda = a.ok = true;
        return a;
    }
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& arg = argumentos[i];
        std::string* destino = arg == "--rede" ? &a.rede
                             : arg == "--projeto" ? &a.projeto
                             : arg == "--pdf" ? &a.pastaPdf
                             : arg == "--xlsx" ? &a.xlsx
                             : arg == "--perfis" ? &a.pastaPerfis
                             : arg == "--trecho" ? &a.trecho
                                               : nullptr;
        double ParametrosVala::*numeroDestino = arg == "--lastro"              ? &ParametrosVala::lastro
                                                : arg == "--escoramento-acima" ? &ParametrosVala::escoramentoAcima
                                                : arg == "--empolamento"       ? &ParametrosVala::empolamento
                                                                               : nullptr;
        if (numeroDestino) {
            // A full stop is taken as the decimal comma, as the windows take it.
            const std::string texto = comVirgulaDecimal(i + 1 < argumentos.size() ? argumentos[i + 1] : std::string());
            double valor = 0.0;
            if (!lerNumero(texto, valor) || !parametroValaValido(numeroDestino, valor)) {
                a.erro = arg + (arg == "--empolamento" ? " pede um fator de 1 a 100 (1,25)"
                                : arg == "--lastro"    ? " pede a espessura em metros, de 0 a 100 (0,10)"
                                                       : " pede a profundidade em metros, de 0 a 100 (1,25)");
                return a;
            }
            a.vala.*numeroDestino = valor;
            ++i;
        } else if (destino) {
            if (i + 1 >= argumentos.size() || argumentos[i + 1].empty()) {
                a.erro = arg + " pede " + (arg == "--pdf" || arg == "--perfis" ? "a pasta"
                                           : arg == "--trecho"                    ? "o nome do trecho"
                                                                                  : "o arquivo");
                return a;
            }
            *destino = argumentos[++i];
        } else if (arg == "--csv") {
            a.csv = true;
        } else if (arg == "--svg" || arg == "--dxf") {
            (arg == "--svg" ? a.perfisSvg : a.perfisDxf) = true;
        } else if (arg == "--memoria") {
            a.memoria = true;
        } else {
            a.erro = (arg.size() > 1 && arg[0] == '-' ? "opção desconhecida: " : "argumento a mais: ") + arg;
            return a;
        }
    }
    // A project names the network saved beside it, and is its own base
    // unless another is given.
    if (!a.rede.empty() && ehArquivoProjeto(a.rede)) {
        a.projetoDaRede = a.rede;
        if (a.projeto.empty())
            a.projeto = a.rede;
        a.rede = caminhoRedeDoProjeto(a.rede);
    }
    if (a.rede.empty())
        a.erro = "falta --rede com o arquivo da rede";
    else if (a.projeto.empty())
        a.erro = "falta --projeto com o projeto de onde vêm os parâmetros";
    else if ((a.perfisSvg || a.perfisDxf) && a.pastaPerfis.empty())
        a.erro = std::string(a.perfisSvg ? "--svg" : "--dxf") + " pede --perfis com a pasta dos perfis";
    else if (!a.trecho.empty() && !a.memoria)
        a.erro = "--trecho pede --memoria: a memória do trecho segue a da rede";
    a.ok = a.erro.empty();
    return a;
}

const std::vector<std::string>& chavesTrechoRede()
{
    static const std::vector<std::string> chaves{
        "trecho", "hsMontante", "hsJusante", "hsGovernante", "bv", "W", "qs", "fe", "R",
        "classeArmado", "cargaArmado", "classeSimples", "cargaSimples", "textoClasse",
        "profundidadeMedia", "faixaProfundidade", "faixaLargura", "escavacao", "escoramento", "lastro", "berco",
        "envolvimento", "reaterro", "botaFora"};
    return chaves;
}

CamposSaida camposTrechoRede(const EntradaTrecho& e, const ResultadoTrecho& r)
{
    if (!r.classificado)
        return {{"trecho", e.trecho}, {"erro", r.mensagem}};
    CamposSaida campos{{"trecho", e.trecho},
            {"hsMontante", numeroSaida(r.hsMontante)},
            {"hsJusante", numeroSaida(r.hsJusante)},
            {"hsGovernante", numeroSaida(r.hsGovernante)},
            {"bv", r.usaLargura ? numeroSaida(r.bv) : std::string()},
            {"W", numeroSaida(r.W)},
            {"qs", numeroSaida(r.qs)},
            {"fe", numeroSaida(r.fe)},
            {"R", numeroSaida(r.R)},
            {"classeArmado", r.classeArmado},
            {"cargaArmado", numeroSaida(r.cargaArmado)},
            {"classeSimples", r.classeSimples},
            {"cargaSimples", numeroSaida(r.cargaSimples)},
            {"textoClasse", r.textoClasse}};
    if (r.temVala) {
        const QuantidadesVala& v = r.vala;
        campos.insert(campos.end(), {{"profundidadeMedia", numeroSaida(v.profundidadeMedia)},
                                     {"faixaProfundidade", faixasProfundidade()[static_cast<std::size_t>(v.faixaProfundidade)]},
                                     {"faixaLargura", faixasLargura()[static_cast<std::size_t>(v.faixaLargura)]},
                                     {"escavacao", numeroSaida(v.escavacao)},
                                     {"escoramento", numeroSaida(v.escoramento)},
                                     {"lastro", numeroSaida(v.lastro)},
                                     {"berco", numeroSaida(v.berco)},
                                     {"envolvimento", numeroSaida(v.envolvimento)},
                                     {"reaterro", numeroSaida(v.reaterro)},
                                     {"botaFora", numeroSaida(v.botaFora)}});
    }
    return campos;
}

namespace {

const std::vector<std::string> chavesQuantitativo{"quantitativo", "di", "classe", "comprimento", "trechos"};

std::string valorDe(const CamposSaida& campos, const std::string& chave)
{
    for (const auto& [k, v] : campos)
        if (k == chave)
            return v;
    return {};
}

std::string linhaDe(const CamposSaida& campos, const std::vector<std::string>& chaves)
{
    std::vector<std::string> valores;
    for (const std::string& chave : chaves)
        valores.push_back(valorDe(campos, chave));
    return linhaCsv(valores);
}

} // namespace

std::vector<CamposSaida> camposQuantitativosRede(const QuantitativosRede& q)
{
    std::vector<CamposSaida> blocos;
    for (const TrechoSemClasse& p : q.problemas)
        blocos.push_back({{"quantitativo", "sem classe"}, {"trecho", p.trecho}, {"comprimento", numeroSaida(p.metros)},
                          {"erro", p.mensagem}});
    auto linhas = [&blocos](const char* tipo, const std::vector<LinhaQuantitativo>& lista) {
        for (const LinhaQuantitativo& l : lista)
            blocos.push_back({{"quantitativo", tipo}, {"di", std::to_string(l.di)}, {"classe", l.classe},
                              {"comprimento", numeroSaida(l.metros)}, {"trechos", std::to_string(l.trechos)}});
    };
    linhas("armado", q.armados);
    linhas("simples", q.simples);
    blocos.push_back({{"quantitativo", "total"}, {"comprimento", numeroSaida(q.comprimentoTotal)},
                      {"trechos", std::to_string(q.trechos)},
                      {"trechosComClasse", std::to_string(q.trechosClassificados)},
                      {"trechosSemClasse", std::to_string(q.problemas.size())}});
    const TotaisVala& v = q.vala;
    if (!v.aplicavel) {
        blocos.push_back({{"quantitativo", "servicos"}, {"aviso", avisoValaNaoAplicavel}});
        return blocos;
    }
    for (std::size_t p = 0; p < v.escavacao.size(); ++p)
        for (std::size_t l = 0; l < v.escavacao[p].size(); ++l)
            if (v.escavacao[p][l] > 0.0)
                blocos.push_back({{"quantitativo", "escavacao"}, {"faixaProfundidade", faixasProfundidade()[p]},
                                  {"faixaLargura", faixasLargura()[l]}, {"volume", numeroSaida(v.escavacao[p][l])}});
    for (std::size_t p = 0; p < v.escoramento.size(); ++p)
        if (v.escoramento[p] > 0.0)
            blocos.push_back({{"quantitativo", "escoramento"}, {"faixaProfundidade", faixasProfundidade()[p]},
                              {"area", numeroSaida(v.escoramento[p])}});
    blocos.push_back({{"quantitativo", "servicos"},
                      {"trechos", std::to_string(v.trechos)},
                      {"escavacao", numeroSaida(v.total.escavacao)},
                      {"escoramento", numeroSaida(v.total.escoramento)},
                      {"lastro", numeroSaida(v.total.lastro)},
                      {"berco", numeroSaida(v.total.berco)},
                      {"envolvimento", numeroSaida(v.total.envolvimento)},
                      {"tubo", numeroSaida(v.total.tubo)},
                      {"reaterro", numeroSaida(v.total.reaterro)},
                      {"botaFora", numeroSaida(v.total.botaFora)}});
    return blocos;
}

std::string saidaRede(const RedeTubulacoes& rede, bool csv)
{
    std::string texto;
    const QuantitativosRede q = quantitativosRede(rede.entradas, rede.resultados);
    const std::size_t n = std::min(rede.entradas.size(), rede.resultados.size());
    if (!csv) {
        for (std::size_t i = 0; i < n; ++i)
            texto += blocoChaveValor(camposTrechoRede(rede.entradas[i], rede.resultados[i])) + "\n";
        for (const CamposSaida& bloco : camposQuantitativosRede(q))
            texto += blocoChaveValor(bloco) + "\n";
        return texto;
    }
    std::vector<std::string> chaves = chavesTrechoRede();
    chaves.push_back("erro");
    texto += linhaCsv(chaves);
    for (std::size_t i = 0; i < n; ++i)
        texto += linhaDe(camposTrechoRede(rede.entradas[i], rede.resultados[i]), chaves);
    // The quantities as a second table under a blank line.
    std::vector<std::string> chavesQ = chavesQuantitativo;
    chavesQ.insert(chavesQ.end(), {"trecho", "trechosComClasse", "trechosSemClasse", "erro", "faixaProfundidade",
                                   "faixaLargura", "volume", "area", "escavacao", "escoramento", "lastro", "berco",
                                   "envolvimento", "tubo", "reaterro", "botaFora", "aviso"});
    texto += "\n" + linhaCsv(chavesQ);
    for (const CamposSaida& bloco : camposQuantitativosRede(q))
        texto += linhaDe(bloco, chavesQ);
    return texto;
}
