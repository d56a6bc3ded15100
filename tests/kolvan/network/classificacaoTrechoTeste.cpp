// Classing a stretch of a network against the single-project computation.
#include "calculoClasse.h"
#include "classificacaoTrecho.h"
#include "numeros.h"
#include "quantitativosRede.h"
#include "redeTubulacoes.h"

#include <gtest/gtest.h>

namespace {

EntradaTrecho trecho(const std::string& nome, const std::string& di, const std::string& hsM, const std::string& hsJ,
                     const std::string& comprimento = "50,00")
{
    EntradaTrecho e;
    e.trecho = nome;
    e.di = di;
    e.hsMontante = hsM;
    e.hsJusante = hsJ;
    e.comprimento = comprimento;
    return e;
}

struct Instalacoes {
    const char* nome;
    int tipo;
    bool compactado;
    const char* rsd;
};

const Instalacoes instalacoes[] = {
    {"vala", Vala, false, "0,5"},
    {"projeção positiva", ProjecaoPositiva, false, "0,5"},
    {"projeção negativa", ProjecaoNegativa, false, "-0,4"},
    {"projeção negativa compactada", ProjecaoNegativa, true, "0,5"},
};

ProjetoTubo projetoCom(const Instalacoes& i, int natureza = 0)
{
    ProjetoTubo p;
    p.instalacao.tipo = i.tipo;
    p.instalacao.aterroCompactado = i.compactado;
    p.instalacao.razaoRecalque = i.rsd;
    p.instalacao.alturaHa = "0,30";
    p.instalacao.larguraVala = "3,50";
    p.sobrecarga.natureza = natureza;
    return p;
}

} // namespace

// A stretch with the same cover at both ends is exactly one project.
TEST(ClassificacaoTrecho, CoberturasIguaisDaoOResultadoDoProjeto)
{
    for (const Instalacoes& inst : instalacoes)
        for (const char* di : {"300", "600", "1200", "2000"})
            for (const char* hs : {"1,40", "2,37", "4,00"})
                for (int natureza : {0, 5}) {
                    SCOPED_TRACE(std::string(inst.nome) + " di " + di + " hs " + hs);
                    ProjetoTubo p = projetoCom(inst, natureza);
                    p.geometria.indiceDi = static_cast<int>(
                        std::find(listaDiametros().begin(), listaDiametros().end(), di) - listaDiametros().begin());
                    p.instalacao.alturaTerra = hs;
                    EstadoSobrecarga estado;
                    const CalculoClasse c = calcularClasse(p, estado);
                    ASSERT_TRUE(c.calculada()) << c.mensagem;

                    EntradaTrecho e = trecho("T", di, hs, hs);
                    e.bv = "3,50";
                    const ResultadoTrecho r = classificarTrecho(projetoCom(inst, natureza), e);
                    ASSERT_TRUE(r.classificado) << r.mensagem;
                    EXPECT_EQ(r.R, c.R);
                    EXPECT_EQ(r.W, c.W);
                    EXPECT_EQ(r.qs, c.qs);
                    EXPECT_EQ(r.fe, c.fe);
                    EXPECT_EQ(r.classeArmado, p.resultado.classeArmado);
                    EXPECT_EQ(r.cargaArmado, p.resultado.cargaArmado);
                    EXPECT_EQ(r.classeSimples, p.resultado.classeSimples);
                    EXPECT_EQ(r.textoClasse, p.resultado.textoClasse);
                    EXPECT_EQ(r.hsGovernante, converterNumero(hs));
                }
}

// The earth load grows with the cover and governs at the deeper end; road
// traffic fades with it and governs at the shallower one.
TEST(ClassificacaoTrecho, CoberturaGovernante)
{
    struct Caso {
        const char* nome;
        int natureza;
        const char *di, *hsM, *hsJ;
        double governante;
    } casos[] = {
        {"terra, mais funda a jusante", NulaOuDesprezivel, "600", "1,20", "3,40", 3.40},
        {"terra, mais funda a montante", NulaOuDesprezivel, "600", "3,40", "1,20", 3.40},
        {"tráfego, mais rasa a jusante", Rodoviaria, "600", "0,90", "0,60", 0.60},
        {"tráfego, mais rasa a montante", Rodoviaria, "400", "0,60", "0,90", 0.60},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        ProjetoTubo p = projetoCom(instalacoes[0], c.natureza);
        const ResultadoTrecho r = classificarTrecho(p, trecho("T", c.di, c.hsM, c.hsJ));
        ASSERT_TRUE(r.classificado) << r.mensagem;
        EXPECT_DOUBLE_EQ(r.hsGovernante, c.governante);
        EXPECT_EQ(r.R, classificarTrecho(p, trecho("T", c.di, formatar2(c.governante), formatar2(c.governante))).R);
        // No point between the ends needs more.
        const double menor = std::min(converterNumero(c.hsM), converterNumero(c.hsJ));
        const double maior = std::max(converterNumero(c.hsM), converterNumero(c.hsJ));
        for (const char* meio : {"0,65", "0,75", "0,85", "1,25", "2,00", "3,00"}) {
            const ResultadoTrecho ponto = classificarTrecho(p, trecho("T", c.di, meio, meio));
            if (converterNumero(meio) > menor && converterNumero(meio) < maior) {
                EXPECT_LE(ponto.R, r.R) << meio;
            }
        }
    }
}

