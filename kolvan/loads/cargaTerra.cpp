#include "cargaTerra.h"

#include "ProjetoTubo.h"

#include <algorithm>
#include <cmath>

namespace {

// (e^(a·x) − 1)/a, which tends to x as a goes to 0. With −a it gives the
// trench form (1 − e^(−a·x))/a.
double razaoExponencial(double a, double x)
{
    if (a == 0.0)
        return x;
    return std::expm1(a * x) / a;
}

bool larguraValida(double largura) { return largura > 0.0 && std::isfinite(largura); }

// A coefficient that overflowed is no solution either.
void conferirFinito(ResultadoProjecao& r)
{
    if (!std::isfinite(r.C) || !std::isfinite(r.W))
        r.semSolucao = true;
}

} // namespace

ResultadoVala cargaVala(double gama, double kMi, double hs, double bv)
{
    ResultadoVala r;
    MemoriaCalculo& m = r.memoria;
    m.titulo("Carga de terra na vala");
    if (!larguraValida(bv)) {
        m.nota("Sem largura de vala: sem carga.");
        return r;
    }
    const double a = m.grandeza({"Parâmetro da exponencial de Marston (2·Kμ)", "a", 2.0 * kMi, "", "2·{Kμ}", 3});
    const double hBv = m.grandeza({"Altura relativa à largura da vala", "hs/bv", hs / bv, "", "{hs}/{bv}"});
    r.Cd = m.grandeza({"Coeficiente de carga da vala", "Cd", razaoExponencial(-a, hBv), "",
                       "(1 − e^(−{a}·{hs/bv}))/{a}", 4, "Cd"});
    r.W = m.grandeza({"Carga de terra na vala", "Wv", r.Cd * gama * bv * bv, "kN/m", "{Cd}·{γ}·{bv}²", 2, "Wvala"});
    return r;
}

ResultadoProjecao cargaProjecaoPositiva(double gama, double kMi, double hs, double ha, double rsd, double D)
{
    ResultadoProjecao r;
    MemoriaCalculo& m = r.memoria;
    m.titulo("Carga de terra no aterro com projeção positiva");
    m.grandeza({"Altura da projeção", "ha", ha, "m", "", 2});
    m.grandeza({"Razão de recalque", "rsd", rsd, "", "", 2});
    if (!larguraValida(D)) {
        m.nota("Sem diâmetro externo: sem carga.");
        return r;
    }
    const double a = m.grandeza({"Parâmetro da exponencial de Marston (2·Kμ)", "a", 2.0 * kMi, "", "2·{Kμ}", 3});
    const double hBc = m.grandeza({"Altura relativa ao diâmetro externo", "H/Bc", hs / D, "", "{hs}/{D}"});
    const double p = m.grandeza({"Razão de projeção", "p", ha / D, "", "{ha}/{D}", 4, "p"});
    const double apr = m.grandeza({"Termo do recalque", "a·p·rsd", a * p * rsd, "", "{a}·{p}·{rsd}"});
    const auto F = [a, apr](double x) { return std::exp(a * x) - a * x - apr - 1.0; };

    const ResultadoPlanoRecalque plano = resolverPlanoRecalque(F, hBc);
    m.nota("Plano de igual recalque: xe = He/D é a raiz de F(xe) = e^(a·xe) − a·xe − a·p·rsd − 1 = 0, achada por "
           "bissecção no intervalo [0; k·H/Bc], k o primeiro inteiro 1, 2, … em que F muda de sinal (aqui k = "
           + std::to_string(plano.passosIntervalo) + ").");
    r.hRelativa = hBc;
    r.p = p;
    r.x = m.grandeza({"Altura relativa do plano de igual recalque", "xe", plano.x, "", "raiz de F(xe)", 4, "x"});
    r.He = m.grandeza({"Altura do plano de igual recalque", "He", plano.x * D, "m", "{xe}·{D}", 3, "He"});
    r.bissecoes = plano.bissecoes;
    r.semSolucao = plano.semSolucao;
    if (r.semSolucao)
        m.nota("Solução não encontrada: a carga segue com o último valor de xe.");
    if (hs > r.He) { // the plane of equal settlement lies below the top of the fill
        m.nota("hs > He: o plano de igual recalque fica abaixo do topo do aterro.");
        r.C = m.grandeza({"Coeficiente de carga", "Cc", razaoExponencial(a, r.x) + std::exp(a * r.x) * (hBc - r.x),
                          "", "(e^({a}·{xe}) − 1)/{a} + e^({a}·{xe})·({H/Bc} − {xe})", 4, "Cc"});
    } else {
        m.nota("hs ≤ He: o plano de igual recalque atinge o topo do aterro.");
        r.C = m.grandeza({"Coeficiente de carga", "Cc", razaoExponencial(a, hBc), "", "(e^({a}·{H/Bc}) − 1)/{a}", 4,
                          "Cc"});
    }
    r.W = m.grandeza({"Carga de terra com projeção positiva", "Wp", r.C * gama * D * D, "kN/m", "{Cc}·{γ}·{D}²",
                      2, "Wpositiva"});
    conferirFinito(r);
    return r;
}

