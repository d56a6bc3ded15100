#include "memoriaDimensionamento.h"

#include "dadosRelatorioDimensionamento.h"
#include "custoTubo.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "folhaMemoria.h"

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
                             {"Cidade:", juntarTextos({f.cidade, f.estado}, " - ")},
                             {"Telefone:", f.telefone},
                             {"E-mail:", f.email}}});
    }
    h.grupos.push_back({"Dados da Obra:",
                        {{"Serviços:", o.servicos},
                         {"Endereço:", juntarTextos({o.endereco, o.numero, o.bairro}, ", ")},
                         {"Cidade:", juntarTextos({o.cidade, o.estado, o.cep}, " - ")}}});
    h.grupos.push_back({"Dados do Cliente:",
                        {{"Nome:", c.nome},
                         {"Endereço:", juntarTextos({c.endereco, c.numero, c.bairro}, ", ")},
                         {"Cidade:", juntarTextos({c.cidade, c.estado, c.cep}, " - ")},
                         {"Telefone:", juntarTextos({c.telefone, c.celular}, " / ")}}});
    return h;
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
    adicionarMemoria(folha, estado.memoria);
    adicionarBlocoCusto(folha, dados, estado);
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
