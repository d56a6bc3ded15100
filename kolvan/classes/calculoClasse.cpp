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
    c.memoria.titulo("Cálculo interrompido");
    c.memoria.nota(c.mensagem);
    return c;
}

std::string classeBaseVala(int classe)
{
    const auto& lista = listaClassesBase();
    return classe >= 0 && classe < static_cast<int>(lista.size()) ? lista[static_cast<std::size_t>(classe)] : "Base";
}

// The working values the routines read, as they were converted.
void anotarValoresTrabalho(MemoriaCalculo& m, const ValoresTrabalho& v, const Instalacao& inst)
{
    m.titulo("Valores de trabalho");
    m.grandeza({"Diâmetro interno", "di", v.di, "mm", "", 0});
    m.grandeza({"Espessura da parede", "t", v.t, "mm", "0,1·{di}", 1});
    m.grandeza({"Diâmetro externo", "de", v.de, "mm", "{di} + 2·{t}", 1});
    m.grandeza({"Diâmetro externo", "D", v.D, "m", "{de}/1000", 3, "D"});
    m.grandeza({"Peso específico do solo", "γ", v.gama, "kN/m³", "", 2});
    m.grandeza({"Produto da razão de Rankine pelo coeficiente de atrito", "Kμ", v.kMi, "", "", 3});
    m.grandeza({"Altura de terra sobre o tubo", "hs", v.hs, "m", "", 2});
    if (inst.tipo != ProjecaoPositiva)
        m.grandeza({"Largura da vala", "bv", v.bv, "m", "", 2});
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
    // The parts' traces are taken into the computation's own, in the order
    // the sheet reads them.
    MemoriaCalculo& m = c.memoria;
    anotarValoresTrabalho(m, v, inst);
    c.terra = cargaTerra(v, inst.tipo, inst.aterroCompactado);
    c.semSolucao = c.terra.semSolucao;
    c.W = c.terra.W;
    m.anexar(std::move(c.terra.memoria));

    // The embankment factor follows the installation: the positive
    // projection of the earth load above gives its p and Cc. The sheet
    // reads the bedding after the surcharge.
    MemoriaCalculo memoriaBase;
    if (usaBaseAterro(inst)) {
        c.fatorAterro = fatorProjecaoPositiva(p.baseAterro.classe, inst.tipo, c.terra.ultimaProjecaoPositiva(),
                                              v.hs, v.D);
        memoriaBase = std::move(c.fatorAterro.memoria);
        if (!c.fatorAterro.existe) {
            m.anexar(std::move(memoriaBase));
            return parada(c, DesfechoClasse::SemFatorEquivalencia, mensagemSemFatorEquivalencia);
        }
        p.baseAterro.fator = c.fatorAterro.texto;
    } else {
        memoriaBase.titulo("Fator de equivalência da base em vala");
        memoriaBase.nota(classeBaseVala(p.baseVala.classe) + ": o fator da tabela das bases em vala, ou o da base de "
                                                         "concreto escolhida.");
    }
    const BaseAssentamento& base = baseEmUso(p);
    try {
        c.fe = converterNumero(base.fator);
        c.cs = converterNumero(base.coefSeguranca);
    } catch (const ErroConversao& erro) {
        return parada(c, DesfechoClasse::NumeroInvalido, erro.what());
    }
    memoriaBase.grandeza({"Fator de equivalência da base", "fe", c.fe, "", "", 2, "fe"});
    memoriaBase.grandeza({"Coeficiente de segurança", "γf", c.cs, "", "", 2, "cs"});
    if (!(c.fe > 0.0)) {
        m.anexar(std::move(memoriaBase));
        return parada(c, DesfechoClasse::SemFatorEquivalencia, mensagemSemFatorEquivalencia);
    }

    c.sobrecarga = cargaSobrecarga(v.hs, v.D, sobrecarga, estado);
    m.anexar(std::move(c.sobrecarga.memoria));
    if (c.sobrecarga.desfecho != DesfechoSobrecarga::Calculada)
        return parada(c, desfechoDe(c.sobrecarga.desfecho), mensagemSobrecarga(c.sobrecarga.desfecho));
    c.qs = c.sobrecarga.qs;
    m.anexar(std::move(memoriaBase));

    m.titulo("Resistência necessária");
    c.R = m.grandeza({"Resistência necessária", "R", (c.W + c.qs) / c.fe * c.cs, "kN/m", "({W} + {qs})/{fe}·{γf}", 2,
                      "R"});
    const int di = static_cast<int>(std::lround(v.di));
    c.selecao = selecionarClasses(c.R, di, p.geometria.finalidade);
    m.anexar(std::move(c.selecao.memoria));
    preencherResultado(p.resultado, c.R, c.selecao);
    return c;
}
