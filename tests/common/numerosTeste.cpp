#include "leituraSecoes.h"
#include "numeros.h"
#include "windows1252.h"
#include "textoUtf8.h"
#include "layoutResumo.h"
#include "desenhoSecao.h"
#include "escalaJanela.h"

#include <gtest/gtest.h>

TEST(Formatacao, DecimaisVirgulaSemPreenchimento)
{
    struct Caso {
        double valor;
        int decimais;
        const char* esperado;
    } casos[] = {
        {1.3, 2, "1,30"},        {1234.5, 2, "1234,50"},  {0.0, 2, "0,00"},
        {-0.0, 2, "0,00"},       {-0.001, 2, "0,00"},     {-1.5, 1, "-1,5"},
        {0.15, 3, "0,150"},      {19.2, 1, "19,2"},       {0.648, 2, "0,65"},
        {12345678901.25, 2, "12345678901,25"},           {0.12345, 4, "0,1235"},
        {2.5, 0, "2"},           {3.5, 0, "4"},           {-0.4, 0, "0"},
        {0.125, 2, "0,12"},      {0.375, 2, "0,38"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(formatarDecimais(c.valor, c.decimais), c.esperado) << c.valor << " / " << c.decimais;
    EXPECT_EQ(formatar2(1.3), "1,30");
    EXPECT_EQ(formatar0(7.5), "8");
}

TEST(Conversao, TextosValidosEInvalidos)
{
    struct Caso {
        const char* texto;
        bool valido;
        double valor;
    } casos[] = {
        {"1,31", true, 1.31}, {" 0,150 ", true, 0.15}, {"-0,4", true, -0.4}, {"5", true, 5},
        {",5", true, 0.5},    {"5,", true, 5},         {",", false, 0},      {"", false, 0},
        {"1.5", false, 0},    {"1,2,3", false, 0},     {"abc", false, 0},    {"1e5", false, 0},
        {"--1", false, 0},
    };
    for (const Caso& c : casos) {
        double v = -99;
        EXPECT_EQ(lerNumero(c.texto, v), c.valido) << c.texto;
        if (c.valido)
            EXPECT_DOUBLE_EQ(v, c.valor) << c.texto;
        else
            EXPECT_EQ(v, -99) << "an invalid text must not change the value: " << c.texto;
    }
    EXPECT_THROW(converterNumero("x"), ErroConversao);
    try {
        converterNumero("1;5");
    } catch (const ErroConversao& e) {
        EXPECT_NE(std::string(e.what()).find("\"1;5\""), std::string::npos) << "the message names the text";
    }
    EXPECT_EQ(converterOuZero(""), 0.0);
    EXPECT_EQ(normalizar("0,599", 2), "0,60");
}

// A number read from a project file or a command line is kept as written,
// but a signed zero is not: "-0" would print as "-0 kN/m" and "-0 cm".
TEST(Conversao, ZeroLidoSemSinal)
{
    const std::pair<const char*, const char*> casos[] = {
        {"-0", "0"}, {"-0,00", "0,00"}, {"+0", "0"}, {" -0,0", " 0,0"}, {"-,0", ",0"},
        {"-0,4", "-0,4"}, {"12,00", "12,00"}, {"0", "0"}, {"abc", "abc"}, {"", ""},
    };
    const std::vector<std::string> linhas{"-0", "-0,40", "-0,00"};
    LeitorSecoes leitor(linhas);
    for (const char* esperado : {"0", "-0,40", "0,00"}) {
        double v = 1;
        EXPECT_EQ(leitor.numero(v), esperado);
    }
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(semSinalNoZero(texto), esperado) << texto;
}

TEST(Windows1252, IdaEVoltaERecusa)
{
    const std::string texto = "Águas pluviais – Especificação €";
    const auto bytes = paraWindows1252(texto);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), std::string("Aguas pluviais - Especificacao E").size());
    EXPECT_EQ(deWindows1252(*bytes), texto);
    EXPECT_FALSE(paraWindows1252("japonês 日本").has_value());
    EXPECT_FALSE(paraWindows1252(std::string("\xC3", 1)).has_value()) << "truncated UTF-8";
    const auto arquivo = montarArquivoLinhas({"PROJETISTA", "José", ""});
    ASSERT_TRUE(arquivo.has_value());
    EXPECT_EQ(*arquivo, std::string("PROJETISTA\r\nJos\xE9\r\n\r\n"));
    EXPECT_EQ(separarArquivoLinhas(*arquivo), (std::vector<std::string>{"PROJETISTA", "José", ""}));
}

// Every byte but the line ends, the five the code page leaves unassigned
// among them, is read and written back unchanged.
TEST(Windows1252, CadaByteVoltaIgual)
{
    std::string linha;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            linha += static_cast<char>(b);
    const std::string arquivo = linha + "\r\n";
    const std::vector<std::string> lidas = separarArquivoLinhas(arquivo);
    ASSERT_EQ(lidas.size(), 1u);
    EXPECT_EQ(montarArquivoLinhas(lidas), arquivo);
    for (const char b : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        const std::string texto = deWindows1252(std::string(1, b));
        EXPECT_TRUE(cabeEmWindows1252(texto)) << int(static_cast<unsigned char>(b));
        EXPECT_EQ(paraWindows1252(texto), std::string(1, b));
    }
    EXPECT_FALSE(cabeEmWindows1252("\u0080")) << "a control character the code page does not hold";
}

