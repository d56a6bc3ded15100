#include "quantidadesTubo.h"

#include "cadastroTelas.h"
#include "numeros.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int colunaDesignacao = 0;
constexpr int colunaPesoBase = 5;
constexpr int colunaEmenda = 9;
constexpr double comprimentoTubo = 1.0; // m: the catalogue's page is for 1,0 m pipes

std::string aparado(const std::string& t)
{
    const auto inicio = t.find_first_not_of(' ');
    return inicio == std::string::npos ? std::string() : t.substr(inicio, t.find_last_not_of(' ') - inicio + 1);
}

// The catalogue read once: it never changes while the program runs.
struct CatalogoLido {
    std::vector<std::pair<std::string, DadosCatalogoTela>> telas; // by number, "113"
};

const CatalogoLido& catalogo()
{
    static const CatalogoLido lido = [] {
        CatalogoLido c;
        const CadastroTelas cadastro = preencherCadastroTelas();
        for (int linha = 0; linha < linhasCadastroTelas; ++linha) {
            const std::string nome = aparado(cadastro.celula(colunaDesignacao, linha));
            double peso = 0.0, emenda = 0.0;
            if (nome.size() > 2 && lerNumero(aparado(cadastro.celula(colunaPesoBase, linha)), peso)
                && lerNumero(aparado(cadastro.celula(colunaEmenda, linha)), emenda))
                c.telas.push_back({nome.substr(2), {peso, emenda}});
        }
        return c;
    }();
    return lido;
}

// The symbols of the sheet, one per mesh of each cage.
constexpr std::array<const char*, 2> simbolosInternos{"Pi1", "Pi2"};
constexpr std::array<const char*, 2> simbolosExternos{"Pe1", "Pe2"};

GaiolaAco gaiola(double diametro, int tipoTubo, const std::string& nome1, const std::string& nome2,
                 const char* face, const char* simboloDiametro, const std::array<const char*, 2>& simbolos,
                 MemoriaCalculo* m)
{
    GaiolaAco g;
    g.diametro = diametro;
    const std::string nomes[] = {nome1, nome2};
    for (std::size_t k = 0; k < 2; ++k) {
        if (nomes[k].empty())
            continue;
        const std::optional<DadosCatalogoTela> dados = dadosCatalogoTela(nomes[k]);
        if (!dados)
            continue;
        PesoTela t;
        t.nome = nomeTelas(tipoTubo, nomes[k], "");
        t.pesoBase = dados->pesoBase;
        t.emenda = dados->emenda;
        t.peso = pesoTela(*dados, diametro);
        if (m) {
            m->grandeza({"Peso base da tela " + t.nome + " (catálogo)", "pb", t.pesoBase, "kg/m²", "", 2});
            m->grandeza({"Comprimento da emenda da tela " + t.nome + " (catálogo)", "e", t.emenda, "cm", "", 0});
            m->grandeza({"Peso da tela " + t.nome + " da armadura " + face, simbolos[k], t.peso, "kg",
                         std::string("{pb}·(π·{") + simboloDiametro + "}/100 + {e}/100)·1,0", 2});
        }
        g.peso += t.peso;
        g.telas.push_back(std::move(t));
    }
    return g;
}

} // namespace

std::optional<DadosCatalogoTela> dadosCatalogoTela(const std::string& numero)
{
    for (const auto& [nome, dados] : catalogo().telas)
        if (nome == numero)
            return dados;
    return std::nullopt;
}

double volumeConcreto(double di, double h)
{
    const double de = di + 2.0 * h;
    return std::numbers::pi / 4.0 * (de * de - di * di) / 1.0e6 * comprimentoTubo;
}

double pesoTela(const DadosCatalogoTela& tela, double diametro)
{
    return tela.pesoBase * (std::numbers::pi * diametro / 100.0 + tela.emenda / 100.0) * comprimentoTubo;
}

QuantidadesTubo quantidadesTubo(const ResultadoDimensionamento& r, MemoriaCalculo* m)
{
    const bool dupla = r.tipoArmadura == CircularDupla;
    const SelecaoTelas& t = r.telas;
    if (m) {
        m->titulo("Aço e concreto por metro de tubo");
        m->grandeza({"Diâmetro interno", "di", r.di, "mm", "", 0});
        m->grandeza({"Espessura da parede", "h", r.h, "mm", "", 1});
    }
    QuantidadesTubo q;
    double dInterna = 0.0;
    if (dupla) {
        dInterna = r.di / 10.0 + 2.0 * r.dLinhaInt;
        if (m) {
            m->grandeza({"Posição da armadura interna", "d'int", r.dLinhaInt, "cm", "", 2});
            m->grandeza({"Diâmetro da armadura interna nos fios", "Dint", dInterna, "cm", "{di}/10 + 2·{d'int}", 2});
        }
    } else {
        dInterna = r.di / 10.0 + 2.0 * (r.h / 10.0 - r.Dcoro);
        if (m) {
            m->grandeza({"Altura útil prática no coroamento", "Dcoro", r.Dcoro, "cm", "", 2});
            m->grandeza({"Diâmetro da armadura nos fios", "Dint", dInterna, "cm", "{di}/10 + 2·({h}/10 − {Dcoro})",
                         2});
        }
    }
    q.interna = gaiola(dInterna, r.tipoTubo, t.nomeInt1, t.nomeInt2, "interna", "Dint", simbolosInternos, m);
    if (dupla) {
        const double dExterna = r.di / 10.0 + 2.0 * r.h / 10.0 - 2.0 * r.dLinhaExt;
        if (m) {
            m->grandeza({"Posição da armadura externa", "d'ext", r.dLinhaExt, "cm", "", 2});
            m->grandeza({"Diâmetro da armadura externa nos fios", "Dext", dExterna, "cm",
                         "{di}/10 + 2·{h}/10 − 2·{d'ext}", 2});
        }
        q.externa = gaiola(dExterna, r.tipoTubo, t.nomeExt1, t.nomeExt2, "externa", "Dext", simbolosExternos, m);
    }
    q.acoInterno = q.interna.peso;
    q.acoExterno = q.externa.peso;
    q.acoTotal = q.acoInterno + q.acoExterno;
    q.concreto = volumeConcreto(r.di, r.h);
    if (m) {
        // Each weight is traced from its own figures; the sums repeat them.
        auto soma = [](const GaiolaAco& g, const std::array<const char*, 2>& s) {
            std::string f;
            for (std::size_t k = 0; k < g.telas.size(); ++k)
                f += (k ? " + {" : "{") + std::string(s[k]) + "}";
            return f.empty() ? std::string("0") : f;
        };
        m->grandeza({"Aço da armadura interna", "Ai", q.acoInterno, "kg", soma(q.interna, simbolosInternos), 2});
        if (dupla)
            m->grandeza({"Aço da armadura externa", "Ae", q.acoExterno, "kg", soma(q.externa, simbolosExternos), 2});
        m->grandeza({"Aço do tubo", "Aço", q.acoTotal, "kg", dupla ? "{Ai} + {Ae}" : "{Ai}", 2});
        m->grandeza({"Concreto do tubo", "V", q.concreto, "m³", "π/4·(({di} + 2·{h})² − {di}²)/10⁶·1,0", 3});
        m->nota("O concreto adicional da junta não é considerado.");
    }
    return q;
}
