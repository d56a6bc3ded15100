#include "perfilColetor.h"

#include "colunasRede.h"
#include "numeros.h"
#include "textoUtf8.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<double> numeroDe(const std::string& texto)
{
    double v = 0.0;
    if (texto.find_first_not_of(" \t") == std::string::npos || !lerNumero(texto, v) || !std::isfinite(v))
        return std::nullopt;
    return v;
}

int diametroDe(const EntradaTrecho& e)
{
    const auto v = numeroDe(e.di);
    if (!v || *v <= 0.0 || *v > 5000.0 || std::floor(*v) != *v)
        return 0;
    return static_cast<int>(*v);
}

} // namespace

double PocoPerfil::topo() const
{
    if (terrenoChegada || terrenoSaida)
        return std::max(terrenoChegada.value_or(-1e300), terrenoSaida.value_or(-1e300));
    return std::max(fundoChegada.value_or(-1e300), fundoSaida.value_or(-1e300));
}

double PocoPerfil::fundo() const { return std::min(fundoChegada.value_or(1e300), fundoSaida.value_or(1e300)); }

PerfilColetor montarPerfilColetor(const RedeTubulacoes& rede, const Coletor& coletor, int numero)
{
    PerfilColetor p;
    p.numero = numero;
    p.comprimento = coletor.comprimento;

    struct Cotas {
        std::optional<double> tm, fm, tj, fj, hsM, hsJ;
        bool completas() const { return tm && fm && tj && fj; }
    };
    std::vector<Cotas> cotas;
    for (int t : coletor.trechos) {
        const EntradaTrecho& e = rede.entradas[static_cast<std::size_t>(t)];
        cotas.push_back({numeroDe(e.terrenoMontante), numeroDe(e.fundoMontante), numeroDe(e.terrenoJusante),
                         numeroDe(e.fundoJusante), numeroDe(e.hsMontante), numeroDe(e.hsJusante)});
    }
    p.cotasRelativas = !std::all_of(cotas.begin(), cotas.end(), [](const Cotas& c) { return c.completas(); });

    double x = 0.0, fundo = 0.0;
    std::optional<double> terreno; // where the previous stretch left the ground
    for (std::size_t k = 0; k < coletor.trechos.size(); ++k) {
        const int indice = coletor.trechos[k];
        const EntradaTrecho& e = rede.entradas[static_cast<std::size_t>(indice)];
        const ResultadoTrecho& r = rede.resultados[static_cast<std::size_t>(indice)];
        const Cotas& c = cotas[k];
        TrechoPerfil t;
        t.indice = indice;
        t.nome = e.trecho;
        double l = 0.0;
        comprimentoTrecho(e, l);
        t.x0 = x;
        t.x1 = x + l;
        x = t.x1;
        t.di = diametroDe(e);
        t.alturaTubo = alturaTuboRede(t.di);
        const double alturaTubo = t.alturaTubo;
        if (!p.cotasRelativas) {
            t.fundo0 = *c.fm;
            t.fundo1 = *c.fj;
            t.terreno0 = c.tm;
            t.terreno1 = c.tj;
        } else if (c.completas()) {
            // The ground goes on through the manhole; the invert is its depth under it.
            t.fundo0 = terreno ? *terreno - (*c.tm - *c.fm) : fundo;
            t.fundo1 = t.fundo0 - (*c.fm - *c.fj);
            t.terreno0 = t.fundo0 + (*c.tm - *c.fm);
            t.terreno1 = t.fundo1 + (*c.tj - *c.fj);
        } else {
            t.fundo0 = terreno && c.hsM ? *terreno - alturaTubo - *c.hsM : fundo;
            t.fundo1 = t.fundo0;
            if (c.hsM)
                t.terreno0 = t.fundo0 + alturaTubo + *c.hsM;
            if (c.hsJ)
                t.terreno1 = t.fundo1 + alturaTubo + *c.hsJ;
        }
        fundo = t.fundo1;
        terreno = t.terreno1;
        if (c.completas())
            t.declividade = (t.fundo0 - t.fundo1) / l;

        t.classificado = r.classificado;
        if (r.classificado) {
            t.hs0 = r.hsMontante;
            t.hs1 = r.hsJusante;
            t.hsGovernante = r.hsGovernante;
            // Covers vary linearly along the stretch; equal covers govern at the upstream end.
            const double variacao = r.hsJusante - r.hsMontante;
            const double fracao = std::abs(variacao) < 1e-9 ? 0.0 : (r.hsGovernante - r.hsMontante) / variacao;
            t.xGovernante = t.x0 + std::clamp(fracao, 0.0, 1.0) * l;
        } else {
            if (t.terreno0)
                t.hs0 = *t.terreno0 - t.fundo0 - alturaTubo;
            if (t.terreno1)
                t.hs1 = *t.terreno1 - t.fundo1 - alturaTubo;
        }
        t.textoDn = t.di > 0 ? "DN " + std::to_string(t.di) : "DN ?";
        t.textoComprimento = "L = " + formatar2(l) + " m";
        t.textoDeclividade = t.declividade ? "i = " + formatar4(*t.declividade) + " m/m" : "i = —";
        t.textoClasse = r.classificado ? textoClasse(r) : "sem classe";
        p.trechos.push_back(std::move(t));
    }

    // Manholes: the upstream end of the first stretch and the downstream end of each.
    for (std::size_t k = 0; k < p.trechos.size(); ++k) {
        const TrechoPerfil& t = p.trechos[k];
        const EntradaTrecho& e = rede.entradas[static_cast<std::size_t>(t.indice)];
        if (k == 0) {
            PocoPerfil inicio;
            inicio.nome = aparado(e.montante);
            inicio.x = t.x0;
            p.pocos.push_back(inicio);
        }
        PocoPerfil& antes = p.pocos.back();
        antes.terrenoSaida = t.terreno0;
        antes.fundoSaida = t.fundo0;
        antes.hsSaida = t.hs0;
        PocoPerfil depois;
        depois.nome = aparado(e.jusante);
        depois.x = t.x1;
        depois.terrenoChegada = t.terreno1;
        depois.fundoChegada = t.fundo1;
        depois.hsChegada = t.hs1;
        p.pocos.push_back(depois);
    }

    const std::string& inicio = p.pocos.empty() ? std::string() : p.pocos.front().nome;
    const std::string& fim = p.pocos.empty() ? std::string() : p.pocos.back().nome;
    p.titulo = "Coletor " + std::to_string(numero);
    if (!inicio.empty() && !fim.empty())
        p.titulo += " (" + inicio + " a " + fim + ")";
    else if (!p.trechos.empty())
        p.titulo += " (trecho " + (aparado(p.trechos.front().nome).empty()
                                        ? std::to_string(p.trechos.front().indice + 1)
                                        : aparado(p.trechos.front().nome)) + ")";
    return p;
}

std::vector<PerfilColetor> montarPerfis(const RedeTubulacoes& rede, const ColetoresRede& coletores)
{
    std::vector<PerfilColetor> perfis;
    for (std::size_t i = 0; i < coletores.coletores.size(); ++i)
        perfis.push_back(montarPerfilColetor(rede, coletores.coletores[i], static_cast<int>(i) + 1));
    return perfis;
}
