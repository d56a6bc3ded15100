#include "secao.h"

#include "memoriaCalculo.h"

#include <cmath>

ErroAlturaUtil::ErroAlturaUtil(double d)
    : std::domain_error("effective depth not positive"), d_(d)
{
}

double tensaoAco(const Materiais& m, double eps)
{
    const double absEps = std::abs(eps);
    const double sinal = eps < 0.0 ? -1.0 : 1.0;
    if (absEps <= 0.7 * m.fyd / m.Es)
        return m.Es * eps;
    if (absEps <= m.fyd / m.Es + 0.002) {
        const double a = 22.5 * m.fyd / m.Es;
        return sinal * m.fyd * (0.7 - a + std::sqrt(45.0 * absEps + (a - 0.7) * (a - 0.7) - 0.49));
    }
    return sinal * m.fyd;
}

namespace {

// Parabola-rectangle block for a top strain of e per mil (domain 2).
void blocoParabolaRetangulo(SecaoFlexao& s, double e)
{
    if (e <= 2.0) {
        s.psi = (e / 2.0) * (1.0 - e / 6.0);
        // At e = 0 the block vanishes; κ takes its limit 1/3 instead of 0/0.
        s.kappa = s.psi > 0.0 ? 1.0 - (e / 3.0 - e * e / 16.0) / s.psi : 1.0 / 3.0;
    } else {
        const double r = 2.0 / e;
        s.psi = 1.0 - r / 3.0;
        s.kappa = 1.0 - (0.5 - r * r / 12.0) / (1.0 - r / 3.0);
    }
}

} // namespace

double equilibrioSecao(SecaoFlexao& s, const Materiais& m, double mi, double xi)
{
    if (xi <= xiLimiteDominio2) {
        s.epsS1 = 0.01;
        s.epsC = 0.01 * xi / (1.0 - xi);
        s.epsS2 = 0.01 * (xi - s.delta) / (1.0 - xi);
        s.dominio = 2;
        blocoParabolaRetangulo(s, 1000.0 * s.epsC);
    } else if (xi <= 1.0) {
        s.epsC = 0.0035;
        s.epsS1 = 0.0035 * (1.0 - xi) / xi;
        s.epsS2 = 0.0035 * (xi - s.delta) / xi;
        // The fixed block of a concrete at 3,5 ‰, as the tables give it.
        s.psi = 0.80953;
        s.kappa = 0.416;
        s.dominio = xi <= m.xiLim ? 3 : 4;
    }
    // Beyond ξ = 1 the state stays as it was; the search never goes there.
    s.sigmaS2 = tensaoAco(m, s.epsS2);
    return 0.85 * s.psi * xi * (1.0 - s.kappa * xi) + s.omegaLinha * (s.sigmaS2 / m.fyd) * (1.0 - s.delta)
        - mi;
}

double resolverLinhaNeutra(SecaoFlexao& s, const Materiais& m, double mi)
{
    constexpr double tol = toleranciaSecao;
    double xiA = xiInferior;
    double xiB = xiSuperior;
    double xi = xiA;
    double fm = 100.0;
    int n = 0;
    // g is a function of ξ alone, so the ends are evaluated once and carried
    // along with them; the last evaluation is always that of the ξ returned.
    double fa = equilibrioSecao(s, m, mi, xiA);
    double fb = equilibrioSecao(s, m, mi, xiB);
    while (std::abs(fm) > tol) {
        if (std::abs(fa) > tol && std::abs(fb) > tol) {
            const double xiA0 = xiA, xiB0 = xiB;
            xi = 0.5 * (xiA + xiB);
            fm = equilibrioSecao(s, m, mi, xi);
            if (fm / fa > 0.0) {
                xiA = xi;
                fa = fm;
            } else {
                xiB = xi;
                fb = fm;
            }
            // Without a root the bracket closes on one end within some fifty
            // passes; from then on every pass repeats this one exactly, so
            // the remaining passes would change nothing but the count.
            if (xiA == xiA0 && xiB == xiB0 && std::abs(fm) > tol) {
                n = iteracoesMaximasSecao;
                break;
            }
        } else if (std::abs(fa) < tol) {
            xi = xiA;
            fm = equilibrioSecao(s, m, mi, xi);
        } else {
            xi = xiB;
            fm = equilibrioSecao(s, m, mi, xi);
        }
        ++n;
        if (n >= iteracoesMaximasSecao)
            break;
    }
    s.xi = xi;
    s.iteracoes = n;
    return xi;
}

