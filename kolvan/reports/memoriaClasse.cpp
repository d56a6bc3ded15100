#include "memoriaClasse.h"

#include "ProjetoTubo.h"
#include "assinaturaRelatorio.h"
#include "basesAssentamento.h"
#include "basesConcreto.h"
#include "dadosInstalacao.h"
#include "folhaMemoria.h"
#include "limitesInstalacao.h"
#include "numeros.h"
#include "relatorioClasse.h"
#include "sobrecargaEntrada.h"

namespace {

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
               {"Endereço:", juntarTextos({d.endereco, d.numero, d.bairro}, ", ")},
               {"Cidade:", juntarTextos({d.cidade, d.estado, d.cep}, " - ")},
               {"Telefone:", juntarTextos({d.telefone, d.celular}, " / ")},
               {"E-mail:", d.email}},
              {2, 5}},
             {"Dados da Obra:",
              {{"Serviços:", o.servicos},
               {"Endereço:", juntarTextos({o.endereco, o.numero, o.bairro}, ", ")},
               {"Cidade:", juntarTextos({o.cidade, o.estado, o.cep}, " - ")}},
              {0, 1, 2}},
             {"Dados do Cliente:",
              {{"Nome:", c.nome},
               {"Endereço:", juntarTextos({c.endereco, c.numero, c.bairro}, ", ")},
               {"Cidade:", juntarTextos({c.cidade, c.estado, c.cep}, " - ")},
               {"Telefone:", juntarTextos({c.telefone, c.celular}, " / ")},
               {"E-mail:", c.email}},
              {0, 1, 4}}}};
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
                      {"Finalidade:", itemLista(listaFinalidades(), g.finalidade)},
                      {"Comprimento =", textoComprimento(g) + " m"},
                      {"Tipo:", itemLista(listaTiposTubo(), g.tipoTubo)},
                      {"Instalação:", itemLista(listaTiposInstalacao(), i.tipo)},
                      {"Terreno:", itemLista(listaTerrenos(), i.terreno)},
                      {"Peso específico do solo γ =", i.gama + " kN/m³"},
                      {"Kμ =", i.kMi},
                      {"Altura de terra hs =", i.alturaTerra + " m"}}};
    auto& l = grupo.linhas;
    if (i.tipo != ProjecaoPositiva)
        l.push_back({"Largura da vala bv =", i.larguraVala + " m"});
    if (i.tipo != Vala) {
        l.push_back({"Altura da projeção ha =", i.alturaHa + " m"});
        l.push_back({"Razão de recalque rsd =", i.razaoRecalque});
    }
    if (i.tipo == ProjecaoNegativa)
        l.push_back({"Aterro bem compactado:", i.aterroCompactado ? "Sim" : "Não"});
    l.push_back({"Sobrecarga:", itemLista(listaNaturezasSobrecarga(), s.natureza)});
    if (s.natureza == 0)
        l.push_back({"Tipo de tráfego:", trafegos[s.trafego >= 0 && s.trafego < 3 ? s.trafego : 0]});
    else if (s.natureza == 3)
        l.push_back({"Força =", s.carga + " kN"});
    else if (s.natureza == 4)
        l.push_back({"Valor =", s.carga + " kN/m"});
    l.push_back({"Base:", itemLista(listaClassesBase(), base.classe)});
    l.push_back({"Fator de equivalência fe =", base.fator});
    l.push_back({"Coeficiente de segurança γf =", base.coefSeguranca});
    return grupo;
}

// Which of the concrete cradles a class A trench bedding took, by its factor.
std::string bercoClasseA(const std::string& fator)
{
    const auto& bases = basesConcreto();
    for (int linha = 0; linha < linhasBasesConcreto; ++linha)
        for (int coluna = 0; coluna < colunasBasesConcreto; ++coluna)
            if (fator == bases[linha][coluna].fator)
                return std::string("Base de concreto (classe A): fe = ") + fator + ", berço de concreto "
                       + (coluna == 0 ? "armado" : "sem armadura") + " com altura de/" + std::to_string(2 * (linha + 1))
                       + " acima da geratriz inferior externa e espessura di/4 sob o tubo.";
    return "Base de concreto (classe A): fe = " + fator + ", informado na janela da base.";
}

