#include "ProjetoRedwan.h"

#include <string>

void novoProjeto(ProjetoRedwan& p)
{
    p.etapas = EtapasRedwan{};
    p.geometria = GeometriaRedwan{};
    p.classe.classePluvial = 0;
    p.classe.classeEsgoto = 0;
    parametrosNovoProjeto(p.parametros);
}

void aplicarEspessuraMinima(ProjetoRedwan& p)
{
    p.parametros.h = std::to_string(espessuraMinima(p.geometria.finalidade, diametroInterno(p.geometria)));
}
