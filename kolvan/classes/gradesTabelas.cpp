#include "gradesTabelas.h"

#include "numeros.h"

#include <utility>

namespace {

constexpr std::size_t larguraDN = 9;
constexpr int larguraColunaDN = 57;

const char* nomeFinalidade(int finalidade) { return finalidade == 0 ? "Água pluvial" : "Esgoto sanitário"; }

const char* nomeTipoCarga(TipoCargaClasse tipo)
{
    return tipo == TipoCargaClasse::Trinca ? "Carga minima trinca" : "Carga minima ruptura";
}

// Neighbouring columns that share a key make one header group.
template <class Chave, class Textos>
std::vector<GrupoCabecalho> agrupar(const TabelaClasse& t, Chave chave, Textos textos)
{
    std::vector<GrupoCabecalho> grupos;
    for (std::size_t i = 0; i < t.colunas.size(); ++i) {
        const int coluna = static_cast<int>(i) + 1;
        if (i > 0 && chave(t.colunas[i]) == chave(t.colunas[i - 1]))
            ++grupos.back().colunas;
        else
            grupos.push_back({textos(t.colunas[i]), coluna, 1});
    }
    return grupos;
}

GradeTabela montarGrade(const TabelaClasse& t, const char* titulo, int larguraColuna, std::size_t larguraCarga)
{
    GradeTabela g;
    g.titulo = titulo;
    const std::size_t colunas = t.colunas.size() + 1;
    g.largurasColunas.assign(colunas, larguraColuna);
    g.largurasColunas[0] = larguraColunaDN;

    g.celulas.emplace_back(colunas); // under the header
    for (const LinhaTabelaClasse& l : t.linhas) {
        std::vector<std::string> linha{alinharDireita(formatar0(l.dn), larguraDN)};
        for (int carga : l.cargas)
            linha.push_back(alinharDireita(formatar0(carga), larguraCarga));
        g.celulas.push_back(linha);
    }
    g.linhaFaixa = static_cast<int>(g.celulas.size());
    g.celulas.emplace_back(colunas);
    g.celulas.emplace_back(colunas);
    std::vector<std::string> qd{rotuloLinhaQd};
    for (const ColunaTabelaClasse& c : t.colunas)
        qd.push_back(alinharDireita(formatar0(c.qd), larguraCarga));
    g.celulas.push_back(qd);

    g.classes.emplace_back();
    for (const ColunaTabelaClasse& c : t.colunas)
        g.classes.push_back(c.classe);
    g.finalidades = agrupar(
        t, [](const ColunaTabelaClasse& c) { return c.finalidade; },
        [](const ColunaTabelaClasse& c) { return std::vector<std::string>{nomeFinalidade(c.finalidade)}; });
    g.tiposCarga = agrupar(
        t, [](const ColunaTabelaClasse& c) { return std::make_pair(c.finalidade, c.tipo); },
        [](const ColunaTabelaClasse& c) { return std::vector<std::string>{nomeTipoCarga(c.tipo), "(kN/m)"}; });
    return g;
}

} // namespace

std::string alinharDireita(const std::string& texto, std::size_t largura)
{
    return texto.size() >= largura ? texto : std::string(largura - texto.size(), ' ') + texto;
}

GradeTabela gradeTabelaA3() { return montarGrade(TabelaA3(), tituloTabelaA3, 118, 19); }

GradeTabela gradeTabelaA4() { return montarGrade(TabelaA4(), tituloTabelaA4, 37, 5); }
