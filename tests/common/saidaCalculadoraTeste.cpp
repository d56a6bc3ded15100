// What the command-line calculators print and how they read their arguments.
#include "saidaCalculadora.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

TEST(SaidaCalculadora, NumerosBlocosELinhas)
{
    EXPECT_EQ(numeroSaida(17.151812), "17,151812");
    EXPECT_EQ(numeroSaida(-0.0000001), "0,000000");
    EXPECT_EQ(blocoChaveValor({{"arquivo", "a.kvn"}, {"R", "33,070000"}}), "arquivo: a.kvn\nR: 33,070000\n");
    EXPECT_EQ(linhaCsv({"a.kvn", "33,07", " PA1 ou PS2"}), "a.kvn;33,07; PA1 ou PS2\n");
    EXPECT_EQ(linhaCsv({"x;y", "diz \"oi\"", ""}), "\"x;y\";\"diz \"\"oi\"\"\";\n");
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
    };
    for (const Caso& c : casos) {
        const ArgumentosCalculadora a = lerArgumentosCalculadora(c.args, ".kvn");
        EXPECT_EQ(a.ok, c.ok) << c.args.size();
        EXPECT_EQ(a.ok, a.erro.empty());
        if (!c.ok)
            continue;
        EXPECT_EQ(a.csv, c.csv);
        EXPECT_EQ(a.pastaPdf, c.pdf);
        EXPECT_EQ(a.arquivos, c.arquivos);
    }
    fs::remove_all(pasta);
}
