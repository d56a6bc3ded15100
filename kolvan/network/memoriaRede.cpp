#include "memoriaRede.h"

#include "assinaturaRelatorio.h"
#include "bandasRelatorio.h"
#include "colunasRede.h"
#include "folhaMemoria.h"
#include "memoriaClasse.h"
#include "numeros.h"

#include <sstream>

namespace {

constexpr EstiloTexto estiloCabecalhoTabela{10, true, CorRgb{0, 0, 128}};
constexpr EstiloTexto estiloCelula{11, false};
constexpr EstiloTexto estiloProblema{11, false, CorRgb{200, 0, 0}};
constexpr int alturaLinha = 17;

struct Coluna {
    const char* titulo;
    int x, largura;
    bool numero;
};
// Trecho, di, covers, governing cover, bv, W, qs, fe, R, classes.
constexpr Coluna colunas[] = {
    {"Trecho", 0, 88, false},          {"di\n(mm)", 90, 38, true},        {"hs mont./jus.\n(m)", 132, 86, true},
    {"hs gov.\n(m)", 222, 44, true},   {"bv\n(m)", 270, 40, true},        {"W\n(kN/m)", 314, 54, true},
    {"qs\n(kN/m)", 372, 54, true},     {"fe", 430, 34, true},             {"R\n(kN/m)", 468, 58, true},
    {"Classe", 534, 184, false},
};
constexpr int inicioProblema = 222; // a stretch without a class: its message from the governing cover on

void celula(BandaRelatorio& b, const Coluna& c, const std::string& texto, const EstiloTexto& estilo = estiloCelula)
{
    EstiloTexto e = estilo;
    e.alinhamento = c.numero ? Alinhamento::direita : Alinhamento::esquerda;
    // A long name wraps within its cell, and its row grows.
    adicionarCaixaTexto(b, c.x, 2, c.largura, 0, texto, e);
}

BandaRelatorio bandaTitulos()
{
    BandaRelatorio b{34};
    for (const Coluna& c : colunas) {
        EstiloTexto e = estiloCabecalhoTabela;
        e.alinhamento = c.numero ? Alinhamento::direita : Alinhamento::esquerda;
        adicionarCaixaTexto(b, c.x, 4, c.largura, 0, c.titulo, e);
    }
    b.manterComSeguinte = true;
    return b;
}

BandaRelatorio bandaTrecho(const EntradaTrecho& e, const ResultadoTrecho& r)
{
    BandaRelatorio b{alturaLinha + 4};
    celula(b, colunas[0], e.trecho);
    if (!r.classificado) {
        if (r.di > 0)
            celula(b, colunas[1], std::to_string(r.di));
        if (r.hsMontante != 0.0 || r.hsJusante != 0.0)
            celula(b, colunas[2], formatar2(r.hsMontante) + " / " + formatar2(r.hsJusante));
        adicionarCaixaTexto(b, inicioProblema, 2, larguraA4 - 76 - inicioProblema, 0, "Sem classe: " + r.mensagem,
                            estiloProblema);
        return b;
    }
    celula(b, colunas[1], std::to_string(r.di));
    celula(b, colunas[2], formatar2(r.hsMontante) + " / " + formatar2(r.hsJusante));
    celula(b, colunas[3], formatar2(r.hsGovernante));
    celula(b, colunas[4], r.usaLargura ? formatar2(r.bv) : "----");
    celula(b, colunas[5], formatar2(r.W));
    celula(b, colunas[6], formatar2(r.qs));
    celula(b, colunas[7], formatar2(r.fe));
    celula(b, colunas[8], formatar2(r.R));
    celula(b, colunas[9], r.textoClasse);
    return b;
}

// The network's rule as the report states it, paragraph by paragraph, and
// what the sheet adds.
std::vector<std::string> regra()
{
    std::vector<std::string> paragrafos;
    std::istringstream texto(regraClassificacaoRede());
    for (std::string paragrafo; std::getline(texto, paragrafo);)
        paragrafos.push_back(paragrafo);
    paragrafos.push_back(
        "A linha de cada trecho mostra a sua altura de terra governante, W, qs, fe, R e a classe. Os demais "
        "parâmetros (instalação, solo, sobrecarga de um trecho sem a sua, base e coeficiente de segurança) são os do "
        "projeto base, abaixo; a memória de um projeto isolado dá as fórmulas e as referências do cálculo.");
    return paragrafos;
}

} // namespace

GrupoFolha parametrosBaseRede(const ProjetoTubo& projeto)
{
    GrupoFolha base = dadosProjetoClasse(projeto);
    base.titulo = "Parâmetros do projeto base:";
    // Each stretch has its own diameter, length, cover and trench width.
    std::erase_if(base.linhas, [](const auto& par) {
        for (const char* proprio : {"Diâmetro interno", "Comprimento", "Altura de terra", "Largura da vala"})
            if (par.first.rfind(proprio, 0) == 0)
                return true;
        return false;
    });
    return base;
}

std::string contarTrechos(std::size_t n) { return std::to_string(n) + (n == 1 ? " trecho" : " trechos"); }

LayoutRelatorio montarMemoriaRede(const ProjetoTubo& projeto, const RedeTubulacoes& rede,
                                  const MomentoRelatorio& momento, int trecho)
{
    LayoutRelatorio folha = novaFolhaMemoria(tituloMemoriaRede, cabecalhoMemoriaClasse(projeto, momento));
    {
        BandaRelatorio b{30};
        adicionarTexto(b, 0, 4, "MEMÓRIA DE CÁLCULO DA REDE", {15, true, corVermelha, Alinhamento::centro},
                       larguraUtil(folha));
        folha.bandas.push_back(std::move(b));
    }
    adicionarTextosFolha(folha, "Regra de classificação dos trechos", regra());
    adicionarGrupoFolha(folha, parametrosBaseRede(projeto));

    const std::size_t n = rede.entradas.size();
    const int semClasse = trechosComProblema(rede.resultados);
    adicionarTextosFolha(folha, "Trechos",
                         {contarTrechos(n) + (semClasse == 0 ? ", todos classificados."
                                                             : "; sem classe: " + contarTrechos(semClasse) + ".")});
    folha.bandas.push_back(bandaTitulos());
    for (std::size_t i = 0; i < n && i < rede.resultados.size(); ++i)
        folha.bandas.push_back(bandaTrecho(rede.entradas[i], rede.resultados[i]));

    if (trecho >= 0 && static_cast<std::size_t>(trecho) < n && static_cast<std::size_t>(trecho) < rede.resultados.size()) {
        const EntradaTrecho& e = rede.entradas[static_cast<std::size_t>(trecho)];
        const ResultadoTrecho& r = rede.resultados[static_cast<std::size_t>(trecho)];
        if (std::optional<ProjetoTubo> p = projetoNoTrecho(projeto, e, r)) {
            BandaRelatorio t{0};
            adicionarCaixaTexto(t, 0, 16, larguraUtil(folha), 0,
                                "Memória do trecho " + e.trecho + " na altura de terra governante hs = "
                                    + formatar2(r.hsGovernante) + " m",
                                {15, true, corVermelha});
            t.manterComSeguinte = true;
            folha.bandas.back().quebraPagina = true; // the stretch's sheet opens a page
            folha.bandas.push_back(std::move(t));
            EstadoSobrecarga estado;
            const CalculoClasse calculo = calcularClasse(*p, estado);
            adicionarCorpoMemoriaClasse(folha, *p, calculo);
        }
    }
    folha.bandas.back().manterComSeguinte = true;
    adicionarAssinatura(folha, assinaturaProjetista(projeto, momento));
    return folha;
}