// The points run from the upstream end, so the first of equal R, the one
// nearer the upstream end, is the one that governs.
TEST(ClassificacaoTrecho, PontosDaMontanteParaAJusante)
{
    struct Caso {
        int montante, jusante;
        std::vector<int> pontos;
    } casos[] = {
        {120, 120, {120}},
        {120, 121, {120, 121}},
        {100, 112, {100, 105, 110, 112}},
        {112, 100, {112, 110, 105, 100}},
        {103, 107, {103, 105, 107}},
        {61, 74, {61, 65, 70, 74}},
        {74, 61, {74, 70, 65, 61}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(pontosCobertura(c.montante, c.jusante), c.pontos) << c.montante << " → " << c.jusante;
}

TEST(ClassificacaoTrecho, CoberturasDasCotasELarguraPadrao)
{
    ProjetoTubo p;
    EntradaTrecho e = trecho("T", "600", "", "");
    // hs = terreno − fundo − 1,1·di/1000
    e.terrenoMontante = "100,000";
    e.fundoMontante = "97,340";
    e.terrenoJusante = "99,500";
    e.fundoJusante = "97,000";
    const ResultadoTrecho r = classificarTrecho(p, e);
    ASSERT_TRUE(r.classificado) << r.mensagem;
    EXPECT_DOUBLE_EQ(r.hsMontante, 2.00);
    EXPECT_DOUBLE_EQ(r.hsJusante, 1.84);
    // Largest cover 2,00 m: shored width 1,15 < D + 0,50 = 1,22.
    EXPECT_DOUBLE_EQ(r.bv, 1.22);

    struct Caso {
        int di;
        double hs, bv;
    } larguras[] = {
        {300, 1.0, 0.86}, {600, 2.0, 1.22}, {600, 2.01, 1.30}, {700, 3.0, 1.40},
        {800, 1.0, 1.46}, {1000, 1.0, 1.90}, {2000, 5.0, 3.10},
    };
    for (const Caso& c : larguras)
        EXPECT_DOUBLE_EQ(larguraValaPadrao(c.di, c.hs), c.bv) << c.di << " mm, hs " << c.hs;
}

TEST(ClassificacaoTrecho, TrechosSemClasseDizemPorque)
{
    ProjetoTubo p;
    auto com = [](EntradaTrecho e, auto mudar) {
        mudar(e);
        return e;
    };
    struct Caso {
        EntradaTrecho entrada;
        std::string mensagem;
    } casos[] = {
        {trecho("T", "600", "0,55", "1,00"), "hs = 0,55 m (montante): A altura mínima de terra deverá ser 0,60 m"},
        {trecho("T", "600", "1,00", "0,58"), "hs = 0,58 m (jusante): A altura mínima de terra deverá ser 0,60 m"},
        {trecho("T", "600", "3,03", "0,45"), "hs = 0,55 m (entre 3,03 e 0,45 m): A altura mínima de terra deverá ser 0,60 m"},
        {trecho("T", "650", "1,00", "1,00"), "O diâmetro 650 mm não é um dos diâmetros dos tubos."},
        {com(trecho("T", "600", "1,00", "1,00"), [](EntradaTrecho& e) { e.tubos = "1,5"; }),
         "O número de tubos \"1,5\" deve ser um número inteiro de 1 a 99."},
        // An end without its ground (an outfall) and no typed cover.
        {com(trecho("T", "600", "1,00", ""), [](EntradaTrecho& e) { e.fundoJusante = "98,000"; }),
         "Falta o valor da coluna terreno_jusante."},
        {trecho("", "600", "1,00", "1,00"), "Falta o nome do trecho."},
        {trecho("T", "600", "1,00", "1,00", ""), "Falta o valor da coluna comprimento."},
        {trecho("T", "600", "1,00", "1,00", "-3"), "O comprimento deve ser maior que zero."},
        {trecho("T", "600", "1.5", "1,00"), "O valor \"1.5\" da coluna hs_montante não é um número."},
        {trecho("T", "600", "1,00", ""), "Falta o valor da coluna hs_jusante."},
        {trecho("T", "600", "", ""), "Faltam as alturas de terra (hs_montante e hs_jusante) ou as cotas do terreno e do fundo."},
        {com(trecho("T", "600", "1,00", "1,00"), [](EntradaTrecho& e) { e.bv = "1,00"; }),
         "hs = 1,00 m: A largura mínima da vala deverá ser 1,22 m."},
        {com(trecho("T", "600", "1,00", "1,00"), [](EntradaTrecho& e) { e.sobrecarga = "trem"; }),
         "A sobrecarga \"trem\" não é conhecida: use nula, classe 45, classe 30, eixo triplo ou deixe vazio."},
        {com(trecho("T", "600", "1,00", "1,00"), [](EntradaTrecho& e) { e.problemaLeitura = "Linha 4: tem 9 campos."; }),
         "Linha 4: tem 9 campos."},
    };
    for (const Caso& c : casos) {
        const ResultadoTrecho r = classificarTrecho(p, c.entrada);
        EXPECT_FALSE(r.classificado);
        EXPECT_EQ(r.mensagem, c.mensagem);
    }
    // A surcharge cover test that fails names its cover.
    ProjetoTubo distribuida;
    distribuida.sobrecarga.natureza = ForcaParcialmenteDistribuida;
    distribuida.sobrecarga.compB = "0,01";
    const ResultadoTrecho r = classificarTrecho(distribuida, trecho("T", "2000", "0,60", "0,70"));
    if (!r.classificado) {
        EXPECT_EQ(r.mensagem.rfind("hs = 0,", 0), 0u) << r.mensagem;
    }
}

TEST(ClassificacaoTrecho, SobrecargaDoTrecho)
{
    ProjetoTubo p; // Classe 45
    const ResultadoTrecho projeto = classificarTrecho(p, trecho("T", "600", "1,00", "1,00"));
    EntradaTrecho e = trecho("T", "600", "1,00", "1,00");
    e.sobrecarga = " Nula ";
    const ResultadoTrecho nula = classificarTrecho(p, e);
    ASSERT_TRUE(nula.classificado && projeto.classificado);
    EXPECT_EQ(nula.qs, 0.0);
    EXPECT_GT(projeto.qs, 0.0);
    e.sobrecarga = "eixo triplo";
    EXPECT_GT(classificarTrecho(p, e).qs, 0.0);
}

TEST(QuantitativosRede, MetrosPorDiametroEClasse)
{
    ProjetoTubo p;
    p.sobrecarga.natureza = NulaOuDesprezivel;
    const std::vector<EntradaTrecho> entradas{
        trecho("T1", "600", "1,00", "1,00", "40,00"), trecho("T2", "600", "1,00", "1,20", "60,50"),
        trecho("T3", "600", "0,50", "1,00", "30,00"), trecho("T4", "1000", "5,00", "5,00", "10,00"),
        trecho("T5", "600", "6,00", "6,00", "5,00"),
    };
    const std::vector<ResultadoTrecho> resultados = classificarRede(p, entradas);
    EXPECT_EQ(trechosComProblema(resultados), 1);
    const QuantitativosRede q = quantitativosRede(entradas, resultados);
    ASSERT_EQ(q.problemas.size(), 1u);
    EXPECT_EQ(q.problemas[0].trecho, "T3");
    EXPECT_DOUBLE_EQ(q.problemas[0].metros, 30.0);
    EXPECT_EQ(q.trechos, 5);
    EXPECT_EQ(q.trechosClassificados, 4);
    EXPECT_DOUBLE_EQ(q.comprimentoTotal, 145.5);
    EXPECT_DOUBLE_EQ(q.comprimentoClassificado, 115.5);
    double metros = 0.0;
    int trechos = 0;
    for (const LinhaQuantitativo& l : q.armados) {
        metros += l.metros;
        trechos += l.trechos;
    }
    EXPECT_DOUBLE_EQ(metros, 115.5);
    EXPECT_EQ(trechos, 4);
    ASSERT_GE(q.armados.size(), 2u);
    EXPECT_EQ(q.armados.front().di, 600);
    EXPECT_EQ(q.armados.front().classe, resultados[0].classeArmado);
    EXPECT_DOUBLE_EQ(q.armados.front().metros, 100.5);
    EXPECT_EQ(q.armados.back().di, 1000);
}
