#include "telas.h"

#include "memoriaCalculo.h"
#include "numeros.h"

#include <string_view>

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

// The meshes of a face and why: the first single mesh of the table, or the
// first pair, whose area reaches 98 % of the required one. `simbolo` names
// the face's area: "Aint", "Aext".
void anotarFace(MemoriaCalculo& m, const std::string& face, const char* simbolo, const TelasFace& f, double R,
                int tipoTubo)
{
    const std::string prefixo = tipoTubo == PontaBolsa ? "PB " : "MF ";
    std::string nomes = prefixo + f.nome1;
    if (!f.nome2.empty())
        nomes += " + " + prefixo + f.nome2;
    const bool interna = std::string_view(simbolo) == "Aint";
    m.grandeza({"Área a atingir na face " + face + ": até 2 % abaixo da requerida",
                interna ? "0,98·AsIntReq" : "0,98·AsExtReq", fracaoTelas * R, "cm²/m",
                interna ? "0,98·{AsIntReq}" : "0,98·{AsExtReq}", 4});
    m.grandeza({"Área da primeira tela", "A1", f.A1, "cm²/m", "", 2});
    m.grandeza({"Diâmetro do fio da primeira tela", "φ1", f.D1, "mm", "", 2});
    if (!f.nome2.empty()) {
        m.grandeza({"Área da segunda tela", "A2", f.A2, "cm²/m", "", 2});
        m.grandeza({"Diâmetro do fio da segunda tela", "φ2", f.D2, "mm", "", 2});
    }
    m.grandeza({"Área das telas da face " + face, simbolo, f.A1 + f.A2, "cm²/m",
                f.nome2.empty() ? "{A1}" : "{A1} + {A2}", 2});
    m.nota("Tela " + face + ": " + nomes
           + (f.esgotada ? "; nenhuma tela nem par de telas atinge 0,98 da área requerida."
                         : (f.nome2.empty() ? ", a primeira tela da tabela que atinge 0,98 da área requerida."
                                            : ", o primeiro par de telas sobrepostas que atinge 0,98 da área requerida.")));
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
    MemoriaCalculo& m = e.memoria;
    m.titulo("Áreas requeridas e telas soldadas escolhidas");
    if (e.tipoArmadura == CircularDupla) {
        m.grandeza({"Armadura do coroamento", "As,c", e.AsC, "cm²/m", "", 4});
        m.grandeza({"Armadura do flanco", "As,s", e.AsS, "cm²/m", "", 4});
        t.AsIntReq = m.grandeza({"Área requerida na face interna", "AsIntReq", areaRequerida(e.AsC, e.AsIntMin, e.AsMin),
                                 "cm²/m", "máx({As,c}; {AsIntMin}; {AsMin})", 4, "AsIntReq"});
        t.AsExtReq = m.grandeza({"Área requerida na face externa", "AsExtReq", areaRequerida(e.AsS, e.AsExtMin, e.AsMin),
                                 "cm²/m", "máx({As,s}; {AsExtMin}; {AsMin})", 4, "AsExtReq"});
    } else {
        t.AsIntReq = m.grandeza({"Área requerida na face interna", "AsIntReq",
                                 areaRequerida(e.AsP_Prat, e.AsIntMin, e.AsMin), "cm²/m",
                                 "máx({As,prat}; {AsIntMin}; {AsMin})", 4, "AsIntReq"});
        t.AsExtReq = m.grandeza({"Área requerida na face externa (armadura simples)", "AsExtReq", 0.0, "cm²/m", "", 4,
                                 "AsExtReq"});
    }

    const TelasFace interna = escolherTelas(t.AsIntReq);
    anotarFace(m, "interna", "Aint", interna, t.AsIntReq, e.tipoTubo);
    t.Aint1 = interna.A1;
    t.Aint2 = interna.A2;
    t.Dint1 = interna.D1;
    t.Dint2 = interna.D2;
    t.nomeInt1 = interna.nome1;
    t.nomeInt2 = interna.nome2;
    if (e.tipoArmadura != CircularDupla || interna.esgotada)
        return;

    const TelasFace externa = escolherTelas(t.AsExtReq);
    anotarFace(m, "externa", "Aext", externa, t.AsExtReq, e.tipoTubo);
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
