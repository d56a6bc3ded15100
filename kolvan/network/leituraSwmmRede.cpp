#include "leituraRede.h"

#include "numeros.h"
#include "textoUtf8.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>

namespace {

struct Linha {
    int numero = 0;
    std::vector<std::string> campos;
};

std::string maiusculas(std::string t)
{
    for (char& c : t)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t;
}

// Fields split by blanks; a name in double quotes may hold blanks; ';'
// outside quotes starts a comment.
std::vector<std::string> campos(const std::string& linha)
{
    std::vector<std::string> v;
    std::size_t i = 0;
    while (i < linha.size()) {
        const char c = linha[i];
        if (c == ';')
            break;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f') {
            ++i;
            continue;
        }
        std::string campo;
        if (c == '"') {
            const auto fim = linha.find('"', i + 1);
            campo = linha.substr(i + 1, (fim == std::string::npos ? linha.size() : fim) - i - 1);
            i = fim == std::string::npos ? linha.size() : fim + 1;
        } else {
            while (i < linha.size() && linha[i] != ' ' && linha[i] != '\t' && linha[i] != '\r' && linha[i] != ';')
                campo += linha[i++];
        }
        v.push_back(std::move(campo));
    }
    return v;
}

// A number as SWMM writes it, with a decimal point; none beyond any real
// network's lengths and elevations, so sums of them stay finite.
std::optional<double> numero(const std::string& t)
{
    if (t.empty() || t.size() > 64)
        return std::nullopt;
    std::istringstream in(t);
    in.imbue(std::locale::classic());
    double valor = 0.0;
    in >> valor;
    if (in.fail() || !std::isfinite(valor) || std::abs(valor) > 1e9)
        return std::nullopt;
    in >> std::ws;
    if (!in.eof())
        return std::nullopt;
    return valor;
}

struct No {
    int linha = 0;
    std::optional<double> fundo;   // invert elevation
    std::optional<double> terreno; // invert + maximum depth, where that is above 0
    std::string erro;
};

struct Secao {
    std::string forma;
    std::optional<double> diametro;
    int tubos = 1;
    std::string erro;
};

LeituraRede recusa(std::string erro)
{
    LeituraRede r;
    r.erro = std::move(erro);
    return r;
}

std::string texto(double valor, int casas) { return formatarDecimais(valor, casas); }

} // namespace

