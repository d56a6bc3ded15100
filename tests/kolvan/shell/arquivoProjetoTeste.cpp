// The .kvn project file: the lines a project makes, and reading them back
// with every check made before anything changes.
#include "ProjetoTubo.h"
#include "arquivoProjeto.h"
#include "windows1252.h"

#include <gtest/gtest.h>

namespace {
const std::string sep(55, '-');

// A trench project with the defaults, a designer and a confirmed result.
ProjetoTubo projetoVala()
{
    ProjetoTubo p;
    p.projetista.nome = "Maria Souza";
    p.projetista.crea = "12345/D";
    p.projetista.email = "maria@exemplo.com.br";
    p.obra.servicos = "Galeria de águas pluviais";
    p.cliente.nome = "Prefeitura";
    p.resultado.textoValor = "23,94 kN/m";
    p.resultado.textoArmado = " 36,00 kN/m";
    p.resultado.textoSimples = " 24,00 kN/m";
    p.resultado.textoClasse = " PA1 ou PS1";
    return p;
}

std::vector<std::string> secao(const std::vector<std::string>& linhas, const std::string& cabecalho)
{
    std::vector<std::string> valores;
    bool dentro = false;
    for (const std::string& l : linhas) {
        if (l == cabecalho) {
            dentro = true;
            continue;
        }
        if (dentro && l == sep)
            break;
        if (dentro)
            valores.push_back(l);
    }
    return valores;
}

using Linhas = std::vector<std::string>;
} // namespace

TEST(ArquivoProjeto, LinhasDeUmProjetoEmVala)
{
    const Linhas linhas = linhasProjeto(projetoVala());
    // Each section: header, values, separator, empty line.
    ASSERT_EQ(linhas.size(), 14u + 10u + 13u + 7u + 7u + 5u + 6u + 7u);
    EXPECT_EQ(linhas[0], "PROJETISTA");
    EXPECT_EQ(linhas[1], "Maria Souza");
    EXPECT_EQ(linhas[11], "maria@exemplo.com.br");
    EXPECT_EQ(linhas[12], sep);
    EXPECT_EQ(linhas[13], "");
    EXPECT_EQ(linhas[14], "OBRA");
    EXPECT_EQ(secao(linhas, "GEOMETRIA"), (Linhas{"0", "1", "4", "0"}));
    EXPECT_EQ(secao(linhas, "INSTALAÇÃO"), (Linhas{"0", "2", "1,00", "1,31"}));
    EXPECT_EQ(secao(linhas, "SOBRECARGA"), (Linhas{"0", "0"}));
    EXPECT_EQ(secao(linhas, "FATOR DE EQUIVALENCIA"), (Linhas{"2", "1,5", "1,5"}));
    EXPECT_EQ(secao(linhas, "CLASSE DO TUBO"), (Linhas{"23,94 kN/m", " 36,00 kN/m", " 24,00 kN/m", " PA1 ou PS1"}));
    EXPECT_EQ(linhas[linhas.size() - 2], sep);
    EXPECT_EQ(linhas.back(), "");
}

TEST(ArquivoProjeto, LinhasCondicionais)
{
    struct Caso {
        const char* nome;
        void (*montar)(ProjetoTubo&);
        const char* cabecalho;
        Linhas valores;
    } casos[] = {
        {"user soil and negative projection", [](ProjetoTubo& p) {
             p.instalacao = {ProjecaoNegativa, 5, "18,00", "0,170", "2,00", "1,40", "-0,4", "0,60", false};
         }, "INSTALAÇÃO", {"2", "5", "18,00", "0,170", "2,00", "1,40", "0,60", "0", "-0,4"}},
        {"positive projection", [](ProjetoTubo& p) {
             p.instalacao.tipo = ProjecaoPositiva;
         }, "INSTALAÇÃO", {"1", "2", "1,00", "0,5", "0,60"}},
        {"compacted negative", [](ProjetoTubo& p) {
             p.instalacao.tipo = ProjecaoNegativa;
             p.instalacao.aterroCompactado = true;
         }, "INSTALAÇÃO", {"2", "2", "1,00", "1,31", "0,60", "1", "0,5"}},
        {"compacted negative uses the embankment bedding", [](ProjetoTubo& p) {
             p.instalacao.tipo = ProjecaoNegativa;
             p.instalacao.aterroCompactado = true;
             p.baseAterro = {1, "2,73", "1,6"};
         }, "FATOR DE EQUIVALENCIA", {"1", "2,73", "1,6"}},
        {"two distributed areas", [](ProjetoTubo& p) {
             p.sobrecarga = {3, 0, 1, "100,00", "0,40", "0,60", "2,00"};
         }, "SOBRECARGA", {"3", "1", "100,00", "0,40", "0,60", "2,00"}},
        {"one distributed area", [](ProjetoTubo& p) {
             p.sobrecarga = {3, 0, 0, "100,00", "0,40", "0,60", "2,00"};
         }, "SOBRECARGA", {"3", "0", "100,00", "0,40", "0,60"}},
        {"user-defined load", [](ProjetoTubo& p) { p.sobrecarga = {4, 0, 0, "12,50"}; }, "SOBRECARGA", {"4", "12,50"}},
        {"null surcharge", [](ProjetoTubo& p) { p.sobrecarga.natureza = 5; }, "SOBRECARGA", {"5"}},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p = projetoVala();
        c.montar(p);
        const Linhas linhas = linhasProjeto(p);
        EXPECT_EQ(secao(linhas, c.cabecalho), c.valores) << c.nome;
        // Reading the lines back gives the same lines.
        const LeituraProjeto lido = lerLinhasProjeto(linhas, ProjetoTubo{});
        ASSERT_TRUE(lido.ok) << c.nome << ": linha " << lido.linha << " " << lido.erro;
        EXPECT_EQ(linhasProjeto(lido.projeto), linhas) << c.nome;
    }
}

