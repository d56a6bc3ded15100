#include "relatorioClasse.h"

#include "ProjetoTubo.h"
#include "bandasRelatorio.h"
#include "basesAssentamento.h"
#include "dadosInstalacao.h"
#include <ctime>

namespace {

constexpr int linha = 25; // rows of a band are this far apart
constexpr EstiloTexto estiloTitulo{16, true};
constexpr EstiloTexto estiloPagina{11, true, corPreta, Alinhamento::direita};
// Columns of the rows with two and three pairs.
constexpr int coluna2 = 420;
// The address rows give the district and the city their room; the contact
// row gives the e-mail, the longest of its texts, the most.
constexpr int colunaNumero = 330;
constexpr int colunaBairro = 450;
constexpr int colunaCelular = 240;
constexpr int colunaEmail = 440;

BandaRelatorio bandaPagina(const LayoutRelatorio& l, const char* texto)
{
    BandaRelatorio b{24};
    adicionarTexto(b, 0, 0, texto, estiloPagina, larguraUtil(l));
    return b;
}

} // namespace

BandaRelatorio bandaCabecalhoRelatorio(const LayoutRelatorio& l, const MomentoRelatorio& m, const std::string& titulo)
{
    BandaRelatorio b{64};
    adicionarTexto(b, 0, 0, titulo, {19, true, corVermelha, Alinhamento::centro}, larguraUtil(l));
    const EstiloTexto gerado{11, true, corVermelha};
    adicionarTexto(b, 230, 32, "Gerado no Dia:", gerado);
    adicionarTextoApos(b, 5, 32, m.data, gerado);
    adicionarTextoApos(b, 5, 32, "ás", gerado);
    adicionarTextoApos(b, 5, 32, m.hora, gerado);
    adicionarTextoApos(b, 5, 32, "hs", gerado);
    return b;
}

std::string itemLista(const std::vector<std::string>& lista, int indice)
{
    return indice >= 0 && indice < static_cast<int>(lista.size()) ? lista[static_cast<std::size_t>(indice)]
                                                                 : std::string();
}

BandaRelatorio bandaPares(const std::string& titulo, const std::vector<std::vector<ParLegendaValor>>& linhas,
                          int direita)
{
    BandaRelatorio b{static_cast<int>(linhas.size() + 1) * linha + 10};
    adicionarTexto(b, 0, 0, titulo, estiloTitulo);
    int y = linha;
    for (const auto& pares : linhas) {
        adicionarLinhaPares(b, y, pares, estiloLegenda, estiloValor, espacoLegendaValor, direita);
        y += linha;
    }
    return b;
}


BandaRelatorio bandaProjetista(const DadosProjetista& d)
{
    return bandaPares("Dados do Projetista:",
                      {{{0, "Nome:", d.nome}, {coluna2, "CREA:", d.crea}},
                       {{0, "Endereço:", d.endereco}, {colunaNumero, "Número:", d.numero}, {colunaBairro, "Bairro:", d.bairro}},
                       {{0, "Cidade:", d.cidade}, {colunaNumero, "Estado:", d.estado}, {colunaBairro, "CEP:", d.cep}},
                       {{0, "Telefone:", d.telefone}, {colunaCelular, "Celular:", d.celular}, {colunaEmail, "E - mail:", d.email}}});
}

BandaRelatorio bandaObra(const DadosObra& d)
{
    return bandaPares("Dados da Obra:",
                      {{{0, "Especificação dos Serviços Prestados:", d.servicos}},
                       {{0, "Endereço:", d.endereco}, {colunaNumero, "Número:", d.numero}, {colunaBairro, "Bairro:", d.bairro}},
                       {{0, "Cidade:", d.cidade}, {colunaNumero, "Estado:", d.estado}, {colunaBairro, "CEP:", d.cep}}});
}

BandaRelatorio bandaCliente(const DadosCliente& d)
{
    return bandaPares("Dados do Cliente:",
                      {{{0, "Nome:", d.nome}},
                       {{0, "Endereço:", d.endereco}, {colunaNumero, "Número:", d.numero}, {colunaBairro, "Bairro:", d.bairro}},
                       {{0, "Cidade:", d.cidade}, {colunaNumero, "Estado:", d.estado}, {colunaBairro, "CEP:", d.cep}},
                       {{0, "Telefone:", d.telefone}, {colunaCelular, "Celular:", d.celular}, {colunaEmail, "E - mail:", d.email}}});
}

