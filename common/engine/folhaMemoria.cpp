#include "folhaMemoria.h"

#include "bandasRelatorio.h"

namespace {

constexpr EstiloTexto estiloTituloFolha{19, true, corVermelha, Alinhamento::centro};
constexpr EstiloTexto estiloGrupo{15, true};
constexpr EstiloTexto estiloTituloPasso{13, true, CorRgb{0, 0, 128}};
constexpr EstiloTexto estiloNome{11, false, CorRgb{80, 80, 80}};
constexpr EstiloTexto estiloLinha{12, false};
constexpr EstiloTexto estiloNota{12, false, CorRgb{0, 0, 128}};
constexpr int colunaNome = 0;
constexpr int larguraNome = 230;
constexpr int colunaLinha = 240;
constexpr int linhaPar = 20;

BandaRelatorio bandaCaixa(int x, int largura, const std::string& texto, const EstiloTexto& estilo, int espacoAntes)
{
    BandaRelatorio b{0};
    adicionarCaixaTexto(b, x, espacoAntes, largura, 0, texto, estilo);
    return b;
}

} // namespace

std::string juntarTextos(std::initializer_list<std::string> partes, const char* separador)
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

LayoutRelatorio novaFolhaMemoria(const std::string& titulo, const CabecalhoFolha& c)
{
    LayoutRelatorio folha;
    folha.titulo = titulo;
    folha.numerarPaginas = true;
    const int largura = larguraUtil(folha);

    // Every page says what it is and when it was made.
    BandaRelatorio& topo = folha.cabecalhoPagina;
    topo.altura = 24;
    const EstiloTexto pequeno{10, true, CorRgb{80, 80, 80}};
    adicionarTexto(topo, 0, 0, "Memória de cálculo - " + c.programa, pequeno);
    adicionarTexto(topo, 0, 0, c.data + " " + c.hora, {10, true, CorRgb{80, 80, 80}, Alinhamento::direita}, largura);

    BandaRelatorio cabecalho{64};
    adicionarTexto(cabecalho, 0, 0, "MEMÓRIA DE CÁLCULO", estiloTituloFolha, largura);
    adicionarTexto(cabecalho, 0, 24, c.programa, {13, true, corVermelha, Alinhamento::centro}, largura);
    const EstiloTexto gerado{11, true, corVermelha};
    adicionarTexto(cabecalho, 250, 44, "Gerado no Dia:", gerado);
    adicionarTextoApos(cabecalho, 5, 44, c.data, gerado);
    adicionarTextoApos(cabecalho, 5, 44, "ás", gerado);
    adicionarTextoApos(cabecalho, 5, 44, c.hora, gerado);
    adicionarTextoApos(cabecalho, 5, 44, "hs", gerado);
    folha.bandas.push_back(std::move(cabecalho));
    for (const GrupoFolha& g : c.grupos)
        adicionarGrupoFolha(folha, g);
    return folha;
}

void adicionarGrupoFolha(LayoutRelatorio& folha, const GrupoFolha& grupo)
{
    const int largura = larguraUtil(folha);
    const int meia = largura / 2;
    BandaRelatorio b{0};
    adicionarTexto(b, 0, 6, grupo.titulo, estiloGrupo);
    int y = 30;
    for (std::size_t i = 0; i < grupo.linhas.size(); ++i) {
        // Two pairs a row, left and right.
        const int x = i % 2 == 0 ? 0 : meia;
        const auto& [legenda, valor] = grupo.linhas[i];
        adicionarTexto(b, x, y, legenda, estiloLegenda);
        adicionarTextoApos(b, espacoLegendaValor, y, valor, estiloValor);
        if (i % 2 == 1 || i + 1 == grupo.linhas.size())
            y += linhaPar;
    }
    b.altura = y + 4;
    folha.bandas.push_back(std::move(b));
}

void adicionarMemoria(LayoutRelatorio& folha, const MemoriaCalculo& memoria)
{
    const int largura = larguraUtil(folha);
    // A heading goes in the band of the step under it, so that it never
    // stays alone at the foot of a page.
    bool comTitulo = false;
    std::string titulo;
    for (std::size_t i = 0; i < memoria.passos.size(); ++i) {
        const PassoMemoria& p = memoria.passos[i];
        if (p.tipo == TipoPassoMemoria::Titulo) {
            if (comTitulo)
                folha.bandas.push_back(bandaCaixa(0, largura, titulo, estiloTituloPasso, 10));
            comTitulo = true;
            titulo = p.nome.str();
            continue;
        }
        BandaRelatorio b{0};
        int y = 0;
        if (comTitulo) {
            adicionarCaixaTexto(b, 0, 10, largura, 0, titulo, estiloTituloPasso);
            // One line of heading; a longer one shares the room of the step.
            y = 32;
            comTitulo = false;
        }
        if (p.tipo == TipoPassoMemoria::Nota) {
            adicionarCaixaTexto(b, colunaLinha, y + 2, largura - colunaLinha, 0, p.nome.str(), estiloNota);
        } else {
            adicionarCaixaTexto(b, colunaNome, y + 2, larguraNome, 0, p.nome.str(), estiloNome);
            adicionarCaixaTexto(b, colunaLinha, y + 1, largura - colunaLinha, 0, linhaMemoria(memoria, i), estiloLinha);
        }
        folha.bandas.push_back(std::move(b));
    }
    if (comTitulo)
        folha.bandas.push_back(bandaCaixa(0, largura, titulo, estiloTituloPasso, 10));
}
