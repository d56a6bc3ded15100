#include "memoriaClasse.h"

#include "ProjetoTubo.h"
#include "folhaMemoria.h"
#include "sobrecargaEntrada.h"

namespace {

std::string item(const std::vector<std::string>& lista, int indice)
{
    return indice >= 0 && indice < static_cast<int>(lista.size()) ? lista[static_cast<std::size_t>(indice)]
                                                                 : std::string();
}

std::string juntar(std::initializer_list<std::string> partes, const char* separador)
{
    std::string r;
    for (const std::string& p : partes) {
        if (p.empty())
            continue;
        if (!r.empty())
            r += separador;
        r += p;
    }
    return r;
}

CabecalhoFolha cabecalho(const ProjetoTubo& p, const MomentoRelatorio& m)
{
    const DadosProjetista& d = p.projetista;
    const DadosObra& o = p.obra;
    const DadosCliente& c = p.cliente;
    return {"ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO",
            m.data,
            m.hora,
            {{"Dados do Projetista:",
              {{"Nome:", d.nome},
               {"CREA:", d.crea},
               {"Endereço:", juntar({d.endereco, d.numero, d.bairro}, ", ")},
               {"Cidade:", juntar({d.cidade, d.estado, d.cep}, " - ")},
               {"Telefone:", juntar({d.telefone, d.celular}, " / ")},
               {"E - mail:", d.email}}},
             {"Dados da Obra:",
              {{"Serviços:", o.servicos},
               {"Endereço:", juntar({o.endereco, o.numero, o.bairro}, ", ")},
               {"Cidade:", juntar({o.cidade, o.estado, o.cep}, " - ")}}},
             {"Dados do Cliente:",
              {{"Nome:", c.nome},
               {"Endereço:", juntar({c.endereco, c.numero, c.bairro}, ", ")},
               {"Cidade:", juntar({c.cidade, c.estado, c.cep}, " - ")},
               {"Telefone:", juntar({c.telefone, c.celular}, " / ")}}}}};
}

GrupoFolha dadosProjeto(const ProjetoTubo& p)
{
    static const char* trafegos[] = {"Classe 45", "Classe 30", "Eixo triplo"};
    const Geometria& g = p.geometria;
    const Instalacao& i = p.instalacao;
    const Sobrecarga& s = p.sobrecarga;
    const BaseAssentamento& base = baseEmUso(p);
    GrupoFolha grupo{"Dados do Projeto:",
                     {{"Diâmetro interno =", textoDiametro(g) + " mm"},
                      {"Finalidade:", item(listaFinalidades(), g.finalidade)},
                      {"Comprimento =", textoComprimento(g) + " m"},
                      {"Tipo:", item(listaTiposTubo(), g.tipoTubo)},
                      {"Instalação:", item(listaTiposInstalacao(), i.tipo)},
                      {"Terreno:", item(listaTerrenos(), i.terreno)},
                      {"Peso específico do solo =", i.gama + " kN/m³"},
                      {"k.u =", i.kMi},
                      {"Altura de terra (hs) =", i.alturaTerra + " m"}}};
    auto& l = grupo.linhas;
    if (i.tipo != ProjecaoPositiva)
        l.push_back({"Largura da vala (bv) =", i.larguraVala + " m"});
    if (i.tipo != Vala) {
        l.push_back({"Altura (ha) =", i.alturaHa + " m"});
        l.push_back({"Razão de recalque =", i.razaoRecalque});
    }
    if (i.tipo == ProjecaoNegativa)
        l.push_back({"Aterro com boas condições de compactação:", i.aterroCompactado ? "Sim" : "Não"});
    l.push_back({"Sobrecarga:", item(listaNaturezasSobrecarga(), s.natureza)});
    if (s.natureza == 0)
        l.push_back({"Tipo de Tráfego:", trafegos[s.trafego >= 0 && s.trafego < 3 ? s.trafego : 0]});
    else if (s.natureza == 3)
        l.push_back({"Força =", s.carga + " kN"});
    else if (s.natureza == 4)
        l.push_back({"Valor =", s.carga + " kN/m"});
    l.push_back({"Base:", item(listaClassesBase(), base.classe)});
    l.push_back({"Fator de equivalência =", base.fator});
    l.push_back({"Coeficiente de segurança γf =", base.coefSeguranca});
    return grupo;
}

} // namespace

LayoutRelatorio montarMemoriaClasse(const ProjetoTubo& p, const CalculoClasse& calculo,
                                    const MomentoRelatorio& momento)
{
    LayoutRelatorio folha =
        novaFolhaMemoria("Memória de cálculo - Especificação da classe de resistência dos tubos de concreto",
                         cabecalho(p, momento));
    adicionarGrupoFolha(folha, dadosProjeto(p));
    adicionarMemoria(folha, calculo.memoria);
    if (calculo.calculada()) {
        const Resultado& r = p.resultado;
        adicionarGrupoFolha(folha, {"Resultados - Classe",
                                    {{"Resistência necessária (calculada) =", r.textoValor},
                                     {"Classe do Tubo:", r.textoClasse},
                                     {r.linhaArmado, ""},
                                     {r.linhaSimples, ""}}});
    }
    return folha;
}

LayoutRelatorio memoriaClasseDoProjeto(const ProjetoTubo& p, const MomentoRelatorio& momento)
{
    ProjetoTubo copia = p;
    EstadoSobrecarga estado;
    const CalculoClasse calculo = calcularClasse(copia, estado);
    return montarMemoriaClasse(copia, calculo, momento);
}
