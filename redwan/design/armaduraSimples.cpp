#include "armaduraSimples.h"

#include "arredondamento.h"
#include "memoriaCalculo.h"
#include "numeros.h"
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
    p.coroamento = c;

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
    p.flanco = s;
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
    MemoriaCalculo& m = e.memoria;
    const double hcm = e.geometria.hcm;
    m.titulo("Armadura circular simples: posições da armadura na parede");
    e.nPos = static_cast<int>(m.grandeza({"Posições tentadas, de 0,01 em 0,01 cm sobre 15 % da parede", "nPos",
                                          static_cast<double>(numeroPosicoes(hcm)), "", "arred(0,15·{hcm}/0,01) + 1",
                                          0, "nPos"}));
    e.posicoes.assign(static_cast<std::size_t>(e.nPos), PosicaoArmadura{});
    for (int k = 1; k <= e.nPos; ++k)
        e.posicoes[k - 1] = projetarPosicao(e, posicaoTentativa(hcm, k));
    m.grandeza({"Primeira posição: distância à face interna", "d'1", posicaoTentativa(hcm, 1), "cm", "arred({hcm}/2)",
                2});
    m.grandeza({"Última posição", "d'n", posicaoTentativa(hcm, e.nPos), "cm", "{d'1} − 0,01·({nPos} − 1)", 2});

    escolherPosicao(e);
    // Without a chosen position there is nothing to put on the grid.
    if (e.flagDimensionamento != 'S') {
        m.nota("Nenhuma posição tem o coroamento e o flanco fora do domínio 4.");
        return;
    }
    const PosicaoArmadura& p = e.posicoes[static_cast<std::size_t>(e.posicaoEscolhida - 1)];
    m.grandeza({"Posição escolhida", "k", static_cast<double>(e.posicaoEscolhida), "", "", 0, "posicaoEscolhida"});
    m.grandeza({"Distância da armadura à face interna", "d'k", p.flanco.d, "cm", "{d'1} − 0,01·({k} − 1)", 2});
    int admissiveis = 0;
    for (const PosicaoArmadura& q : e.posicoes)
        admissiveis += q.domC < 4 && q.domS < 4 ? 1 : 0;
    m.nota("Das " + std::to_string(e.nPos) + " posições tentadas, de d'1 a d'n, " + std::to_string(admissiveis)
           + (admissiveis == 1 ? " tem" : " têm") + " o coroamento e o flanco fora do domínio 4; entre elas fica a de "
           "menor |As,c − As,s| (num empate, a mais próxima do meio da parede): a posição k = "
           + std::to_string(e.posicaoEscolhida) + ", com |As,c − As,s| = " + formatar4(std::abs(p.AsC - p.AsS))
           + " cm²/m.");
    m.titulo("Coroamento na posição escolhida (tração na face interna)");
    anotarSecao(m, p.coroamento, "100·{Mc}", "xiC");
    m.titulo("Flanco na posição escolhida (tração na face externa)");
    anotarSecao(m, p.flanco, "100·{Ms} + {Nsd}·({d} − {hcm}/2)", "xiS");
    m.grandeza({"Diferença das armaduras", "|As,c − As,s|", std::abs(p.AsC - p.AsS), "cm²/m", "", 4});
    posicaoPratica(e);
}