LeituraRede lerSwmmRede(const std::string& arquivo)
{
    if (std::string nulo = recusaNulo(arquivo); !nulo.empty())
        return recusa(std::move(nulo));
    const std::string bytes = utf8DeArquivo(arquivo);
    std::map<std::string, std::vector<Linha>> secoes;
    std::string atual;
    int numeroLinha = 0;
    std::size_t inicio = 0; // utf8DeArquivo took off any byte-order mark
    while (inicio <= bytes.size()) {
        const auto fim = std::min(bytes.find('\n', inicio), bytes.size());
        const std::string linha = bytes.substr(inicio, fim - inicio);
        inicio = fim + 1;
        ++numeroLinha;
        const auto primeiro = linha.find_first_not_of(" \t\r");
        if (primeiro == std::string::npos || linha[primeiro] == ';')
            continue;
        if (linha[primeiro] == '[') {
            const auto fecha = linha.find(']', primeiro);
            if (fecha == std::string::npos)
                return recusa("Linha " + std::to_string(numeroLinha) + ": seção sem \"]\".");
            atual = maiusculas(linha.substr(primeiro + 1, fecha - primeiro - 1));
            secoes[atual];
            continue;
        }
        if (atual.empty())
            return recusa("Linha " + std::to_string(numeroLinha) + ": dados fora de uma seção [ ].");
        std::vector<std::string> c = campos(linha);
        if (!c.empty())
            secoes[atual].push_back({numeroLinha, std::move(c)});
    }
    if (secoes.find("CONDUITS") == secoes.end())
        return recusa("O arquivo não tem a seção [CONDUITS].");

    // Lengths in feet for US flow units, in metres for SI ones.
    double metros = 0.3048;
    bool profundidade = true; // LINK_OFFSETS DEPTH
    for (const Linha& l : secoes["OPTIONS"]) {
        if (l.campos.size() < 2)
            continue;
        const std::string opcao = maiusculas(l.campos[0]), valor = maiusculas(l.campos[1]);
        if (opcao == "FLOW_UNITS") {
            if (valor == "CFS" || valor == "GPM" || valor == "MGD")
                metros = 0.3048;
            else if (valor == "CMS" || valor == "LPS" || valor == "MLD")
                metros = 1.0;
            else
                return recusa("Linha " + std::to_string(l.numero) + ": FLOW_UNITS " + l.campos[1] + " não é conhecido.");
        } else if (opcao == "LINK_OFFSETS") {
            if (valor == "DEPTH" || valor == "ELEVATION")
                profundidade = valor == "DEPTH";
            else
                return recusa("Linha " + std::to_string(l.numero) + ": LINK_OFFSETS " + l.campos[1] + " não é conhecido.");
        }
    }

    std::map<std::string, No> nos;
    for (const char* secao : {"JUNCTIONS", "STORAGE", "OUTFALLS", "DIVIDERS"}) {
        const bool temProfundidade = std::string(secao) == "JUNCTIONS" || std::string(secao) == "STORAGE";
        for (const Linha& l : secoes[secao]) {
            No no;
            no.linha = l.numero;
            const std::string onde = "Linha " + std::to_string(l.numero) + ": ";
            no.fundo = l.campos.size() > 1 ? numero(l.campos[1]) : std::nullopt;
            if (!no.fundo)
                no.erro = onde + "a cota do fundo do nó \"" + l.campos[0] + "\" não é um número.";
            if (temProfundidade && no.fundo) {
                const auto maxima = l.campos.size() > 2 ? numero(l.campos[2]) : std::nullopt;
                if (!maxima)
                    no.erro = onde + "a profundidade máxima do nó \"" + l.campos[0] + "\" não é um número.";
                else if (*maxima > 0.0)
                    no.terreno = *no.fundo + *maxima;
            }
            nos.insert_or_assign(l.campos[0], std::move(no));
        }
    }

    std::map<std::string, Secao> secoesTubo;
    for (const Linha& l : secoes["XSECTIONS"]) {
        Secao s;
        const std::string onde = "Linha " + std::to_string(l.numero) + ": ";
        s.forma = l.campos.size() > 1 ? maiusculas(l.campos[1]) : std::string();
        if (s.forma == "CIRCULAR") {
            s.diametro = l.campos.size() > 2 ? numero(l.campos[2]) : std::nullopt;
            if (!s.diametro || *s.diametro <= 0.0)
                s.erro = onde + "o diâmetro do conduto não é um número maior que zero.";
            if (l.campos.size() > 6) {
                const auto tubos = numero(l.campos[6]);
                if (!tubos || *tubos < 1.0 || *tubos > 99.0 || *tubos != std::floor(*tubos))
                    s.erro = onde + "o número de tubos \"" + l.campos[6] + "\" não é um inteiro de 1 a 99.";
                else
                    s.tubos = static_cast<int>(*tubos);
            }
        }
        secoesTubo.insert_or_assign(l.campos[0], std::move(s));
    }

    LeituraRede r;
    r.ok = true;
    for (const Linha& l : secoes["CONDUITS"]) {
        EntradaTrecho e;
        e.trecho = l.campos[0];
        const std::string quem = "Conduto \"" + e.trecho + "\" (linha " + std::to_string(l.numero) + "): ";
        auto marcar = [&](const std::string& motivo) {
            if (e.problemaLeitura.empty())
                e.problemaLeitura = motivo;
        };
        if (l.campos.size() < 4) {
            marcar(quem + "faltam os nós e o comprimento.");
            r.trechos.push_back(std::move(e));
            continue;
        }
        e.montante = l.campos[1];
        e.jusante = l.campos[2];
        if (const auto comprimento = numero(l.campos[3]); comprimento && *comprimento > 0.0)
            e.comprimento = texto(*comprimento * metros, 2);
        else
            marcar(quem + "o comprimento \"" + l.campos[3] + "\" não é um número maior que zero.");

        const auto secao = secoesTubo.find(e.trecho);
        if (secao == secoesTubo.end()) {
            marcar(quem + "não tem seção em [XSECTIONS].");
        } else if (!secao->second.erro.empty()) {
            marcar(secao->second.erro);
        } else if (secao->second.forma != "CIRCULAR") {
            marcar(quem + "a seção " + secao->second.forma + " não é um tubo circular.");
        } else {
            e.di = diametroDoCatalogo(*secao->second.diametro * metros * 1000.0);
            if (secao->second.tubos > 1)
                e.tubos = std::to_string(secao->second.tubos);
        }

        struct Extremo {
            const std::string& no;
            std::size_t campoDesnivel;
            std::string* terreno;
            std::string* fundo;
            const char* hs;
        };
        for (const Extremo& x : {Extremo{e.montante, 5, &e.terrenoMontante, &e.fundoMontante, "hs_montante"},
                                 Extremo{e.jusante, 6, &e.terrenoJusante, &e.fundoJusante, "hs_jusante"}}) {
            const auto no = nos.find(x.no);
            if (no == nos.end()) {
                marcar(quem + "o nó \"" + x.no + "\" não existe.");
                continue;
            }
            if (!no->second.erro.empty()) {
                marcar(no->second.erro);
                continue;
            }
            // The pipe's invert: above the node's by the offset (DEPTH), or
            // the offset itself (ELEVATION); "*" is the node's invert.
            double fundo = *no->second.fundo;
            const std::string desnivel = l.campos.size() > x.campoDesnivel ? l.campos[x.campoDesnivel] : "0";
            if (desnivel != "*") {
                const auto valor = numero(desnivel);
                if (!valor) {
                    marcar(quem + "o desnível \"" + desnivel + "\" não é um número.");
                    continue;
                }
                fundo = profundidade ? fundo + *valor : *valor;
            }
            *x.fundo = texto(fundo * metros, 3);
            if (no->second.terreno)
                *x.terreno = texto(*no->second.terreno * metros, 3);
            else
                marcar("O terreno do nó " + x.no + " não é conhecido: informe " + x.hs + ".");
        }
        r.trechos.push_back(std::move(e));
    }
    if (r.trechos.empty())
        return recusa("O arquivo não tem nenhum conduto em [CONDUITS].");
    return r;
}
