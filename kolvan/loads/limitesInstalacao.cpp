#include "limitesInstalacao.h"

#include "ProjetoTubo.h"
#include "numeros.h"

double alturaMaximaProjecao(int classeBase, double D)
{
    double fator = 0.0;
    switch (classeBase) {
    case 0: fator = 0.75; break;
    case 1:
    case 2: fator = 0.9; break;
    case 3: fator = 1.0; break;
    default: return 100.0;
    }
    return converterNumero(formatar2(fator * D));
}

double alturaMaximaProjecaoQualquerBase(double D) { return alturaMaximaProjecao(3, D); }

double larguraMinimaVala(double D) { return D + 0.5; }

namespace {
// Comparisons of values that went through two-decimal texts.
constexpr double folga = 1e-9;

bool trocarTexto(std::string& texto, const std::string& novo)
{
    if (texto == novo)
        return false;
    texto = novo;
    return true;
}
} // namespace

bool corrigirLimitesInstalacao(ProjetoTubo& p)
{
    const ValoresTrabalho v = valoresTrabalho(p);
    Instalacao& i = p.instalacao;
    bool mudou = false;

    if (usaBaseAterro(i)) {
        const double haMax = alturaMaximaProjecao(p.baseAterro.classe, v.D);
        if (v.ha > haMax + folga)
            mudou |= trocarTexto(i.alturaHa, formatar2(haMax));
    }
    if (i.tipo == ProjecaoNegativa && !i.aterroCompactado) {
        if (!(0.95 * v.hs > v.ha))
            mudou |= trocarTexto(i.alturaHa, formatar2(0.94 * v.hs));
    }
    if (i.tipo == Vala || i.tipo == ProjecaoNegativa) {
        const double bvMin = larguraMinimaVala(v.D);
        if (v.bv < bvMin - folga)
            mudou |= trocarTexto(i.larguraVala, formatar2(bvMin));
    }
    return mudou;
}