ResultadoProjecao cargaProjecaoNegativa(double gama, double kMi, double hs, double ha, double rsd, double bv)
{
    ResultadoProjecao r;
    MemoriaCalculo& m = r.memoria;
    m.titulo("Carga de terra no aterro com projeção negativa");
    m.grandeza({"Altura da projeção", "ha", ha, "m", "", 2});
    m.grandeza({"Razão de recalque", "rsd", rsd, "", "", 2});
    if (!larguraValida(bv)) {
        m.nota("Sem largura de vala: sem carga.");
        return r;
    }
    const double a = m.grandeza({"Parâmetro da exponencial de Marston (2·Kμ)", "a", 2.0 * kMi, "", "2·{Kμ}", 3});
    const double hBd = m.grandeza({"Altura relativa à largura da vala", "H/Bd", hs / bv, "", "{hs}/{bv}"});
    const double p = m.grandeza({"Razão de projeção na vala", "p'", ha / bv, "", "{ha}/{bv}"});
    const double apr = m.grandeza({"Termo do recalque", "a·p'·rsd", a * p * rsd, "", "{a}·{p'}·{rsd}"});
    const auto F = [a, apr](double x) { return std::exp(-a * x) + a * x + apr - 1.0; };

    const ResultadoPlanoRecalque plano = resolverPlanoRecalque(F, hBd);
    m.nota("Plano de igual recalque: xe = He/bv é a raiz de F(xe) = e^(−a·xe) + a·xe + a·p'·rsd − 1 = 0, achada por "
           "bissecção no intervalo [0; k·H/Bd], k o primeiro inteiro 1, 2, … em que F muda de sinal (aqui k = "
           + std::to_string(plano.passosIntervalo) + ").");
    r.hRelativa = hBd;
    r.p = p;
    r.x = m.grandeza({"Altura relativa do plano de igual recalque", "xe", plano.x, "", "raiz de F(xe)"});
    r.He = m.grandeza({"Altura do plano de igual recalque", "He", plano.x * bv, "m", "{xe}·{bv}", 3});
    r.bissecoes = plano.bissecoes;
    r.semSolucao = plano.semSolucao;
    if (r.semSolucao)
        m.nota("Solução não encontrada: a carga segue com o último valor de xe.");
    if (hs > r.He) {
        m.nota("hs > He: o plano de igual recalque fica abaixo do topo do aterro.");
        r.C = m.grandeza({"Coeficiente de carga", "Cn", razaoExponencial(-a, r.x) + std::exp(-a * r.x) * (hBd - r.x),
                          "", "(1 − e^(−{a}·{xe}))/{a} + e^(−{a}·{xe})·({H/Bd} − {xe})", 4, "Cn"});
    } else { // the plane reaches the top of the fill: a plain trench
        m.nota("hs ≤ He: o plano de igual recalque atinge o topo do aterro; vale o coeficiente da vala.");
        r.C = m.grandeza({"Coeficiente de carga", "Cn", razaoExponencial(-a, hBd), "", "(1 − e^(−{a}·{H/Bd}))/{a}", 4,
                          "Cn"});
    }
    r.W = m.grandeza({"Carga de terra com projeção negativa", "Wn", r.C * gama * bv * bv, "kN/m",
                      "{Cn}·{γ}·{bv}²", 2, "Wnegativa"});
    conferirFinito(r);
    return r;
}