namespace {

BandaRelatorio bandaGeometria(const Geometria& g)
{
    return bandaPares("Dados da Geometria:",
                      {{{0, "Diâmetro interno =", textoDiametro(g) + " mm"},
                        {coluna2, "Finalidade:", itemLista(listaFinalidades(), g.finalidade)}},
                       {{0, "Comprimento Longitudinal =", textoComprimento(g) + " m"},
                        {coluna2, "Tipo:", itemLista(listaTiposTubo(), g.tipoTubo)}}});
}

BandaRelatorio bandaInstalacao(const Instalacao& i)
{
    const std::string nada = "----";
    const bool vala = i.tipo == Vala;
    const bool positiva = i.tipo == ProjecaoPositiva;
    const std::vector<std::vector<ParLegendaValor>> linhas{
        {{0, "Tipo de instalação:", itemLista(listaTiposInstalacao(), i.tipo)}},
        {{0, "Tipo de terreno:", itemLista(listaTerrenos(), i.terreno)}},
        {{0, "Peso específico do solo =", i.gama + " kN/m ³"}},
        {{0, "k.u =", i.kMi}},
        {{0, "Razão de recalque =", vala ? nada : i.razaoRecalque}},
        {{0, "Altura de terra (hs):", i.alturaTerra + " m"}},
        {{0, "Largura da vala (bv) =", positiva ? nada : i.larguraVala + " m"}},
        {{0, "Altura (ha) =", vala ? nada : i.alturaHa + " m"}},
        {{0, "Aterro com boas condições de compactação: ",
          i.tipo == ProjecaoNegativa ? (i.aterroCompactado ? "Sim" : "Não") : nada}},
    };
    // The values stop short of the picture beside them.
    BandaRelatorio b = bandaPares("Dados da Instalação:", linhas, 432);
    adicionarImagem(b, 440, linha, 270, 200, figuraInstalacao(i.tipo, i.aterroCompactado));
    return b;
}

BandaRelatorio bandaSobrecarga(const Sobrecarga& s)
{
    static const char* tipos[] = {"Classe 45", "Classe 30", "Eixo triplo"};
    static const char* pesos[] = {"450 kN", "300 kN", "255 kN"};
    const int t = s.trafego >= 0 && s.trafego < 3 ? s.trafego : 0;
    std::string natureza, legenda2, valor2, legenda3, valor3;
    switch (s.natureza) {
    case 0:
        natureza = "Rodoviaria";
        legenda2 = "Tipo de Tráfego:";
        valor2 = tipos[t];
        legenda3 = "Peso do veículo =";
        valor3 = pesos[t];
        break;
    case 3:
        natureza = "Força parcialmente distribuída";
        legenda2 = "Distribuição:";
        valor2 = s.distribuicao == 1 ? "Em duas areas" : "Em uma area";
        legenda3 = "Valor =";
        valor3 = s.carga + " kN";
        break;
    case 4:
        natureza = "Definida pelo usuário";
        legenda2 = "Valor =";
        valor2 = s.carga + " kN/m";
        break;
    case 5:
        natureza = "Nula ou desprezível";
        legenda2 = "Valor =";
        valor2 = "0,00";
        break;
    default: // rail and air loads are not specified: only their nature
        natureza = s.natureza == 1 ? "Ferroviária" : "Aeroviária";
        break;
    }
    std::vector<std::vector<ParLegendaValor>> linhas{{{0, "Natureza:", natureza}}};
    if (!legenda2.empty())
        linhas.push_back({{0, legenda2, valor2}});
    if (!legenda3.empty())
        linhas.push_back({{0, legenda3, valor3}});
    BandaRelatorio b = bandaPares("Dados da Sobrecarga:", linhas);
    b.altura = 4 * linha + 10;
    return b;
}

BandaRelatorio bandaBase(const ProjetoTubo& p, const LayoutRelatorio& l)
{
    const bool aterro = usaBaseAterro(p.instalacao);
    const BaseAssentamento& base = baseEmUso(p);
    BandaRelatorio b{0};
    adicionarTexto(b, 0, 0, "Dados da Base:", estiloTitulo);
    adicionarLinhaPares(b, linha, {{0, "Tipo:", itemLista(listaClassesBase(), base.classe)}});
    const std::string descricao = aterro ? descricaoBaseAterro(base.classe) : descricaoBaseVala(base.classe);
    // The description grows as its lines need; its picture is the next band.
    adicionarCaixaTexto(b, 0, 2 * linha, larguraUtil(l), 0, descricao);
    b.altura = 2 * linha;
    return b;
}

BandaRelatorio bandaFigura(const std::string& caminho, const LayoutRelatorio& l)
{
    BandaRelatorio b{250};
    adicionarImagem(b, (larguraUtil(l) - 320) / 2, 10, 320, 230, caminho);
    return b;
}

BandaRelatorio bandaFatores(const BaseAssentamento& base)
{
    BandaRelatorio b{2 * linha + 10};
    adicionarLinhaPares(b, 0, {{0, "Fator de equivalência =", base.fator}});
    // γ with the index f.
    adicionarTexto(b, 0, linha, "γ", estiloLegenda);
    adicionarTexto(b, 9, linha + 5, "f", {10, true});
    adicionarTexto(b, 17, linha, "=", estiloLegenda);
    adicionarTexto(b, 31, linha, base.coefSeguranca);
    return b;
}

BandaRelatorio bandaResultado(const Resultado& r)
{
    BandaRelatorio b{7 * linha + 10};
    adicionarTexto(b, 0, 0, "Resultados - Classe", estiloTitulo);
    adicionarTexto(b, 0, linha, "Resistência necessária (calculada): ", estiloLegenda);
    adicionarLinhaPares(b, 2 * linha, {{20, "Valor =", r.textoValor}});
    adicionarTexto(b, 0, 3 * linha, "Carga mínima de ruptura (conforme classe): ", estiloLegenda);
    adicionarTexto(b, 20, 4 * linha, r.linhaArmado);
    adicionarTexto(b, 20, 5 * linha, r.linhaSimples);
    adicionarLinhaPares(b, 6 * linha, {{0, "Classe do Tubo:", r.textoClasse}});
    return b;
}

BandaRelatorio bandaObservacao(const LayoutRelatorio& l)
{
    BandaRelatorio b{0};
    adicionarTexto(b, 0, 0, "Observação:", estiloLegenda);
    adicionarCaixaTexto(b, 0, linha, larguraUtil(l), 0,
                        "Os campos onde aparecem como resultado \"----\" significa que não são necessarios para o "
                        "caso em questão.");
    b.altura = linha;
    return b;
}

} // namespace

