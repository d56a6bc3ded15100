// The profiles' engine: which stretches make each collector and in what
// order; the relative datum of a network given by covers; and the DXF of a
// small network read back by a DXF reader of its own (ezdxf).
#include "coletoresRede.h"
#include "desenhoPerfil.h"
#include "dxfPerfil.h"
#include "leituraRede.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

EntradaTrecho trecho(const std::string& nome, const std::string& montante, const std::string& jusante,
                     const std::string& comprimento)
{
    EntradaTrecho e;
    e.trecho = nome;
    e.montante = montante;
    e.jusante = jusante;
    e.comprimento = comprimento;
    e.di = "400";
    e.hsMontante = e.hsJusante = "1,50";
    return e;
}

std::vector<std::vector<std::string>> nomesColetores(const std::vector<EntradaTrecho>& rede, const ColetoresRede& c)
{
    std::vector<std::vector<std::string>> r;
    for (const Coletor& k : c.coletores) {
        r.emplace_back();
        for (int t : k.trechos)
            r.back().push_back(rede[static_cast<std::size_t>(t)].trecho);
    }
    return r;
}

struct CasoColetores {
    const char* nome;
    std::vector<EntradaTrecho> rede;
    std::vector<std::vector<std::string>> esperados;
    std::vector<int> semComprimento;
};

} // namespace

TEST(Coletores, RegraDosColetores)
{
    const std::vector<CasoColetores> casos{
        // A trunk of 300 m with three branches: P5 and P8 join with 40 m each
        // (equal: P5 before P8 by name), P6 with 60 m over two stretches.
        {"árvore",
         {trecho("T1", "P1", "P2", "100"), trecho("T2", "P2", "P3", "100"), trecho("T3", "P3", "P4", "100,00"),
          trecho("T7", "P8", "P4", "40"), trecho("T4", "P5", "P2", "40"), trecho("T5", "P6", "P7", "30"),
          trecho("T6", "P7", "P3", "30")},
         {{"T1", "T2", "T3"}, {"T5", "T6"}, {"T4"}, {"T7"}},
         {}},
        // A branch longer than the trunk's own upstream part is the trunk.
        {"ramal mais longo",
         {trecho("A", "M1", "M3", "10"), trecho("B", "M2", "M3", "90"), trecho("C", "M3", "M4", "20")},
         {{"B", "C"}, {"A"}},
         {}},
        // A loop has no head: it starts at its first name and stops where it began.
        {"laço",
         {trecho("L2", "B", "C", "10"), trecho("L3", "C", "A", "10"), trecho("L1", "A", "B", "10")},
         {{"L1", "L2", "L3"}},
         {}},
        // A head that runs into a loop goes round it once.
        {"laço com cabeceira",
         {trecho("L1", "A", "B", "10"), trecho("L2", "B", "C", "10"), trecho("L3", "C", "A", "10"),
          trecho("H", "H0", "A", "5")},
         {{"H", "L1", "L2", "L3"}},
         {}},
        // A repeated stretch is drawn once more, on its own.
        {"nome repetido",
         {trecho("D1", "X", "Y", "20"), trecho("D2", "X", "Y", "20"), trecho("YZ", "Y", "Z", "10")},
         {{"D1", "YZ"}, {"D2"}},
         {}},
        // A stretch that leaves itself.
        {"trecho sobre si",
         {trecho("S", "Q", "Q", "15")},
         {{"S"}},
         {}},
        // Without both names, a collector of its own, placed by its length.
        {"sem nomes",
         {trecho("U1", "", "", "25"), trecho("U2", "PV-9", "", "70"), trecho("N1", "P", "Q", "50")},
         {{"U2"}, {"N1"}, {"U1"}},
         {}},
        // Without a length it cannot be drawn; the next manhole becomes a head.
        {"sem comprimento",
         {trecho("S1", "A", "B", ""), trecho("S2", "B", "C", "10"), trecho("S3", "C", "D", "abc"),
          trecho("S4", "D", "E", "0")},
         {{"S2"}},
         {0, 2, 3}},
    };
    for (const CasoColetores& c : casos) {
        SCOPED_TRACE(c.nome);
        const ColetoresRede coletores = montarColetores(c.rede);
        EXPECT_EQ(nomesColetores(c.rede, coletores), c.esperados);
        EXPECT_EQ(coletores.semComprimento, c.semComprimento);
        // Every stretch with a length is drawn exactly once.
        std::vector<int> vezes(c.rede.size(), 0);
        for (const Coletor& k : coletores.coletores)
            for (int t : k.trechos)
                ++vezes[static_cast<std::size_t>(t)];
        for (int t : coletores.semComprimento)
            vezes[static_cast<std::size_t>(t)] += 1;
        EXPECT_EQ(vezes, std::vector<int>(c.rede.size(), 1));
    }
}

