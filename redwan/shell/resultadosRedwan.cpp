#include "resultadosRedwan.h"

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
