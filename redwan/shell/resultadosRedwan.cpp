#include "resultadosRedwan.h"

#include "dimensionamento.h"
#include "entradaProjeto.h"

void guardarResultados(ResultadosRedwan& r, const ResultadoDimensionamento& resultado)
{
    r.valores = resultado;
    r.textos = textosResultados(resultado);
}

void restaurarResultados(ResultadosRedwan& r, const TextosResultados& textos)
{
    r.valores.reset();
    r.textos = textos;
}

ResultadosResumo resumoResultados(const TextosResultados& t)
{
    return {t.Label3, t.Label5, t.Label23, t.Label9, t.Pint, t.Pext, t.Aco, t.Concreto, t.Custo};
}

void precificarResultados(ResultadosRedwan& r, const ProjetoRedwan& projeto, const PrecosCusto& precos)
{
    TextosResultados& t = r.textos;
    t.Aco.clear();
    t.Concreto.clear();
    t.Custo.clear();
    if (r.valores) {
        completarTextosCusto(t, *r.valores, precos);
        return;
    }
    if (t.Pint.empty())
        return;
    EstadoDimensionamento estado;
    const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(projeto), estado);
    if (x.desfecho == Desfecho::Resultados && x.resultado.telaInterna == t.Pint && x.resultado.telaExterna == t.Pext)
        completarTextosCusto(t, x.resultado, precos);
}
