// The .rdw project file: the lines a project and its results make, and
// reading them back with every check made before anything changes.
#include "arquivoProjetoRedwan.h"
#include "dimensionamento.h"
#include "windows1252.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
using Linhas = std::vector<std::string>;
const std::string sep(55, '-');

// The texts of a real design run of this pipe.
TextosResultados textosDe(double P, double di, double h, int tipoArmadura, int tipoTubo)
{
    DadosDimensionamento d;
    d.P = P;
    d.di = di;
    d.h = h;
    d.fck = 35.0;
    d.gamaS = 1.15;
    d.gamaC = 1.4;
    d.tipoArmadura = tipoArmadura;
    d.tipoTubo = tipoTubo;
    d.dLinhaInt = 3.5;
    d.dLinhaExt = 2.5;
    EstadoDimensionamento e;
    const ExecucaoDimensionamento x = executarDimensionamento(d, e);
    EXPECT_EQ(x.desfecho, Desfecho::Resultados) << x.mensagem;
    return textosResultados(x.resultado);
}

// A 600 mm stormwater PA2 pipe with one cage, and its work and client.
ProjetoRedwan projetoSimples()
{
    ProjetoRedwan p;
    p.obra.servicos = "Galeria de águas pluviais";
    p.obra.cidade = "Goiânia";
    p.obra.cep = "74000-000";
    p.cliente.nome = "Prefeitura Municipal";
    p.cliente.email = "obras@exemplo.gov.br";
    p.classe.classePluvial = 1;
    p.classe.classeEsgoto = 0;
    return p;
}

// A 1000 mm sewage pipe of a special class with two cages.
ProjetoRedwan projetoDuplo()
{
    ProjetoRedwan p = projetoSimples();
    p.geometria = {finalidadeEsgoto, 0, 7, 1};
    p.classe = {4, 3, "190,00", "190,00"};
    p.parametros = {"30,00", armaduraDupla, "3,5", "2,5", "120", "1,15", "1,40"};
    return p;
}

Linhas secao(const Linhas& linhas, const std::string& cabecalho)
{
    const auto inicio = std::find(linhas.begin(), linhas.end(), cabecalho);
    if (inicio == linhas.end())
        return {};
    return Linhas(inicio + 1, std::find(inicio + 1, linhas.end(), sep));
}

int linhaDe(const Linhas& linhas, const std::string& cabecalho, int k)
{
    return static_cast<int>(std::find(linhas.begin(), linhas.end(), cabecalho) - linhas.begin()) + k;
}
} // namespace

TEST(ArquivoRedwan, ArquivoInteiroDeUmProjetoSimples)
{
    const TextosResultados t = textosDe(54.0, 600.0, 60.0, CircularSimples, PontaBolsa);
    const Linhas linhas = linhasProjetoRedwan(projetoSimples(), t);
    const Linhas esperadas{
        "OBRA", "Galeria de águas pluviais", "", "", "", "Goiânia", "", "74000-000", sep, "",
        "CLIENTE", "Prefeitura Municipal", "", "", "", "", "", "", "", "", "obras@exemplo.gov.br", sep, "",
        "GEOMETRIA", "0", "1", "3", "0", sep, "",
        "TUBO", "1", sep, "",
        "ARMADURA", "35,00", "0", "60", "1,15", "1,40", sep, "",
        "DIMENSIOMENTO DA ARMADURA", t.Label3, t.Label10, t.Label4, t.Label6, t.Label12, t.Label5, t.Label23,
        t.Label11, t.Label22, t.Label8, t.Label13, t.Label9, t.Panel16, t.Panel15, t.Pint, t.Pext, t.Label20,
        t.Label21, t.Label26, std::to_string(inteiroDaCor(t.corLabel27)), std::to_string(inteiroDaCor(t.corLabel28)),
        std::to_string(inteiroDaCor(t.corLabel29)), t.Label27, t.Label28, t.Label29, t.Label17, t.Label18,
        t.Label19, sep, ""};
    EXPECT_EQ(linhas, esperadas);
    EXPECT_EQ(secao(linhas, "DIMENSIOMENTO DA ARMADURA").size(), 28u);
    EXPECT_EQ(t.Pext, "----"); // one cage: the outer mesh does not apply
    EXPECT_EQ(t.Pint.substr(0, 3), "PB ");
}