void escolherPosicao(EstadoDimensionamento& e)
{
    e.flagDimensionamento = 'N';
    e.posicaoEscolhida = 0;
    double melhor = 1e20;
    for (const PosicaoArmadura& p : e.posicoes) {
        if (p.domC >= 4 || p.domS >= 4)
            continue;
        // Strict: on equal differences the position nearer the middle stays.
        const double diferenca = std::abs(p.AsC - p.AsS);
        if (diferenca < melhor) {
            melhor = diferenca;
            e.posicaoEscolhida = static_cast<int>(&p - e.posicoes.data()) + 1;
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
PosicaoArmadura secoesEm(const EstadoDimensionamento& e, double Dcoro, bool& naVarredura)
{
    const PosicaoArmadura* achada = nullptr;
    for (const PosicaoArmadura& p : e.posicoes)
        if (std::abs(p.dC - Dcoro) < 1e-5)
            achada = &p;
    naVarredura = achada != nullptr;
    if (achada)
        return *achada;
    return projetarPosicao(e, e.geometria.hcm - Dcoro);
}

// Where the scan never reached Dcoro, the sheet shows both sections designed there.
void anotarForaDaVarredura(MemoriaCalculo& m, const PosicaoArmadura& w, bool naVarredura)
{
    if (naVarredura) {
        m.nota("Esta altura útil é uma das posições varridas: valem as suas seções.");
        return;
    }
    m.nota("Esta altura útil fica fora das posições varridas: o coroamento e o flanco são dimensionados nela.");
    m.titulo("Coroamento na altura útil prática (tração na face interna)");
    anotarSecao(m, w.coroamento, "100·{Mc}", "");
    m.titulo("Flanco na altura útil prática (tração na face externa)");
    anotarSecao(m, w.flanco, "100·{Ms} + {Nsd}·({d} − {hcm}/2)", "");
}

double maior(double a, double b) { return a > b ? a : b; }

} // namespace

// The two sections at Dcoro in the trace, and the practical steel.
void anotarPratica(MemoriaCalculo& m, const PosicaoArmadura& w, double AsP_Prat)
{
    m.grandeza({"Armadura do coroamento nesta altura útil", "As,c", w.AsC, "cm²/m", "", 4});
    m.grandeza({"Domínio do coroamento", "dom,c", static_cast<double>(w.domC), "", "", 0});
    m.grandeza({"Tensão da armadura do coroamento", "σs,c", w.sigmaC, "kN/cm²", "", 2});
    m.grandeza({"Armadura do flanco nesta altura útil", "As,s", w.AsS, "cm²/m", "", 4});
    m.grandeza({"Domínio do flanco", "dom,s", static_cast<double>(w.domS), "", "", 0});
    m.grandeza({"Tensão da armadura do flanco", "σs,s", w.sigmaS, "kN/cm²", "", 2});
    m.grandeza({"Armadura de tração prática", "As,prat", AsP_Prat, "cm²/m", "máx({As,c}; {As,s})", 4});
}

void posicaoPratica(EstadoDimensionamento& e)
{
    MemoriaCalculo& m = e.memoria;
    m.titulo("Altura útil prática do coroamento, na grade de 0,5 cm");
    m.grandeza({"Altura útil do coroamento na posição escolhida", "dC", e.dC, "cm", "", 2});
    e.Dcoro = m.grandeza({"Altura útil prática (fração até 0,25 desce, de 0,75 sobe, entre elas vai a 0,5)", "Dcoro",
                          arredondarDcoro(e.dC), "cm", "", 1, "DcoroInicial"});
    bool naVarredura = true;
    PosicaoArmadura w = secoesEm(e, e.Dcoro, naVarredura);
    anotarForaDaVarredura(m, w, naVarredura);
    e.AsP_Prat = maior(w.AsC, w.AsS);
    anotarPratica(m, w, e.AsP_Prat);
    const int dominio = w.domC > w.domS ? w.domC : w.domS;
    if (dominio != 4) {
        m.nota("Nenhuma seção no domínio 4: fica esta altura útil.");
        return; // flagDimensionamento stays as the choice left it
    }

    // Domain 4 on the grid: try the grid value on the other side of dC.
    m.nota("Domínio 4 nesta altura útil: tenta-se o outro vizinho de dC na grade.");
    e.Dcoro = m.grandeza({"Altura útil prática tentada de novo", "Dcoro", e.Dcoro + (e.dC - e.Dcoro >= 0.0 ? 0.5 : -0.5),
                          "cm", e.dC - e.Dcoro >= 0.0 ? "{Dcoro} + 0,5" : "{Dcoro} − 0,5", 1});
    w = secoesEm(e, e.Dcoro, naVarredura);
    anotarForaDaVarredura(m, w, naVarredura);
    e.AsP_Prat = maior(w.AsC, w.AsS);
    anotarPratica(m, w, e.AsP_Prat);
    // On equal domains the springline's stress governs.
    const double sigma = m.grandeza({"Tensão da armadura que governa", "σs", w.domC > w.domS ? w.sigmaC : w.sigmaS,
                                     "kN/cm²", "", 2});
    m.grandeza({"Tensão mínima admitida", "0,7·fyd", 0.7 * e.materiais.fyd, "kN/cm²", "0,7·{fyd}", 2});
    e.flagDimensionamento = sigma >= 0.7 * e.materiais.fyd ? 'S' : 'N';
    m.nota(e.flagDimensionamento == 'S' ? "σs ≥ 0,7·fyd: a altura útil prática é aceita."
                                        : "σs < 0,7·fyd: não há dimensionamento possível.");
}
