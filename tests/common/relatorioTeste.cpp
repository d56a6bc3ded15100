// The report layout engine: bands into pages, wrapped text boxes, captions
// followed by their values, and pictures fitted in their boxes. A fixed
// measurer (10 px a character, lines 3 px taller than the font) keeps the
// expected positions readable.
#include "bandasRelatorio.h"
#include "encaixeImagem.h"
#include "paginacaoRelatorio.h"
#include "sobreposicaoTextos.h"

#include <gtest/gtest.h>

namespace {
MedidorTexto medidorFixo()
{
    return {
        [](const std::string& t, const EstiloTexto&) { return 10.0 * contarCaracteres(t); },
        [](const EstiloTexto& e) { return e.tamanho + 3; },
    };
}

// Each band carries one text naming it, so its place can be found.
BandaRelatorio banda(const std::string& nome, int altura, bool quebra = false)
{
    BandaRelatorio b;
    b.altura = altura;
    b.quebraPagina = quebra;
    adicionarTexto(b, 0, 0, nome);
    return b;
}

struct Lugar {
    int pagina = -1, y = -1;
    bool operator==(const Lugar&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Lugar& l) { return o << "(pagina " << l.pagina << ", y " << l.y << ")"; }

Lugar lugar(const RelatorioPaginado& r, const std::string& texto)
{
    for (std::size_t p = 0; p < r.paginas.size(); ++p)
        for (const ItemTexto& t : r.paginas[p].textos)
            if (t.texto == texto)
                return {static_cast<int>(p), t.y};
    return {};
}

std::vector<std::string> textos(const BandaResolvida& b)
{
    std::vector<std::string> v;
    for (const ItemTexto& t : b.textos)
        v.push_back(t.texto);
    return v;
}
} // namespace

// Margins of 38 px leave 1047 px of a 1123 px page, from y 38 to 1085.
TEST(Paginacao, BandasEmOrdemTransbordoEQuebras)
{
    struct Caso {
        const char* nome;
        std::vector<BandaRelatorio> bandas;
        std::size_t paginas;
        std::vector<Lugar> lugares; // of b0, b1, ...
    } casos[] = {
        {"one band", {banda("b0", 100)}, 1, {{0, 38}}},
        {"bands stack", {banda("b0", 100), banda("b1", 30), banda("b2", 0), banda("b3", 5)}, 1,
         {{0, 38}, {0, 138}, {0, 168}, {0, 168}}},
        {"exact fit stays", {banda("b0", 500), banda("b1", 500), banda("b2", 47)}, 1, {{0, 38}, {0, 538}, {0, 1038}}},
        {"one pixel more moves", {banda("b0", 500), banda("b1", 500), banda("b2", 48), banda("b3", 10)}, 2,
         {{0, 38}, {0, 538}, {1, 38}, {1, 86}}},
        {"forced break", {banda("b0", 100, true), banda("b1", 100)}, 2, {{0, 38}, {1, 38}}},
        {"break on the last band adds no page", {banda("b0", 100), banda("b1", 100, true)}, 1, {{0, 38}, {0, 138}}},
        {"breaks in a row", {banda("b0", 10, true), banda("b1", 10, true), banda("b2", 10)}, 3,
         {{0, 38}, {1, 38}, {2, 38}}},
        {"band taller than a page gets a page of its own",
         {banda("b0", 10), banda("b1", 2000), banda("b2", 10)}, 3, {{0, 38}, {1, 38}, {2, 38}}},
        {"tall first band starts the first page", {banda("b0", 1200), banda("b1", 10)}, 2, {{0, 38}, {1, 38}}},
    };
    for (const Caso& c : casos) {
        LayoutRelatorio layout;
        layout.bandas = c.bandas;
        const RelatorioPaginado r = paginarRelatorio(layout, medidorFixo());
        EXPECT_EQ(r.paginas.size(), c.paginas) << c.nome;
        for (std::size_t k = 0; k < c.lugares.size(); ++k)
            EXPECT_EQ(lugar(r, "b" + std::to_string(k)), c.lugares[k]) << c.nome << ", b" << k;
    }
}

TEST(Paginacao, LayoutVazioNaoTemPaginas)
{
    LayoutRelatorio layout;
    layout.titulo = "Relatório";
    EXPECT_TRUE(paginarRelatorio(layout, medidorFixo()).paginas.empty());
    layout.cabecalhoPagina = banda("cabecalho", 40); // a header alone prints nothing
    const RelatorioPaginado r = paginarRelatorio(layout, medidorFixo());
    EXPECT_TRUE(r.paginas.empty());
    EXPECT_EQ(r.titulo, "Relatório");
}

TEST(Paginacao, ItensNasCoordenadasDaPagina)
{
    LayoutRelatorio layout;
    layout.margens = {50, 20, 30, 20};
    BandaRelatorio b;
    b.altura = 200;
    adicionarTexto(b, 10, 5, "direita", {11, true, corAzul, Alinhamento::direita}, larguraUtil(layout));
    adicionarImagem(b, 300, 40, 120, 90, "vala.bmp", false);
    layout.bandas = {banda("b0", 60), b};

    const RelatorioPaginado r = paginarRelatorio(layout, medidorFixo());
    ASSERT_EQ(r.paginas.size(), 1u);
    const PaginaRelatorio& p = r.paginas[0];
    ASSERT_EQ(p.textos.size(), 2u);
    const ItemTexto& t = p.textos[1];
    EXPECT_EQ(t.x, 60);
    EXPECT_EQ(t.y, 85); // 20 + 60 + 5
    EXPECT_EQ(t.largura, 794 - 50 - 30);
    EXPECT_EQ(t.altura, 14);
    EXPECT_EQ(t.estilo, (EstiloTexto{11, true, corAzul, Alinhamento::direita}));
    ASSERT_EQ(p.imagens.size(), 1u);
    const ItemImagem& i = p.imagens[0];
    EXPECT_EQ((Retangulo{i.x, i.y, i.largura, i.altura}), (Retangulo{350, 120, 120, 90}));
    EXPECT_EQ(i.caminho, "vala.bmp");
    EXPECT_FALSE(i.manterProporcao);
    // A text without a width takes the width it prints with.
    EXPECT_EQ(p.textos[0].largura, 20);
}

TEST(Paginacao, CabecalhoEmTodaPagina)
{
    LayoutRelatorio layout;
    layout.cabecalhoPagina = banda("cabecalho", 50);
    layout.bandas = {banda("b0", 600), banda("b1", 600), banda("b2", 398), banda("b3", 1)};
    const RelatorioPaginado r = paginarRelatorio(layout, medidorFixo());
    ASSERT_EQ(r.paginas.size(), 3u);
    for (const PaginaRelatorio& p : r.paginas) {
        ASSERT_FALSE(p.textos.empty());
        EXPECT_EQ(p.textos[0].texto, "cabecalho");
        EXPECT_EQ(p.textos[0].y, 38);
    }
    EXPECT_EQ(lugar(r, "b1"), (Lugar{1, 88}));
    EXPECT_EQ(lugar(r, "b2"), (Lugar{2, 88})); // 38 + 600 + 398 would fit without the header
    EXPECT_EQ(lugar(r, "b3"), (Lugar{2, 486}));
}

// A table's headings: the first page has them among its bands, the later
// ones at their top.
TEST(Paginacao, CabecalhoDaSegundaPaginaEmDiante)
{
    LayoutRelatorio layout;
    layout.cabecalhoPagina = banda("colunas", 50);
    layout.cabecalhoNaPrimeiraPagina = false;
    layout.bandas = {banda("b0", 600), banda("b1", 600), banda("b2", 300)};
    const RelatorioPaginado r = paginarRelatorio(layout, medidorFixo());
    ASSERT_EQ(r.paginas.size(), 2u);
    EXPECT_EQ(lugar(r, "b0"), (Lugar{0, 38}));
    EXPECT_EQ(lugar(r, "colunas"), (Lugar{1, 38}));
    EXPECT_EQ(lugar(r, "b1"), (Lugar{1, 88}));
    EXPECT_EQ(lugar(r, "b2"), (Lugar{1, 688}));
    EXPECT_EQ(r.paginas[0].textos.size(), 1u);
}

TEST(QuebraLinhas, PalavrasAcentosEQuebrasExplicitas)
{
    struct Caso {
        const char* texto;
        int largura;
        std::vector<std::string> linhas;
    } casos[] = {
        {"aaa bbb ccc", 70, {"aaa bbb", "ccc"}},
        {"aaa bbb", 70, {"aaa bbb"}},
        {"aaa bbb", 69, {"aaa", "bbb"}},
        {"um\ndois", 200, {"um", "dois"}},
        {"um\r\ndois", 200, {"um", "dois"}},
        {"a\n\nb", 200, {"a", "", "b"}},
        {"abcdefghij", 40, {"abcd", "efgh", "ij"}},
        {"x abcdefghij y", 40, {"x", "abcd", "efgh", "ij y"}},
        {"ação ação", 40, {"ação", "ação"}},
        {"ççççç", 20, {"çç", "çç", "ç"}},
        {"Nº 5", 1, {"N", "º", "5"}}, // narrower than a character: one per line
        {"a   b", 100, {"a b"}},
        {"", 100, {""}},
        {"sem largura não quebra", 0, {"sem largura não quebra"}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(quebrarLinhas(c.texto, c.largura, estiloValor, medidorFixo()), c.linhas) << c.texto;
}

TEST(CaixaTexto, CresceComOTextoOuCortaNaAltura)
{
    const std::string descricao = "Berço de material granular bem compactado";
    BandaRelatorio cresce;
    cresce.altura = 20;
    adicionarCaixaTexto(cresce, 10, 10, 100, 0, descricao, {13, false, corPreta, Alinhamento::centro});
    const BandaResolvida r = resolverBanda(cresce, medidorFixo());
    EXPECT_EQ(textos(r), (std::vector<std::string>{"Berço de", "material", "granular", "bem", "compactado"}));
    EXPECT_EQ(r.altura, 10 + 5 * 16);
    for (std::size_t k = 0; k < r.textos.size(); ++k) {
        EXPECT_EQ(r.textos[k].y, 10 + 16 * static_cast<int>(k));
        EXPECT_EQ(r.textos[k].x, 10);
        EXPECT_EQ(r.textos[k].largura, 100); // each line aligned in the whole box
        EXPECT_EQ(r.textos[k].altura, 16);
        EXPECT_EQ(r.textos[k].estilo.alinhamento, Alinhamento::centro);
    }

    BandaRelatorio fixa = cresce;
    fixa.textos[0].altura = 35; // room for two lines of 16
    const BandaResolvida f = resolverBanda(fixa, medidorFixo());
    EXPECT_EQ(textos(f), (std::vector<std::string>{"Berço de", "material"}));
    EXPECT_EQ(f.altura, 20);

    // The grown band pushes the next one down.
    LayoutRelatorio layout;
    layout.bandas = {cresce, banda("depois", 10)};
    EXPECT_EQ(lugar(paginarRelatorio(layout, medidorFixo()), "depois"), (Lugar{0, 38 + 90}));
}

TEST(LinhaPares, ValorLogoAposALegenda)
{
    BandaRelatorio b;
    adicionarLinhaPares(b, 25, {{0, "Nome:", "Ana"}, {400, "Número:", "12"}, {600, "CEP:", ""}});
    ASSERT_EQ(b.textos.size(), 6u);
    EXPECT_TRUE(b.textos[0].estilo.negrito);
    EXPECT_FALSE(b.textos[1].estilo.negrito);
    const BandaResolvida r = resolverBanda(b, medidorFixo());
    struct Esperado {
        const char* texto;
        int x;
    } esperados[] = {{"Nome:", 0}, {"Ana", 55}, {"Número:", 400}, {"12", 475}, {"CEP:", 600}, {"", 645}};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(r.textos[k].texto, esperados[k].texto);
        EXPECT_EQ(r.textos[k].x, esperados[k].x) << esperados[k].texto;
        EXPECT_EQ(r.textos[k].y, 25);
    }

    // After an aligned caption the value follows where the caption ends.
    struct Caso {
        Alinhamento alinhamento;
        int xValor;
    } casos[] = {{Alinhamento::esquerda, 140}, {Alinhamento::centro, 195}, {Alinhamento::direita, 250}};
    for (const Caso& c : casos) {
        BandaRelatorio a;
        adicionarTexto(a, 100, 0, "abc:", {13, true, corPreta, c.alinhamento}, 150);
        adicionarTextoApos(a, 0, 0, "valor");
        EXPECT_EQ(resolverBanda(a, medidorFixo()).textos[1].x, c.xValor);
    }
}

TEST(EncaixeImagem, ProporcaoCentradaOuEsticada)
{
    struct Caso {
        bool manter;
        int largura, altura;
        Retangulo esperado;
    } casos[] = {
        {true, 200, 100, {10, 20, 100, 50}}, {true, 100, 100, {35, 20, 50, 50}},
        {true, 10, 40, {53, 20, 13, 50}},    {true, 50, 10, {10, 35, 100, 20}},
        {false, 100, 100, {10, 20, 100, 50}}, {true, 0, 0, {10, 20, 100, 50}},
    };
    for (const Caso& c : casos) {
        const ItemImagem item{10, 20, 100, 50, "x.bmp", c.manter};
        EXPECT_EQ(encaixarImagem(item, c.largura, c.altura), c.esperado) << c.largura << "x" << c.altura;
    }
}

TEST(Sobreposicao, TextosQueSeTocamNaoSobrepoem)
{
    auto texto = [](int x, int y, const char* t, int largura = 0, Alinhamento a = Alinhamento::esquerda) {
        ItemTexto i;
        i.x = x;
        i.y = y;
        i.largura = largura;
        i.altura = 16;
        i.texto = t;
        i.estilo.alinhamento = a;
        return i;
    };
    struct Caso {
        const char* nome;
        ItemTexto outro;
        bool sobrepoe;
    } casos[] = {
        {"touching on the right", texto(30, 0, "x"), false},
        {"one pixel in", texto(29, 0, "x"), true},
        {"next line", texto(10, 16, "x"), false},
        {"one pixel up into the line", texto(10, 15, "x"), true},
        {"to the left", texto(-10, 0, "x"), false},
        {"empty value", texto(10, 0, ""), false},
        {"right-aligned ink reaches it", texto(-170, 0, "abcd", 210, Alinhamento::direita), true},
        {"right-aligned ink stops short", texto(-170, 0, "abcd", 170, Alinhamento::direita), false},
        {"centred ink reaches it", texto(-100, 0, "abcdefgh", 300, Alinhamento::centro), true},
    };
    for (const Caso& c : casos) {
        PaginaRelatorio p;
        p.textos = {texto(0, 0, "abc"), c.outro}; // the first prints from 0 to 30
        const auto pares = textosSobrepostos(p, medidorFixo());
        EXPECT_EQ(!pares.empty(), c.sobrepoe) << c.nome;
    }
}