TEST(ArquivoRedwan, CoresDosVereditosComoInteiros)
{
    EXPECT_EQ(inteiroDaCor(CorRgb{255, 0, 0}), 255);
    EXPECT_EQ(inteiroDaCor(CorRgb{0, 0, 255}), 16711680);
    EXPECT_EQ(inteiroDaCor(CorRgb{0, 128, 0}), 32768);
    EXPECT_EQ(corDoInteiro(16711680), (CorRgb{0, 0, 255}));
    EXPECT_EQ(corDoInteiro(255), (CorRgb{255, 0, 0}));
    EXPECT_EQ(corDoInteiro(8421376), (CorRgb{0, 128, 128}));

    // 300 mm with a 45 mm wall under PA4: the cover and shear checks fail.
    const Linhas linhas = linhasProjetoRedwan(projetoSimples(), textosDe(54.0, 300.0, 45.0, CircularSimples, 0));
    const Linhas r = secao(linhas, "DIMENSIOMENTO DA ARMADURA");
    EXPECT_EQ(Linhas(r.begin() + 19, r.begin() + 22), (Linhas{"255", "255", "16711680"}));
    EXPECT_EQ(r[22], "(Pode ocorrer ruptura do cobrimento)");
}

TEST(ArquivoRedwan, LinhasCondicionaisEIdaEVoltaByteAByte)
{
    struct Caso {
        const char* nome;
        ProjetoRedwan projeto;
        TextosResultados textos;
        Linhas tubo, armadura;
    };
    ProjetoRedwan pa2 = projetoSimples();
    ProjetoRedwan especialPluvial = projetoSimples();
    especialPluvial.classe.classePluvial = 4;
    especialPluvial.classe.especialPluvial = "120,00";
    especialPluvial.parametros.h = "80";
    ProjetoRedwan ea3 = projetoSimples();
    ea3.geometria = {finalidadeEsgoto, 0, 7, 0};
    ea3.classe = {2, 1, "", ""};
    ea3.parametros.h = "120";
    const Caso casos[] = {
        {"PA2, one cage", pa2, textosDe(54.0, 600.0, 60.0, CircularSimples, PontaBolsa), {"1"},
         {"35,00", "0", "60", "1,15", "1,40"}},
        {"special stormwater", especialPluvial, textosDe(120.0, 600.0, 80.0, CircularSimples, PontaBolsa), {"4", "120,00"},
         {"35,00", "0", "80", "1,15", "1,40"}},
        {"EA3, one cage", ea3, textosDe(135.0, 1000.0, 120.0, CircularSimples, MachoFemea), {"1"},
         {"35,00", "0", "120", "1,15", "1,40"}},
        {"special sewage, two cages", projetoDuplo(), textosDe(190.0, 1000.0, 120.0, CircularDupla, MachoFemea),
         {"3", "190,00"}, {"30,00", "1", "3,5", "2,5", "120", "1,15", "1,40"}},
    };
    for (const Caso& c : casos) {
        const Linhas linhas = linhasProjetoRedwan(c.projeto, c.textos);
        EXPECT_EQ(secao(linhas, "TUBO"), c.tubo) << c.nome;
        EXPECT_EQ(secao(linhas, "ARMADURA"), c.armadura) << c.nome;
        // Through the file's bytes: opened over a new project, saved again, the same bytes.
        const auto bytes = montarArquivoLinhas(linhas);
        ASSERT_TRUE(bytes) << c.nome;
        const LeituraRedwan lido = lerLinhasProjetoRedwan(separarArquivoLinhas(*bytes), ProjetoRedwan{}, {});
        ASSERT_TRUE(lido.ok) << c.nome << ": linha " << lido.linha << " " << lido.erro;
        EXPECT_EQ(montarArquivoLinhas(linhasProjetoRedwan(lido.projeto, lido.resultados)), bytes) << c.nome;
        EXPECT_EQ(lido.projeto.obra, c.projeto.obra) << c.nome;
        EXPECT_EQ(lido.projeto.cliente, c.projeto.cliente) << c.nome;
        EXPECT_EQ(lido.projeto.geometria, c.projeto.geometria) << c.nome;
        EXPECT_EQ(nomeClasseEscolhida(lido.projeto.classe, lido.projeto.geometria),
                  nomeClasseEscolhida(c.projeto.classe, c.projeto.geometria)) << c.nome;
        EXPECT_EQ(cargaDeProjeto(lido.projeto), cargaDeProjeto(c.projeto)) << c.nome;
        EXPECT_EQ(lido.projeto.parametros.tipo, c.projeto.parametros.tipo) << c.nome;
        // Every text and colour of the results window, the two fixed forces too.
        const TextosResultados& t = lido.resultados;
        EXPECT_EQ(t.Label2, "0,00");
        EXPECT_EQ(t.Label24, "0,00");
        for (const auto& [lidoTexto, original] :
             {std::pair{t.Label3, c.textos.Label3}, {t.Label6, c.textos.Label6}, {t.Label22, c.textos.Label22},
              {t.Pint, c.textos.Pint}, {t.Pext, c.textos.Pext}, {t.Panel16, c.textos.Panel16},
              {t.Label19, c.textos.Label19}, {t.Label29, c.textos.Label29}})
            EXPECT_EQ(lidoTexto, original) << c.nome;
        EXPECT_EQ(t.corLabel27, c.textos.corLabel27) << c.nome;
        EXPECT_EQ(t.corLabel28, c.textos.corLabel28) << c.nome;
        EXPECT_EQ(t.corLabel29, c.textos.corLabel29) << c.nome;
    }
}