LayoutRelatorio montarRelatorioClasse(const ProjetoTubo& p, const MomentoRelatorio& momento)
{
    LayoutRelatorio l;
    l.titulo = "Especificação da classe de resistência dos tubos de concreto";
    const BaseAssentamento& base = baseEmUso(p);
    const bool aterro = usaBaseAterro(p.instalacao);

    BandaRelatorio sobrecarga = bandaSobrecarga(p.sobrecarga);
    sobrecarga.quebraPagina = true; // page 2 opens with its marker
    l.bandas = {bandaPagina(l, "pagina 1 de 2"),
                bandaCabecalhoRelatorio(l, momento, tituloRelatorioClasse),
                bandaProjetista(p.projetista),
                bandaObra(p.obra),
                bandaCliente(p.cliente),
                bandaGeometria(p.geometria),
                bandaInstalacao(p.instalacao),
                sobrecarga,
                bandaPagina(l, "pagina 2 de 2"),
                bandaBase(p, l),
                bandaFigura(aterro ? figuraBaseAterro(base.classe) : figuraBaseVala(base.classe), l),
                bandaFatores(base),
                bandaResultado(p.resultado),
                bandaObservacao(l)};
    // The report's pages are numbered in advance: the block fits on the last.
    adicionarAssinaturaCompacta(l, assinaturaProjetista(p, momento));
    return l;
}

DadosAssinatura assinaturaProjetista(const ProjetoTubo& p, const MomentoRelatorio& m)
{
    const DadosProjetista& d = p.projetista;
    std::string local = localAssinatura(d.cidade, d.estado);
    if (local.empty())
        local = localAssinatura(p.obra.cidade, p.obra.estado);
    return {{{"Projetista:", d.nome}, {"CREA:", d.crea}},
            local,
            m.data,
            {d.nome.empty() ? "Projetista" : d.nome, d.crea.empty() ? "CREA nº ______________" : "CREA " + d.crea}};
}

MomentoRelatorio momentoAtual()
{
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    char data[16], hora[8];
    std::strftime(data, sizeof data, "%d/%m/%Y", &local);
    std::strftime(hora, sizeof hora, "%H:%M", &local);
    return {data, hora};
}
