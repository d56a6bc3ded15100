#include "relatorioRecobrimentos.h"

#include "bandasRelatorio.h"
#include "dadosInstalacao.h"
#include "relatorioRede.h"
#include "numeros.h"

#include <algorithm>

namespace {

constexpr int linha = 25;
constexpr int linhaTabela = 15;
constexpr EstiloTexto estiloTitulo{16, true};
constexpr EstiloTexto estiloCelula{10, false, corPreta, Alinhamento::centro};
constexpr EstiloTexto estiloCabecalho{10, true, corPreta, Alinhamento::centro};
constexpr CorRgb corBorda{150, 150, 150};
constexpr CorRgb corCabecalho{230, 230, 230};

CorRgb rgb(CorClasse c) { return {c.r, c.g, c.b}; }

BandaRelatorio bandaParametros(const ProjetoTubo& p)
{
    const Instalacao& i = p.instalacao;
    std::vector<std::vector<ParLegendaValor>> linhas{
        {{0, "Finalidade:", itemLista(listaFinalidades(), p.geometria.finalidade)},
         {380, "Diâmetros:", "200 a 2000 mm (os da geometria)"}}};
    for (auto& l : linhasInstalacaoRede(p))
        linhas.push_back(std::move(l));
    linhas.push_back({{0, "Largura da vala:",
                       camposAplicaveis(i.tipo).larguraVala ? "a mínima de cada ponto (regra abaixo)" : "----"}});
    linhas.push_back({{0, "Sobrecarga:", textoSobrecargaProjeto(p.sobrecarga)}});
    for (auto& l : linhasBaseRede(p))
        linhas.push_back(std::move(l));
    linhas.push_back({{0, "Alturas de terra:", textoFaixaCoberturas() + ", a cada 0,01 m"}});
    return bandaPares("Parâmetros (do projeto):", linhas, 0);
}

// A cell: its background, its frame and its text, centred.
void celula(BandaRelatorio& b, int x, int y, int largura, int altura, const std::string& texto, bool negrito,
            CorRgb fundo, bool multilinha = false)
{
    b.retangulos.push_back({static_cast<double>(x), static_cast<double>(y), static_cast<double>(largura),
                            static_cast<double>(altura), fundo});
    for (const ItemLinha& l : {ItemLinha{double(x), double(y), double(x + largura), double(y), corBorda, 0.5},
                               ItemLinha{double(x), double(y + altura), double(x + largura), double(y + altura), corBorda, 0.5},
                               ItemLinha{double(x), double(y), double(x), double(y + altura), corBorda, 0.5},
                               ItemLinha{double(x + largura), double(y), double(x + largura), double(y + altura), corBorda, 0.5}})
        b.linhas.push_back(l);
    EstiloTexto estilo = negrito ? estiloCabecalho : estiloCelula;
    if (multilinha)
        adicionarCaixaTexto(b, x + 2, y + 2, largura - 4, altura - 2, texto, estilo);
    else
        adicionarTexto(b, x + 1, y + 2, texto, estilo, largura - 2);
}

// The covers of each class, one band per diameter so that a row grows with
// its intervals and a page break falls between rows.
std::vector<BandaRelatorio> bandasCoberturasPorClasse(const TabelaRecobrimentos& t, const LayoutRelatorio& l)
{
    const std::vector<CargaClasse> colunas = colunasClasses(t);
    const int larguraDi = 46;
    const int larguraClasse = colunas.empty() ? 0 : (larguraUtil(l) - larguraDi) / static_cast<int>(colunas.size());
    std::vector<BandaRelatorio> bandas;
    BandaRelatorio titulo{linha + 2 * linhaTabela};
    adicionarTexto(titulo, 0, 0, "Alturas de terra em que cada classe atende (m):", estiloTitulo);
    celula(titulo, 0, linha, larguraDi, 2 * linhaTabela, "DI (mm)", true, corCabecalho);
    for (std::size_t c = 0; c < colunas.size(); ++c) {
        const int x = larguraDi + static_cast<int>(c) * larguraClasse;
        celula(titulo, x, linha, larguraClasse, linhaTabela, colunas[c].classe, true,
               rgb(corClasse(colunas[c].armado ? colunas[c].classe : "", true)));
        celula(titulo, x, linha + linhaTabela, larguraClasse, linhaTabela, colunas[c].armado ? "armado" : "simples",
               true, corCabecalho);
    }
    bandas.push_back(std::move(titulo));
    for (const DiametroRecobrimento& d : t.diametros) {
        std::vector<std::string> textos;
        std::size_t linhas = 1;
        for (const CargaClasse& coluna : colunas) {
            const ClasseRecobrimento* c = classeDe(d, coluna);
            std::string texto = c ? textoIntervalos(c->intervalos) : "";
            // One interval a line.
            std::size_t n = 1;
            for (std::size_t pos = 0; (pos = texto.find("; ", pos)) != std::string::npos; ++n)
                texto.replace(pos, 2, "\n");
            linhas = std::max(linhas, n);
            textos.push_back(texto);
        }
        const int altura = static_cast<int>(linhas) * 12 + 4;
        BandaRelatorio b{altura};
        celula(b, 0, 0, larguraDi, altura, std::to_string(d.di), true, corCabecalho);
        for (std::size_t c = 0; c < colunas.size(); ++c)
            celula(b, larguraDi + static_cast<int>(c) * larguraClasse, 0, larguraClasse, altura, textos[c], false,
                   classeDe(d, colunas[c]) ? CorRgb{255, 255, 255} : CorRgb{235, 235, 235}, true);
        bandas.push_back(std::move(b));
    }
    BandaRelatorio nota{linha + 12};
    adicionarCaixaTexto(nota, 0, 6, larguraUtil(l), 0,
                        "Carga dos armados: Qd·di/1000 sem arredondamento; dos simples: a da tabela. \"—\": a classe "
                        "não atende em nenhuma altura; célula cinza: a classe não existe para o diâmetro.",
                        {10, false});
    bandas.push_back(std::move(nota));
    return bandas;
}

// The class at each cover, in two halves so that "Especial" fits its cell.
BandaRelatorio bandaClassePorCobertura(const TabelaRecobrimentos& t, const LayoutRelatorio& l)
{
    const std::vector<int>& coberturas = coberturasClassePorCobertura();
    const std::size_t meio = (coberturas.size() + 1) / 2;
    const int larguraDi = 46;
    const int larguraCelula = (larguraUtil(l) - larguraDi) / static_cast<int>(meio);
    const int alturaBloco = static_cast<int>(t.diametros.size() + 1) * linhaTabela + 14;
    BandaRelatorio b{linha + 2 * alturaBloco + linha};
    adicionarTexto(b, 0, 0, "Menor classe armada que atende em cada altura de terra:", estiloTitulo);
    for (int bloco = 0; bloco < 2; ++bloco) {
        const std::size_t de = bloco == 0 ? 0 : meio, ate = bloco == 0 ? meio : coberturas.size();
        int y = linha + bloco * alturaBloco;
        celula(b, 0, y, larguraDi, linhaTabela, "hs (m)", true, corCabecalho);
        for (std::size_t k = de; k < ate; ++k)
            celula(b, larguraDi + static_cast<int>(k - de) * larguraCelula, y, larguraCelula, linhaTabela,
                   formatar2(coberturas[k] / 100.0), true, corCabecalho);
        for (const DiametroRecobrimento& d : t.diametros) {
            y += linhaTabela;
            celula(b, 0, y, larguraDi, linhaTabela, std::to_string(d.di), true, corCabecalho);
            for (std::size_t k = de; k < ate; ++k) {
                const std::string classe = classePorCobertura(d, coberturas[k]);
                const CorRgb fundo = classe == semClasseCobertura ? CorRgb{255, 255, 255} : rgb(corClasse(classe, true));
                celula(b, larguraDi + static_cast<int>(k - de) * larguraCelula, y, larguraCelula, linhaTabela, classe,
                       false, fundo);
            }
        }
    }
    adicionarCaixaTexto(b, 0, linha + 2 * alturaBloco - 6, larguraUtil(l), 0,
                        "\"Especial\": nenhuma classe armada atende; \"—\": o ponto não tem R (verificações da "
                        "instalação ou da sobrecarga) ou não há tubo armado do diâmetro.",
                        {10, false});
    b.quebraPagina = true;
    return b;
}

} // namespace

