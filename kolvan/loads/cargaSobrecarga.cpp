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

const char* const nomesTrafego[] = {"Classe 45", "Classe 30", "Eixo triplo"};

// The band of the impact factor, as the sheet explains it.
const char* faixaImpacto(double phi)
{
    if (phi > 1.25)
        return "Fator de impacto (hs < 0,30 m)";
    if (phi > 1.15)
        return "Fator de impacto (0,30 ≤ hs < 0,60 m)";
    if (phi > 1.05)
        return "Fator de impacto (0,60 ≤ hs < 0,90 m)";
    return "Fator de impacto (hs ≥ 0,90 m)";
}

ResultadoSobrecarga cargaRodoviaria(double hs, double D, int trafego, EstadoSobrecarga& estado)
{
    const VeiculoRodoviario& v = veiculoRodoviario(trafego);
    ResultadoSobrecarga r;
    MemoriaCalculo& m = r.memoria;
    m.titulo(std::string("Sobrecarga rodoviária: ") + nomesTrafego[trafego == 1 || trafego == 2 ? trafego : 0]);
    m.grandeza({"Peso do veículo tipo", "Q", v.Q, "kN", "", 2});
    m.grandeza({"Carga de uma roda", "P", v.P, "kN", "{Q}/6", 2});
    m.grandeza({"Distância entre eixos", "ee", v.ee, "m", "", 2});
    m.grandeza({"Distância entre rodas", "er", v.er, "m", "", 2});
    m.grandeza({"Contato da roda ao longo do tubo", "ar", v.ar, "m", "", 2});
    m.grandeza({"Contato da roda através do tubo", "br", v.br, "m", "", 2});
    m.grandeza({"Comprimento do grupo de eixos", "X", v.X, "m", "2·{ee}", 2});
    m.grandeza({"Largura com as seis rodas", "Br", v.Br, "m", "", 2});
    m.grandeza({"Cobrimento a partir do qual atuam três rodas", "h1", v.h1, "m", "", 3});
    m.grandeza({"Cobrimento a partir do qual atuam seis rodas", "h2", v.h2, "m", "", 3});
    estado.bs = m.grandeza({"Largura de contato do teste", "bs", v.br, "m", "{br}", 2});
    // One wheel's spread at the crown must cover the pipe for the theory to hold.
    r.hsMin = m.grandeza({"Altura de terra mínima da teoria", "hs,mín", (D - estado.bs) / 1.4, "m",
                          "({D} − {bs})/1,4", 3, "hsMin"});
    if (abaixo(hs, r.hsMin)) {
        m.nota("hs < hs,mín: a teoria não se aplica a esta altura de terra.");
        r.desfecho = DesfechoSobrecarga::AlturaInsuficiente;
        return r;
    }
    m.nota("hs ≥ hs,mín: o espraiamento de uma roda cobre o diâmetro externo.");
    r.phi = fatorImpacto(hs);
    m.grandeza({faixaImpacto(r.phi), "φ", r.phi, "", "", 1, "phi"});
    const double L = m.grandeza({"Comprimento carregado ao longo do tubo", "L", 1.4 * hs + v.ar + 1.05 * D, "m",
                                 "1,4·{hs} + {ar} + 1,05·{D}", 3});
    const double B1 = m.grandeza({"Largura do espraiamento de uma roda", "B1", 1.4 * hs + v.br, "m",
                                  "1,4·{hs} + {br}", 3});
    if (abaixo(hs, v.h1)) {
        r.regime = RegimeRodas::UmaRoda;
        m.nota("hs < h1: atua uma roda.");
        r.qsRodas = m.grandeza({"Carga das rodas", "qs,f", r.phi * v.P * D / (L * B1), "kN/m",
                                "{φ}·{P}·{D}/({L}·{B1})", 2, "qsFormula"});
    } else if (abaixo(hs, v.h2)) {
        r.regime = RegimeRodas::TresRodas;
        m.nota("h1 ≤ hs < h2: atuam as três rodas de um lado, com os espraiamentos unidos ao longo do tubo.");
        r.qsRodas = m.grandeza({"Carga das rodas", "qs,f", r.phi * 3.0 * v.P * D / ((L + v.X) * B1), "kN/m",
                                "{φ}·3·{P}·{D}/(({L} + {X})·{B1})", 2, "qsFormula"});
    } else {
        r.regime = RegimeRodas::SeisRodas;
        m.nota("hs ≥ h2: atuam as seis rodas.");
        r.qsRodas = m.grandeza({"Carga das rodas", "qs,f", r.phi * 6.0 * v.P * D / ((L + v.X) * (1.4 * hs + v.Br)),
                                "kN/m", "{φ}·6·{P}·{D}/(({L} + {X})·(1,4·{hs} + {Br}))", 2, "qsFormula"});
    }
    const double minimo = m.grandeza({"Mínimo de 5 kN/m² sobre o diâmetro externo", "qs,mín", 5.0 * D, "kN/m",
                                      "5·{D}", 2});
    r.minimoGoverna = r.qsRodas < minimo;
    r.qs = m.grandeza({"Carga da sobrecarga no tubo", "qs", std::max(r.qsRodas, minimo), "kN/m",
                       "máx({qs,f}; {qs,mín})", 2, "qs"});
    m.nota(r.minimoGoverna ? "Governa o mínimo 5·D." : "Governa a carga das rodas.");
    return r;
}