std::vector<std::string> referencias()
{
    return {
        "ABNT NBR 8890: classes de resistência dos tubos de concreto armados e simples e suas cargas mínimas de "
        "ruptura no ensaio de compressão diametral.",
        "Teoria de Marston–Spangler: carga de terra na vala e no aterro com projeção positiva e negativa, com o "
        "plano de igual recalque.",
        "Fórmula de Spangler para o fator de equivalência das bases em aterro, fe = 1,431/(N − x·q); os "
        "coeficientes N e x de cada classe de base e a razão de pressões K são valores adotados pelo método.",
        "Sobrecarga pelo espraiamento das cargas de superfície através do solo (1,4·hs e 1,05·D), fator de "
        "impacto por faixa de altura de terra e mínimo de 5 kN/m² sobre o diâmetro externo: valores adotados "
        "pelo método.",
        "Resistência necessária no ensaio de compressão diametral: R = (W + qs)/fe·γf.",
    };
}

std::vector<std::string> hipoteses(const ProjetoTubo& p)
{
    const Instalacao& i = p.instalacao;
    std::vector<std::string> h{"Diâmetro externo de = 1,2·di (parede t = 0,1·di): valor adotado pelo método."};
    const bool compactada = i.tipo == ProjecaoNegativa && i.aterroCompactado;
    if (compactada)
        h.push_back("Projeção negativa com aterro bem compactado: calculada como projeção positiva, com o "
                    "diâmetro externo; a largura da vala bv não é usada.");
    else if (i.tipo != ProjecaoPositiva)
        h.push_back("Carga de comparação: aterro com projeção positiva do mesmo tubo, com ha = 0,5·D e rsd = 1,0; "
                    "governa a menor das duas cargas.");
    switch (p.sobrecarga.natureza) {
    case 0:
        h.push_back("Sobrecarga rodoviária: a teoria vale enquanto o espraiamento de uma roda cobre o diâmetro "
                    "externo (hs ≥ hs,mín).");
        break;
    case 3:
        h.push_back("Força parcialmente distribuída: sem verificação da altura de terra mínima da teoria e sem "
                    "fator de impacto.");
        break;
    case 4:
        h.push_back("Sobrecarga definida pelo usuário: qs é a carga por metro de tubo informada, sem espraiamento "
                    "nem fator de impacto.");
        break;
    default:
        break;
    }
    if (usaBaseAterro(i))
        h.push_back("Base em aterro: o fator de equivalência é calculado com a razão de projeção e o coeficiente "
                    "de carga da projeção positiva.");
    else if (p.baseVala.classe == 0)
        h.push_back(bercoClasseA(p.baseVala.fator));
    return h;
}

std::string verificacao(const std::string& esquerda, bool atende, const std::string& sinal,
                        const std::string& contrario, const std::string& direita)
{
    return esquerda + " " + (atende ? sinal : contrario) + " " + direita + (atende ? ": atende" : ": não atende");
}