std::vector<CargaClasse> colunasClasses(const TabelaRecobrimentos& tabela)
{
    std::vector<CargaClasse> armados, simples;
    for (const DiametroRecobrimento& d : tabela.diametros)
        for (const ClasseRecobrimento& c : d.classes) {
            auto& lista = c.carga.armado ? armados : simples;
            if (std::none_of(lista.begin(), lista.end(), [&](const CargaClasse& k) { return k.classe == c.carga.classe; }))
                lista.push_back(c.carga);
        }
    armados.insert(armados.end(), simples.begin(), simples.end());
    return armados;
}

const ClasseRecobrimento* classeDe(const DiametroRecobrimento& d, const CargaClasse& coluna)
{
    for (const ClasseRecobrimento& c : d.classes)
        if (c.carga.classe == coluna.classe && c.carga.armado == coluna.armado)
            return &c;
    return nullptr;
}

void adicionarGrafico(BandaRelatorio& banda, const GraficoRecobrimento& g, int x, int y)
{
    for (const RetanguloGrafico& r : g.retangulos)
        banda.retangulos.push_back({x + r.x, y + r.y, r.largura, r.altura, rgb(r.cor)});
    for (const LinhaGrafico& l : g.linhas)
        banda.linhas.push_back({x + l.x1, y + l.y1, x + l.x2, y + l.y2, rgb(l.cor), l.espessura, l.tracejada});
    constexpr int caixa = 300;
    for (const TextoGrafico& t : g.textos) {
        const EstiloTexto estilo{t.tamanho, t.negrito, rgb(t.cor),
                                 t.alinhamento == AlinhamentoGrafico::esquerda ? Alinhamento::esquerda
                                 : t.alinhamento == AlinhamentoGrafico::centro ? Alinhamento::centro
                                                                               : Alinhamento::direita};
        const int esquerda = t.alinhamento == AlinhamentoGrafico::esquerda ? 0
                             : t.alinhamento == AlinhamentoGrafico::centro ? caixa / 2
                                                                           : caixa;
        // The report's line is 1,2 font sizes high; its centre goes on y.
        adicionarTexto(banda, x + static_cast<int>(t.x) - esquerda, y + static_cast<int>(t.y - 0.6 * t.tamanho), t.texto,
                       estilo, t.alinhamento == AlinhamentoGrafico::esquerda ? 0 : caixa);
    }
}

