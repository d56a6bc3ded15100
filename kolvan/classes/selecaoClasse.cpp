#include "selecaoClasse.h"

#include "ProjetoTubo.h"
#include "numeros.h"
#include "tabelasClasse.h"

namespace {

// R computed from decimal inputs may land a hair above a load it equals.
constexpr double folga = 1e-9;

constexpr int diametroSemArmado = 200;

std::string textoCarga(const std::string& classe, double carga)
{
    return classe.empty() ? " não existe" : " " + formatar2(carga) + " kN/m";
}

} // namespace

SelecaoClasse selecionarClasses(double R, int di, int finalidade)
{
    SelecaoClasse s;
    if (di != diametroSemArmado) {
        s.classeArmado = classeEspecial;
        for (const ColunaTabelaClasse& c : TabelaA4().colunas) {
            if (c.finalidade != finalidade || c.tipo != TipoCargaClasse::Ruptura)
                continue;
            const double carga = c.qd * di / 1000.0;
            if (R <= carga + folga) {
                s.classeArmado = c.classe;
                s.cargaArmado = carga;
                break;
            }
        }
    }
    const TabelaClasse& a3 = TabelaA3();
    if (const LinhaTabelaClasse* linha = a3.linha(di)) {
        for (std::size_t i = 0; i < a3.colunas.size(); ++i) {
            if (a3.colunas[i].finalidade != finalidade)
                continue;
            if (R <= linha->cargas[i] + folga) {
                s.classeSimples = a3.colunas[i].classe;
                s.cargaSimples = linha->cargas[i];
                break;
            }
        }
    }
    return s;
}

void preencherResultado(Resultado& r, double R, const SelecaoClasse& s)
{
    r.resistenciaNecessaria = R;
    r.classeArmado = s.classeArmado;
    r.cargaArmado = arredondarCarga(s.classeArmado, s.cargaArmado);
    r.classeSimples = s.classeSimples;
    r.cargaSimples = s.cargaSimples;
    r.textoValor = formatar2(R) + " kN/m";
    r.textoArmado = textoCarga(r.classeArmado, r.cargaArmado);
    r.textoSimples = textoCarga(r.classeSimples, r.cargaSimples);
    if (!r.classeArmado.empty() && !r.classeSimples.empty())
        r.textoClasse = " " + r.classeArmado + " ou " + r.classeSimples;
    else
        r.textoClasse = " " + r.classeArmado + r.classeSimples;
    r.linhaArmado = linhaTubosArmados(r);
    r.linhaSimples = linhaTubosSimples(r);
}

std::string linhaTubosArmados(const Resultado& r) { return "Tubos Armados =" + r.textoArmado; }

std::string linhaTubosSimples(const Resultado& r) { return "Tubos Simples =" + r.textoSimples; }
