// What the command-line calculators print and how they read their arguments.
#include "linhaComandoCalculadora.h"
#include "saidaCalculadora.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

TEST(SaidaCalculadora, NumerosBlocosELinhas)
{
    EXPECT_EQ(numeroSaida(17.151812), "17,151812");
    EXPECT_EQ(numeroSaida(-0.0000001), "0,000000");
    EXPECT_EQ(blocoChaveValor({{"arquivo", "a.kvn"}, {"R", "33,070000"}}), "arquivo: a.kvn\nR: 33,070000\n");
    EXPECT_EQ(linhaCsv({"a.kvn", "33,07", " PA1 ou PS2"}), "a.kvn;33,07; PA1 ou PS2\n");
    EXPECT_EQ(linhaCsv({"x;y", "diz \"oi\"", ""}), "\"x;y\";\"diz \"\"oi\"\"\";\n");
}

TEST(SaidaCalculadora, UmValorNuncaOcupaDuasLinhas)
{
    const std::string duasPartes = "para a altura de terra especificada.\n\nRetorne para a janela Instalação.";
    const std::string umaLinha = "para a altura de terra especificada. Retorne para a janela Instalação.";
    EXPECT_EQ(valorEmUmaLinha(duasPartes), umaLinha);
    EXPECT_EQ(valorEmUmaLinha("a\r\nb\n"), "a b");
    EXPECT_EQ(valorEmUmaLinha("a \nb"), "a b");
    EXPECT_EQ(blocoChaveValor({{"erro", duasPartes}}), "erro: " + umaLinha + "\n");
    EXPECT_EQ(linhaCsv({"a.kvn", duasPartes}), "a.kvn;" + umaLinha + "\n");
}

TEST(SaidaCalculadora, Argumentos)
{
    namespace fs = std::filesystem;
    const fs::path pasta = fs::temp_directory_path() / "teste_saida_calculadora";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    for (const char* nome : {"b.kvn", "a.kvn", "notas.txt"})
        std::ofstream(pasta / nome) << "x";

    struct Caso {
        std::vector<std::string> args;
        bool ok, csv;
        std::string pdf;
        std::vector<std::string> arquivos;
    } casos[] = {
        {{"x.kvn"}, true, false, "", {"x.kvn"}},
        {{"--csv", "x.kvn", "y.kvn"}, true, true, "", {"x.kvn", "y.kvn"}},
        {{"--pdf", "saida", "x.kvn"}, true, false, "saida", {"x.kvn"}},
        {{pasta.string()}, true, false, "", {(pasta / "a.kvn").string(), (pasta / "b.kvn").string()}},
        {{}, false, false, "", {}},
        {{"--csv"}, false, true, "", {}},
        {{"x.kvn", "--pdf"}, false, false, "", {"x.kvn"}},
        {{"--html", "x.kvn"}, false, false, "", {}},
        {{"x.kvn", "-q"}, false, false, "", {}},
    };
    for (const Caso& c : casos) {
        LinhaComandoCalculadora linha({"kolvan-calc", "Classe.", "2.4", ".kvn"});
        std::ostringstream saida, erro;
        const std::optional<int> fim = linha.ler(c.args, saida, erro);
        const ArgumentosCalculadora& a = linha.argumentos;
        EXPECT_EQ(a.ok, c.ok) << c.args.size();
        EXPECT_EQ(fim.has_value(), !c.ok);
        EXPECT_EQ(erro.str().empty(), c.ok) << erro.str();
        EXPECT_TRUE(saida.str().empty());
        EXPECT_EQ(a.ok, a.erro.empty());
        if (!c.ok)
            continue;
        EXPECT_EQ(a.csv, c.csv);
        EXPECT_EQ(a.pastaPdf, c.pdf);
        EXPECT_EQ(a.arquivos, c.arquivos);
    }
    fs::remove_all(pasta);
}

TEST(SaidaCalculadora, AjudaVersaoEUsoErrado)
{
    struct Caso {
        std::vector<std::string> args;
        int status;
        std::string saidaContem, erroContem;
    } casos[] = {
        {{"--help"}, 0, "uso: kolvan-calc [OPÇÕES] [ARQUIVO...]", ""},
        {{"-h", "x.kvn"}, 0, "--pdf PASTA", ""},
        {{"--version"}, 0, "kolvan-calc 2.4\n", ""},
        {{"--html", "x.kvn"}, UsoErrado, "", "kolvan-calc: opção desconhecida: --html\n"},
        {{"x.kvn", "--pdf"}, UsoErrado, "", "kolvan-calc: --pdf pede um valor\n"},
        {{}, UsoErrado, "", "nenhum arquivo .kvn para calcular\nuso: kolvan-calc [--csv] [--memoria] [--pdf PASTA]"},
    };
    for (const Caso& c : casos) {
        LinhaComandoCalculadora linha({"kolvan-calc", "Classe.", "2.4", ".kvn"});
        std::ostringstream saida, erro;
        const std::optional<int> fim = linha.ler(c.args, saida, erro);
        ASSERT_TRUE(fim.has_value()) << c.args.size();
        EXPECT_EQ(*fim, c.status);
        EXPECT_NE(saida.str().find(c.saidaContem), std::string::npos) << saida.str();
        EXPECT_NE(erro.str().find(c.erroContem), std::string::npos) << erro.str();
        EXPECT_EQ(saida.str().empty(), c.saidaContem.empty());
        EXPECT_EQ(erro.str().empty(), c.erroContem.empty());
    }
    // An option of one calculator's own lands where it points.
    LinhaComandoCalculadora linha({"redwan-calc", "Armadura.", "2.4", ".rdw"});
    bool tabela = false;
    linha.app.add_flag("--tabela", tabela, "a tabela");
    linha.exigeArquivos = false;
    std::ostringstream saida, erro;
    EXPECT_FALSE(linha.ler({"--tabela"}, saida, erro).has_value()) << erro.str();
    EXPECT_TRUE(tabela);
}