TEST(ArquivoRedwan, LeituraAplicaAsEscolhas)
{
    // The open project: 1500 mm, odd positions, other texts everywhere.
    ProjetoRedwan aberto = projetoDuplo();
    aberto.geometria.indiceDi = 11;
    aberto.parametros.dInt = "9,9";
    aberto.parametros.dExt = "8,8";
    aberto.classe.especialEsgoto = "999,00";
    aberto.etapas = {};

    // One cage at 600 mm: the positions take the defaults of 600 mm, as
    // choosing the type in the window gives them.
    const LeituraRedwan simples =
        lerLinhasProjetoRedwan(linhasProjetoRedwan(projetoSimples(), {}), aberto, {});
    ASSERT_TRUE(simples.ok) << simples.erro;
    EXPECT_EQ(simples.projeto.parametros.dInt, "2,5");
    EXPECT_EQ(simples.projeto.parametros.dExt, "2,0");
    EXPECT_TRUE(simples.projeto.etapas.geometria && simples.projeto.etapas.classe && simples.projeto.etapas.parametros);
    // PA2 in the visible group: the hidden sewage group follows with EA2.
    EXPECT_EQ(simples.projeto.classe.classePluvial, 1);
    EXPECT_EQ(simples.projeto.classe.classeEsgoto, 0);

    // Special sewage: the pluvial group follows with "Especial" and the load.
    ProjetoRedwan duplo = projetoDuplo();
    duplo.classe = {0, 3, "", "260,00"};
    const LeituraRedwan lido = lerLinhasProjetoRedwan(linhasProjetoRedwan(duplo, {}), aberto, {});
    ASSERT_TRUE(lido.ok) << lido.erro;
    EXPECT_EQ(lido.projeto.classe, (ClasseRedwan{4, 3, "260,00", "260,00"}));
    EXPECT_EQ(lido.projeto.parametros.dInt, "3,5");

    // A file whose last empty line was dropped still opens.
    Linhas semFim = linhasProjetoRedwan(projetoSimples(), {});
    semFim.pop_back();
    EXPECT_TRUE(lerLinhasProjetoRedwan(semFim, aberto, {}).ok);
}

