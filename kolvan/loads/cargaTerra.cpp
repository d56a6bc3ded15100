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
    if (!larguraValida(bv))
        return r;
    const double a = 2.0 * kMi;
    r.Cd = razaoExponencial(-a, hs / bv);
    r.W = r.Cd * gama * bv * bv;
    return r;
}

ResultadoProjecao cargaProjecaoPositiva(double gama, double kMi, double hs, double ha, double rsd, double D)
{
    ResultadoProjecao r;
    if (!larguraValida(D))
        return r;
    const double a = 2.0 * kMi;
    const double hBc = hs / D;
    const double p = ha / D;
    const double apr = a * p * rsd;
    const auto F = [a, apr](double x) { return std::exp(a * x) - a * x - apr - 1.0; };

    const ResultadoPlanoRecalque plano = resolverPlanoRecalque(F, hBc);
    r.hRelativa = hBc;
    r.p = p;
    r.x = plano.x;
    r.He = plano.x * D;
    r.bissecoes = plano.bissecoes;
    r.semSolucao = plano.semSolucao;
    if (hs > r.He) // the plane of equal settlement lies below the top of the fill
        r.C = razaoExponencial(a, r.x) + std::exp(a * r.x) * (hBc - r.x);
    else
        r.C = razaoExponencial(a, hBc);
    r.W = r.C * gama * D * D;
    conferirFinito(r);
    return r;
}

ResultadoProjecao cargaProjecaoNegativa(double gama, double kMi, double hs, double ha, double rsd, double bv)
{
    ResultadoProjecao r;
    if (!larguraValida(bv))
        return r;
    const double a = 2.0 * kMi;
    const double hBd = hs / bv;
    const double p = ha / bv;
    const double apr = a * p * rsd;
    const auto F = [a, apr](double x) { return std::exp(-a * x) + a * x + apr - 1.0; };

    const ResultadoPlanoRecalque plano = resolverPlanoRecalque(F, hBd);
    r.hRelativa = hBd;
    r.p = p;
    r.x = plano.x;
    r.He = plano.x * bv;
    r.bissecoes = plano.bissecoes;
    r.semSolucao = plano.semSolucao;
    if (hs > r.He)
        r.C = razaoExponencial(-a, r.x) + std::exp(-a * r.x) * (hBd - r.x);
    else // the plane reaches the top of the fill: a plain trench
        r.C = razaoExponencial(-a, hBd);
    r.W = r.C * gama * bv * bv;
    conferirFinito(r);
    return r;
}

ResultadoProjecao cargaComparacao(double gama, double kMi, double hs, double D)
{
    return cargaProjecaoPositiva(gama, kMi, hs, 0.5 * D, 1.0, D);
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
    } else if (tipo == ProjecaoNegativa) {
        r.projecao = cargaProjecaoNegativa(v);
        r.cargaInstalacao = r.projecao.W;
        r.semSolucao = r.projecao.semSolucao;
        compararComProjecaoPositiva(r, v);
    } else {
        r.tipo = Vala;
        r.vala = cargaVala(v);
        r.cargaInstalacao = r.vala.W;
        compararComProjecaoPositiva(r, v);
    }
    return r;
}

ResultadoCargaTerra cargaTerra(const ProjetoTubo& projeto)
{
    return cargaTerra(valoresTrabalho(projeto), projeto.instalacao.tipo, projeto.instalacao.aterroCompactado);
}