TEST(ArquivoProjeto, LeituraAplicaAsSelecoes)
{
    ProjetoTubo original = projetoVala();
    original.instalacao.terreno = 5;
    original.instalacao.gama = "18,00";
    original.instalacao.kMi = "0,170";
    ProjetoTubo aberto = original;
    aberto.instalacao.gama = "99";
    Linhas linhas = linhasProjeto(projetoVala()); // soil 2 holds no γ and Kμ lines
    const LeituraProjeto lido = lerLinhasProjeto(linhas, aberto);
    ASSERT_TRUE(lido.ok);
    EXPECT_EQ(lido.projeto.instalacao.gama, "19,2");
    EXPECT_EQ(lido.projeto.instalacao.kMi, "0,150");
    EXPECT_TRUE(lido.projeto.etapas.geometria && lido.projeto.etapas.instalacao &&
                lido.projeto.etapas.sobrecarga && lido.projeto.etapas.base);
    EXPECT_EQ(lido.projeto.resultado.textoArmado, " 36,00 kN/m"); // the leading blank is kept

    // The compaction flag: "0" is off, anything else on.
    ProjetoTubo negativa = projetoVala();
    negativa.instalacao.tipo = ProjecaoNegativa;
    negativa.instalacao.razaoRecalque = "-0,4";
    Linhas l2 = linhasProjeto(negativa);
    auto posicao = std::find(l2.begin(), l2.end(), "INSTALAÇÃO") - l2.begin();
    const auto linhaCompactacao = static_cast<std::size_t>(posicao + 6);
    ASSERT_EQ(l2[linhaCompactacao], "0");
    EXPECT_FALSE(lerLinhasProjeto(l2, ProjetoTubo{}).projeto.instalacao.aterroCompactado);
    l2[linhaCompactacao] = "sim";
    l2[linhaCompactacao + 1] = "0,5";
    const LeituraProjeto compactado = lerLinhasProjeto(l2, ProjetoTubo{});
    ASSERT_TRUE(compactado.ok) << compactado.erro;
    EXPECT_TRUE(compactado.projeto.instalacao.aterroCompactado);

    // The safety coefficient goes into both bedding groups.
    ProjetoTubo cs = projetoVala();
    cs.baseVala.coefSeguranca = "1,80";
    const LeituraProjeto lidoCs = lerLinhasProjeto(linhasProjeto(cs), ProjetoTubo{});
    EXPECT_EQ(lidoCs.projeto.baseAterro.coefSeguranca, "1,80");
}