ResultadoSobrecarga cargaDistribuida(double hs, double D, const DadosSobrecarga& d, EstadoSobrecarga& estado)
{
    ResultadoSobrecarga r;
    MemoriaCalculo& m = r.memoria;
    const bool duasAreas = d.distribuicao == 1;
    m.titulo(duasAreas ? "Força parcialmente distribuída em duas áreas" : "Força parcialmente distribuída em uma área");
    m.grandeza({"Força de cada área", "F", d.carga, "kN", "", 2});
    m.grandeza({"Lado da área ao longo do tubo", "la", d.a, "m", "", 2});
    estado.bs = m.grandeza({"Lado da área através do tubo", "lt", d.b, "m", "", 2});
    if (duasAreas)
        m.grandeza({"Distância entre as áreas", "c", d.c, "m", "", 2});
    const double L = m.grandeza({"Comprimento carregado ao longo do tubo", "L", 1.4 * hs + d.a + 1.05 * D, "m",
                                 "1,4·{hs} + {la} + 1,05·{D}", 3});
    const double forca = duasAreas ? 2.0 * d.carga : d.carga;
    const double B = duasAreas ? m.grandeza({"Largura do espraiamento", "B", 2.0 * d.b + d.c + 1.4 * hs, "m",
                                             "2·{lt} + {c} + 1,4·{hs}", 3})
                               : m.grandeza({"Largura do espraiamento", "B", 1.4 * hs + d.b, "m", "1,4·{hs} + {lt}", 3});
    r.cargaInteira = D > B;
    if (r.cargaInteira) {
        m.nota("D > B: toda a força espraiada cai sobre o tubo.");
        r.qs = m.grandeza({"Carga da sobrecarga no tubo", "qs", forca / L, "kN/m",
                           duasAreas ? "2·{F}/{L}" : "{F}/{L}", 2, "qs"});
    } else {
        m.nota("D ≤ B: o tubo recebe a parte D/B da força espraiada.");
        r.qs = m.grandeza({"Carga da sobrecarga no tubo", "qs", forca * D / (B * L), "kN/m",
                           duasAreas ? "2·{F}·{D}/({B}·{L})" : "{F}·{D}/({B}·{L})", 2, "qs"});
    }
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
        r.memoria.titulo(d.natureza == Ferroviaria ? "Sobrecarga ferroviária" : "Sobrecarga aeroviária");
        r.memoria.grandeza({"Largura de contato do teste", "bs", estado.bs, "m", "", 2});
        r.hsMin = r.memoria.grandeza({"Altura de terra mínima da teoria", "hs,mín", (D - estado.bs) / 1.4, "m",
                                      "({D} − {bs})/1,4", 3, "hsMin"});
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
        r.memoria.titulo("Sobrecarga definida pelo usuário");
        r.qs = r.memoria.grandeza({"Carga da sobrecarga no tubo", "qs", d.carga, "kN/m", "", 2, "qs"});
        return r;
    default: // null or negligible, and any index outside the list
        r.memoria.titulo("Sobrecarga nula ou desprezível");
        r.memoria.grandeza({"Carga da sobrecarga no tubo", "qs", 0.0, "kN/m", "", 2, "qs"});
        return r;
    }
}

ResultadoSobrecarga cargaSobrecarga(double hs, double D, const Sobrecarga& s, EstadoSobrecarga& estado)
{
    return cargaSobrecarga(hs, D, dadosSobrecarga(s), estado);
}
