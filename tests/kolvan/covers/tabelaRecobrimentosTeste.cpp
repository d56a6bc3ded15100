// The cover table against the network's stretch rule it is made of: the
// intervals of chosen projects (hand-checked at their ends), every cell at a
// sample of points, and the texts of the table and of the calculator.
#include "cargaSobrecarga.h"
#include "classificacaoTrecho.h"
#include "numeros.h"
#include "relatorioRecobrimentos.h"
#include "saidaRecobrimentos.h"
#include "tabelaRecobrimentos.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The network's one-stretch result at a point, built here as a user's
// network file would give it.
ResultadoTrecho trecho(const ProjetoTubo& p, int di, int cm)
{
    EntradaTrecho e;
    e.trecho = "T1";
    e.comprimento = "10,00";
    e.di = std::to_string(di);
    e.hsMontante = e.hsJusante = formatar2(cm / 100.0);
    return classificarTrecho(p, e);
}

ProjetoTubo valaClasse45()
{
    ProjetoTubo p; // trench, saturated soil, γ 19,2, Classe 45, bedding C
    return p;
}

// Classe 30 over a pipe on a Classe D bedding: R falls with the cover, drops
// where the impact factor ends (0,90 m), then grows with the earth.
ProjetoTubo valaClasse30BaseD()
{
    ProjetoTubo p;
    p.sobrecarga.trafego = 1;
    p.baseVala.classe = 3;
    p.baseVala.fator = "1,1";
    p.baseVala.coefSeguranca = "1,60";
    return p;
}

ProjetoTubo projecaoPositivaHa060()
{
    ProjetoTubo p;
    p.instalacao.tipo = ProjecaoPositiva;
    p.instalacao.alturaHa = "0,60";
    p.instalacao.razaoRecalque = "0,5";
    return p;
}

ProjetoTubo esgotoProjecaoNegativa()
{
    ProjetoTubo p;
    p.geometria.finalidade = 1;
    p.instalacao.tipo = ProjecaoNegativa;
    p.instalacao.razaoRecalque = "-0,4";
    p.instalacao.alturaHa = "0,30";
    p.sobrecarga.natureza = NulaOuDesprezivel;
    return p;
}

const ClasseRecobrimento& classe(const DiametroRecobrimento& d, const std::string& nome, bool armado = true)
{
    for (const ClasseRecobrimento& c : d.classes)
        if (c.carga.classe == nome && c.carga.armado == armado)
            return c;
    throw std::runtime_error("sem a classe " + nome);
}

const DiametroRecobrimento& diametro(const TabelaRecobrimentos& t, int di)
{
    for (const DiametroRecobrimento& d : t.diametros)
        if (d.di == di)
            return d;
    throw std::runtime_error("sem o diâmetro");
}

} // namespace