namespace {

RedeTubulacoes redeDoCsv(const std::string& csv)
{
    RedeTubulacoes rede;
    const LeituraRede l = lerCsvRede(csv);
    EXPECT_TRUE(l.ok) << l.erro;
    rede.entradas = l.trechos;
    rede.resultados = classificarRede(ProjetoTubo{}, rede.entradas);
    return rede;
}

bool temTexto(const PerfisRede& p, const std::string& t)
{
    for (const FolhaPerfil& f : p.folhas)
        for (const TextoPerfil& x : f.textos)
            if (x.texto.find(t) != std::string::npos)
                return true;
    return false;
}

} // namespace

TEST(Perfis, CotasRelativasOuAbsolutas)
{
    const std::string cabecalho = "trecho;montante;jusante;comprimento;di;hs_montante;hs_jusante;terreno_montante;"
                                  "fundo_montante;terreno_jusante;fundo_jusante\n";
    struct Caso {
        const char* nome;
        std::string linhas;
        bool relativas;
        std::vector<double> fundos, terrenos; // at each stretch's two ends, upstream first
    };
    const std::vector<Caso> casos{
        // Covers only: the first invert at 0, the ground 1,1·di over the
        // invert plus the cover and going on through B, where the larger
        // pipe's invert steps down.
        {"coberturas", "T1;A;B;50,00;400;1,20;2,00;;;;\nT2;B;C;40,00;500;2,00;1,50;;;;\n", true,
         {0, 0, -0.11, -0.11}, {1.64, 2.44, 2.44, 1.94}},
        // Elevations throughout: drawn at them.
        {"cotas", "T1;A;B;50,00;400;;;101,00;99,00;100,50;98,50\nT2;B;C;40,00;400;;;100,50;98,40;100,20;98,00\n",
         false, {99.0, 98.5, 98.4, 98.0}, {101.0, 100.5, 100.5, 100.2}},
        // Mixed: relative, the stretch with elevations keeping its fall and depths.
        {"misto", "T1;A;B;50,00;400;1,20;2,00;;;;\nT2;B;C;40,00;400;;;100,50;98,40;100,20;98,00\n", true,
         {0, 0, 0.34, -0.06}, {1.64, 2.44, 2.44, 2.14}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const RedeTubulacoes rede = redeDoCsv(cabecalho + c.linhas);
        const PerfisRede p = montarPerfisRede(rede, {}, {});
        ASSERT_EQ(p.perfis.size(), 1u);
        const PerfilColetor& perfil = p.perfis[0];
        EXPECT_EQ(perfil.cotasRelativas, c.relativas);
        EXPECT_EQ(perfil.titulo, "Coletor 1 (A a C)");
        ASSERT_EQ(perfil.trechos.size(), 2u);
        for (std::size_t k = 0; k < 2; ++k) {
            const TrechoPerfil& t = perfil.trechos[k];
            EXPECT_NEAR(t.fundo0, c.fundos[2 * k], 1e-9);
            EXPECT_NEAR(t.fundo1, c.fundos[2 * k + 1], 1e-9);
            EXPECT_NEAR(t.terreno0.value_or(-1), c.terrenos[2 * k], 1e-9);
            EXPECT_NEAR(t.terreno1.value_or(-1), c.terrenos[2 * k + 1], 1e-9);
        }
        EXPECT_EQ(temTexto(p, "Cotas relativas (m)"), c.relativas);
        EXPECT_EQ(temTexto(p, "Cotas relativas: fundo inicial em 0,000 m"), c.relativas);
        EXPECT_EQ(temTexto(p, "Perfil longitudinal — Coletor 1 (A a C)"), true);
        EXPECT_EQ(temTexto(p, "Folha 1 de 1"), true);
    }
}

TEST(Perfis, FolhasDeContinuacao)
{
    // 12 stretches of 50 m: 600 m at 1:1000 take two sheets of 330 mm; at
    // 1:2000 one. Each sheet repeats the elevation axis.
    std::string csv = "trecho;montante;jusante;comprimento;di;hs_montante;hs_jusante\n";
    for (int i = 1; i <= 12; ++i)
        csv += "T" + std::to_string(i) + ";PV-" + std::to_string(i) + ";PV-" + std::to_string(i + 1) + ";50;600;1,50;1,50\n";
    const RedeTubulacoes rede = redeDoCsv(csv);
    for (const auto& [escala, folhas] : {std::pair{1000, 2}, std::pair{2000, 1}}) {
        const PerfisRede p = montarPerfisRede(rede, {escala, 100}, {});
        ASSERT_EQ(static_cast<int>(p.folhas.size()), folhas);
        for (const FolhaPerfil& f : p.folhas) {
            EXPECT_EQ(f.total, folhas);
            int marcas = 0;
            for (const TextoPerfil& t : f.textos)
                marcas += t.camada == CamadaPerfil::Folha && t.texto == "0,00";
            EXPECT_EQ(marcas, 1) << "the axis mark of the relative datum's invert";
            for (const LinhaPerfil& l : f.linhas)
                for (const PontoPerfil& q : l.folha) {
                    EXPECT_GE(q.x, 0.0);
                    EXPECT_LE(q.x, larguraFolhaA3);
                }
        }
        EXPECT_DOUBLE_EQ(p.folhas.back().xFim, 600.0);
        if (folhas == 2) {
            EXPECT_DOUBLE_EQ(p.folhas[0].xFim, 300.0); // at a manhole, within 330 m
            EXPECT_TRUE(temTexto(p, "Continua na folha 2"));
        }
    }
}

TEST(Perfis, ComprimentoAbsurdoNaoGeraFolhasSemFim)
{
    const RedeTubulacoes rede = redeDoCsv("trecho;montante;jusante;comprimento;di;hs_montante;hs_jusante\n"
                                          "T1;A;B;1000000000;400;1,50;1,50\n");
    const PerfisRede p = montarPerfisRede(rede, {}, {});
    EXPECT_TRUE(p.folhas.empty());
    EXPECT_EQ(p.erro, "Os perfis passariam de 5000 folhas nestas escalas: confira os comprimentos dos trechos.");
}

TEST(Perfis, EscalasNaConfiguracao)
{
    EXPECT_EQ(escalasDasLinhas(linhasDasEscalas({500, 50})), (EscalasPerfil{500, 50}));
    EXPECT_EQ(escalasDasLinhas({"EscalaHorizontal=abc", "EscalaVertical=0", "lixo"}), EscalasPerfil{});
    EXPECT_EQ(escalasDasLinhas({"EscalaVertical=200"}), (EscalasPerfil{1000, 200}));
}

TEST(Perfis, DxfLidoDeVolta)
{
    if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "ezdxf não está instalado para /usr/bin/python3";
    // A trunk with elevations and a branch; the branch's class texts and
    // every invert and ground vertex must be where the file says.
    const std::string csv =
        "trecho;montante;jusante;comprimento;di;terreno_montante;fundo_montante;terreno_jusante;fundo_jusante\n"
        "T1;PV-1;PV-2;50,00;400;101,00;99,00;100,50;98,50\n"
        "T2;PV-2;PV-3;40,00;600;100,50;98,30;100,20;97,90\n"
        "T3;PV-4;PV-2;30,00;400;101,20;99,20;100,50;98,90\n";
    const RedeTubulacoes rede = redeDoCsv(csv);
    const PerfisRede p = montarPerfisRede(rede, {}, {});
    ASSERT_EQ(p.modelos.size(), 2u);
    const auto pasta = std::filesystem::temp_directory_path() / ("perfis-dxf-" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    const std::string dxf = (pasta / "coletor-1.dxf").string();
    ASSERT_EQ(gravarDxfPerfil(p.modelos[0], dxf), "");
    ASSERT_EQ(gravarDxfPerfil(p.modelos[1], (pasta / "coletor-2.dxf").string()), "");

    std::string classes;
    for (int t : {0, 1}) {
        const ResultadoTrecho& r = rede.resultados[static_cast<std::size_t>(t)];
        ASSERT_TRUE(r.classificado) << r.mensagem;
        classes += "'" + r.textoClasse.substr(r.textoClasse.find_first_not_of(' ')) + "',";
    }
    // Collector 1 is PV-1, PV-2, PV-3 (90 m); the branch PV-4 to PV-2 is collector 2.
    const std::string script = R"(
import sys, ezdxf
d = ezdxf.readfile(sys.argv[1])
assert d.dxfversion == 'AC1015', d.dxfversion
assert d.header['$INSUNITS'] == 6
assert d.header['$DWGCODEPAGE'] == 'ANSI_1252'
m = d.modelspace()
def pontos(camada):
    r = []
    for e in m.query('LWPOLYLINE[layer=="%s"]' % camada):
        r.append([(round(x, 6), round(y, 6)) for x, y in e.get_points('xy')])
    return r
assert pontos('FUNDO') == [[(0, 99), (50, 98.5)], [(50, 98.3), (90, 97.9)]], pontos('FUNDO')
assert pontos('GERATRIZ') == [[(0, 99.4), (50, 98.9)], [(50, 98.9), (90, 98.5)]], pontos('GERATRIZ')
assert pontos('TERRENO') == [[(0, 101), (50, 100.5), (90, 100.2)]], pontos('TERRENO')
assert len(pontos('PV')) == 3
textos = [t.dxf.text for t in m.query('TEXT[layer=="TEXTO"]')]
nomes = [t for t in m.query('TEXT[layer=="TEXTO"]') if t.dxf.text.startswith('PV-')]
assert [round(t.dxf.rotation, 6) for t in nomes] == [90, 90, 90], [t.dxf.rotation for t in nomes]
assert [round(t.dxf.align_point[0], 6) for t in nomes] == [0, 50, 90]
for esperado in ['PV-1', 'PV-2', 'PV-3', 'DN 400', 'DN 600', 'L = 50,00 m', 'i = 0,0100 m/m', 'i = 0,0100 m/m', )" +
                               classes + R"(]:
    assert esperado in textos, (esperado, textos)
    textos.remove(esperado)
tabela = [t.dxf.text for t in m.query('TEXT[layer=="TABELA"]')]
for esperado in ['Distância (m)', 'Cota do terreno (m)', '90,00', '97,900', '101,000', '98,500', '98,300']:
    assert esperado in tabela, (esperado, tabela)
print('ok')
)";
    const std::string arquivoScript = (pasta / "ler.py").string();
    std::ofstream(arquivoScript) << script;
    const std::string comando = "/usr/bin/python3 " + arquivoScript + " " + dxf + " > " + (pasta / "saida.txt").string() + " 2>&1";
    const int status = std::system(comando.c_str());
    std::ifstream saida(pasta / "saida.txt");
    std::stringstream texto;
    texto << saida.rdbuf();
    EXPECT_EQ(status, 0) << texto.str();
    std::filesystem::remove_all(pasta);
}

// Any network, however its names loop or repeat: every stretch with a length
// in exactly one collector, linked manhole to manhole, the longest first,
// and every sheet's profile within its drawing area across.
RC_GTEST_PROP(Perfis, QualquerRede, ())
{
    const std::vector<std::string> pocos{"", "A", "B", "C", "D", "E", "F"};
    const std::vector<std::string> comprimentos{"", "0", "10", "25,5", "100", "380", "abc"};
    const int n = *rc::gen::inRange(0, 20);
    std::vector<EntradaTrecho> rede;
    for (int i = 0; i < n; ++i) {
        EntradaTrecho e = trecho("T" + std::to_string(i), *rc::gen::elementOf(pocos), *rc::gen::elementOf(pocos),
                                 *rc::gen::elementOf(comprimentos));
        e.di = *rc::gen::element<std::string>("400", "1500", "");
        if (*rc::gen::arbitrary<bool>()) {
            e.hsMontante = e.hsJusante = "";
            e.terrenoMontante = "100,00";
            e.fundoMontante = *rc::gen::element<std::string>("98,00", "90,00", "");
            e.terrenoJusante = "99,50";
            e.fundoJusante = "97,80";
        }
        rede.push_back(e);
    }
    const ColetoresRede c = montarColetores(rede);
    std::vector<int> vezes(rede.size(), 0);
    for (int t : c.semComprimento) {
        double l = 0;
        RC_ASSERT(!comprimentoTrecho(rede[static_cast<std::size_t>(t)], l));
        ++vezes[static_cast<std::size_t>(t)];
    }
    for (std::size_t k = 0; k < c.coletores.size(); ++k) {
        const Coletor& col = c.coletores[k];
        RC_ASSERT(!col.trechos.empty());
        if (k > 0)
            RC_ASSERT(col.comprimento <= c.coletores[k - 1].comprimento);
        for (std::size_t i = 0; i < col.trechos.size(); ++i) {
            ++vezes[static_cast<std::size_t>(col.trechos[i])];
            if (i > 0)
                RC_ASSERT(rede[static_cast<std::size_t>(col.trechos[i - 1])].jusante ==
                          rede[static_cast<std::size_t>(col.trechos[i])].montante);
        }
    }
    RC_ASSERT(vezes == std::vector<int>(rede.size(), 1));

    RedeTubulacoes classificada{rede, classificarRede(ProjetoTubo{}, rede)};
    const PerfisRede p = montarPerfisRede(classificada, {}, {});
    RC_ASSERT(p.folhas.size() >= c.coletores.size());
    for (const FolhaPerfil& f : p.folhas)
        for (const LinhaPerfil& l : f.linhas)
            for (const PontoPerfil& q : l.folha) {
                RC_ASSERT(q.x >= 0.0);
                RC_ASSERT(q.x <= larguraFolhaA3);
            }
}