std::vector<LinhaVerificacao> verificacoes(const ProjetoTubo& p, const CalculoClasse& calculo)
{
    constexpr double folga = 1e-9;
    const ValoresTrabalho v = valoresTrabalho(p);
    const Instalacao& i = p.instalacao;
    const std::string hs = "hs = " + formatar2(v.hs) + " m";
    std::vector<LinhaVerificacao> r;
    const bool hsOk = v.hs >= 0.60 - folga;
    r.push_back({"Altura de terra mínima", verificacao(hs, hsOk, "≥", "<", "0,60 m"), hsOk});
    // The trench width is checked wherever the installation has one, as the
    // installation check does.
    if (camposAplicaveis(i.tipo).larguraVala) {
        const double bvMin = larguraMinimaVala(v.D);
        const bool ok = v.bv >= bvMin - folga;
        r.push_back({"Largura mínima da vala",
                     verificacao("bv = " + formatar2(v.bv) + " m", ok, "≥", "<",
                                 "D + 0,50 = " + formatar3(v.D) + " + 0,50 = " + formatar3(bvMin) + " m"),
                     ok});
    }
    if (usaBaseAterro(i)) {
        static const char* fatores[] = {"0,75", "0,90", "0,90", "1,00"};
        const int classe = p.baseAterro.classe;
        const double haMax = alturaMaximaProjecao(classe, v.D);
        const bool ok = v.ha <= haMax + folga;
        const std::string limite = classe >= 0 && classe < 4
                                       ? std::string(fatores[classe]) + "·D = " + fatores[classe] + "·" + formatar3(v.D)
                                             + " = " + formatar2(haMax) + " m"
                                       : formatar2(haMax) + " m";
        r.push_back({"Altura máxima da projeção para a base",
                     verificacao("ha = " + formatar2(v.ha) + " m", ok, "≤", ">", limite), ok});
    }
    if (i.tipo == ProjecaoNegativa && !i.aterroCompactado) {
        const bool ok = 0.95 * v.hs > v.ha;
        r.push_back({"Projeção abaixo da altura de terra",
                     verificacao("ha = " + formatar2(v.ha) + " m", ok, "<", "≥",
                                 "0,95·hs = 0,95·" + formatar2(v.hs) + " = " + formatar4(0.95 * v.hs) + " m"),
                     ok});
    }
    if (const PassoMemoria* minimo = calculo.memoria.porChave("hsMin")) {
        if (minimo->valor <= 0.0) {
            r.push_back({"Altura de terra mínima da teoria da sobrecarga",
                         "hs,mín = " + valorMemoria(*minimo) + " m ≤ 0: sem exigência", true});
        } else {
            const bool ok = v.hs >= minimo->valor - folga;
            r.push_back({"Altura de terra mínima da teoria da sobrecarga",
                         verificacao(hs, ok, "≥", "<", "hs,mín = " + valorMemoria(*minimo) + " m"), ok});
        }
    }
    return r;
}

} // namespace

GrupoFolha dadosProjetoClasse(const ProjetoTubo& p) { return dadosProjeto(p); }

CabecalhoFolha cabecalhoMemoriaClasse(const ProjetoTubo& p, const MomentoRelatorio& momento)
{
    return cabecalho(p, momento);
}

void adicionarCorpoMemoriaClasse(LayoutRelatorio& folha, const ProjetoTubo& p, const CalculoClasse& calculo)
{
    adicionarGrupoFolha(folha, dadosProjeto(p));
    std::vector<std::string> textos = referencias();
    for (std::string& h : hipoteses(p))
        textos.push_back(std::move(h));
    adicionarTextosFolha(folha, "Referências e hipóteses", textos);
    adicionarMemoria(folha, calculo.memoria);
    adicionarVerificacoesFolha(folha, "Verificações da instalação", verificacoes(p, calculo));
    if (calculo.calculada()) {
        // The results never open a page alone.
        folha.bandas.back().manterComSeguinte = true;
        const Resultado& r = p.resultado;
        adicionarGrupoFolha(folha, {"Resultados - Classe",
                                    {{"Resistência necessária (calculada) =", r.textoValor},
                                     {"Classe do Tubo:", r.textoClasse},
                                     {r.linhaArmado, ""},
                                     {r.linhaSimples, ""}},
                                    {0, 1, 2, 3}});
    }
}

LayoutRelatorio montarMemoriaClasse(const ProjetoTubo& p, const CalculoClasse& calculo,
                                    const MomentoRelatorio& momento)
{
    LayoutRelatorio folha =
        novaFolhaMemoria("Memória de cálculo - Especificação da classe de resistência dos tubos de concreto",
                         cabecalho(p, momento));
    adicionarCorpoMemoriaClasse(folha, p, calculo);
    // The results and who signs them share their page.
    folha.bandas.back().manterComSeguinte = true;
    adicionarAssinatura(folha, assinaturaProjetista(p, momento));
    return folha;
}

LayoutRelatorio memoriaClasseDoProjeto(const ProjetoTubo& p, const MomentoRelatorio& momento)
{
    ProjetoTubo copia = p;
    EstadoSobrecarga estado;
    const CalculoClasse calculo = calcularClasse(copia, estado);
    return montarMemoriaClasse(copia, calculo, momento);
}
