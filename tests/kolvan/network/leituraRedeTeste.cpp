// Reading networks from CSV and LandXML files.
#include "leituraRede.h"
#include "redeTubulacoes.h"

#include <gtest/gtest.h>

namespace {

void PrintTo(const EntradaTrecho& e, std::ostream* os)
{
    for (int c = 0; c < numeroColunasTrecho; ++c)
        *os << nomesColunasTrecho()[static_cast<std::size_t>(c)] << "=[" << campoTrecho(e, static_cast<ColunaTrecho>(c)) << "] ";
    *os << "problema=[" << e.problemaLeitura << "]";
}

const EntradaTrecho& unico(const LeituraRede& r)
{
    static const EntradaTrecho nenhum;
    EXPECT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.trechos.size(), 1u);
    return r.trechos.empty() ? nenhum : r.trechos.front();
}

} // namespace

TEST(LeituraCsvRede, DialetosCodificacoesEColunas)
{
    struct Caso {
        const char* nome;
        std::string bytes;
        EntradaTrecho esperado;
    } casos[] = {
        {"';' com vírgula, BOM, aspas e colunas em outra ordem",
         "\xEF\xBB\xBF" "DI (mm);Trecho;observação;hs_jusante;hs_montante;Comprimento (m);montante\r\n"
         "600;\"T-1; ramal \"\"A\"\"\";qualquer;1,50;2,00;45,5;PV São José\r\n",
         {"T-1; ramal \"A\"", "PV São José", "", "45,5", "600", "2,00", "1,50"}},
        {"',' com ponto decimal e cotas",
         "trecho,comprimento,di,terreno_montante,fundo_montante,terreno_jusante,fundo_jusante,bv,sobrecarga\n"
         "T2,30.25,800,101.2,98.0,100.9,97.5,1.60,classe 30\n",
         {"T2", "", "", "30,25", "800", "", "", "101,2", "98,0", "100,9", "97,5", "1,60", "classe 30"}},
        {"windows-1252",
         std::string("trecho;comprimento;di;hs_montante;hs_jusante\nTrecho Jo\xE3o;10;300;1;1\n"),
         {"Trecho João", "", "", "10", "300", "1", "1"}},
        {"linhas em branco e campo entre aspas com quebra de linha",
         "\n\ntrecho;comprimento;di;hs_montante;hs_jusante\n\n\"T\n4\";10;300;1;1\n;;;;\n",
         {"T\n4", "", "", "10", "300", "1", "1"}},
        // After a byte-order mark each ill-formed sequence is one U+FFFD: a
        // lone continuation byte, a cut sequence, an overlong '/', a surrogate;
        // an escape becomes one too, so that no name drives the terminal.
        {"UTF-8 mal formado depois do BOM",
         "\xEF\xBB\xBFtrecho;montante;jusante;comprimento;di;hs_montante;hs_jusante\n"
         "T\x80" "1;PV\xC3;\xC0\xAF\xED\xA0\x80\x1B[2J;10;300;1;1\n",
         {"T\uFFFD" "1", "PV\uFFFD", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD[2J", "10", "300", "1", "1"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(unico(lerCsvRede(c.bytes)), c.esperado);
    }
}

TEST(LeituraCsvRede, ArquivosRecusadosELinhasMarcadas)
{
    struct Caso {
        std::string bytes;
        std::string erro;
    } recusados[] = {
        {"", "O arquivo está vazio."},
        {"\n \n", "O arquivo está vazio."},
        {"\ntrecho;comprimento;hs_montante;hs_jusante\nT;1;1;1\n", "Linha 2: falta a coluna \"di\"."},
        {"trecho;comprimento;di;hs_montante\nT;1;300;1\n",
         "Linha 1: faltam as colunas \"hs_montante\" e \"hs_jusante\" ou as cotas \"terreno_montante\", "
         "\"fundo_montante\", \"terreno_jusante\" e \"fundo_jusante\"."},
        {"trecho;comprimento;di;hs_montante;hs_jusante\nT;1;300;1;1\n\"T2;1;300;1;1\n",
         "Linha 3: aspas abertas que não se fecham."},
        {std::string("trecho;comprimento;di;hs_montante;hs_jusante\nT;1;300;1;1\nT") + '\0' + "2;1;300;1;1\n",
         "Linha 3: o arquivo tem um caractere nulo, que nenhum nome ou número pode ter."},
        {std::string("\xFF\xFEt") + '\0' + 'r' + '\0',
         "O arquivo está em UTF-16: salve-o como \"CSV UTF-8\" ou \"CSV (separado por vírgulas)\"."},
    };
    for (const Caso& c : recusados) {
        const LeituraRede r = lerCsvRede(c.bytes);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erro, c.erro);
    }

    // A decimal comma in a ',' file shifts the fields: the row is kept and marked.
    const LeituraRede r = lerCsvRede("trecho,comprimento,di,hs_montante,hs_jusante\n"
                                     "T1,10,300,1.5,1.5\nT2,10,300,1,5,1,5\nT3,10\n");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.trechos.size(), 3u);
    EXPECT_EQ(r.trechos[0].problemaLeitura, "");
    EXPECT_EQ(r.trechos[1].problemaLeitura, "Linha 3: tem 7 campos e o cabeçalho tem 5.");
    EXPECT_EQ(r.trechos[2].problemaLeitura, "");
    const std::vector<ResultadoTrecho> classes = classificarRede(ProjetoTubo{}, r.trechos);
    EXPECT_TRUE(classes[0].classificado) << classes[0].mensagem;
    EXPECT_EQ(classes[1].mensagem, "Linha 3: tem 7 campos e o cabeçalho tem 5.");
    EXPECT_EQ(classes[2].mensagem, "Falta o valor da coluna di.");
}

namespace {

std::string landXml(const std::string& unidades, const std::string& estruturas, const std::string& tubos)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\">\n"
           "<Units>" + unidades + "</Units>\n"
           "<PipeNetworks><PipeNetwork name=\"Rede\" pipeNetType=\"storm\">\n"
           "<Structs>" + estruturas + "</Structs>\n"
           "<Pipes>" + tubos + "</Pipes>\n"
           "</PipeNetwork></PipeNetworks>\n</LandXML>\n";
}

} // namespace

