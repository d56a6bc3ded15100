// The example networks, what "Exportar" writes and reads back, and the
// calculator's command line and output.
#include "colunasRede.h"
#include "exportacaoRede.h"
#include "leituraRede.h"
#include "planilhaXlsx.h"
#include "saidaRede.h"
#include "relatorioRede.h"

#include <algorithm>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string ler(const std::string& caminho)
{
    std::ifstream e(caminho, std::ios::binary);
    std::ostringstream s;
    s << e.rdbuf();
    return s.str();
}

RedeTubulacoes redeDe(const std::string& arquivo)
{
    const LeituraRede l = lerArquivoRede(ler(std::string(EXEMPLOS) + "/" + arquivo));
    EXPECT_TRUE(l.ok) << l.erro;
    RedeTubulacoes rede;
    rede.entradas = l.trechos;
    rede.resultados = classificarRede(ProjetoTubo{}, rede.entradas);
    return rede;
}

} // namespace

TEST(ExemplosRede, CsvELandXml)
{
    const RedeTubulacoes csv = redeDe("rede-exemplo.csv");
    ASSERT_EQ(csv.entradas.size(), 30u);
    std::vector<std::string> semClasse;
    for (std::size_t i = 0; i < csv.entradas.size(); ++i)
        if (!csv.resultados[i].classificado)
            semClasse.push_back(csv.entradas[i].trecho);
    EXPECT_EQ(semClasse, (std::vector<std::string>{"T-04", "T-05", "T-20", "T-24", "T-27"}));
    EXPECT_EQ(csv.entradas[17].trecho, "T-18 \"travessia; avenida\"");

    const RedeTubulacoes xml = redeDe("rede-exemplo.xml");
    ASSERT_EQ(xml.entradas.size(), 10u);
    EXPECT_EQ(trechosComProblema(xml.resultados), 0);
    // T-07 is written from PV-08 to PV-07, but it leaves PV-07.
    EXPECT_EQ(xml.entradas[6].montante, "PV-07");
    EXPECT_DOUBLE_EQ(xml.resultados[0].hsMontante, 1.30);
    EXPECT_DOUBLE_EQ(xml.resultados[0].hsJusante, 1.55);
}

TEST(ExportacaoRede, CsvExportadoVoltaComoEntrou)
{
    const RedeTubulacoes rede = redeDe("rede-exemplo.csv");
    const std::string csv = csvRede(rede);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFtrecho;montante;jusante;comprimento;di;", 0), 0u);
    const LeituraRede relida = lerCsvRede(csv);
    ASSERT_TRUE(relida.ok) << relida.erro;
    EXPECT_EQ(relida.trechos, rede.entradas);

    const FolhaPlanilha trechos = folhaTrechos(rede);
    ASSERT_EQ(trechos.linhas.size(), 31u);
    const LinhaPlanilha& t01 = trechos.linhas[1];
    EXPECT_TRUE(t01[static_cast<int>(ColunaTrecho::Comprimento)].numero);
    EXPECT_DOUBLE_EQ(t01[static_cast<int>(ColunaTrecho::Comprimento)].valor, 60.0);
    EXPECT_FALSE(t01[0].numero);
    const CelulaPlanilha& r = t01[numeroColunasTrecho + static_cast<int>(ColunaResultado::R)];
    EXPECT_TRUE(r.numero);
    EXPECT_DOUBLE_EQ(r.valor, rede.resultados[0].R);

    // The trench sheet: a row per classed stretch, then the bands and totals.
    const Planilha planilha = planilhaRede(rede);
    ASSERT_EQ(planilha.folhas.size(), 3u);
    const FolhaPlanilha& escavacao = planilha.folhas[2];
    EXPECT_EQ(escavacao.nome, "Escavação");
    EXPECT_EQ(escavacao.linhas[1][0].texto, "T-01");
    EXPECT_DOUBLE_EQ(escavacao.linhas[1][9].valor, rede.resultados[0].vala.escavacao);
    const auto total = std::find_if(escavacao.linhas.begin(), escavacao.linhas.end(), [](const LinhaPlanilha& l) {
        return !l.empty() && l[0].texto == "Total: Escavação (m³)";
    });
    ASSERT_NE(total, escavacao.linhas.end());
    EXPECT_DOUBLE_EQ((*total)[1].valor, quantitativosRede(rede.entradas, rede.resultados).vala.total.escavacao);
}

// A name or a message longer than its cell wraps inside it instead of being
// cut; each stretch shows its surcharge.
TEST(RelatorioRede, TextosLongosQuebramNaCelula)
{
    RedeTubulacoes rede = redeDe("rede-exemplo.csv");
    const std::string nome = "T-18 \"travessia; avenida\" sob a linha férrea e o canal de drenagem";
    rede.entradas[17].trecho = nome;
    const LayoutRelatorio l = montarRelatorioRede(ProjetoTubo{}, rede, {"08/12/2026", "10:00"});
    bool achado = false, sobrecarga = false;
    for (const BandaRelatorio& b : l.bandas)
        for (const ItemTexto& t : b.textos) {
            if (t.texto == nome) {
                achado = true;
                EXPECT_TRUE(t.multilinha);
                EXPECT_EQ(t.altura, 0); // grows to hold every line
            }
            sobrecarga = sobrecarga || t.texto == "Eixo triplo";
        }
    EXPECT_TRUE(achado);
    EXPECT_TRUE(sobrecarga);
    EXPECT_FALSE(l.cabecalhoNaPrimeiraPagina);
    EXPECT_FALSE(l.cabecalhoPagina.textos.empty());
}