LayoutRelatorio montarRelatorioRecobrimentos(const ProjetoTubo& projeto, const TabelaRecobrimentos& tabela,
                                             int indiceGrafico, const MomentoRelatorio& momento)
{
    LayoutRelatorio l;
    l.titulo = "Tabela de recobrimentos";
    l.numerarPaginas = true;
    l.bandas = {bandaCabecalhoRelatorio(l, momento, tituloRelatorioRecobrimentos), bandaProjetista(projeto.projetista),
                bandaObra(projeto.obra), bandaCliente(projeto.cliente), bandaParametros(projeto),
                bandaRegraCalculo(l, "Regra de cálculo:", regraTabelaRecobrimentos())};
    for (BandaRelatorio& b : bandasCoberturasPorClasse(tabela, l))
        l.bandas.push_back(std::move(b));
    l.bandas.push_back(bandaClassePorCobertura(tabela, l));
    if (indiceGrafico >= 0 && indiceGrafico < static_cast<int>(tabela.diametros.size())) {
        const int largura = larguraUtil(l);
        const DiametroRecobrimento& d = tabela.diametros[static_cast<std::size_t>(indiceGrafico)];
        const GraficoRecobrimento g = montarGraficoRecobrimento(d, largura, 600, false);
        BandaRelatorio b{linha + 610};
        adicionarTexto(b, 0, 0, "Resistência necessária R e cargas das classes, DI " + std::to_string(d.di) + " mm:",
                       estiloTitulo);
        adicionarGrafico(b, g, 0, linha + 4);
        l.bandas.push_back(std::move(b));
    }
    return l;
}
