#include "memoriaDimensionamento.h"

#include "dadosRelatorioDimensionamento.h"
#include "custoTubo.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "assinaturaRelatorio.h"
#include "folhaMemoria.h"
#include "telas.h"
#include "verificacoes.h"

namespace {

std::string item(const std::vector<std::string>& lista, int indice)
{
    return indice >= 0 && indice < static_cast<int>(lista.size()) ? lista[static_cast<std::size_t>(indice)]
                                                                 : std::string();
}

CabecalhoFolha cabecalho(const DadosRelatorioDimensionamento& d)
{
    const DadosObra& o = d.projeto.obra;
    const DadosCliente& c = d.projeto.cliente;
    CabecalhoFolha h{"DIMENSIONAMENTO DA ARMADURA DE TUBOS DE CONCRETO ARMADO", d.data, d.hora, {}};
    if (d.fabricante.imprimir) {
        const DadosFabricante& f = d.fabricante;
        h.grupos.push_back({"Fabricante:",
                            {{"Nome:", f.nome},
                             {"Endereço:", juntarTextos({f.endereco, f.numero, f.bairro}, ", ")},
                             {"Cidade:", juntarTextos({f.cidade, f.estado, f.cep}, " - ")},
                             {"Telefone:", juntarTextos({f.telefone, f.celular}, " / ")},
                             {"E-mail:", f.email}},
                            {0, 1, 4}});
    }
    h.grupos.push_back({"Dados da Obra:",
                        {{"Serviços:", o.servicos},
                         {"Endereço:", juntarTextos({o.endereco, o.numero, o.bairro}, ", ")},
                         {"Cidade:", juntarTextos({o.cidade, o.estado, o.cep}, " - ")}},
                        {0, 1, 2}});
    h.grupos.push_back({"Dados do Cliente:",
                        {{"Nome:", c.nome},
                         {"Endereço:", juntarTextos({c.endereco, c.numero, c.bairro}, ", ")},
                         {"Cidade:", juntarTextos({c.cidade, c.estado, c.cep}, " - ")},
                         {"Telefone:", juntarTextos({c.telefone, c.celular}, " / ")},
                         {"E-mail:", c.email}},
                        {0, 1, 4}});
    return h;
}

std::vector<std::string> referenciasEHipoteses(const ProjetoRedwan& p)
{
    std::vector<std::string> t{
        "ABNT NBR 8890: a classe do tubo e a sua carga mínima de ruptura P no ensaio de compressão diametral, "
        "tomada como carga de cálculo.",
        "ABNT NBR 6118: dimensionamento das seções de concreto armado à flexão composta no estado-limite último "
        "(domínios de deformação, bloco retangular de tensões, fyd = fyk/γs, fcd = fck/γc) e momento mínimo de "
        "fissuração com fctm = 0,3·fck^(2/3) e fctk,sup = 1,3·fctm.",
        "Esforços no anel sob a carga de ensaio, Mc = 0,293·P·rm, Ms = 0,182·P·rm, Ns = Vc = 0,5·P: valores "
        "adotados pelo método.",
        "Armadura máxima sem ruptura do cobrimento, força cortante última e abertura de fissuras: fórmulas e "
        "coeficientes adotados pelo método; armaduras mínimas de situações transitórias 1000·D²/(k·fyk): valor "
        "adotado pelo método.",
        "Faixa de cálculo de 1 m de tubo (b = 100 cm); aço CA 60 em telas soldadas da tabela do programa.",
        "Telas aceitas com até 2 % menos área que a requerida: a tela atende quando a sua área atinge "
        "0,98·AsIntReq (ou 0,98·AsExtReq).",
        "Carga de serviço da verificação de fissuras: Pserv = P/1,5.",
    };
    if (p.parametros.tipo == armaduraDupla)
        t.push_back("Armadura circular dupla: telas interna e externa nas posições d'int e d'ext; o coroamento e o "
                    "flanco são repetidos até o flanco não mudar.");
    else
        t.push_back("Armadura circular simples: uma tela, na posição da parede em que o coroamento e o flanco "
                    "ficam mais equilibrados; altura útil prática na grade de 0,5 cm.");
    return t;
}

// "O tubo atende às verificações", or what it fails.
std::pair<std::string, bool> veredito(const EstadoDimensionamento& e)
{
    if (!e.memoria.porSimbolo("Vu")) {
        if (e.memoria.passos.empty())
            return {"O tubo não atende: o dimensionamento não foi feito.", false};
        return {e.flagDimensionamento != 'S' ? "O tubo não atende: não há dimensionamento à flexão possível."
                                             : "O tubo não atende: nenhuma tela atinge a área requerida.",
                false};
    }
    // "Vu" is worked out only once the meshes were chosen.
    std::vector<std::string> falhas;
    if (!passaCobrimento(e))
        falhas.push_back("cobrimento");
    if (!passaCortante(e))
        falhas.push_back("cortante");
    if (!passaFissuras(e))
        falhas.push_back("fissuração");
    if (falhas.empty())
        return {"O tubo atende às verificações: armadura máxima do cobrimento, força cortante e abertura de fissuras.",
                true};
    std::string texto = "O tubo não atende: ";
    for (std::size_t i = 0; i < falhas.size(); ++i)
        texto += (i ? ", " : "") + falhas[i];
    return {texto + ".", false};
}

GrupoFolha dadosProjeto(const ProjetoRedwan& p)
{
    const ParametrosArmadura& a = p.parametros;
    const bool dupla = a.tipo == armaduraDupla;
    return {"Dados do Projeto:",
            {{"Diâmetro interno =", textoDiametro(p.geometria) + " mm"},
             {"Finalidade:", textoFinalidade(p.geometria)},
             {"Comprimento =", textoComprimento(p.geometria) + " m"},
             {"Tipo:", textoTipoTubo(p.geometria)},
             {"Classe do Tubo:", nomeClasseEscolhida(p.classe, p.geometria)},
             {"Carga mínima de ruptura:", cargaClasseEscolhida(p.classe, p.geometria) + " kN/m"},
             {"fck =", a.fck + " MPa"},
             {"Tipo de Armadura:", item(tiposArmadura(), a.tipo)},
             {"d'int =", dupla ? a.dInt + " cm" : "----"},
             {"d'ext =", dupla ? a.dExt + " cm" : "----"},
             {"Espessura da parede =", a.h + " mm"},
             {"γs =", a.gamaS},
             {"γc =", a.gamaC}}};
}

// Steel, concrete and cost of a design that got to its results: each mesh's
// weight with its formula and numbers.
void adicionarBlocoCusto(LayoutRelatorio& folha, const DadosRelatorioDimensionamento& dados,
                         const EstadoDimensionamento& estado)
{
    if (estado.flagDimensionamento != 'S' || estado.flagTelas != 'S')
        return;
    adicionarMemoria(folha, memoriaCusto(resultadoDimensionamento(estado), dados.precos));
}

} // namespace

