#include "fatorAterro.h"

#include "ProjetoTubo.h"
#include "basesAssentamento.h"
#include "cargaTerra.h"
#include "numeros.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<double, 6> pontosP{0.0, 0.3, 0.5, 0.7, 0.9, 1.0};
constexpr std::array<double, 6> xClasseA{0.150, 0.743, 0.856, 0.811, 0.678, 0.638};
constexpr std::array<double, 6> xClassesBCD{0.0, 0.217, 0.423, 0.594, 0.655, 0.638};

} // namespace

double coeficienteX(int classe, double p)
{
    const auto& linha = classe == 0 ? xClasseA : xClassesBCD;
    std::size_t i = 0; // the band [pontosP[i]; pontosP[i + 1]]
    while (i + 2 < pontosP.size() && p >= pontosP[i + 1])
        ++i;
    const double p0 = pontosP[i], p1 = pontosP[i + 1];
    return linha[i] + (linha[i + 1] - linha[i]) * (p - p0) / (p1 - p0);
}

double coeficienteK(int tipoInstalacao) { return tipoInstalacao == ProjecaoPositiva ? 0.33 : 0.15; }

FatorAterro fatorProjecaoPositiva(int classe, int tipoInstalacao, double p, double Cc, double hs, double D)
{
    FatorAterro f;
    f.p = p;
    f.Cc = Cc;
    f.N = coeficienteNBase(classe);
    f.x = coeficienteX(classe, p);
    f.K = coeficienteK(tipoInstalacao);
    if (!(Cc > 0.0) || !(D > 0.0) || f.N <= 0.0)
        return f;
    f.q = p * f.K * (hs / D + 0.5 * p) / Cc;
    const double divisor = f.N - f.x * f.q;
    if (!(divisor > 0.0) || !std::isfinite(divisor))
        return f;
    f.fe = 1.431 / divisor;
    f.texto = formatar2(f.fe);
    // A factor that shows as 0,00 cannot divide the load either.
    f.existe = std::isfinite(f.fe) && converterNumero(f.texto) > 0.0;
    if (!f.existe)
        f.texto.clear();
    return f;
}

FatorAterro fatorProjecaoPositiva(int classe, int tipoInstalacao, const ResultadoProjecao& projecao, double hs,
                                  double D)
{
    FatorAterro f = fatorProjecaoPositiva(classe, tipoInstalacao, projecao.p, projecao.C, hs, D);
    f.semSolucao = projecao.semSolucao;
    return f;
}

FatorAterro fatorAterro(const ValoresTrabalho& v, int tipoInstalacao, int classe)
{
    return fatorProjecaoPositiva(classe, tipoInstalacao, cargaProjecaoPositiva(v), v.hs, v.D);
}

AtualizacaoFatorAterro atualizarFatorAterro(ProjetoTubo& p)
{
    AtualizacaoFatorAterro a;
    if (!usaBaseAterro(p.instalacao))
        return a;
    a.aplicado = true;
    try {
        a.fator = fatorAterro(valoresTrabalho(p), p.instalacao.tipo, p.baseAterro.classe);
    } catch (const ErroConversao& erro) {
        a.mensagem = erro.what();
        return a;
    }
    if (!a.fator.existe) {
        a.mensagem = mensagemSemFatorEquivalencia;
        return a;
    }
    p.baseAterro.fator = a.fator.texto;
    return a;
}