double calcularAs(SecaoFlexao& s, const Materiais& m)
{
    s.sigmaS1 = tensaoAco(m, s.epsS1);
    s.omega = 0.85 * s.psi * s.xi * m.fyd / s.sigmaS1 + s.omegaLinha * s.sigmaS2 / s.sigmaS1
        - s.ni * m.fyd / s.sigmaS1;
    s.As = s.omega * m.b * s.d * m.fcd / m.fyd;
    return s.As;
}

SecaoFlexao dimensionarSecao(const Materiais& m, double Msd, double Nsd, double d, double dLinha,
                             double AsLinha)
{
    if (!(d > 0.0))
        throw ErroAlturaUtil(d);
    SecaoFlexao s;
    s.Msd = Msd;
    s.Nsd = Nsd;
    s.d = d;
    s.dLinha = dLinha;
    s.AsLinha = AsLinha;
    s.mi = Msd / (m.b * d * d * m.fcd);
    s.ni = Nsd / (m.b * d * m.fcd);
    s.omegaLinha = AsLinha * m.fyd / (m.b * d * m.fcd);
    s.delta = dLinha / d;
    resolverLinhaNeutra(s, m, s.mi);
    calcularAs(s, m);
    return s;
}

void anotarSecao(MemoriaCalculo& m, const SecaoFlexao& s, const char* formulaMsd, const char* chaveXi,
                 const char* chaveAs)
{
    const bool comprimida = s.AsLinha > 0.0;
    m.grandeza({"Altura útil", "d", s.d, "cm", "", 2});
    if (comprimida) {
        m.grandeza({"Posição da armadura comprimida", "d'", s.dLinha, "cm", "", 2});
        m.grandeza({"Armadura comprimida", "As'", s.AsLinha, "cm²/m", "", 4});
    }
    m.grandeza({"Força normal de cálculo (compressão)", "Nsd", s.Nsd, "kN/m", "", 2});
    m.grandeza({"Momento de cálculo referido à armadura tracionada", "Msd", s.Msd, "kN·cm/m", formulaMsd, 2});
    m.grandeza({"Momento reduzido", "μ", s.mi, "", "{Msd}/({b}·{d}²·{fcd})", 5});
    m.nota(comprimida ? "ξ é a raiz de 0,85·ψ·ξ·(1 − κ·ξ) + ω'·(σs2/fyd)·(1 − δ) = μ, com ω' = As'·fyd/(b·d·fcd) e "
                        "δ = d'/d, achada por bissecção em [0,0001; 0,99999]: o equilíbrio de momentos em torno da "
                        "armadura tracionada. ψ e κ, dados abaixo, são o coeficiente de área e a posição da "
                        "resultante do bloco comprimido."
                      : "ξ é a raiz de 0,85·ψ·ξ·(1 − κ·ξ) = μ, achada por bissecção em [0,0001; 0,99999]: o "
                        "equilíbrio de momentos em torno da armadura tracionada. ψ e κ, dados abaixo, são o "
                        "coeficiente de área e a posição da resultante do bloco comprimido.");
    m.grandeza({"Linha neutra relativa", "ξ", s.xi, "", "", 6, chaveXi});
    m.grandeza({"Linha neutra", "x", s.xi * s.d, "cm", "{ξ}·{d}", 2});
    m.grandeza({"Domínio de deformação", "domínio", static_cast<double>(s.dominio), "", "", 0});
    m.grandeza({"Coeficiente de área do bloco comprimido", "ψ", s.psi, "", "", 5});
    m.grandeza({"Posição da resultante do bloco", "κ", s.kappa, "", "", 5});
    m.grandeza({"Deformação da armadura tracionada", "εs1", s.epsS1, "", "", 6});
    m.grandeza({"Tensão na armadura tracionada", "σs1", s.sigmaS1, "kN/cm²", "", 2});
    if (comprimida)
        m.grandeza({"Tensão na armadura comprimida", "σs2", s.sigmaS2, "kN/cm²", "", 2});
    m.grandeza({"Armadura tracionada", "As", s.As, "cm²/m",
                comprimida ? "(0,85·{fcd}·{ψ}·{b}·{x} + {As'}·{σs2} − {Nsd})/{σs1}"
                           : "(0,85·{fcd}·{ψ}·{b}·{x} − {Nsd})/{σs1}",
                4,
                chaveAs});
}
