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

bool cargaCobre(double carga, double R) { return R <= carga + folga; }

std::vector<CargaClasse> cargasClasses(int di, int finalidade)
{
    std::vector<CargaClasse> cargas;
    if (di != diametroSemArmado)
        for (const ColunaTabelaClasse& c : TabelaA4().colunas)
            if (c.finalidade == finalidade && c.tipo == TipoCargaClasse::Ruptura)
                cargas.push_back({c.classe, true, c.qd * di / 1000.0});
    const TabelaClasse& a3 = TabelaA3();
    if (const LinhaTabelaClasse* linha = a3.linha(di))
        for (std::size_t i = 0; i < a3.colunas.size(); ++i)
            if (a3.colunas[i].finalidade == finalidade)
                cargas.push_back({a3.colunas[i].classe, false, static_cast<double>(linha->cargas[i])});
    return cargas;
}

SelecaoClasse selecionarClasses(double R, int di, int finalidade)
{
    SelecaoClasse s;
    MemoriaCalculo& m = s.memoria;
    m.titulo("Classe do tubo armado: carga mínima de ruptura de cada classe, taxa da classe (kN/m por metro de "
             "diâmetro)·di/1000");
    if (di != diametroSemArmado) {
        s.classeArmado = classeEspecial;
        for (const ColunaTabelaClasse& c : TabelaA4().colunas) {
            if (c.finalidade != finalidade || c.tipo != TipoCargaClasse::Ruptura)
                continue;
            // The tables live as long as the program: their class names are symbols of the trace.
            const double carga = m.grandeza({"Carga mínima de ruptura", c.classe.c_str(), c.qd * di / 1000.0, "kN/m",
                                             std::to_string(c.qd) + "·{di}/1000", 2});
            if (s.classeArmado == classeEspecial && cargaCobre(carga, R)) {
                s.classeArmado = c.classe;
                s.cargaArmado = carga;
            }
        }
        if (s.classeArmado == classeEspecial)
            m.nota("R supera a carga de todas as classes: tubo Especial.");
        else
            m.nota("A menor classe armada cuja carga cobre R: " + s.classeArmado + ", mostrada como "
                   + formatar2(arredondarCarga(s.classeArmado, s.cargaArmado)) + " kN/m (arredondada para cima).");
    } else {
        m.nota("Não há tubo armado de 200 mm.");
    }
    m.titulo("Classe do tubo simples: carga mínima de ruptura da tabela");
    const TabelaClasse& a3 = TabelaA3();
    if (const LinhaTabelaClasse* linha = a3.linha(di)) {
        for (std::size_t i = 0; i < a3.colunas.size(); ++i) {
            if (a3.colunas[i].finalidade != finalidade)
                continue;
            m.grandeza({"Carga mínima de ruptura", a3.colunas[i].classe.c_str(),
                        static_cast<double>(linha->cargas[i]), "kN/m", "", 2});
            if (s.classeSimples.empty() && cargaCobre(linha->cargas[i], R)) {
                s.classeSimples = a3.colunas[i].classe;
                s.cargaSimples = linha->cargas[i];
            }
        }
        m.nota(s.classeSimples.empty() ? "R supera a carga de todas as classes simples: não existe."
                                       : "A menor classe simples cuja carga cobre R: " + s.classeSimples + ".");
    } else {
        m.nota("Não há tubo simples deste diâmetro.");
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