TEST(ArquivoProjeto, ArquivosRecusadosNaoMudamNada)
{
    const Linhas bom = linhasProjeto(projetoVala());
    auto linhaDe = [&](const std::string& cabecalho, int k) {
        return static_cast<int>(std::find(bom.begin(), bom.end(), cabecalho) - bom.begin()) + k;
    };
    struct Caso {
        const char* nome;
        int indice; // 0-based line to change; -1 cuts the file there instead
        const char* novo;
        int corte;
        const char* erroContem;
    } casos[] = {
        {"cut short", -1, "", 30, "termina antes"},
        {"empty file", -1, "", 0, "termina antes"},
        {"another header", 0, "PROJETO", 0, "PROJETISTA"},
        {"garbled index", linhaDe("GEOMETRIA", 3), "4x", 0, "não é um número inteiro"},
        {"negative index", linhaDe("GEOMETRIA", 3), "-1", 0, "não é um número inteiro"},
        {"diameter out of its list", linhaDe("GEOMETRIA", 3), "15", 0, "fora da lista"},
        {"length out of the sewage list", linhaDe("GEOMETRIA", 1), "1", 0, ""},
        {"soil out of its list", linhaDe("INSTALAÇÃO", 2), "6", 0, "fora da lista"},
        {"cover below 0,60", linhaDe("INSTALAÇÃO", 3), "0,50", 0, "0,60"},
        {"cover not a number", linhaDe("INSTALAÇÃO", 3), ",", 0, "não é um número válido"},
        {"trench too narrow", linhaDe("INSTALAÇÃO", 4), "1,00", 0, "1,22"},
        {"traffic out of its list", linhaDe("SOBRECARGA", 2), "3", 0, "fora da lista"},
        {"safety coefficient below 1,5", linhaDe("FATOR DE EQUIVALENCIA", 3), "1,40", 0, "1,5"},
        {"no factor", linhaDe("FATOR DE EQUIVALENCIA", 2), "0", 0, "maior que zero"},
        {"missing separator", linhaDe("GEOMETRIA", 5), "x", 0, "separadora"},
    };
    ProjetoTubo aberto = projetoVala();
    aberto.geometria.indiceDi = 8;
    const Linhas antes = linhasProjeto(aberto);
    for (const Caso& c : casos) {
        Linhas linhas = bom;
        if (c.indice < 0)
            linhas.resize(static_cast<std::size_t>(c.corte));
        else
            linhas[static_cast<std::size_t>(c.indice)] = c.novo;
        if (std::string(c.nome) == "length out of the sewage list") {
            // Sewage has two lengths: index 3 is out of its list.
            linhas[static_cast<std::size_t>(linhaDe("GEOMETRIA", 4))] = "3";
        }
        const LeituraProjeto r = lerLinhasProjeto(linhas, aberto);
        EXPECT_FALSE(r.ok) << c.nome;
        EXPECT_GT(r.linha, 0) << c.nome;
        EXPECT_NE(r.erro.find(c.erroContem), std::string::npos) << c.nome << ": " << r.erro;
        EXPECT_EQ(linhasProjeto(r.projeto), antes) << c.nome;
        if (c.indice >= 0 && std::string(c.nome) != "length out of the sewage list")
            EXPECT_EQ(r.linha, c.indice + 1) << c.nome;
    }
    const LeituraProjeto curto = lerLinhasProjeto(Linhas(bom.begin(), bom.begin() + 30), aberto);
    EXPECT_EQ(mensagemArquivoRecusado("a.kvn", curto),
              "Não foi possível abrir o arquivo \"a.kvn\": linha 31, o arquivo termina antes do esperado. "
              "O projeto aberto não foi alterado.");
}

TEST(ArquivoProjeto, LimitesDasProjecoes)
{
    struct Caso {
        const char* nome;
        Instalacao i;
        int classeAterro;
        bool aceito;
    } casos[] = {
        {"positive ha at its maximum", {ProjecaoPositiva, 2, "19,2", "0,150", "1,00", "1,31", "0,5", "0,65"}, 2, true},
        // The bedding window may change the class after ha: the bound of class D holds.
        {"positive ha of class D under class C", {ProjecaoPositiva, 2, "19,2", "0,150", "1,00", "1,31", "0,5", "0,72"}, 2, true},
        {"positive ha above every class", {ProjecaoPositiva, 2, "19,2", "0,150", "1,00", "1,31", "0,5", "0,73"}, 2, false},
        {"positive with a negative ratio", {ProjecaoPositiva, 2, "19,2", "0,150", "1,00", "1,31", "-0,4", "0,60"}, 2, false},
        {"negative ha at 95 % of hs", {ProjecaoNegativa, 2, "19,2", "0,150", "1,00", "1,31", "-0,4", "0,95"}, 2, false},
        {"negative with a positive ratio", {ProjecaoNegativa, 2, "19,2", "0,150", "1,00", "1,31", "0,5", "0,60"}, 2, false},
        {"negative ha at 94 %", {ProjecaoNegativa, 2, "19,2", "0,150", "1,00", "1,31", "-0,4", "0,94"}, 2, true},
        {"user soil without friction", {Vala, 5, "18,00", "0,000", "1,00", "1,31"}, 2, false},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p = projetoVala();
        p.instalacao = c.i;
        p.baseAterro.classe = c.classeAterro;
        EXPECT_EQ(lerLinhasProjeto(linhasProjeto(p), ProjetoTubo{}).ok, c.aceito) << c.nome;
    }
}

// A designer file holding the bytes the code page leaves unassigned comes
// back byte for byte, and a project carrying them saves and reopens.
TEST(ArquivoProjeto, BytesSemCaractereVoltamIguais)
{
    std::string designer = "PROJETISTA\r\nEng. \x81\x8D\x8F\x90\x9D\r\n";
    for (int i = 0; i < 10; ++i)
        designer += "campo " + std::to_string(i) + "\r\n";
    designer += sep + "\r\n";
    const DadosProjetista d = projetistaDasLinhas(separarArquivoLinhas(designer));
    EXPECT_EQ(montarArquivoLinhas(linhasProjetista(d)), designer);

    ProjetoTubo p = projetoVala();
    p.projetista = d;
    p.obra.servicos = deWindows1252("Obra \x90");
    const auto bytes = montarArquivoLinhas(linhasProjeto(p));
    ASSERT_TRUE(bytes.has_value());
    const LeituraProjeto aberto = lerLinhasProjeto(separarArquivoLinhas(*bytes), ProjetoTubo{});
    ASSERT_TRUE(aberto.ok) << aberto.erro;
    EXPECT_EQ(montarArquivoLinhas(linhasProjeto(aberto.projeto)), bytes);
}