LayoutRelatorio montarMemoriaDimensionamento(const DadosRelatorioDimensionamento& dados,
                                             const EstadoDimensionamento& estado)
{
    LayoutRelatorio folha = novaFolhaMemoria(
        "Memória de cálculo - Dimensionamento da armadura de tubos de concreto armado", cabecalho(dados));
    adicionarGrupoFolha(folha, dadosProjeto(dados.projeto));
    adicionarTextosFolha(folha, "Referências e hipóteses", referenciasEHipoteses(dados.projeto));
    adicionarMemoria(folha, estado.memoria);
    adicionarBlocoCusto(folha, dados, estado);
    const auto [texto, atende] = veredito(estado);
    // The verdict closes the trace on its page, with who signs it.
    folha.bandas.back().manterComSeguinte = true;
    adicionarVereditoFolha(folha, texto, atende);
    folha.bandas.back().manterComSeguinte = true;
    adicionarAssinatura(folha, assinaturaFabricante(dados));
    return folha;
}

LayoutRelatorio memoriaDimensionamentoDoProjeto(const DadosRelatorioDimensionamento& dados)
{
    EstadoDimensionamento estado;
    const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(dados.projeto), estado);
    if (x.desfecho == Desfecho::Interrompido) {
        // Nothing was computed: the sheet says why.
        estado = EstadoDimensionamento{};
        estado.memoria.titulo("Dimensionamento interrompido");
        estado.memoria.nota(x.mensagem);
    }
    return montarMemoriaDimensionamento(dados, estado);
}
