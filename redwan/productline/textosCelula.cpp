#include "textosCelula.h"

#include "camposLinha.h"
#include "custoTubo.h"
#include "numeros.h"
#include "resultadoDimensionamento.h"

namespace {
std::string textoParede(const CelulaLinha& c)
{
    return c.paredeMinimaViavel ? std::to_string(*c.paredeMinimaViavel) + " mm" : textoParedeNaoEncontrada;
}

std::string textoMenorCusto(const BuscaMenorCusto& b)
{
    return b.paredeMenorCusto ? std::to_string(*b.paredeMenorCusto) + " mm" : textoParedeNaoEncontrada;
}
} // namespace

std::string motivoCurto(const CelulaLinha& c)
{
    switch (c.execucao.desfecho) {
    case Desfecho::Resultados: return {};
    case Desfecho::SemDimensionamento: return "Sem dimensionamento (σs < 0,7 fyd)";
    case Desfecho::TelasInviaveis: return "Telas inviáveis";
    default: return "Não dimensionado";
    }
}

std::vector<std::string> resumoCelula(const TabelaLinha& t, const CelulaLinha& c)
{
    std::vector<std::string> linhas;
    if (!c.dimensionada()) {
        linhas.push_back(motivoCurto(c));
    } else {
        const ResultadoDimensionamento& r = c.execucao.resultado;
        linhas.push_back("Int.: " + r.telaInterna);
        if (r.tipoArmadura == CircularDupla)
            linhas.push_back("Ext.: " + r.telaExterna);
        std::string falhas;
        const std::pair<bool, const char*> verificacoes[] = {
            {r.passaCobrimento, "cobrimento"}, {r.passaCortante, "cortante"}, {r.passaFissuras, "fissuras"}};
        for (const auto& [passa, nome] : verificacoes)
            if (!passa)
                falhas += (falhas.empty() ? "" : ", ") + std::string(nome);
        linhas.push_back(falhas.empty() ? "Verificações ok" : "Falha: " + falhas);
    }
    if (const std::optional<CustoResultado> custo = custoCelula(t, c))
        linhas.push_back(formatarMoeda(custo->custo) + "/m");
    if (c.paredeBuscada || t.paredesBuscadas)
        linhas.push_back("h mín.: " + textoParede(c));
    if (c.menorCustoBuscado) {
        const BuscaMenorCusto& b = c.menorCusto;
        linhas.push_back("h menor custo: " + textoMenorCusto(b));
        if (b.paredeMenorCusto && b.economia() >= 0.005)
            linhas.push_back("economia " + formatarMoeda(b.economia()) + "/m");
    }
    return linhas;
}

LinhasDetalhe detalhesCelula(const TabelaLinha& t, const CelulaLinha& c)
{
    LinhasDetalhe d{{"Diâmetro interno =", formatar0(c.di) + " mm"},
                    {"Classe do Tubo:", c.nomeClasse},
                    {"Carga minima de ruptura:", c.carga + " kN/m"},
                    {"Espessura da parede =", c.h + " mm"}};
    const int tipo = t.entrada.diametros[static_cast<std::size_t>(c.diametro)].tipo;
    d.push_back({"Tipo de Armadura:", tiposArmadura()[tipo == armaduraDupla ? 1 : 0]});
    // What the pipe costs and the walls found first: the details' first view.
    if (const std::optional<CustoResultado> custo = custoCelula(t, c)) {
        const TextosCusto tc = textosCusto(custo->quantidades, custo->custo);
        auto valor = [](const std::string& linha) { return linha.substr(linha.find(": ") + 2); };
        d.push_back({"Aço:", valor(tc.aco)});
        d.push_back({"Concreto:", valor(tc.concreto)});
        d.push_back({"Custo:", valor(tc.custo) + " (" + textoPrecos(t.precos) + ")"});
    }
    if (c.paredeBuscada)
        d.push_back({"Menor espessura que passa:", textoParede(c)});
    if (c.menorCustoBuscado) {
        const BuscaMenorCusto& b = c.menorCusto;
        if (b.paredeMinimaViavel)
            d.push_back({"Custo com a menor espessura:", formatarMoeda(b.custoMinimaViavel) + " por metro"});
        d.push_back({"Parede de menor custo:", textoMenorCusto(b)});
        if (b.paredeMenorCusto) {
            d.push_back({"Menor custo:", formatarMoeda(b.custoMenor) + " por metro"});
            d.push_back({"Economia sobre a menor espessura:", formatarMoeda(b.economia()) + " por metro"});
        }
    }
    if (!c.dimensionada()) {
        d.push_back({"Dimensionamento:", c.execucao.mensagem});
    } else {
        const TextosResultados r = textosResultados(c.execucao.resultado);
        const LinhasDetalhe resultados{
            {"Coroamento: Momento Fletor =", r.Label3}, {"Coroamento: Altura útil =", r.Label10},
            {"Coroamento: Domínio:", r.Label12},        {"Coroamento: As =", r.Label5},
            {"Flanco: Momento Fletor =", r.Label23},    {"Flanco: Altura útil =", r.Label11},
            {"Flanco: Domínio:", r.Label13},            {"Flanco: As =", r.Label9},
            {"Altura útil no coroamento =", r.Panel16}, {"Armadura de tração =", r.Panel15},
            {"Tela Interna =", r.Pint},                 {"Tela Externa =", r.Pext},
            {"Armadura máxima =", r.Label20 + " " + r.Label27},
            {"Força cortante última =", r.Label21 + " " + r.Label28},
            {"Abertura da fissura =", r.Label26 + " " + r.Label29},
            {"Armadura minima =", r.Label17},
            {"Armadura interna mínima (transitória) =", r.Label18},
            {"Armadura externa mínima (transitória) =", r.Label19}};
        d.insert(d.end(), resultados.begin(), resultados.end());
    }
    return d;
}

std::string cabecalhoDiametro(const TabelaLinha& t, int diametro)
{
    const DiametroLinha& d = t.entrada.diametros[static_cast<std::size_t>(diametro)];
    const CelulaLinha& c = t.celula(diametro, 0);
    return formatar0(c.di) + " mm\nh = " + d.h + " mm\n" + (d.tipo == armaduraDupla ? "dupla" : "simples");
}