ResultadoProjecao cargaComparacao(double gama, double kMi, double hs, double D)
{
    ResultadoProjecao r = cargaProjecaoPositiva(gama, kMi, hs, 0.5 * D, 1.0, D);
    // The same routine under its own heading, its load under its own name.
    std::vector<PassoMemoria>& passos = r.memoria.passos;
    passos.front().nome = "Carga de comparação: aterro com projeção positiva, ha = 0,5·D e rsd = 1,0";
    for (PassoMemoria& passo : passos) {
        if (passo.chave == "Wpositiva") {
            passo.nome = "Carga de comparação";
            passo.simbolo = "Wc";
            passo.chave = "Wcomparacao";
        } else if (passo.simbolo == "ha") {
            passo.formula = "0,5·{D}";
        }
    }
    return r;
}

ResultadoVala cargaVala(const ValoresTrabalho& v) { return cargaVala(v.gama, v.kMi, v.hs, v.bv); }

ResultadoProjecao cargaProjecaoPositiva(const ValoresTrabalho& v)
{
    return cargaProjecaoPositiva(v.gama, v.kMi, v.hs, v.ha, v.rsd, v.D);
}

ResultadoProjecao cargaProjecaoNegativa(const ValoresTrabalho& v)
{
    return cargaProjecaoNegativa(v.gama, v.kMi, v.hs, v.ha, v.rsd, v.bv);
}

ResultadoProjecao cargaComparacao(const ValoresTrabalho& v) { return cargaComparacao(v.gama, v.kMi, v.hs, v.D); }

const ResultadoProjecao& ResultadoCargaTerra::ultimaProjecaoPositiva() const
{
    const bool propria = tipo == ProjecaoPositiva || (tipo == ProjecaoNegativa && aterroCompactado);
    return propria ? projecao : comparacao;
}

namespace {

// The installation's load against the positive-projection comparison load;
// the smaller governs.
void compararComProjecaoPositiva(ResultadoCargaTerra& r, const ValoresTrabalho& v)
{
    r.comparou = true;
    r.comparacao = cargaComparacao(v);
    r.cargaComparacao = r.comparacao.W;
    r.comparacaoGoverna = r.cargaComparacao < r.cargaInstalacao;
    r.W = std::min(r.cargaInstalacao, r.cargaComparacao);
    r.semSolucao = r.semSolucao || r.comparacao.semSolucao;

    MemoriaCalculo& m = r.memoria;
    m.anexar(std::move(r.comparacao.memoria));
    m.titulo("Carga de terra que governa");
    m.grandeza({"Carga de terra", "W", r.W, "kN/m", r.tipo == Vala ? "mín({Wv}; {Wc})" : "mín({Wn}; {Wc})", 2, "W"});
    m.nota(r.comparacaoGoverna
               ? "Governa a carga de comparação: a instalação nunca carrega mais que o aterro com projeção positiva "
                 "do mesmo tubo e cobrimento."
               : std::string("Governa a carga da ") + (r.tipo == Vala ? "vala" : "projeção negativa")
                     + ", menor que a de comparação.");
}

} // namespace

ResultadoCargaTerra cargaTerra(const ValoresTrabalho& v, int tipo, bool aterroCompactado)
{
    ResultadoCargaTerra r;
    r.tipo = tipo;
    r.aterroCompactado = aterroCompactado;

    if (tipo == ProjecaoPositiva || (tipo == ProjecaoNegativa && aterroCompactado)) {
        r.projecao = cargaProjecaoPositiva(v);
        r.cargaInstalacao = r.W = r.projecao.W;
        r.semSolucao = r.projecao.semSolucao;
        r.memoria = std::move(r.projecao.memoria);
        r.memoria.titulo("Carga de terra que governa");
        r.memoria.grandeza({"Carga de terra", "W", r.W, "kN/m", "{Wp}", 2, "W"});
        r.memoria.nota("Aterro com projeção positiva: a sua carga governa.");
    } else if (tipo == ProjecaoNegativa) {
        r.projecao = cargaProjecaoNegativa(v);
        r.cargaInstalacao = r.projecao.W;
        r.semSolucao = r.projecao.semSolucao;
        r.memoria = std::move(r.projecao.memoria);
        compararComProjecaoPositiva(r, v);
    } else {
        r.tipo = Vala;
        r.vala = cargaVala(v);
        r.cargaInstalacao = r.vala.W;
        r.memoria = std::move(r.vala.memoria);
        compararComProjecaoPositiva(r, v);
    }
    return r;
}

ResultadoCargaTerra cargaTerra(const ProjetoTubo& projeto)
{
    return cargaTerra(valoresTrabalho(projeto), projeto.instalacao.tipo, projeto.instalacao.aterroCompactado);
}
