#include "entradaProjeto.h"

#include <cstddef>

namespace {
// The standard loads of a group for the diameter, then its special load.
template <std::size_t N>
void preencherCargas(std::array<std::string, N>& campos, int finalidade, double di, const std::string& especial)
{
    const std::vector<std::string> cargas = cargasClasse(finalidade, di);
    for (std::size_t k = 0; k + 1 < N && k < cargas.size(); ++k)
        campos[k] = cargas[k];
    campos[N - 1] = especial;
}
} // namespace

EntradaDimensionamento entradaDoProjeto(const ProjetoRedwan& p)
{
    EntradaDimensionamento e;
    e.finalidade = p.geometria.finalidade == finalidadeEsgoto ? EsgotoSanitario : AguasPluviais;
    e.tipoTubo = p.geometria.tipoTubo == 0 ? MachoFemea : PontaBolsa;
    e.di = textoDiametro(p.geometria);

    const double di = diametroInterno(p.geometria);
    e.classePluvial = p.classe.classePluvial;
    e.classeEsgoto = p.classe.classeEsgoto;
    preencherCargas(e.cargasPluviais, finalidadePluvial, di, p.classe.especialPluvial);
    preencherCargas(e.cargasEsgoto, finalidadeEsgoto, di, p.classe.especialEsgoto);

    const ParametrosArmadura& a = p.parametros;
    e.tipoArmadura = a.tipo == armaduraDupla ? CircularDupla : CircularSimples;
    e.fck = a.fck;
    e.gamaS = a.gamaS;
    e.gamaC = a.gamaC;
    e.h = a.h;
    e.dLinhaInt = a.dInt;
    e.dLinhaExt = a.dExt;
    return e;
}
