#include "cargaSobrecarga.h"

#include "ProjetoTubo.h"
#include "numeros.h"

#include <algorithm>

namespace {

// The covers come from two-decimal texts: a cover equal to a limit belongs
// to the band above it, whatever binary noise the limit carries.
constexpr double folga = 1e-9;
bool abaixo(double valor, double limite) { return valor < limite - folga; }

// h1 = (e_e − a_r)/1,4 and h2 = (e_r − b_r)/1,4, rounded as the tables of the
// vehicles give them; "Classe 30" keeps the limits and B_r of its own table.
const VeiculoRodoviario veiculos[] = {
    {450.0, 75.0, 1.50, 2.00, 0.20, 0.50, 3.0, 2.5, 0.93, 1.07,
     {"Peso do veículo tipo (Q) =       450,00 kN", "Peso de cada roda (Q/6) =        75,00 kN",
      "Distância entre eixos (e   ) =         1,50 m", "Distancia entre rodas (e  ) =         2,00 m",
      "(a  ) = 20 cm", "(b  ) = 50 cm"}},
    {300.0, 50.0, 1.50, 2.00, 0.20, 0.40, 3.0, 2.3, 0.93, 1.07,
     {"Peso do veículo tipo (Q) =       300,00 kN", "Peso de cada roda (Q/6) =        50,00 kN",
      "Distância entre eixos (e   ) =         1,50 m", "Distancia entre rodas (e  ) =         2,00 m",
      "(a  ) = 20 cm", "(b  ) = 40 cm"}},
    {255.0, 42.5, 1.25, 1.80, 0.25, 0.60, 2.5, 2.4, 0.714, 0.857,
     {"Peso do veículo tipo (Q) =       255,00 kN", "Peso de cada roda (Q/6) =        42,50 kN",
      "Distância entre eixos (e   ) =         1,25 m", "Distancia entre rodas (e  ) =         1,80 m",
      "(a  ) = 25 cm", "(b  ) = 60 cm"}},
};

ResultadoSobrecarga cargaRodoviaria(double hs, double D, int trafego, EstadoSobrecarga& estado)
{
    const VeiculoRodoviario& v = veiculoRodoviario(trafego);
    ResultadoSobrecarga r;
    estado.bs = v.br;
    // One wheel's spread at the crown must cover the pipe for the theory to hold.
    r.hsMin = (D - estado.bs) / 1.4;
    if (abaixo(hs, r.hsMin)) {
        r.desfecho = DesfechoSobrecarga::AlturaInsuficiente;
        return r;
    }
    r.phi = fatorImpacto(hs);
    const double L = 1.4 * hs + v.ar + 1.05 * D;
    const double B1 = 1.4 * hs + v.br;
    if (abaixo(hs, v.h1)) {
        r.regime = RegimeRodas::UmaRoda;
        r.qsRodas = r.phi * v.P * D / (L * B1);
    } else if (abaixo(hs, v.h2)) {
        r.regime = RegimeRodas::TresRodas;
        r.qsRodas = r.phi * 3.0 * v.P * D / ((L + v.X) * B1);
    } else {
        r.regime = RegimeRodas::SeisRodas;
        r.qsRodas = r.phi * 6.0 * v.P * D / ((L + v.X) * (1.4 * hs + v.Br));
    }
    const double minimo = 5.0 * D;
    r.minimoGoverna = r.qsRodas < minimo;
    r.qs = std::max(r.qsRodas, minimo);
    return r;
}

ResultadoSobrecarga cargaDistribuida(double hs, double D, const DadosSobrecarga& d, EstadoSobrecarga& estado)
{
    ResultadoSobrecarga r;
    estado.bs = d.b;
    const double L = 1.4 * hs + d.a + 1.05 * D;
    const bool duasAreas = d.distribuicao == 1;
    const double forca = duasAreas ? 2.0 * d.carga : d.carga;
    const double B = duasAreas ? 2.0 * d.b + d.c + 1.4 * hs : 1.4 * hs + d.b;
    r.cargaInteira = D > B;
    r.qs = r.cargaInteira ? forca / L : forca * D / (B * L);
    return r;
}

} // namespace

const VeiculoRodoviario& veiculoRodoviario(int trafego)
{
    return trafego == 1 || trafego == 2 ? veiculos[trafego] : veiculos[0];
}

double fatorImpacto(double hs)
{
    if (abaixo(hs, 0.30))
        return 1.3;
    if (abaixo(hs, 0.60))
        return 1.2;
    if (abaixo(hs, 0.90))
        return 1.1;
    return 1.0;
}

std::string mensagemSobrecarga(DesfechoSobrecarga desfecho)
{
    switch (desfecho) {
    case DesfechoSobrecarga::AlturaInsuficiente:
        return "Com a teoria utilizado neste programa não é possível a determinação da carga no tubo "
               "para a altura de terra especificada.\n\n"
               "Retorne para a janela Instalação e aumente a altura de terra.";
    case DesfechoSobrecarga::FerroviariaNaoEspecificada:
        return "Carga ferroviária não especificada.";
    case DesfechoSobrecarga::AeroviariaNaoEspecificada:
        return "Carga aeroviária não especificada.";
    case DesfechoSobrecarga::Calculada:
        break;
    }
    return {};
}

DadosSobrecarga dadosSobrecarga(const Sobrecarga& s)
{
    DadosSobrecarga d;
    d.natureza = s.natureza;
    d.trafego = s.trafego;
    d.distribuicao = s.distribuicao;
    if (s.natureza == ForcaParcialmenteDistribuida) {
        d.carga = converterNumero(s.carga);
        d.a = converterNumero(s.compA);
        d.b = converterNumero(s.compB);
        if (s.distribuicao == 1)
            d.c = converterNumero(s.distC);
    } else if (s.natureza == DefinidaPeloUsuario) {
        d.carga = converterNumero(s.carga);
    }
    return d;
}

ResultadoSobrecarga cargaSobrecarga(double hs, double D, const DadosSobrecarga& d, EstadoSobrecarga& estado)
{
    ResultadoSobrecarga r;
    switch (d.natureza) {
    case Rodoviaria:
        return cargaRodoviaria(hs, D, d.trafego, estado);
    case Ferroviaria:
    case Aeroviaria:
        // The cover test runs before the nature's, with the contact width the
        // last computation left.
        r.hsMin = (D - estado.bs) / 1.4;
        if (abaixo(hs, r.hsMin))
            r.desfecho = DesfechoSobrecarga::AlturaInsuficiente;
        else if (d.natureza == Ferroviaria)
            r.desfecho = DesfechoSobrecarga::FerroviariaNaoEspecificada;
        else
            r.desfecho = DesfechoSobrecarga::AeroviariaNaoEspecificada;
        return r;
    case ForcaParcialmenteDistribuida:
        return cargaDistribuida(hs, D, d, estado);
    case DefinidaPeloUsuario:
        r.qs = d.carga;
        return r;
    default: // null or negligible, and any index outside the list
        return r;
    }
}

ResultadoSobrecarga cargaSobrecarga(double hs, double D, const Sobrecarga& s, EstadoSobrecarga& estado)
{
    return cargaSobrecarga(hs, D, dadosSobrecarga(s), estado);
}
