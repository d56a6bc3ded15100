#include "larguraVala.h"

#include "numeros.h"

#include <cmath>
#include <cstdio>

namespace {

// Values that went through two-decimal texts compare within this.
constexpr double folgaComparacao = 1e-9;
// The clearance check tolerates this much below f_min.
constexpr double toleranciaFolga = 1e-7;

struct FaixaLarguraMinima {
    double diAte;          // mm, band closed above
    double baixa, alta;    // b_min in m for hs ≤ 2 m and for hs > 2 m
};

constexpr FaixaLarguraMinima larguraMinimaEscorada[] = {
    {300, 0.80, 0.90}, {400, 0.90, 1.00}, {500, 1.00, 1.20},
    {600, 1.15, 1.30}, {700, 1.30, 1.40}, {800, 1.40, 1.50},
};

} // namespace

double calcularLarguraVala(double c, double f, int H, int V, bool vertical, double D)
{
    if (vertical)
        return 2.0 * f + D;
    return 2.0 * f + D + (D + c) * 2.0 * H / V;
}

double folgaMinima(double di, double hs, double D)
{
    const bool coberturaBaixa = hs <= 2.0 + folgaComparacao;
    for (const FaixaLarguraMinima& faixa : larguraMinimaEscorada)
        if (di <= faixa.diAte + folgaComparacao)
            return ((coberturaBaixa ? faixa.baixa : faixa.alta) - D) * 0.5;
    return 0.35;
}

bool folgaAbaixoDaMinima(double f, double fMin) { return fMin - toleranciaFolga > f; }

std::string textoFolgaMinima(double fMin)
{
    // Ten decimals hide the binary noise of (b_min − D)/2 and keep every
    // decimal a clearance can have.
    std::string texto = formatarDecimais(fMin, 10);
    const auto virgula = texto.find(',');
    if (virgula != std::string::npos) {
        const auto ultimo = texto.find_last_not_of('0');
        texto.erase(ultimo == virgula ? virgula : ultimo + 1);
    }
    if (texto == "-0")
        texto = "0";
    return texto;
}

std::string arredondarFolga(double f, double fMin)
{
    const std::string texto = formatar2(f);
    // A clearance the user left below the minimum is not the rounding's to
    // change: the minimum is enforced when the field is left.
    if (folgaAbaixoDaMinima(f, fMin) || !folgaAbaixoDaMinima(converterNumero(texto), fMin))
        return texto;
    // The least two-decimal value not below f_min.
    return formatar2(std::ceil(fMin * 100.0 - 1e-5) / 100.0);
}

std::string mensagemFolgaMinima(double fMin)
{
    return "O valor mínimo considerado para a folga na vala é de " + textoFolgaMinima(fMin) +
           " m, para a situação de largura mínima "
           "de vala escorada por pontaletes, de acordo com a prescrição da "
           "NBR 12266 - Projeto e execução de valas para assentamento de "
           "tubulações de água, esgoto ou drenagem urbana (1992)";
}

bool taludeIngreme(int H, int V) { return static_cast<double>(H) / V < 0.6; }
