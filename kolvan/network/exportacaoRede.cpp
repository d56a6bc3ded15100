#include "exportacaoRede.h"

#include "colunasRede.h"
#include "memoriaRede.h"
#include "numeros.h"
#include "planilhaCsv.h"

namespace {

CelulaPlanilha texto(std::string t) { return CelulaPlanilha::deTexto(std::move(t)); }

// An input as typed: a number where it reads as one, with the decimals it was given.
CelulaPlanilha entrada(const std::string& t, bool numerica)
{
    double valor = 0.0;
    if (!numerica || !lerNumero(t, valor))
        return texto(t);
    const auto virgula = t.find(',');
    const int decimais = virgula == std::string::npos ? 0 : static_cast<int>(t.find_last_of("0123456789") - virgula);
    return CelulaPlanilha::deNumero(valor, decimais);
}

bool colunaTexto(int c)
{
    const auto coluna = static_cast<ColunaTrecho>(c);
    return coluna == ColunaTrecho::Trecho || coluna == ColunaTrecho::Montante || coluna == ColunaTrecho::Jusante ||
           coluna == ColunaTrecho::Sobrecarga;
}

// The spreadsheet's headings: what each column holds, with its unit. The
// CSV keeps the file's column names, which its reader knows.
const std::vector<std::string>& titulosPlanilha()
{
    static const std::vector<std::string> titulos{
        "Trecho", "Poço a montante", "Poço a jusante", "Comprimento (m)", "Diâmetro interno (mm)",
        "hs montante (m)", "hs jusante (m)", "Cota do terreno a montante (m)", "Cota do fundo a montante (m)",
        "Cota do terreno a jusante (m)", "Cota do fundo a jusante (m)", "Largura da vala (m)", "Sobrecarga",
        "hs montante calculada (m)", "hs jusante calculada (m)", "hs governante (m)", "Largura da vala adotada (m)",
        "Carga de terra W (kN/m)", "Carga da sobrecarga qs (kN/m)", "Fator de equivalência fe",
        "Resistência necessária R (kN/m)", "Classe armado", "Carga armado (kN/m)", "Classe simples",
        "Carga simples (kN/m)", "Classe ou motivo"};
    return titulos;
}

FolhaPlanilha trechos(const RedeTubulacoes& rede, bool numeros)
{
    FolhaPlanilha f;
    f.nome = "Trechos";
    LinhaPlanilha cabecalho;
    if (numeros) {
        for (const std::string& titulo : titulosPlanilha())
            cabecalho.push_back(texto(titulo));
    } else {
        for (const std::string& nome : nomesColunasTrecho())
            cabecalho.push_back(texto(nome));
        for (const std::string& nome : nomesColunasResultado())
            cabecalho.push_back(texto(nome));
    }
    f.linhas.push_back(std::move(cabecalho));
    for (std::size_t i = 0; i < rede.entradas.size() && i < rede.resultados.size(); ++i) {
        LinhaPlanilha linha;
        for (int c = 0; c < numeroColunasTrecho; ++c)
            linha.push_back(entrada(campoTrecho(rede.entradas[i], static_cast<ColunaTrecho>(c)), numeros && !colunaTexto(c)));
        for (int c = 0; c < numeroColunasResultado; ++c) {
            const auto coluna = static_cast<ColunaResultado>(c);
            double valor = 0.0;
            int decimais = 2;
            if (numeros && valorResultado(rede.resultados[i], coluna, valor, decimais))
                linha.push_back(CelulaPlanilha::deNumero(valor, decimais));
            else
                linha.push_back(texto(textoResultado(rede.resultados[i], coluna)));
        }
        f.linhas.push_back(std::move(linha));
    }
    return f;
}

LinhaPlanilha linhaQuantitativo(const std::string& tipo, const LinhaQuantitativo& l)
{
    return {texto(tipo), CelulaPlanilha::deNumero(l.di, 0), texto(l.classe), CelulaPlanilha::deNumero(l.metros, 2),
            CelulaPlanilha::deNumero(l.trechos, 0)};
}

} // namespace

FolhaPlanilha folhaTrechos(const RedeTubulacoes& rede) { return trechos(rede, true); }

FolhaPlanilha folhaQuantitativos(const QuantitativosRede& q)
{
    FolhaPlanilha f;
    f.nome = "Quantitativos";
    f.linhasCabecalho = 0;
    if (!q.problemas.empty()) {
        f.linhas.push_back({texto("Trechos sem classe"), texto(""), texto("")});
        f.linhas.push_back({texto("Trecho"), texto("Comprimento (m)"), texto("Motivo")});
        for (const TrechoSemClasse& p : q.problemas)
            f.linhas.push_back({texto(p.trecho), CelulaPlanilha::deNumero(p.metros, 2), texto(p.mensagem)});
        f.linhas.push_back({});
    }
    f.linhas.push_back({texto("Tubos"), texto("DI (mm)"), texto("Classe"), texto("Comprimento (m)"), texto("Trechos")});
    for (const LinhaQuantitativo& l : q.armados)
        f.linhas.push_back(linhaQuantitativo("Armados", l));
    for (const LinhaQuantitativo& l : q.simples)
        f.linhas.push_back(linhaQuantitativo("Simples (alternativa)", l));
    f.linhas.push_back({texto("Total da rede"), texto(""), texto(""), CelulaPlanilha::deNumero(q.comprimentoTotal, 2),
                        CelulaPlanilha::deNumero(q.trechos, 0)});
    return f;
}

