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

namespace {

double interpolarX(int classe, double p, MemoriaCalculo* m)
{
    const auto& linha = classe == 0 ? xClasseA : xClassesBCD;
    std::size_t i = 0; // the band [pontosP[i]; pontosP[i + 1]]
    while (i + 2 < pontosP.size() && p >= pontosP[i + 1])
        ++i;
    const double p0 = pontosP[i], p1 = pontosP[i + 1];
    const double x = linha[i] + (linha[i + 1] - linha[i]) * (p - p0) / (p1 - p0);
    if (m) {
        m->grandeza({"Início da faixa de p", "p0", p0, "", "", 1});
        m->grandeza({"Fim da faixa de p", "p1", p1, "", "", 1});
        m->grandeza({"x da tabela em p0", "x0", linha[i], "", "", 3});
        m->grandeza({"x da tabela em p1", "x1", linha[i + 1], "", "", 3});
        m->grandeza({"Coeficiente x da área projetada, interpolado na tabela", "x", x, "", "{x0} + ({x1} − {x0})·({p} − {p0})/({p1} − {p0})", 4,
                     "fatorX"});
    }
    return x;
}

} // namespace

double coeficienteX(int classe, double p) { return interpolarX(classe, p, nullptr); }

double coeficienteK(int tipoInstalacao) { return tipoInstalacao == ProjecaoPositiva ? 0.33 : 0.15; }

FatorAterro fatorProjecaoPositiva(int classe, int tipoInstalacao, double p, double Cc, double hs, double D)
{
    FatorAterro f;
    MemoriaCalculo& m = f.memoria;
    m.titulo("Fator de equivalência da base em aterro");
    f.p = m.grandeza({"Razão de projeção da projeção positiva", "p", p, "", "", 4});
    f.Cc = m.grandeza({"Coeficiente de carga da projeção positiva", "Cc", Cc, "", "", 4});
    f.N = m.grandeza({"Coeficiente da classe da base", "N", coeficienteNBase(classe), "", "", 3, "fatorN"});
    f.x = interpolarX(classe, p, &m);
    f.K = m.grandeza({tipoInstalacao == ProjecaoPositiva ? "Razão entre as pressões lateral e vertical do solo"
                                                         : "Razão entre as pressões lateral e vertical do solo "
                                                           "(projeção negativa compactada)",
                      "K", coeficienteK(tipoInstalacao), "", "", 2});
    if (!(Cc > 0.0) || !(D > 0.0) || f.N <= 0.0) {
        m.nota("Sem coeficiente de carga ou diâmetro: não há fator.");
        return f;
    }
    f.q = m.grandeza({"Razão de pressões", "q", p * f.K * (hs / D + 0.5 * p) / Cc, "", "{p}·{K}·({hs}/{D} + 0,5·{p})/{Cc}",
                      4, "fatorQ"});
    const double divisor = f.N - f.x * f.q;
    if (!(divisor > 0.0) || !std::isfinite(divisor)) {
        m.nota("N − x·q ≤ 0: não há fator de equivalência.");
        return f;
    }
    f.fe = m.grandeza({"Fator de equivalência calculado", "fe,f", 1.431 / divisor, "", "1,431/({N} − {x}·{q})", 4,
                       "feFormula"});
    f.texto = formatar2(f.fe);
    // A factor that shows as 0,00 cannot divide the load either.
    f.existe = std::isfinite(f.fe) && converterNumero(f.texto) > 0.0;
    if (!f.existe)
        f.texto.clear();
    else
        m.nota("A janela da base mostra o fator com duas casas, " + f.texto + ", e é este o valor usado.");
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
