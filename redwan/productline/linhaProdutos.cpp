#include "linhaProdutos.h"

#include "ProjetoRedwan.h"
#include "classeTubo.h"
#include "custoTubo.h"
#include "entradaProjeto.h"
#include "geometriaRedwan.h"

bool CelulaLinha::passa() const
{
    const ResultadoDimensionamento& r = execucao.resultado;
    return dimensionada() && r.passaCobrimento && r.passaCortante && r.passaFissuras;
}

EntradaLinha linhaPadrao(int finalidade, int tipoTubo, const ParametrosArmadura& parametros)
{
    EntradaLinha l;
    l.finalidade = finalidade;
    l.tipoTubo = tipoTubo;
    l.parametros = parametros;
    for (int k = 0; k < static_cast<int>(diametrosRedwan().size()); ++k)
        l.diametros.push_back({k, "", parametros.tipo, parametros.dInt, parametros.dExt});
    aplicarParedesMinimas(l);
    return l;
}

EntradaLinha linhaDoProjeto(const ProjetoRedwan& projeto)
{
    const bool parametros = projeto.etapas.parametros;
    EntradaLinha l = linhaPadrao(projeto.geometria.finalidade, projeto.geometria.tipoTubo,
                                 parametros ? projeto.parametros : ParametrosArmadura{});
    const int confirmado = projeto.geometria.indiceDi;
    if (parametros && projeto.etapas.geometria && confirmado >= 0
        && confirmado < static_cast<int>(l.diametros.size()))
        l.diametros[static_cast<std::size_t>(confirmado)].h = projeto.parametros.h;
    return l;
}

void aplicarParedesMinimas(EntradaLinha& linha)
{
    for (DiametroLinha& d : linha.diametros) {
        GeometriaRedwan g;
        g.indiceDi = d.indiceDi;
        d.h = std::to_string(espessuraMinima(linha.finalidade, diametroInterno(g)));
    }
}

std::vector<std::string> classesLinha(int finalidade)
{
    std::vector<std::string> classes = classesDoGrupo(finalidade);
    classes.pop_back(); // "Especial" has no load of its own
    return classes;
}

ProjetoRedwan projetoDaCelula(const EntradaLinha& linha, int diametro, int classe, const std::string& h)
{
    const DiametroLinha& d = linha.diametros[static_cast<std::size_t>(diametro)];
    ProjetoRedwan p;
    p.geometria.finalidade = linha.finalidade;
    p.geometria.tipoTubo = linha.tipoTubo;
    p.geometria.indiceDi = d.indiceDi;
    p.classe.classePluvial = classe;
    p.classe.classeEsgoto = classe;
    p.parametros = linha.parametros;
    p.parametros.tipo = d.tipo;
    p.parametros.dInt = d.dInt;
    p.parametros.dExt = d.dExt;
    p.parametros.h = h;
    return p;
}

CelulaLinha dimensionarCelula(const EntradaLinha& linha, int diametro, int classe, const std::string& h)
{
    const ProjetoRedwan p = projetoDaCelula(linha, diametro, classe, h);
    CelulaLinha c;
    c.diametro = diametro;
    c.classe = classe;
    c.nomeClasse = nomeClasseEscolhida(p.classe, p.geometria);
    c.di = diametroInterno(p.geometria);
    c.carga = cargaDeProjeto(p);
    c.h = h;
    EstadoDimensionamento estado;
    c.execucao = executarDimensionamento(entradaDoProjeto(p), estado);
    return c;
}

TabelaLinha dimensionarLinha(const EntradaLinha& linha, const PrecosCusto& precos)
{
    TabelaLinha t;
    t.entrada = linha;
    t.precos = precos;
    t.classes = classesLinha(linha.finalidade);
    for (int d = 0; d < static_cast<int>(linha.diametros.size()); ++d)
        for (int c = 0; c < static_cast<int>(t.classes.size()); ++c)
            t.celulas.push_back(dimensionarCelula(linha, d, c, linha.diametros[static_cast<std::size_t>(d)].h));
    return t;
}

void redimensionarDiametro(TabelaLinha& t, int diametro, const std::string& h)
{
    t.entrada.diametros[static_cast<std::size_t>(diametro)].h = h;
    for (int c = 0; c < static_cast<int>(t.classes.size()); ++c) {
        CelulaLinha& antiga =
            t.celulas[static_cast<std::size_t>(diametro) * t.classes.size() + static_cast<std::size_t>(c)];
        CelulaLinha nova = dimensionarCelula(t.entrada, diametro, c, h);
        nova.paredeBuscada = antiga.paredeBuscada;
        nova.paredeMinimaViavel = antiga.paredeMinimaViavel;
        nova.menorCustoBuscado = antiga.menorCustoBuscado;
        nova.menorCusto = antiga.menorCusto;
        antiga = std::move(nova);
    }
}

std::optional<CustoResultado> custoCelula(const TabelaLinha& t, const CelulaLinha& c)
{
    if (!c.dimensionada())
        return std::nullopt;
    return custoDoResultado(c.execucao.resultado, t.precos);
}

void definirPrecos(TabelaLinha& t, const PrecosCusto& precos)
{
    if (t.precos == precos)
        return;
    t.precos = precos;
    for (CelulaLinha& c : t.celulas) {
        c.menorCustoBuscado = false;
        c.menorCusto = {};
    }
}

std::vector<int> adotarParedesEncontradas(EntradaLinha& linha, const TabelaLinha& t, bool menorCusto)
{
    std::vector<int> mudados;
    for (int d = 0; d < static_cast<int>(linha.diametros.size()); ++d) {
        std::optional<int> maior;
        for (int c = 0; c < static_cast<int>(t.classes.size()); ++c) {
            const CelulaLinha& celula = t.celula(d, c);
            const std::optional<int> parede = menorCusto
                ? (celula.menorCustoBuscado ? celula.menorCusto.paredeMenorCusto : std::nullopt)
                : (celula.paredeBuscada ? celula.paredeMinimaViavel : std::nullopt);
            if (parede && (!maior || *parede > *maior))
                maior = parede;
        }
        std::string& h = linha.diametros[static_cast<std::size_t>(d)].h;
        if (maior && std::to_string(*maior) != h) {
            h = std::to_string(*maior);
            mudados.push_back(d);
        }
    }
    return mudados;
}

double diametroDaLinha(const DiametroLinha& d)
{
    GeometriaRedwan g;
    g.indiceDi = d.indiceDi;
    return diametroInterno(g);
}