TEST(LeituraLandXmlRede, MetricoEImperialDaoAsCoberturasEsperadas)
{
    const std::string metrico = landXml(
        "<Metric linearUnit=\"meter\" areaUnit=\"squareMeter\" volumeUnit=\"cubicMeter\" diameterUnit=\"millimeter\"/>",
        "<Struct name=\"PV-1\" elevRim=\"100.00\"><Center>7450000.0 350000.0</Center>"
        "<Invert elev=\"97.34\" flowDir=\"out\" refPipe=\"T-1\"/></Struct>"
        "<Struct name=\"PV-2\" elevRim=\"99.50\"><Center>7450030.0 350040.0</Center>"
        "<Invert elev=\"97.00\" flowDir=\"in\" refPipe=\"T-1\"/><Invert elev=\"96.95\" flowDir=\"out\" pipeRef=\"T-2\"/></Struct>"
        "<Struct name=\"PV-3\" elevRim=\"99.00\"><Invert elev=\"96.50\" flowDir=\"in\" pipeRef=\"T-2\"/></Struct>",
        "<Pipe name=\"T-1\" refStart=\"PV-1\" refEnd=\"PV-2\"><CircPipe diameter=\"600\" thickness=\"60\"/></Pipe>"
        "<Pipe name=\"T-2\" refStart=\"PV-3\" refEnd=\"PV-2\" length=\"45.5\"><CircPipe diameter=\"600\"/></Pipe>");
    const std::string imperial = landXml(
        "<Imperial linearUnit=\"foot\" areaUnit=\"squareFoot\" volumeUnit=\"cubicFeet\" diameterUnit=\"inch\"/>",
        "<Struct name=\"MH1\" elevRim=\"300\"><Invert elev=\"292\" flowDir=\"out\" refPipe=\"P1\"/></Struct>"
        "<Struct name=\"MH2\" elevRim=\"298\"><Invert elev=\"291\" flowDir=\"in\" refPipe=\"P1\"/></Struct>",
        "<Pipe name=\"P1\" refStart=\"MH1\" refEnd=\"MH2\" length=\"100\"><CircPipe diameter=\"24\"/></Pipe>");

    struct Esperado {
        const char *trecho, *montante, *jusante, *comprimento, *di;
        double hsMontante, hsJusante;
    };
    struct Caso {
        const char* nome;
        std::string xml;
        std::vector<Esperado> esperados;
    } casos[] = {
        // hs = terreno − fundo − 1,1·di/1000; T-2 flows from PV-2, the structure it leaves.
        {"métrico", metrico, {{"T-1", "PV-1", "PV-2", "50,00", "600", 2.00, 1.84}, {"T-2", "PV-2", "PV-3", "45,50", "600", 1.89, 1.84}}},
        // 300 ft = 91,44 m, 292 ft = 89,0016 m; 24" = 609,6 mm, the 600 mm pipe.
        {"imperial", imperial, {{"P1", "MH1", "MH2", "30,48", "600", 1.78, 1.47}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const LeituraRede r = lerArquivoRede(c.xml);
        ASSERT_TRUE(r.ok) << r.erro;
        ASSERT_EQ(r.trechos.size(), c.esperados.size());
        const std::vector<ResultadoTrecho> classes = classificarRede(ProjetoTubo{}, r.trechos);
        for (std::size_t i = 0; i < c.esperados.size(); ++i) {
            const Esperado& x = c.esperados[i];
            EXPECT_EQ(r.trechos[i].problemaLeitura, "");
            EXPECT_EQ(r.trechos[i].trecho, x.trecho);
            EXPECT_EQ(r.trechos[i].montante, x.montante);
            EXPECT_EQ(r.trechos[i].jusante, x.jusante);
            EXPECT_EQ(r.trechos[i].comprimento, x.comprimento);
            EXPECT_EQ(r.trechos[i].di, x.di);
            ASSERT_TRUE(classes[i].classificado) << classes[i].mensagem;
            EXPECT_DOUBLE_EQ(classes[i].hsMontante, x.hsMontante);
            EXPECT_DOUBLE_EQ(classes[i].hsJusante, x.hsJusante);
        }
    }
}

TEST(LeituraLandXmlRede, ArquivosRecusadosETubosMarcados)
{
    const std::string unidades = "<Metric linearUnit=\"meter\"/>";
    struct Caso {
        std::string xml;
        std::string erro;
    } recusados[] = {
        {"<?xml version=\"1.0\"?>\n<LandXML>\n<Units>\n</LandXML>",
         "Linha 4: o arquivo não é um XML válido (Start-end tags mismatch)."},
        {"<Rede/>", "O elemento principal do arquivo é <Rede>, não <LandXML>."},
        {"<LandXML><PipeNetworks/></LandXML>", "O arquivo não tem o elemento <Units> com <Metric> ou <Imperial>."},
        {"<LandXML><Units><Metric linearUnit=\"cubit\"/></Units></LandXML>", "<Metric> linearUnit=\"cubit\": unidade desconhecida."},
        {"<LandXML><Units>" + unidades + "</Units></LandXML>", "O arquivo não tem o elemento <PipeNetworks>."},
        {landXml(unidades, "", ""), "O arquivo não tem nenhum elemento <Pipe> em <PipeNetworks>."},
        {"<LandXML>\n<Units>" + unidades + "</Units>\n<PipeNetworks><Pipe name=\"T" + std::string(1, '\0') +
             "1\"/></PipeNetworks></LandXML>",
         "Linha 3: o arquivo tem um caractere nulo, que nenhum nome ou número pode ter."},
    };
    for (const Caso& c : recusados) {
        const LeituraRede r = lerLandXmlRede(c.xml);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erro, c.erro);
    }

    const LeituraRede r = lerLandXmlRede(landXml(
        unidades,
        "<Struct name=\"A\" elevRim=\"10\"><Invert elev=\"8\" refPipe=\"T1\"/><Invert elev=\"8\" refPipe=\"T3\"/></Struct>"
        "<Struct name=\"B\"><Invert elev=\"7\" refPipe=\"T3\"/></Struct>",
        "<Pipe name=\"T1\" refStart=\"A\" refEnd=\"Z\" length=\"5\"><CircPipe diameter=\"300\"/></Pipe>"
        "<Pipe name=\"T2\" refStart=\"A\" refEnd=\"B\" length=\"5\"><EggPipe height=\"1\" span=\"1\"/></Pipe>"
        "<Pipe name=\"T3\" refStart=\"A\" refEnd=\"B\" length=\"5\"><CircPipe diameter=\"300\"/></Pipe>"
        "<Pipe name=\"T4\" refStart=\"A\" refEnd=\"B\" length=\"5\"><CircPipe diameter=\"0.3\"/></Pipe>"));
    ASSERT_TRUE(r.ok) << r.erro;
    ASSERT_EQ(r.trechos.size(), 4u);
    EXPECT_EQ(r.trechos[0].problemaLeitura, "Tubo \"T1\": a estrutura \"Z\" não existe.");
    EXPECT_EQ(r.trechos[1].problemaLeitura, "Tubo \"T2\": não é um tubo circular (<CircPipe>).");
    EXPECT_EQ(r.trechos[2].problemaLeitura, "Tubo \"T3\": a estrutura \"B\" não tem elevRim.");
    EXPECT_EQ(r.trechos[3].problemaLeitura, "Tubo \"T4\": a estrutura \"A\" não tem <Invert> com a cota deste tubo.");
    EXPECT_EQ(r.trechos[3].di, "0");

    // pugixml leaves the bytes of names alone: they come out well-formed.
    const LeituraRede bytes = lerLandXmlRede(landXml(
        unidades, "<Struct name=\"P\xE9\" elevRim=\"10\"><Invert elev=\"8\" refPipe=\"T\xFF\"/></Struct>",
        "<Pipe name=\"T\xFF\" refStart=\"P\xE9\" refEnd=\"Q\" length=\"5\"><CircPipe diameter=\"300\"/></Pipe>"));
    ASSERT_TRUE(bytes.ok) << bytes.erro;
    EXPECT_EQ(bytes.trechos[0].trecho, "T\uFFFD");
    EXPECT_EQ(bytes.trechos[0].montante, "P\uFFFD");
    EXPECT_EQ(bytes.trechos[0].problemaLeitura, "Tubo \"T\uFFFD\": a estrutura \"Q\" não existe.");
}