FolhaPlanilha folhaEscavacao(const RedeTubulacoes& rede, const QuantitativosRede& q)
{
    FolhaPlanilha f;
    f.nome = "Escavação";
    const TotaisVala& v = q.vala;
    if (!v.aplicavel) {
        f.linhasCabecalho = 0;
        f.linhas.push_back({texto(avisoValaNaoAplicavel)});
        return f;
    }
    auto numero = [](double valor, int casas) { return CelulaPlanilha::deNumero(valor, casas); };
    f.linhas.push_back({texto("Trecho"), texto("DI (mm)"), texto("L (m)"), texto("bv (m)"), texto("h mont. (m)"),
                        texto("h jus. (m)"), texto("h média (m)"), texto("Faixa de profundidade"),
                        texto("Faixa de largura"), texto("Escavação (m³)"), texto("Escoramento (m²)"),
                        texto("Lastro (m³)"), texto("Berço (m³)"), texto("Envolvimento (m³)"), texto("Tubo (m³)"),
                        texto("Reaterro (m³)"), texto("Bota-fora (m³)")});
    for (std::size_t i = 0; i < rede.entradas.size() && i < rede.resultados.size(); ++i) {
        const ResultadoTrecho& r = rede.resultados[i];
        if (!r.temVala)
            continue;
        const QuantidadesVala& t = r.vala;
        f.linhas.push_back({texto(rede.entradas[i].trecho), numero(r.di, 0), numero(r.comprimento, 2), numero(r.bv, 2),
                            numero(t.profundidadeMontante, 2), numero(t.profundidadeJusante, 2),
                            numero(t.profundidadeMedia, 2),
                            texto(faixasProfundidade()[static_cast<std::size_t>(t.faixaProfundidade)]),
                            texto(faixasLargura()[static_cast<std::size_t>(t.faixaLargura)]), numero(t.escavacao, 3),
                            numero(t.escoramento, 3), numero(t.lastro, 3), numero(t.berco, 3),
                            numero(t.envolvimento, 3), numero(t.tubo, 3), numero(t.reaterro, 3), numero(t.botaFora, 3)});
    }
    f.linhas.push_back({});
    LinhaPlanilha cabecalho{texto("Escavação (m³) por profundidade")};
    for (const std::string& l : faixasLargura())
        cabecalho.push_back(texto("largura " + l));
    cabecalho.push_back(texto("Total"));
    cabecalho.push_back(texto("Escoramento (m²)"));
    f.linhas.push_back(std::move(cabecalho));
    for (std::size_t p = 0; p < v.escavacao.size(); ++p) {
        LinhaPlanilha linha{texto(faixasProfundidade()[p])};
        for (double volume : v.escavacao[p])
            linha.push_back(numero(volume, 3));
        linha.push_back(numero(v.escavacaoProfundidade[p], 3));
        linha.push_back(numero(v.escoramento[p], 3));
        f.linhas.push_back(std::move(linha));
    }
    f.linhas.push_back({});
    const QuantidadesVala& t = v.total;
    for (const auto& [nome, valor] : std::vector<std::pair<std::string, double>>{
             {"Escavação (m³)", t.escavacao}, {"Escoramento (m²)", t.escoramento}, {"Lastro (m³)", t.lastro},
             {"Berço de concreto (m³)", t.berco}, {"Envolvimento (m³)", t.envolvimento}, {"Tubos (m³)", t.tubo},
             {"Reaterro (m³)", t.reaterro}, {"Bota-fora (m³)", t.botaFora}})
        f.linhas.push_back({texto("Total: " + nome), numero(valor, 3)});
    f.linhas.push_back({});
    f.linhas.push_back({texto(regraQuantidadesVala(rede.vala))});
    return f;
}

FolhaPlanilha folhaParametros(const ProjetoTubo& projeto)
{
    FolhaPlanilha f;
    f.nome = "Parâmetros";
    f.linhas.push_back({texto("Parâmetro"), texto("Valor")});
    for (const auto& [legenda, valor] : parametrosBaseRede(projeto).linhas) {
        std::string nome = legenda;
        // "Kμ =", "Base:": the caption without its sign.
        while (!nome.empty() && (nome.back() == ' ' || nome.back() == '=' || nome.back() == ':'))
            nome.pop_back();
        f.linhas.push_back({texto(nome), texto(valor)});
    }
    f.linhas.push_back({texto("Regra dos trechos"), texto(regraClassificacaoRede())});
    return f;
}

Planilha planilhaRede(const RedeTubulacoes& rede)
{
    Planilha p;
    const QuantitativosRede q = quantitativosRede(rede.entradas, rede.resultados);
    p.folhas = {folhaTrechos(rede), folhaQuantitativos(q), folhaEscavacao(rede, q)};
    return p;
}

Planilha planilhaRede(const RedeTubulacoes& rede, const ProjetoTubo& projeto)
{
    Planilha p = planilhaRede(rede);
    p.folhas.push_back(folhaParametros(projeto));
    return p;
}

std::string csvRede(const RedeTubulacoes& rede) { return montarCsv(trechos(rede, false)); }