// Each maximal ill-formed subpart is one U+FFFD (the Unicode examples).
TEST(TextoUtf8, SequenciasMalFormadasEControles)
{
    const std::string f = "\uFFFD";
    struct Caso {
        std::string bytes, esperado;
    } casos[] = {
        {"Jos\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "Jos\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"a\tb\r\nc", "a\tb\r\nc"},
        {"\x80\xBF", f + f},                       // lone continuation bytes
        {"\xC0\xAF", f + f},                       // overlong '/'
        {"\xE0\x80\xAF", f + f + f},               // overlong, three bytes
        {"\xED\xA0\x80", f + f + f},               // a surrogate
        {"\xF4\x90\x80\x80", f + f + f + f},       // above U+10FFFF
        {"\xE2\x82", f},                           // cut at the end: one subpart
        {"\xE2\x82" "A\xF0\x9F\x98", f + "A" + f},
        {"\xF5\xFF", f + f},
        {std::string("x") + '\0' + "\x1B[0m\x7F", "x" + f + f + "[0m" + f},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(utf8Saneado(c.bytes), c.esperado);
        // Controls are well-formed UTF-8; only the ill-formed bytes count here.
        EXPECT_EQ(utf8BemFormado(c.bytes), c.esperado.find(f) == std::string::npos || c.bytes[0] == 'x');
        EXPECT_TRUE(utf8BemFormado(utf8Saneado(c.bytes)));
    }
}

TEST(LayoutResumo, GeometriaDoQuadro)
{
    const LayoutResumo L = calcularLayoutResumo(1000, 400);
    EXPECT_EQ(L.e, 970);
    EXPECT_EQ(L.g, 307);
    EXPECT_EQ(L.h, 356);
    EXPECT_EQ(L.m, 8) << "7,5 rounds to the even 8";
    EXPECT_EQ(L.r, 360);
    EXPECT_EQ(L.t, 36);
    EXPECT_EQ(L.b, 23);
    EXPECT_EQ(L.s, 9);
    EXPECT_EQ(L.colunas[0].x, 8);
    EXPECT_EQ(L.colunas[1].x, 307 + 16);
    EXPECT_EQ(L.colunas[2].x, 307 + 356 + 24);
    EXPECT_EQ(L.titulo.x, 322);
    EXPECT_EQ(L.colunas[0].y, 18 + 36 + 5) << "17,5 rounds to the even 18";
    EXPECT_EQ(L.topoLinha(1), 9);
    EXPECT_EQ(L.topoLinha(10), 90 + 9 * 23);
    // Another size: every line stays inside its column.
    const LayoutResumo M = calcularLayoutResumo(1280, 330);
    EXPECT_LE(M.topoLinha(10) + M.b, M.colunas[0].altura);
    EXPECT_LE(M.colunas[2].x + M.colunas[2].largura, 1280);
}

TEST(DesenhoSecao, AjusteDoPerfil)
{
    const AjustePerfil a = ajustarPerfil(TipoJunta::MachoFemea, 700, 150);
    EXPECT_DOUBLE_EQ(a.escala, 0.7 * 150 / 60);
    // Every point inside the area, the profile centred in the middle 70 %.
    for (TipoJunta tipo : {TipoJunta::MachoFemea, TipoJunta::PontaBolsa})
        for (auto [w, h] : {std::pair{700, 150}, std::pair{300, 400}, std::pair{512, 300}}) {
            const AjustePerfil b = ajustarPerfil(tipo, w, h);
            for (const Pixel& p : b.pixels) {
                EXPECT_GE(p.x, 0.15 * w - 1);
                EXPECT_LE(p.x, 0.85 * w + 1);
                EXPECT_GE(p.y, 0.15 * h - 1);
                EXPECT_LE(p.y, 0.85 * h + 1);
            }
        }
    // y runs upward: point 1 (y = 0) is at the bottom of the fit.
    EXPECT_GT(a.ponto(1).y, a.ponto(6).y);
}

TEST(DesenhoSecao, CotasECirculos)
{
    const DesenhoLongitudinal L = desenharLongitudinal(TipoJunta::MachoFemea, 700, 150);
    const AjustePerfil a = ajustarPerfil(TipoJunta::MachoFemea, 700, 150);
    EXPECT_EQ(L.contorno.size(), 19u);
    EXPECT_EQ(L.comprimento.de, (Pixel{a.ponto(1).x, a.ponto(1).y + 20}));
    EXPECT_EQ(L.comprimento.ate.x, a.ponto(2).x);

    const DesenhoTransversal T = desenharTransversal(TipoJunta::PontaBolsa, 400, 300, 400, 300);
    const AjustePerfil b = ajustarPerfil(TipoJunta::PontaBolsa, 400, 300);
    ASSERT_EQ(T.circulos.size(), 3u);
    const int raio = T.circulos[0].raio;
    EXPECT_NEAR(raio, std::abs(b.ponto(11).y - b.ponto(12).y) / 2.0, 0.5);
    EXPECT_LT(raio, T.circulos[1].raio) << "the bore lies inside the barrel";
    EXPECT_EQ(T.centro, (Pixel{200, 150}));
    EXPECT_EQ(T.diametro.de.x, 200 - raio - 3);
    EXPECT_EQ(T.diametro.ate.x, 200 + raio + 2);
}

TEST(EscalaJanela, MenorRazao)
{
    EXPECT_DOUBLE_EQ(fatorEscalaJanela(1280, 1024), 1280.0 / 1024);
    EXPECT_DOUBLE_EQ(fatorEscalaJanela(1920, 1080), 1080.0 / 768);
    EXPECT_DOUBLE_EQ(fatorEscalaJanela(1024, 768), 1.0);
}
