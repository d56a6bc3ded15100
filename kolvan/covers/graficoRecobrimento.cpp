#include "graficoRecobrimento.h"

#include "numeros.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr CorClasse preto{0, 0, 0};
constexpr CorClasse grade{215, 215, 215};
constexpr CorClasse semR{245, 245, 245};
constexpr CorClasse textoSemR{120, 120, 120};
constexpr double coberturaEixo = coberturaFinalTabela / 100.0; // m, the end of the horizontal axis
constexpr double passoCobertura = 2.0; // m between the labels of the covers

} // namespace

double passoEscala(double ate, int partes)
{
    if (!(ate > 0.0))
        return 1.0;
    const double bruto = ate / partes;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * potencia >= bruto - 1e-12)
            return m * potencia;
    return 10.0 * potencia;
}

GraficoRecobrimento montarGraficoRecobrimento(const DiametroRecobrimento& d, double largura, double altura, bool titulo)
{
    GraficoRecobrimento g;
    g.largura = largura;
    g.altura = altura;
    const double esq = 58, dir = largura - 72, topo = titulo ? 42 : 22, base = altura - 42;

    double maiorCarga = 0.0, maiorR = 0.0;
    for (const ClasseRecobrimento& c : d.classes)
        maiorCarga = std::max(maiorCarga, c.carga.carga);
    for (const PontoRecobrimento& p : d.pontos)
        if (p.classificado)
            maiorR = std::max(maiorR, p.R);
    // The classes decide the scale: R far above the strongest one is cut at the top.
    double alvo = maiorCarga > 0.0 ? 1.25 * maiorCarga : maiorR;
    if (!(alvo > 0.0))
        alvo = 10.0;
    const double passo = passoEscala(alvo, 8);
    const double topoCarga = std::ceil(alvo / passo - 1e-9) * passo;

    auto xDe = [&](double hs) { return esq + hs / coberturaEixo * (dir - esq); };
    auto yDe = [&](double R) { return base - std::min(R, topoCarga) / topoCarga * (base - topo); };

    g.retangulos.push_back({esq, topo, dir - esq, base - topo, {255, 255, 255}});
    // The bands of the reinforced classes: from the load of the class below to its own.
    double anterior = 0.0;
    bool algumArmado = false;
    for (const ClasseRecobrimento& c : d.classes) {
        if (!c.carga.armado)
            continue;
        algumArmado = true;
        g.retangulos.push_back({esq, yDe(c.carga.carga), dir - esq, yDe(anterior) - yDe(c.carga.carga),
                                corClasse(c.carga.classe, true)});
        anterior = c.carga.carga;
    }
    if (algumArmado && anterior < topoCarga)
        g.retangulos.push_back({esq, topo, dir - esq, yDe(anterior) - topo, corClasse(classeEspecial, true)});

    // Covers without R: the stretch rule refused them.
    std::vector<bool> recusado(d.pontos.size());
    for (std::size_t i = 0; i < d.pontos.size(); ++i)
        recusado[i] = !d.pontos[i].classificado;
    for (const IntervaloCobertura& i : intervalosOnde(recusado, coberturaInicialTabela)) {
        const double x1 = xDe(i.inicio / 100.0 - 0.005), x2 = xDe(i.fim / 100.0 + 0.005);
        g.retangulos.push_back({x1, topo, x2 - x1, base - topo, semR});
        if (x2 - x1 > 44)
            g.textos.push_back({(x1 + x2) / 2, topo + 12, "sem R", AlinhamentoGrafico::centro, 10, false, textoSemR});
    }

    for (double v = 0.0; v <= topoCarga + 1e-9; v += passo) {
        g.linhas.push_back({esq, yDe(v), dir, yDe(v), grade, 0.6});
        g.textos.push_back({esq - 6, yDe(v), passo < 1.0 ? formatar1(v) : formatar0(v), AlinhamentoGrafico::direita, 10});
    }
    for (double hs = 0.0; hs <= coberturaEixo + 1e-9; hs += passoCobertura) {
        g.linhas.push_back({xDe(hs), topo, xDe(hs), base, grade, 0.6});
        g.textos.push_back({xDe(hs), base + 10, formatar0(hs), AlinhamentoGrafico::centro, 10});
    }

    // A line at each class's load, its name and load beside the plot; close
    // labels are moved apart so that each stays legible.
    struct Rotulo {
        double y;
        std::string texto;
        CorClasse cor;
    };
    std::vector<Rotulo> rotulos;
    for (const ClasseRecobrimento& c : d.classes) {
        if (c.carga.carga > topoCarga)
            continue;
        const CorClasse cor = corClasse(c.carga.classe, false);
        const double y = yDe(c.carga.carga);
        g.linhas.push_back({esq, y, dir, y, cor, c.carga.armado ? 1.6 : 1.3, !c.carga.armado});
        rotulos.push_back({y, c.carga.classe + " " + formatar1(c.carga.carga), cor});
    }
    std::sort(rotulos.begin(), rotulos.end(), [](const Rotulo& a, const Rotulo& b) { return a.y < b.y; });
    for (std::size_t i = 1; i < rotulos.size(); ++i)
        rotulos[i].y = std::max(rotulos[i].y, rotulos[i - 1].y + 11);
    for (const Rotulo& r : rotulos)
        g.textos.push_back({dir + 5, r.y, r.texto, AlinhamentoGrafico::esquerda, 10, true, r.cor});

    // R, cut at the top of the plot and broken where a cover has none.
    for (std::size_t i = 1; i < d.pontos.size(); ++i) {
        const PontoRecobrimento& a = d.pontos[i - 1];
        const PontoRecobrimento& b = d.pontos[i];
        if (!a.classificado || !b.classificado || (a.R > topoCarga && b.R > topoCarga))
            continue;
        double hsA = (coberturaInicialTabela + static_cast<double>(i) - 1) / 100.0, hsB = hsA + 0.01;
        double RA = a.R, RB = b.R;
        if (RA > topoCarga) {
            hsA += (topoCarga - RA) / (RB - RA) * 0.01;
            RA = topoCarga;
        } else if (RB > topoCarga) {
            hsB = hsA + (topoCarga - RA) / (RB - RA) * 0.01;
            RB = topoCarga;
        }
        g.linhas.push_back({xDe(hsA), yDe(RA), xDe(hsB), yDe(RB), preto, 1.8});
    }

    // The frame and the captions.
    for (const LinhaGrafico& l : {LinhaGrafico{esq, topo, dir, topo, preto}, LinhaGrafico{dir, topo, dir, base, preto},
                                  LinhaGrafico{esq, base, dir, base, preto}, LinhaGrafico{esq, topo, esq, base, preto}})
        g.linhas.push_back(l);
    if (titulo)
        g.textos.push_back({esq, 10, "DI " + std::to_string(d.di) + " mm: resistência necessária R e cargas das classes",
                            AlinhamentoGrafico::esquerda, 12, true});
    g.textos.push_back({esq - 6, topo - 12, "R (kN/m)", AlinhamentoGrafico::esquerda, 10, true});
    g.textos.push_back({(esq + dir) / 2, base + 27, "Altura de terra hs (m)", AlinhamentoGrafico::centro, 10, true});
    return g;
}
