#include "armaduraSimples.h"

#include "arredondamento.h"
#include "secao.h"

#include <cmath>

int numeroPosicoes(double hcm)
{
    return arredondarPar(0.15 * hcm / 0.01) + 1;
}

double posicaoTentativa(double hcm, int k)
{
    // The first position is the middle of the wall rounded to a whole cm.
    return arredondarPar(hcm / 2.0) - 0.01 * (k - 1);
}

PosicaoArmadura projetarPosicao(const EstadoDimensionamento& e, double dLinha)
{
    const Materiais& m = e.materiais;
    const double hcm = e.geometria.hcm;
    PosicaoArmadura p;

    // Crown: the inner face pulls, the cage is hcm − d' deep.
    const SecaoFlexao c = dimensionarSecao(m, 100.0 * e.esforcos.Mc, 0.0, hcm - dLinha, dLinha, 0.0);
    p.xiC = c.xi;
    p.AsC = c.As;
    p.dC = hcm - dLinha;
    p.domC = c.dominio;
    p.sigmaC = c.sigmaS1;

    // Springline: the outer face pulls, the cage is d' deep from the inner
    // (compressed) face; the compression is moved to the steel.
    const double d = dLinha;
    const double Nsd = e.esforcos.Ns;
    const double Msd = 100.0 * e.esforcos.Ms + Nsd * (d - hcm / 2.0);
    const SecaoFlexao s = dimensionarSecao(m, Msd, Nsd, d, hcm - dLinha, 0.0);
    p.xiS = s.xi;
    p.AsS = s.As;
    p.dS = d;
    p.domS = s.dominio;
    p.sigmaS = s.sigmaS1;
    return p;
}

double arredondarDcoro(double dC)
{
    const double inteiro = std::floor(dC);
    const double f = dC - inteiro;
    if (f <= 0.25)
        return inteiro;
    if (f < 0.75)
        return inteiro + 0.5;
    return inteiro + 1.0;
}

void armaduraSimples(EstadoDimensionamento& e)
{
    const double hcm = e.geometria.hcm;
    e.nPos = numeroPosicoes(hcm);
    e.posicoes.assign(static_cast<std::size_t>(e.nPos), PosicaoArmadura{});
    for (int k = 1; k <= e.nPos; ++k)
        e.posicoes[k - 1] = projetarPosicao(e, posicaoTentativa(hcm, k));

    escolherPosicao(e);
    // Without a chosen position there is nothing to put on the grid.
    if (e.flagDimensionamento == 'S')
        posicaoPratica(e);
}

void escolherPosicao(EstadoDimensionamento& e)
{
    e.flagDimensionamento = 'N';
    double melhor = 1e20;
    for (const PosicaoArmadura& p : e.posicoes) {
        if (p.domC >= 4 || p.domS >= 4)
            continue;
        // Strict: on equal differences the position nearer the middle stays.
        const double diferenca = std::abs(p.AsC - p.AsS);
        if (diferenca < melhor) {
            melhor = diferenca;
            e.xiC = p.xiC;
            e.AsC = p.AsC;
            e.dC = p.dC;
            e.domC = p.domC;
            e.xiS = p.xiS;
            e.AsS = p.AsS;
            e.dS = p.dS;
            e.domS = p.domS;
            e.flagDimensionamento = 'S';
        }
    }
}

namespace {

// The two sections with the crown depth at Dcoro: the scanned position of
// that depth (the last one when several match), or, when the scan never
// reached it, both sections designed there.
PosicaoArmadura secoesEm(const EstadoDimensionamento& e, double Dcoro)
{
    const PosicaoArmadura* achada = nullptr;
    for (const PosicaoArmadura& p : e.posicoes)
        if (std::abs(p.dC - Dcoro) < 1e-5)
            achada = &p;
    if (achada)
        return *achada;
    return projetarPosicao(e, e.geometria.hcm - Dcoro);
}

double maior(double a, double b) { return a > b ? a : b; }

} // namespace

void posicaoPratica(EstadoDimensionamento& e)
{
    e.Dcoro = arredondarDcoro(e.dC);
    PosicaoArmadura w = secoesEm(e, e.Dcoro);
    e.AsP_Prat = maior(w.AsC, w.AsS);
    const int dominio = w.domC > w.domS ? w.domC : w.domS;
    if (dominio != 4)
        return; // flagDimensionamento stays as the choice left it

    // Domain 4 on the grid: try the grid value on the other side of dC.
    e.Dcoro += e.dC - e.Dcoro >= 0.0 ? 0.5 : -0.5;
    w = secoesEm(e, e.Dcoro);
    e.AsP_Prat = maior(w.AsC, w.AsS);
    // On equal domains the springline's stress governs.
    const double sigma = w.domC > w.domS ? w.sigmaC : w.sigmaS;
    e.flagDimensionamento = sigma >= 0.7 * e.materiais.fyd ? 'S' : 'N';
}