// A CSV saved with a byte-order mark but with bytes of another code page
// still gives a spreadsheet whose shared strings are well-formed XML.
TEST(ExportacaoRede, PlanilhaDeBytesMalFormadosEXmlBemFormado)
{
    const LeituraRede l = lerCsvRede("\xEF\xBB\xBFtrecho;montante;jusante;comprimento;di;hs_montante;hs_jusante\n"
                                     "Trecho Jo\xE3o;PV\x01;PV-2;10;300;1,5;1,6\n");
    ASSERT_TRUE(l.ok) << l.erro;
    RedeTubulacoes rede;
    rede.entradas = l.trechos;
    rede.resultados = classificarRede(ProjetoTubo{}, rede.entradas);
    const std::filesystem::path xlsx = std::filesystem::temp_directory_path() / "teste_rede_bytes.xlsx";
    ASSERT_EQ(gravarXlsx(planilhaRede(rede), xlsx.string()), "");

    std::string textos;
    if (FILE* p = popen(("unzip -p '" + xlsx.string() + "' xl/sharedStrings.xml").c_str(), "r")) {
        char bloco[4096];
        for (std::size_t n; (n = fread(bloco, 1, sizeof bloco, p)) > 0;)
            textos.append(bloco, n);
        pclose(p);
    }
    std::filesystem::remove(xlsx);
    pugi::xml_document documento;
    const pugi::xml_parse_result lido = documento.load_string(textos.c_str());
    ASSERT_TRUE(lido) << lido.description() << "\n" << textos;
    std::vector<std::string> celulas;
    for (const pugi::xpath_node si : documento.select_nodes("//*[local-name()='t']"))
        celulas.push_back(si.node().child_value());
    EXPECT_NE(std::find(celulas.begin(), celulas.end(), "Trecho Jo\uFFFDo"), celulas.end());
    EXPECT_NE(std::find(celulas.begin(), celulas.end(), "PV\uFFFD"), celulas.end());
}

TEST(SaidaRede, Argumentos)
{
    struct Caso {
        std::vector<std::string> args;
        std::string erro;
    } casos[] = {
        {{"--rede", "r.csv", "--projeto", "p.kvn", "--csv", "--pdf", "pdf", "--xlsx", "r.xlsx"}, ""},
        {{"--rede", "r.csv"}, "falta --projeto com o projeto de onde vêm os parâmetros"},
        {{"--projeto", "p.kvn", "--rede"}, "--rede pede o arquivo"},
        {{"--rede", "r.csv", "--projeto", "p.kvn", "--pdf"}, "--pdf pede a pasta"},
        {{"--rede", "r.csv", "--projeto", "p.kvn", "--html"}, "opção desconhecida: --html"},
        {{"--rede", "r.csv", "--projeto", "p.kvn", "outro.kvn"}, "argumento a mais: outro.kvn"},
    };
    for (const Caso& c : casos) {
        const ArgumentosRede a = lerArgumentosRede(c.args);
        EXPECT_EQ(a.ok, c.erro.empty());
        EXPECT_EQ(a.erro, c.erro);
    }
    const ArgumentosRede a = lerArgumentosRede(casos[0].args);
    EXPECT_EQ(a.rede, "r.csv");
    EXPECT_EQ(a.projeto, "p.kvn");
    EXPECT_TRUE(a.csv);
    EXPECT_EQ(a.pastaPdf, "pdf");
    EXPECT_EQ(a.xlsx, "r.xlsx");
    // A project as the network: the one saved beside it, with the project
    // as the base unless another is named.
    const ArgumentosRede kvn = lerArgumentosRede({"--rede", "pasta/obra.KVN", "--lastro", "0.15"});
    EXPECT_TRUE(kvn.ok) << kvn.erro;
    EXPECT_EQ(kvn.rede, "pasta/obra-rede.csv");
    EXPECT_EQ(kvn.projeto, "pasta/obra.KVN");
    EXPECT_DOUBLE_EQ(kvn.vala.lastro, 0.15);
    EXPECT_EQ(lerArgumentosRede({"--rede", "obra.kvn", "--projeto", "base.kvn"}).projeto, "base.kvn");
    EXPECT_EQ(lerArgumentosRede({"--rede", "obra.kvn", "--lastro", "-1"}).erro,
              "--lastro pede a espessura em metros, de 0 a 100 (0,10)");
}

TEST(SaidaRede, BlocosELinhas)
{
    const RedeTubulacoes rede = redeDe("rede-exemplo.csv");
    const std::string blocos = saidaRede(rede, false);
    EXPECT_NE(blocos.find("trecho: T-01\nhsMontante: 1,200000\nhsJusante: 2,020000\nhsGovernante: "), std::string::npos);
    EXPECT_NE(blocos.find("trecho: T-04\nerro: hs = 0,55 m (entre 3,03 e 0,45 m): A altura mínima de terra deverá ser 0,60 m\n"),
              std::string::npos);
    EXPECT_NE(blocos.find("quantitativo: total\ncomprimento: "), std::string::npos);
    const std::string csv = saidaRede(rede, true);
    EXPECT_EQ(csv.rfind("trecho;hsMontante;hsJusante;hsGovernante;bv;W;qs;fe;R;classeArmado;cargaArmado;"
                        "classeSimples;cargaSimples;textoClasse;profundidadeMedia;faixaProfundidade;faixaLargura;"
                        "escavacao;escoramento;lastro;berco;envolvimento;reaterro;botaFora;erro\n",
                        0),
              0u);
    EXPECT_NE(csv.find("\nT-04;;;;;;;;;;;;;;;;;;;;;;;;hs = 0,55 m (entre 3,03 e 0,45 m): A altura mínima de terra deverá ser 0,60 m\n"), std::string::npos);
}
