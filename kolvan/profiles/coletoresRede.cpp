#include "coletoresRede.h"

#include "numeros.h"
#include "textoUtf8.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

struct Rede {
    const std::vector<EntradaTrecho>& entradas;
    std::vector<double> comprimentos;
    std::vector<std::string> montante, jusante;
    std::map<std::string, std::vector<int>> saidas; // stretches leaving each manhole, in file order
    std::vector<bool> desenhado;
    std::set<std::string> pocosDesenhados;
};

// The walk from `inicio` over stretches not yet drawn; it stops at a manhole
// drawn before or met earlier in this walk.
Coletor caminhar(const Rede& r, const std::string& inicio)
{
    Coletor c;
    std::set<std::string> visitados{inicio};
    std::string atual = inicio;
    for (;;) {
        const auto saidas = r.saidas.find(atual);
        if (saidas == r.saidas.end())
            break;
        int proximo = -1;
        for (int t : saidas->second)
            if (!r.desenhado[static_cast<std::size_t>(t)]) {
                proximo = t;
                break;
            }
        if (proximo < 0)
            break;
        const auto i = static_cast<std::size_t>(proximo);
        c.trechos.push_back(proximo);
        c.comprimento += r.comprimentos[i];
        const std::string& fim = r.jusante[i];
        if (r.pocosDesenhados.count(fim) || !visitados.insert(fim).second)
            break;
        atual = fim;
    }
    return c;
}

} // namespace

bool comprimentoTrecho(const EntradaTrecho& e, double& metros)
{
    return lerNumero(aparado(e.comprimento), metros) && std::isfinite(metros) && metros > 0.0;
}

ColetoresRede montarColetores(const std::vector<EntradaTrecho>& entradas)
{
    ColetoresRede resultado;
    Rede r{entradas, {}, {}, {}, {}, std::vector<bool>(entradas.size(), false), {}};
    std::vector<int> semNomes;
    std::set<std::string> chegadas;
    for (std::size_t i = 0; i < entradas.size(); ++i) {
        double l = 0.0;
        const bool temComprimento = comprimentoTrecho(entradas[i], l);
        r.comprimentos.push_back(temComprimento ? l : 0.0);
        r.montante.push_back(aparado(entradas[i].montante));
        r.jusante.push_back(aparado(entradas[i].jusante));
        if (!temComprimento) {
            resultado.semComprimento.push_back(static_cast<int>(i));
            r.desenhado[i] = true;
        } else if (r.montante[i].empty() || r.jusante[i].empty()) {
            semNomes.push_back(static_cast<int>(i));
            r.desenhado[i] = true;
        } else {
            r.saidas[r.montante[i]].push_back(static_cast<int>(i));
            chegadas.insert(r.jusante[i]);
        }
    }

    // Heads first; once none gives a stretch, the montante of any stretch
    // left (a loop, a second stretch leaving a drawn manhole).
    for (;;) {
        std::vector<std::string> inicios;
        for (const auto& [poco, saidas] : r.saidas)
            if (!chegadas.count(poco))
                inicios.push_back(poco);
        Coletor melhor;
        for (int fase = 0; fase < 2 && melhor.trechos.empty(); ++fase) {
            if (fase == 1) {
                inicios.clear();
                for (const auto& [poco, saidas] : r.saidas)
                    inicios.push_back(poco);
            }
            // The map keeps the names in order, so the first of equal length wins.
            for (const std::string& inicio : inicios) {
                Coletor c = caminhar(r, inicio);
                if (!c.trechos.empty() && (melhor.trechos.empty() || c.comprimento > melhor.comprimento))
                    melhor = std::move(c);
            }
        }
        if (melhor.trechos.empty())
            break;
        for (int t : melhor.trechos) {
            const auto i = static_cast<std::size_t>(t);
            r.desenhado[i] = true;
            r.pocosDesenhados.insert(r.montante[i]);
            r.pocosDesenhados.insert(r.jusante[i]);
        }
        resultado.coletores.push_back(std::move(melhor));
    }

    for (int t : semNomes) {
        Coletor c;
        c.trechos.push_back(t);
        c.comprimento = r.comprimentos[static_cast<std::size_t>(t)];
        resultado.coletores.push_back(std::move(c));
    }
    // The named ones already come longest first; a stretch without names
    // takes its place among them by its length.
    std::stable_sort(resultado.coletores.begin(), resultado.coletores.end(),
                     [](const Coletor& a, const Coletor& b) { return a.comprimento > b.comprimento; });
    return resultado;
}