TEST(ArquivoRedwan, ArquivosRecusadosNaoMudamNada)
{
    const Linhas bom = linhasProjetoRedwan(projetoDuplo(), textosDe(190.0, 1000.0, 120.0, CircularDupla, 0));
    const Linhas simples = linhasProjetoRedwan(projetoSimples(), {});
    const int geo = linhaDe(bom, "GEOMETRIA", 0);
    const int tubo = linhaDe(bom, "TUBO", 0);
    const int arm = linhaDe(bom, "ARMADURA", 0);
    const int res = linhaDe(bom, "DIMENSIOMENTO DA ARMADURA", 0);
    struct Caso {
        const char* nome;
        int indice;      // 0-based line to change; -1 cuts the file at `corte`
        std::string novo;
        int corte;
        const char* erroContem;
        bool arquivoSimples = false; // change the one-cage PA2 file instead
        int linha = 0;               // the line named, when not the changed one
    };
    const Caso casos[] = {
        {"cut short", -1, "", 40, "termina antes"},
        {"cut before the last separator", -1, "", static_cast<int>(bom.size()) - 2, "termina antes"},
        {"empty file", -1, "", 0, "termina antes"},
        {"another heading", 0, "OBRAS", 0, "\"OBRA\""},
        {"heading out of place", tubo, "ARMADURA", 0, "\"TUBO\""},
        {"missing separator", geo + 5, "x", 0, "separadora"},
        {"missing empty line", geo + 6, "x", 0, "linha vazia"},
        {"garbled index", geo + 1, "1x", 0, "não é um número inteiro"},
        {"negative index", geo + 3, "-1", 0, "não é um número inteiro"},
        {"purpose out of its list", geo + 1, "2", 0, "fora da lista"},
        {"joint out of its list", geo + 2, "2", 0, "fora da lista"},
        {"diameter out of its list", geo + 3, "14", 0, "fora da lista"},
        {"length out of the sewage list", geo + 4, "2", 0, "fora da lista"},
        {"sewage class out of its group", tubo + 1, "4", 0, "fora da lista"},
        {"special load not a number", tubo + 2, "muito", 0, "não é um número válido"},
        {"special load empty", tubo + 2, "", 0, "falta a carga"},
        {"special load of the largest class", tubo + 2, "180,00", 0, "maior do que 180,00 kN/m"},
        {"fck not a number", arm + 1, "3O,00", 0, "não é um número válido"},
        {"fck zero", arm + 1, "0,00", 0, "maior que zero"},
        {"type out of its list", arm + 2, "2", 0, "fora da lista"},
        {"inner position negative", arm + 3, "-0,5", 0, "não pode ser negativa"},
        {"inner position as deep as the wall", arm + 3, "12,0", 0, "não cabem", false, arm + 5},
        {"outer position beyond the wall", arm + 4, "12,5", 0, "não cabem"},
        {"wall zero", arm + 5, "0", 0, "maior que zero"},
        {"wall above 1000 mm", arm + 5, "1001", 0, "1000 mm"},
        {"steel factor below 1", arm + 6, "0,99", 0, "aço"},
        {"concrete factor below 1", arm + 7, "0,50", 0, "concreto"},
        {"colour not a number", res + 20, "azul", 0, "não é um número inteiro"},
        {"colour beyond 24 bits", res + 21, "16777216", 0, "não é uma cor"},
        {"missing last separator", res + 29, "", 0, "separadora"},
        // Read as one cage, the two position lines shift the rest down.
        {"two cages read as one", arm + 2, "0", 0, "separadora", false, arm + 7},
        {"PA class of the stormwater group beyond it", linhaDe(simples, "TUBO", 1), "5", 0, "fora da lista", true},
    };
    ProjetoRedwan aberto = projetoSimples();
    aberto.geometria.indiceDi = 8;
    aberto.parametros.fck = "40,00";
    const TextosResultados textosAbertos = textosDe(54.0, 600.0, 60.0, CircularSimples, PontaBolsa);
    const Linhas antes = linhasProjetoRedwan(aberto, textosAbertos);
    for (const Caso& c : casos) {
        Linhas linhas = c.arquivoSimples ? simples : bom;
        if (c.indice < 0)
            linhas.resize(static_cast<std::size_t>(c.corte));
        else
            linhas[static_cast<std::size_t>(c.indice)] = c.novo;
        const LeituraRedwan r = lerLinhasProjetoRedwan(linhas, aberto, textosAbertos);
        EXPECT_FALSE(r.ok) << c.nome;
        EXPECT_NE(r.erro.find(c.erroContem), std::string::npos) << c.nome << ": " << r.erro;
        EXPECT_EQ(linhasProjetoRedwan(r.projeto, r.resultados), antes) << c.nome;
        EXPECT_EQ(r.projeto.etapas.geometria, aberto.etapas.geometria) << c.nome;
        if (c.linha > 0)
            EXPECT_EQ(r.linha, c.linha) << c.nome;
        else if (c.indice >= 0)
            EXPECT_EQ(r.linha, c.indice + 1) << c.nome;
        else
            EXPECT_EQ(r.linha, c.corte + 1) << c.nome;
    }
}

