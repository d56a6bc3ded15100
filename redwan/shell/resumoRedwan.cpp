#include "resumoRedwan.h"

#include "ProjetoRedwan.h"
#include "custoTubo.h"

ResumoRedwan resumoInicialRedwan(const PrecosCusto& precos)
{
    ResumoRedwan r;
    r.finalidade = "Finalidade: ";
    r.tipoTubo = "Tipo de Tubo: ";
    r.diametro = "Diâmetro interno (di) = ";
    r.comprimento = "Comprimento longitudinal (l) = ";
    r.classe = "Classe: ";
    r.carga = "Valor = ";
    r.fck = "Valor = ";
    r.tipoArmadura = "Tipo de armadura: ";
    r.dInt = "dint = ";
    r.dExt = "dext = ";
    r.espessura = "Espessura da parede = ";
    r.gamaS = "s = ";
    r.gamaC = "c = ";
    atualizarPrecosResumo(r, precos);
    limparResultadosResumo(r);
    return r;
}

void atualizarPrecosResumo(ResumoRedwan& r, const PrecosCusto& precos)
{
    r.precoConcreto = "Concreto: " + formatarMoeda(precos.concreto) + " por m³";
    r.precoAco = "Aço: " + formatarMoeda(precos.aco) + " por kg";
}

void atualizarGeometriaResumo(ResumoRedwan& r, const ProjetoRedwan& p)
{
    const GeometriaRedwan& g = p.geometria;
    r.finalidade = "Finalidade: " + textoFinalidade(g);
    r.tipoTubo = "Tipo de Tubo: " + textoTipoTubo(g);
    r.diametro = "Diâmetro interno (di) = " + textoDiametro(g) + " mm";
    r.comprimento = "Comprimento longitudinal (l) = " + textoComprimento(g) + " m";
}

void atualizarClasseResumo(ResumoRedwan& r, const ProjetoRedwan& p)
{
    r.classe = "Classe: " + nomeClasseEscolhida(p.classe, p.geometria);
    r.carga = "Valor = " + cargaDeProjeto(p) + " kN/m";
}

void atualizarParametrosResumo(ResumoRedwan& r, const ProjetoRedwan& p)
{
    const ParametrosArmadura& a = p.parametros;
    r.fck = "Valor = " + a.fck + " MPa";
    r.tipoArmadura = "Tipo de armadura: " + tiposArmadura()[a.tipo == armaduraDupla ? 1 : 0];
    if (a.tipo == armaduraDupla) {
        r.dInt = "dint = " + a.dInt + " cm";
        r.dExt = "dext = " + a.dExt + " cm";
    } else {
        r.dInt = "dint = ----";
        r.dExt = "dext = ----";
    }
    r.espessura = "Espessura da parede = " + a.h + " mm";
    r.gamaS = "s = " + a.gamaS;
    r.gamaC = "c = " + a.gamaC;
}

void atualizarResultadosResumo(ResumoRedwan& r, const ResultadosResumo& s)
{
    r.momentoCoroamento = "Momento Fletor = " + s.momentoCoroamento;
    r.asCoroamento = "As = " + s.asCoroamento;
    r.momentoFlanco = "Momento Fletor = " + s.momentoFlanco;
    r.asFlanco = "As = " + s.asFlanco;
    r.telaInterna = "Interna = " + s.telaInterna;
    r.telaExterna = "Externa = " + s.telaExterna;
    // Results whose meshes the design does not find again are not priced;
    // without results there is nothing to price.
    r.comResultados = !s.telaInterna.empty();
    const std::string semCusto = r.comResultados ? "----" : "";
    r.aco = s.aco.empty() ? "Aço: " + semCusto : s.aco;
    r.concreto = s.concreto.empty() ? "Concreto: " + semCusto : s.concreto;
    r.custo = s.custo.empty() ? "Custo: " + semCusto : s.custo;
}

void limparResultadosResumo(ResumoRedwan& r) { atualizarResultadosResumo(r, ResultadosResumo{}); }

namespace {
LinhaResumoRedwan uma(const std::string& texto) { return {{texto}, false, false}; }
LinhaResumoRedwan duas(const std::string& a, const std::string& b, bool gama) { return {{a, b}, true, gama}; }
} // namespace

std::array<LinhaResumoRedwan, linhasPorPainelRedwan> linhasPainel(const ResumoRedwan& r, PainelRedwan painel)
{
    switch (painel) {
    case PainelGeometria:
        return {uma("Geometria:"), uma(r.finalidade), uma(r.tipoTubo), uma(r.diametro), uma(r.comprimento),
                uma("Tubo:"), uma(r.classe), uma("Carga minima de ruptura:"), uma(r.carga), uma(""),
                uma(""), uma(""), uma("")};
    case PainelParametros:
        return {uma("Armadura:"),
                uma("Resistencia do concreto (fck):"),
                uma(r.fck),
                uma(r.tipoArmadura),
                uma("Cobrimento:"),
                duas(r.dInt, r.dExt, false),
                uma(r.espessura),
                uma("Coeficientes de seguranças:"),
                duas(r.gamaS, r.gamaC, true),
                duas("", "", false),
                uma("Preços:"),
                uma(r.precoConcreto),
                uma(r.precoAco)};
    case PainelResultados:
    default:
        return {uma("Resultados - Dimensionamento:"),
                uma("No coroamento:"),
                uma(r.momentoCoroamento),
                uma(r.asCoroamento),
                uma("No Flanco:"),
                uma(r.momentoFlanco),
                uma(r.asFlanco),
                uma("Telas Soldadas:"),
                uma(r.telaInterna),
                uma(r.telaExterna),
                uma(r.aco),
                uma(r.concreto),
                uma(r.custo)};
    }
}
