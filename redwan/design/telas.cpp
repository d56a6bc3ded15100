#include "telas.h"

#include "numeros.h"

namespace {

void tomar(const TelaSoldada& tela, double& A, double& D, std::string& nome)
{
    A = tela.area;
    D = tela.diametro;
    nome = formatar0(tela.numero);
}

double maior(double a, double b) { return a > b ? a : b; }

// The larger of the design area and the transitory minimum, raised to AsMin.
double areaRequerida(double AsProjeto, double AsTransitoria, double AsMin)
{
    const double R = maior(AsProjeto, AsTransitoria);
    return R < AsMin ? AsMin : R;
}

} // namespace

TelasFace escolherTelas(double R)
{
    const double alvo = fracaoTelas * R;
    TelasFace f;
    for (const TelaSoldada& tela : TabelaTelas) {
        if (!(alvo > f.A1))
            break;
        tomar(tela, f.A1, f.D1, f.nome1);
    }
    if (!(alvo > f.A1))
        return f;

    for (std::size_t i = 0; i < TabelaTelas.size(); ++i)
        for (std::size_t j = i; j < TabelaTelas.size(); ++j) {
            if (!(alvo > f.A1 + f.A2))
                return f;
            tomar(TabelaTelas[i], f.A1, f.D1, f.nome1);
            tomar(TabelaTelas[j], f.A2, f.D2, f.nome2);
        }
    f.esgotada = alvo > f.A1 + f.A2;
    return f;
}

void selecionarTelas(EstadoDimensionamento& e)
{
    SelecaoTelas& t = e.telas;
    t = SelecaoTelas{};
    if (e.tipoArmadura == CircularDupla) {
        t.AsIntReq = areaRequerida(e.AsC, e.AsIntMin, e.AsMin);
        t.AsExtReq = areaRequerida(e.AsS, e.AsExtMin, e.AsMin);
    } else {
        t.AsIntReq = areaRequerida(e.AsP_Prat, e.AsIntMin, e.AsMin);
        t.AsExtReq = 0.0;
    }

    const TelasFace interna = escolherTelas(t.AsIntReq);
    t.Aint1 = interna.A1;
    t.Aint2 = interna.A2;
    t.Dint1 = interna.D1;
    t.Dint2 = interna.D2;
    t.nomeInt1 = interna.nome1;
    t.nomeInt2 = interna.nome2;
    if (e.tipoArmadura != CircularDupla || interna.esgotada)
        return;

    const TelasFace externa = escolherTelas(t.AsExtReq);
    t.Aext1 = externa.A1;
    t.Aext2 = externa.A2;
    t.Dext1 = externa.D1;
    t.Dext2 = externa.D2;
    t.nomeExt1 = externa.nome1;
    t.nomeExt2 = externa.nome2;
}

char avaliarTelas(const SelecaoTelas& t)
{
    if (fracaoTelas * t.AsIntReq > t.Aint1 + t.Aint2)
        return 'N';
    if (fracaoTelas * t.AsExtReq > t.Aext1 + t.Aext2)
        return 'N';
    return 'S';
}
