#include "valaRede.h"

#include "numeros.h"

#include <cmath>
#include <numbers>

namespace {
// Band limits are two-decimal figures; a depth summed from them may land a
// rounding error either side.
constexpr double folga = 1e-9;
} // namespace

const std::vector<std::string>& faixasProfundidade()
{
    static const std::vector<std::string> f{"até 1,50 m", "1,50 a 3,00 m", "3,00 a 4,50 m", "4,50 a 6,00 m",
                                            "acima de 6,00 m"};
    return f;
}

const std::vector<std::string>& faixasLargura()
{
    static const std::vector<std::string> f{"até 0,80 m", "0,80 a 1,50 m", "1,50 a 2,50 m", "acima de 2,50 m"};
    return f;
}

int faixaProfundidade(double h)
{
    int faixa = 0;
    for (double limite : {1.50, 3.00, 4.50, 6.00})
        if (h > limite + folga)
            ++faixa;
    return faixa;
}

int faixaLargura(double bv)
{
    if (bv < 0.80 - folga)
        return 0;
    if (bv < 1.50 - folga)
        return 1;
    if (bv <= 2.50 + folga)
        return 2;
    return 3;
}

QuantidadesVala quantidadesVala(double L, double bv, int di, double hsMontante, double hsJusante, int classeBase,
                                const ParametrosVala& p)
{
    using std::numbers::pi;
    QuantidadesVala q;
    const double D = 1.2 * di / 1000.0;
    const double R = D / 2.0;
    const double t = classeBase == BaseClasseA ? di / 4000.0 : classeBase == BaseClasseB ? p.lastro : 0.0;
    q.profundidadeMontante = hsMontante + D + t;
    q.profundidadeJusante = hsJusante + D + t;
    const double h = (q.profundidadeMontante + q.profundidadeJusante) / 2.0;
    q.profundidadeMedia = h;
    q.faixaProfundidade = faixaProfundidade(h);
    q.faixaLargura = faixaLargura(bv);
    q.escavacao = L * bv * h;
    q.escoramento = h > p.escoramentoAcima + folga ? 2.0 * L * h : 0.0;
    const double areaTubo = pi * D * D / 4.0;
    switch (classeBase) {
    case BaseClasseA:
        // The cradle rises D/4 above the pipe's bottom; the pipe fills a
        // circular segment of that height.
        q.berco = L * (bv * (t + D / 4.0) - R * R * (pi / 3.0 - std::sqrt(3.0) / 4.0));
        break;
    case BaseClasseB:
        q.lastro = L * bv * p.lastro;
        q.envolvimento = L * (bv * (D + 0.30) - areaTubo);
        break;
    case BaseClasseC: q.envolvimento = L * (bv * (D + 0.15) - areaTubo); break;
    default: break;
    }
    q.tubo = L * areaTubo;
    q.reaterro = q.escavacao - q.lastro - q.berco - q.envolvimento - q.tubo;
    q.botaFora = p.empolamento * (q.escavacao - q.reaterro);
    return q;
}

std::string regraQuantidadesVala(const ParametrosVala& p)
{
    return "Para cada trecho com classe, com L o comprimento, bv a largura da vala, D = 1,2·di/1000 e hs em cada "
           "extremidade: fundo da vala abaixo do tubo t = di/4000 na classe A (berço de concreto), t = e = " +
           formatar2(p.lastro) +
           " m na classe B (lastro de material fino) e t = 0 nas classes C e D. Profundidade em cada extremidade "
           "hs + D + t; h é a média das duas. Escavação L·bv·h, na faixa de profundidade de h (cada faixa inclui o "
           "seu limite superior) e na faixa de largura de bv. Escoramento das duas paredes 2·L·h onde h passa de " +
           formatar2(p.escoramentoAcima) +
           " m. Lastro (B) L·bv·e. Berço de concreto (A) até D/4 acima da geratriz inferior: "
           "L·(bv·(t + D/4) − R²·(π/3 − √3/4)), R = D/2. Envolvimento granular até 0,30 m (B) ou 0,15 m (C) acima "
           "do tubo: L·(bv·(D + 0,30 ou 0,15) − π·D²/4). Tubo L·π·D²/4. Reaterro = escavação − lastro − berço − "
           "envolvimento − tubo. Bota-fora = " +
           formatar2(p.empolamento) + "·(escavação − reaterro), com o empolamento.";
}

bool parametroValaValido(double ParametrosVala::*campo, double valor)
{
    const double minimo = campo == &ParametrosVala::empolamento ? 1.0 : 0.0;
    return std::isfinite(valor) && valor >= minimo && valor <= 100.0;
}

namespace {
constexpr const char* cabecalhoParametrosVala = "QUANTITATIVOS DE VALA";
constexpr double ParametrosVala::*camposVala[] = {&ParametrosVala::lastro, &ParametrosVala::escoramentoAcima,
                                                   &ParametrosVala::empolamento};
} // namespace

std::vector<std::string> linhasParametrosVala(const ParametrosVala& p)
{
    std::vector<std::string> linhas{cabecalhoParametrosVala};
    for (double ParametrosVala::*campo : camposVala)
        linhas.push_back(formatarDecimais(p.*campo, 2));
    return linhas;
}

ParametrosVala parametrosValaDasLinhas(const std::vector<std::string>& linhas)
{
    ParametrosVala p;
    if (linhas.size() < 4 || linhas[0] != cabecalhoParametrosVala)
        return {};
    for (std::size_t i = 0; i < 3; ++i) {
        double valor = 0.0;
        if (!lerNumero(linhas[i + 1], valor) || !parametroValaValido(camposVala[i], valor))
            return {};
        p.*camposVala[i] = valor;
    }
    return p;
}