TEST(ArquivoRedwan, LimitesNasBordas)
{
    const Linhas bom = linhasProjetoRedwan(projetoDuplo(), {});
    const int tubo = linhaDe(bom, "TUBO", 0);
    const int arm = linhaDe(bom, "ARMADURA", 0);
    struct Caso {
        int indice;
        const char* valor;
        bool aceito;
    } casos[] = {
        {tubo + 2, "180,01", true},  // one hundredth above EA4 of 1000 mm
        {tubo + 2, "180,004", false}, // reads as 180,00 in its field
        {arm + 1, "0,01", true},
        {arm + 3, "0", true},
        {arm + 3, "9,4", true}, // with the outer 2,5: 1 mm left of a 120 mm wall
        {arm + 3, "9,5", false},
        {arm + 5, "1000", true},
        {arm + 6, "1", true},
        {arm + 7, "1,00", true},
    };
    for (const Caso& c : casos) {
        Linhas linhas = bom;
        linhas[static_cast<std::size_t>(c.indice)] = c.valor;
        const LeituraRedwan r = lerLinhasProjetoRedwan(linhas, ProjetoRedwan{}, {});
        EXPECT_EQ(r.ok, c.aceito) << c.valor << ": " << r.erro;
    }
}

TEST(ArquivoRedwan, MensagemELegenda)
{
    const Linhas curto(linhasProjetoRedwan(projetoSimples(), {}));
    const LeituraRedwan r = lerLinhasProjetoRedwan(Linhas(curto.begin(), curto.begin() + 30), ProjetoRedwan{}, {});
    EXPECT_EQ(mensagemArquivoRedwanRecusado("a.rdw", r),
              "Não foi possível abrir o arquivo \"a.rdw\": linha 31, o arquivo termina antes do esperado. "
              "O projeto aberto não foi alterado.");
    LeituraRedwan semArquivo;
    semArquivo.erro = "o arquivo não existe";
    EXPECT_EQ(mensagemArquivoRedwanRecusado("b.rdw", semArquivo),
              "Não foi possível abrir o arquivo \"b.rdw\": o arquivo não existe.");
    // Each opening appends its file's name.
    const std::string titulo = "Dimensionamento da armadura de tubos de concreto armado";
    EXPECT_EQ(legendaAposAbrir(legendaAposAbrir(titulo, "a.rdw"), "b.rdw"), titulo + " - a.rdw - b.rdw");
}
