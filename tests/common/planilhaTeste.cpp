// Spreadsheet export: CSV text, and .xlsx files read back through unzip.
#include "planilhaCsv.h"
#include "planilhaXlsx.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;

FolhaPlanilha folhaExemplo(const std::string& nome)
{
    FolhaPlanilha f;
    f.nome = nome;
    f.linhas = {
        {CelulaPlanilha::deTexto("Trecho"), CelulaPlanilha::deTexto("Comprimento (m)"), CelulaPlanilha::deTexto("Classe")},
        {CelulaPlanilha::deTexto("T-1"), CelulaPlanilha::deNumero(12.345, 2), CelulaPlanilha::deTexto("PA1 ou PS2")},
        {CelulaPlanilha::deTexto("Ação; \"x\""), CelulaPlanilha::deNumero(-0.5, 3), CelulaPlanilha::deTexto("")},
    };
    return f;
}

std::string ler(const fs::path& p)
{
    std::ifstream e(p, std::ios::binary);
    std::ostringstream s;
    s << e.rdbuf();
    return s.str();
}

// One member of the zip file, through the unzip program.
std::string membro(const fs::path& xlsx, const std::string& nome)
{
    const std::string comando = "unzip -p '" + xlsx.string() + "' " + nome;
    std::string texto;
    if (FILE* p = popen(comando.c_str(), "r")) {
        char bloco[4096];
        std::size_t n;
        while ((n = fread(bloco, 1, sizeof bloco, p)) > 0)
            texto.append(bloco, n);
        pclose(p);
    }
    return texto;
}

fs::path pastaTeste()
{
    const fs::path pasta = fs::temp_directory_path() / "teste_planilha";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    return pasta;
}

} // namespace

TEST(Planilha, CsvComVirgulaDecimalEAspas)
{
    EXPECT_EQ(montarCsv(folhaExemplo("x")),
              "\xEF\xBB\xBF"
              "Trecho;Comprimento (m);Classe\r\n"
              "T-1;12,35;PA1 ou PS2\r\n"
              "\"Ação; \"\"x\"\"\";-0,500;\r\n");
}

TEST(Planilha, XlsxGuardaNumerosComoNumerosETextosComoTextos)
{
    const fs::path pasta = pastaTeste();
    Planilha p;
    p.folhas = {folhaExemplo("Trechos"), folhaExemplo("Quantitativos")};
    const fs::path arquivo = pasta / "rede.xlsx";
    ASSERT_EQ(gravarXlsx(p, arquivo.string()), "");

    const std::string livro = membro(arquivo, "xl/workbook.xml");
    EXPECT_NE(livro.find("name=\"Trechos\""), std::string::npos);
    EXPECT_NE(livro.find("name=\"Quantitativos\""), std::string::npos);

    const std::string folha = membro(arquivo, "xl/worksheets/sheet1.xml");
    // B2 holds the number itself, not its text; A2 and C2 are shared strings.
    EXPECT_NE(folha.find("<c r=\"B2\" s=\""), std::string::npos);
    EXPECT_NE(folha.find("<v>12.345</v>"), std::string::npos);
    EXPECT_NE(folha.find("<v>-0.5</v>"), std::string::npos);
    EXPECT_NE(folha.find("<c r=\"A2\" t=\"s\""), std::string::npos);
    EXPECT_NE(folha.find("<pane ySplit=\"1\""), std::string::npos);

    const std::string textos = membro(arquivo, "xl/sharedStrings.xml");
    EXPECT_NE(textos.find("Ação; \"x\""), std::string::npos);
    EXPECT_NE(textos.find("PA1 ou PS2"), std::string::npos);

    const std::string estilos = membro(arquivo, "xl/styles.xml");
    EXPECT_NE(estilos.find("formatCode=\"0.000\""), std::string::npos);
    EXPECT_FALSE(fs::exists(pasta / "rede.xlsx.gravando"));
}

TEST(Planilha, NomesDeFolhaRecusados)
{
    const fs::path pasta = pastaTeste();
    const fs::path arquivo = pasta / "antigo.xlsx";
    std::ofstream(arquivo) << "antigo";

    struct Caso {
        std::vector<std::string> nomes;
        std::string mensagem;
    } casos[] = {
        {{""}, "Uma folha da planilha não tem nome."},
        {{"a/b"}, "O nome da folha \"a/b\" tem um caractere que a planilha não aceita."},
        {{std::string(32, 'x')}, "O nome da folha \"" + std::string(32, 'x') + "\" passa de 31 caracteres."},
        {{"Rede", "Rede"}, "A planilha tem duas folhas com o mesmo nome."},
        {{"Rede", "REDE"}, "A planilha tem duas folhas com o mesmo nome."},
        {{}, "A planilha não tem folhas."},
    };
    for (const Caso& c : casos) {
        Planilha p;
        for (const std::string& nome : c.nomes)
            p.folhas.push_back(folhaExemplo(nome));
        EXPECT_EQ(gravarXlsx(p, arquivo.string()), c.mensagem);
        EXPECT_EQ(ler(arquivo), "antigo") << "a refused workbook must leave the earlier file alone";
    }
    // 31 characters with accents count as characters, not bytes.
    EXPECT_EQ(problemaNomeFolha(std::string(15, 'x') + "çããããããããããããããã"), "");
}

TEST(Planilha, ArquivoQueNaoPodeSerGravado)
{
    const fs::path pasta = pastaTeste();
    const std::string impossivel = (pasta / "nao-existe" / "x.csv").string();
    EXPECT_EQ(gravarArquivoTexto("a", impossivel), "Não foi possível criar o arquivo " + impossivel + ".");
    Planilha p;
    p.folhas = {folhaExemplo("Rede")};
    const std::string impossivelXlsx = (pasta / "nao-existe" / "x.xlsx").string();
    EXPECT_EQ(gravarXlsx(p, impossivelXlsx), "Não foi possível criar o arquivo " + impossivelXlsx + ".");

    const fs::path bom = pasta / "x.csv";
    ASSERT_EQ(gravarArquivoTexto("conteúdo", bom.string()), "");
    EXPECT_EQ(ler(bom), "conteúdo");
}
