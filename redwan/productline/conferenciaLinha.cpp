#include "conferenciaLinha.h"

#include "buscaParede.h"
#include "geometriaRedwan.h"
#include "numeros.h"

#include <cmath>

namespace {

// The fields of the design-parameter window but the wall, which is each diameter's.
bool daLinha(const CampoTextoArmadura& c, bool dupla)
{
    return c.campo != CampoArmadura::Espessura && (!c.soDupla || dupla);
}

std::string paredeVazia()
{
    for (const CampoTextoArmadura& c : camposArmadura())
        if (c.campo == CampoArmadura::Espessura)
            return c.vazio;
    return {};
}

bool vazio(const std::string& t) { return t.find_first_not_of(" \t") == std::string::npos; }
double valor(const std::string& t) { return converterNumero(t); }


// An empty text or one that is not a number; nothing when it reads.
bool recusar(const std::string& texto, const char* mensagemVazio, ConferenciaLinha& r)
{
    double lido = 0.0;
    if (vazio(texto))
        r.aviso = mensagemVazio;
    else if (!lerNumero(texto, lido))
        r.mensagem = mensagemNumeroInvalido(texto);
    else
        return false;
    return true;
}

// Below the least wall: the window's question; then the range it keeps.
bool conferirFaixaParede(EntradaLinha& linha, int k, DialogoArmadura& d, ConferenciaLinha& r)
{
    DiametroLinha& dl = linha.diametros[static_cast<std::size_t>(k)];
    const std::string minima = std::to_string(paredeMinimaRecomendada(linha, k));
    if (valor(dl.h) < valor(minima) && d.perguntar(perguntaEspessura(minima)))
        dl.h = minima;
    if (!(valor(dl.h) > 0.0 && valor(dl.h) <= 1000.0)) {
        r.campo = CampoArmadura::Espessura;
        r.diametro = k;
        r.aviso = "A espessura da parede deve ser maior que zero e de no máximo 1000 mm.";
        return false;
    }
    return true;
}

} // namespace

ConferenciaLinha conferirLinha(EntradaLinha& linha, DialogoArmadura& d)
{
    ParametrosArmadura& p = linha.parametros;
    const bool dupla = p.tipo == armaduraDupla;
    ConferenciaLinha r;

    for (const CampoTextoArmadura& c : camposArmadura()) {
        if (!daLinha(c, dupla))
            continue;
        r.campo = c.campo;
        if (recusar(p.*c.texto, c.vazio, r))
            return r;
    }
    r.campo = CampoArmadura::Espessura;
    for (std::size_t k = 0; k < linha.diametros.size(); ++k) {
        r.diametro = static_cast<int>(k);
        if (recusar(linha.diametros[k].h, paredeVazia().c_str(), r))
            return r;
    }
    r.diametro = -1;

    // Standard forms.
    for (const CampoTextoArmadura& c : camposArmadura())
        if (daLinha(c, dupla))
            p.*c.texto = formatarDecimais(valor(p.*c.texto), c.decimais);
    for (DiametroLinha& dl : linha.diametros)
        dl.h = formatarDecimais(valor(dl.h), 0);

    // Concrete strength.
    if (valor(p.fck) < 25.0 && d.perguntar(perguntaFckMinimo()))
        p.fck = "25";
    if (valor(p.fck) > 42.0 && d.perguntar(perguntaFckMaximo()))
        p.fck = "42";
    if (!(valor(p.fck) > 0.0)) {
        r.campo = CampoArmadura::Fck;
        r.aviso = "A resistência característica do concreto deve ser maior que zero.";
        return r;
    }

    // Positions of the two cages, against the recommendation of the largest
    // diameter that has them.
    if (dupla) {
        double maior = 0.0;
        for (const DiametroLinha& dl : linha.diametros)
            if (dl.tipo == armaduraDupla)
                maior = std::max(maior, diametroDaLinha(dl));
        const Posicoes recomendadas = posicoesPadrao(maior);
        if (valor(p.dInt) < valor(recomendadas.dInt) && d.perguntar(perguntaPosicaoInterna()))
            p.dInt = recomendadas.dInt;
        if (valor(p.dInt) < 0.0) {
            d.informar(avisoPositivo);
            p.dInt = recomendadas.dInt;
        }
        if (valor(p.dExt) < valor(recomendadas.dExt) && d.perguntar(perguntaPosicaoExterna()))
            p.dExt = recomendadas.dExt;
        if (valor(p.dExt) < 0.0) {
            d.informar(avisoPositivo);
            p.dExt = recomendadas.dExt;
        }
        for (DiametroLinha& dl : linha.diametros)
            if (dl.tipo == armaduraDupla) {
                dl.dInt = p.dInt;
                dl.dExt = p.dExt;
            }
    }

    // Reinforcement type by diameter.
    auto alguns = [&linha](int tipo, auto&& diametroServe) {
        for (const DiametroLinha& dl : linha.diametros)
            if (dl.tipo == tipo && diametroServe(diametroDaLinha(dl)))
                return true;
        return false;
    };
    auto adotar = [&linha](int tipo, auto&& diametroServe) {
        for (DiametroLinha& dl : linha.diametros) {
            const double di = diametroDaLinha(dl);
            if (dl.tipo != tipo && diametroServe(di)) {
                ParametrosArmadura q;
                escolherTipo(q, tipo, di);
                dl.tipo = tipo;
                dl.dInt = q.dInt;
                dl.dExt = q.dExt;
            }
        }
    };
    const auto abaixo800 = [](double di) { return di < 800.0; };
    const auto acima1000 = [](double di) { return di > 1000.0; };
    if (alguns(armaduraDupla, abaixo800) && d.perguntar(perguntaArmaduraSimples()))
        adotar(armaduraSimples, abaixo800);
    if (alguns(armaduraSimples, acima1000) && d.perguntar(perguntaArmaduraDupla()))
        adotar(armaduraDupla, acima1000);

    // Partial safety factors.
    if (std::fabs(valor(p.gamaS) - 1.15) >= 1e-9 && d.perguntar(perguntaGamaS()))
        p.gamaS = "1,15";
    if (valor(p.gamaS) < 1.0) {
        d.informar(avisoUnidade);
        p.gamaS = "1,0";
    }
    if (std::fabs(valor(p.gamaC) - 1.4) >= 1e-9 && d.perguntar(perguntaGamaC()))
        p.gamaC = "1,4";
    if (valor(p.gamaC) < 1.0) {
        d.informar(avisoUnidade);
        p.gamaC = "1,0";
    }

    // Walls, diameter by diameter.
    for (std::size_t k = 0; k < linha.diametros.size(); ++k)
        if (!conferirFaixaParede(linha, static_cast<int>(k), d, r))
            return r;

    r.aceita = true;
    return r;
}

ConferenciaLinha conferirParede(EntradaLinha& linha, int diametro, DialogoArmadura& d)
{
    ConferenciaLinha r;
    r.campo = CampoArmadura::Espessura;
    r.diametro = diametro;
    std::string& h = linha.diametros[static_cast<std::size_t>(diametro)].h;
    if (recusar(h, paredeVazia().c_str(), r))
        return r;
    h = formatarDecimais(valor(h), 0);
    if (!conferirFaixaParede(linha, diametro, d, r))
        return r;
    r.diametro = -1;
    r.aceita = true;
    return r;
}
