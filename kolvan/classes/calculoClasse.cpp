#include "calculoClasse.h"

#include "ProjetoTubo.h"
#include "numeros.h"
#include "selecaoClasse.h"

#include <cmath>

namespace {

CalculoClasse parada(CalculoClasse c, DesfechoClasse desfecho, std::string mensagem)
{
    c.desfecho = desfecho;
    c.mensagem = std::move(mensagem);
    return c;
}

DesfechoClasse desfechoDe(DesfechoSobrecarga d)
{
    switch (d) {
    case DesfechoSobrecarga::AlturaInsuficiente: return DesfechoClasse::AlturaInsuficiente;
    case DesfechoSobrecarga::FerroviariaNaoEspecificada: return DesfechoClasse::FerroviariaNaoEspecificada;
    case DesfechoSobrecarga::AeroviariaNaoEspecificada: return DesfechoClasse::AeroviariaNaoEspecificada;
    case DesfechoSobrecarga::Calculada: break;
    }
    return DesfechoClasse::Calculada;
}

} // namespace

CalculoClasse calcularClasse(ProjetoTubo& p, EstadoSobrecarga& estado)
{
    CalculoClasse c;
    ValoresTrabalho v;
    DadosSobrecarga sobrecarga;
    try {
        v = valoresTrabalho(p);
        sobrecarga = dadosSobrecarga(p.sobrecarga);
    } catch (const ErroConversao& erro) {
        return parada(c, DesfechoClasse::NumeroInvalido, erro.what());
    }

    const Instalacao& inst = p.instalacao;
    c.terra = cargaTerra(v, inst.tipo, inst.aterroCompactado);
    c.semSolucao = c.terra.semSolucao;
    c.W = c.terra.W;

    // The embankment factor follows the installation: the positive
    // projection of the earth load above gives its p and Cc.
    if (usaBaseAterro(inst)) {
        c.fatorAterro = fatorProjecaoPositiva(p.baseAterro.classe, inst.tipo, c.terra.ultimaProjecaoPositiva(),
                                              v.hs, v.D);
        if (!c.fatorAterro.existe)
            return parada(c, DesfechoClasse::SemFatorEquivalencia, mensagemSemFatorEquivalencia);
        p.baseAterro.fator = c.fatorAterro.texto;
    }
    const BaseAssentamento& base = baseEmUso(p);
    try {
        c.fe = converterNumero(base.fator);
        c.cs = converterNumero(base.coefSeguranca);
    } catch (const ErroConversao& erro) {
        return parada(c, DesfechoClasse::NumeroInvalido, erro.what());
    }
    if (!(c.fe > 0.0))
        return parada(c, DesfechoClasse::SemFatorEquivalencia, mensagemSemFatorEquivalencia);

    c.sobrecarga = cargaSobrecarga(v.hs, v.D, sobrecarga, estado);
    if (c.sobrecarga.desfecho != DesfechoSobrecarga::Calculada)
        return parada(c, desfechoDe(c.sobrecarga.desfecho), mensagemSobrecarga(c.sobrecarga.desfecho));
    c.qs = c.sobrecarga.qs;

    c.R = (c.W + c.qs) / c.fe * c.cs;
    const int di = static_cast<int>(std::lround(v.di));
    preencherResultado(p.resultado, c.R, selecionarClasses(c.R, di, p.geometria.finalidade));
    return c;
}