// Each interval ends where the class stops covering the stretch's R: inside
// at both ends, outside one centimetre beyond either (within the table).
TEST(TabelaRecobrimentos, IntervalosDosProjetos)
{
    struct Caso {
        const char* nome;
        ProjetoTubo projeto;
        int di;
        const char* classe;
        bool armado;
        const char* intervalos;
    };
    const Caso casos[] = {
        // Traffic bounds the class at small covers, the earth at large ones.
        {"vala, Classe 45: PA1 de 400", valaClasse45(), 400, "PA1", true, "0,70 a 1,05"},
        {"vala, Classe 45: PA1 de 300", valaClasse45(), 300, "PA1", true, "0,90 a 0,92"},
        {"vala, Classe 45: PS2 de 500", valaClasse45(), 500, "PS2", false, "0,61 a 1,16"},
        {"vala, Classe 45: PA4 de 600", valaClasse45(), 600, "PA4", true, "0,60 a 14,55"},
        {"vala, Classe 45: PS1 de 600", valaClasse45(), 600, "PS1", false, ""},
        {"vala, Classe 45: PA4 de 300", valaClasse45(), 300, "PA4", true, "0,60 a 20,00"},
        // Two separate intervals, both above the traffic's reach and below the earth's.
        {"vala, Classe 30: dois intervalos", valaClasse30BaseD(), 700, "PA1", true, "0,74 a 0,87; 0,90 a 0,92"},
        // The projection limit of the bedding refuses every cover of the small pipes.
        {"projeção positiva: 200 mm recusado", projecaoPositivaHa060(), 200, "PS1", false, ""},
        {"projeção positiva: 300 mm recusado", projecaoPositivaHa060(), 300, "PA4", true, ""},
        {"projeção positiva: 1000 mm", projecaoPositivaHa060(), 1000, "PA2", true, "0,60 a 3,29"},
        {"esgoto, projeção negativa: EA2", esgotoProjecaoNegativa(), 800, "EA2", true, "0,60 a 2,99"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const ProjetoTubo base = projetoBaseRede(c.projeto);
        const DiametroRecobrimento d = calcularDiametroRecobrimento(base, c.di, c.projeto.geometria.finalidade);
        const ClasseRecobrimento& k = classe(d, c.classe, c.armado);
        EXPECT_EQ(textoIntervalosSaida(k.intervalos), c.intervalos);
        auto atende = [&](int cm) {
            const ResultadoTrecho r = trecho(c.projeto, c.di, cm);
            return r.classificado && r.R <= k.carga.carga + 1e-9;
        };
        for (const IntervaloCobertura& i : k.intervalos) {
            EXPECT_TRUE(atende(i.inicio) && atende(i.fim)) << i.inicio << " a " << i.fim;
            if (i.inicio > coberturaInicialTabela)
                EXPECT_FALSE(atende(i.inicio - 1)) << i.inicio;
            if (i.fim < coberturaFinalTabela)
                EXPECT_FALSE(atende(i.fim + 1)) << i.fim;
        }
    }
    // A refused diameter says why at every cover and has no class anywhere.
    const TabelaRecobrimentos t = calcularTabelaRecobrimentos(projecaoPositivaHa060());
    const DiametroRecobrimento& d200 = diametro(t, 200);
    for (int cm = coberturaInicialTabela; cm <= coberturaFinalTabela; ++cm)
        ASSERT_EQ(d200.ponto(cm).mensagem,
                  "hs = " + formatar2(cm / 100.0) + " m: Altura máxima para a projeção é de 0,22 m");
    for (int cm : coberturasClassePorCobertura())
        EXPECT_EQ(classePorCobertura(diametro(t, 300), cm), semClasseCobertura);
}

// Every cell is the network's one-stretch result at that point: its R or its
// message, the smallest reinforced class (the class-per-cover table) and the
// smallest simple one (the first simple class whose intervals hold it).
TEST(TabelaRecobrimentos, CadaCelulaEOResultadoDoTrecho)
{
    std::mt19937 sorteio(20261208);
    for (const ProjetoTubo& projeto : {valaClasse45(), projecaoPositivaHa060(), esgotoProjecaoNegativa()}) {
        const TabelaRecobrimentos t = calcularTabelaRecobrimentos(projeto);
        ASSERT_EQ(t.diametros.size(), listaDiametros().size());
        std::uniform_int_distribution<int> cobertura(coberturaInicialTabela, coberturaFinalTabela);
        for (int n = 0; n < 400; ++n) {
            const DiametroRecobrimento& d = t.diametros[static_cast<std::size_t>(n) % t.diametros.size()];
            const int cm = n < 30 ? coberturasClassePorCobertura()[static_cast<std::size_t>(n) % 20] : cobertura(sorteio);
            SCOPED_TRACE("di " + std::to_string(d.di) + ", hs " + std::to_string(cm));
            const ResultadoTrecho r = trecho(projeto, d.di, cm);
            const PontoRecobrimento& p = d.ponto(cm);
            ASSERT_EQ(p.classificado, r.classificado);
            EXPECT_EQ(p.mensagem, r.mensagem);
            EXPECT_EQ(p.R, r.R);
            const std::string armado = classePorCobertura(d, cm);
            if (!r.classificado || r.classeArmado.empty())
                EXPECT_EQ(armado, semClasseCobertura);
            else
                EXPECT_EQ(armado, r.classeArmado);
            std::string simples;
            for (const ClasseRecobrimento& k : d.classes)
                for (const IntervaloCobertura& i : k.intervalos)
                    if (!k.carga.armado && simples.empty() && i.inicio <= cm && cm <= i.fim)
                        simples = k.carga.classe;
            EXPECT_EQ(simples, r.classificado ? r.classeSimples : "");
        }
    }
}

TEST(TabelaRecobrimentos, TextosDosIntervalosEDaCalculadora)
{
    struct Caso {
        std::vector<IntervaloCobertura> intervalos;
        const char* janela;
        const char* saida;
    };
    const Caso casos[] = {
        {{}, "—", ""},
        {{{435, 435}}, "4,35 a 4,35 m", "4,35 a 4,35"},
        {{{60, 435}, {610, 700}}, "0,60 a 4,35 m; 6,10 a 7,00 m", "0,60 a 4,35; 6,10 a 7,00"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(textoIntervalos(c.intervalos), c.janela);
        EXPECT_EQ(textoIntervalosSaida(c.intervalos), c.saida);
    }
    EXPECT_EQ(intervalosOnde({true, true, false, true, false, false, true}, 60),
              (std::vector<IntervaloCobertura>{{60, 61}, {63, 63}, {66, 66}}));

    TabelaRecobrimentos t;
    DiametroRecobrimento d;
    d.di = 300;
    d.classes = {{{"PA3", true, 40.5}, {{60, 435}, {610, 700}}}, {{"PS1", false, 16.0}, {}}};
    t.diametros = {d};
    EXPECT_EQ(saidaRecobrimentos(t, false), "di: 300\nclasse: PA3\ntipo: armado\ncarga: 40,500000\n"
                                            "intervalos: 0,60 a 4,35; 6,10 a 7,00\n"
                                            "\n"
                                            "di: 300\nclasse: PS1\ntipo: simples\ncarga: 16,000000\nintervalos: \n");
    EXPECT_EQ(saidaRecobrimentos(t, true), "di;classe;tipo;carga;intervalos\n"
                                           "300;PA3;armado;40,500000;\"0,60 a 4,35; 6,10 a 7,00\"\n"
                                           "300;PS1;simples;16,000000;\n");
}

// The load a reinforced class is compared with is Qd·di/1000 unrounded.
TEST(TabelaRecobrimentos, CargasDasClasses)
{
    const TabelaRecobrimentos t = calcularTabelaRecobrimentos(valaClasse45());
    EXPECT_DOUBLE_EQ(classe(diametro(t, 300), "PA3").carga.carga, 40.5);
    EXPECT_DOUBLE_EQ(classe(diametro(t, 300), "PS1", false).carga.carga, 16.0);
    EXPECT_TRUE(diametro(t, 200).classes.size() == 2 && !diametro(t, 200).classes[0].carga.armado);
    EXPECT_EQ(diametro(t, 700).classes.size(), 4u);
    EXPECT_EQ(colunasClasses(t).size(), 6u);
}
