// Every limit the .kvn reader applies is one a window keeps and no later
// window undoes: a project the windows can reach opens, one they cannot is
// refused.
#include "ProjetoTubo.h"
#include "arquivoProjeto.h"
#include "calculoClasse.h"
#include "fatorAterro.h"
#include "fechamentoBase.h"
#include "limitesInstalacao.h"
#include "dadosInstalacao.h"
#include "verificacaoInstalacao.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
bool abre(const ProjetoTubo& p) { return lerLinhasProjeto(linhasProjeto(p), ProjetoTubo{}).ok; }

ProjetoTubo instalacao(int tipo, bool compactado = false)
{
    ProjetoTubo p;
    aplicarTipoInstalacao(p.instalacao, tipo);
    aplicarAterroCompactado(p.instalacao, compactado);
    if (tipo == ProjecaoPositiva)
        p.instalacao.razaoRecalque = "0,5";
    return p;
}
} // namespace

// 600 mm, positive projection, ha 0,60 confirmed under bedding class C, then
// "Tipo de base" → "Classe A" (its factor is the worked 4,82): the windows
// never lower ha again, so the file must open as it was saved.
TEST(LimitesArquivo, BaseMudadaDepoisDaInstalacaoAbre)
{
    ProjetoTubo p = instalacao(ProjecaoPositiva);
    p.instalacao.alturaHa = "0,60";
    ASSERT_TRUE(verificarInstalacao(p).aceita);
    p.baseAterro.classe = 0;
    ASSERT_TRUE(atualizarFatorAterro(p).fator.existe);
    EXPECT_EQ(p.baseAterro.fator, "4,82");
    EstadoSobrecarga estado;
    ASSERT_TRUE(calcularClasse(p, estado).calculada());

    const LeituraProjeto aberto = lerLinhasProjeto(linhasProjeto(p), ProjetoTubo{});
    ASSERT_TRUE(aberto.ok) << aberto.linha << ": " << aberto.erro;
    EXPECT_EQ(linhasProjeto(aberto.projeto), linhasProjeto(p));
    EXPECT_EQ(aberto.projeto.baseAterro.classe, 0);
    EXPECT_EQ(aberto.projeto.instalacao.alturaHa, "0,60");
}

TEST(LimitesArquivo, CadaLimiteVemDeUmaRegraDasJanelas)
{
    struct Caso {
        const char* limite;
        const char* regra; // what keeps it in the windows
        std::function<void(ProjetoTubo&)> mudar;
        bool abre;
    };
    const auto tipo = [](int t, bool compactado = false) {
        return [t, compactado](ProjetoTubo& p) { p = instalacao(t, compactado); };
    };
    const Caso casos[] = {
        {"hs 0,60", "installation: least cover", [](ProjetoTubo& p) { p.instalacao.alturaTerra = "0,60"; }, true},
        {"hs 0,59", "installation: least cover", [](ProjetoTubo& p) { p.instalacao.alturaTerra = "0,59"; }, false},
        {"ha of class D under class A", "bedding changes the class after ha",
         [&](ProjetoTubo& p) { tipo(ProjecaoPositiva)(p); p.baseAterro.classe = 0; p.instalacao.alturaHa = "0,72"; }, true},
        {"ha above every class", "installation: ha_max of the class, 1,0·D at most",
         [&](ProjetoTubo& p) { tipo(ProjecaoPositiva)(p); p.baseAterro.classe = 3; p.instalacao.alturaHa = "0,73"; }, false},
        {"ha of class D, compacted negative", "the same for the compacted negative projection",
         [&](ProjetoTubo& p) { tipo(ProjecaoNegativa, true)(p); p.baseAterro.classe = 0; p.instalacao.alturaHa = "0,72"; },
         true},
        {"ha at 94 % of hs", "installation: ha below 95 % of hs",
         [&](ProjetoTubo& p) { tipo(ProjecaoNegativa)(p); p.instalacao.alturaHa = "0,94"; }, true},
        {"ha at 95 % of hs", "installation: ha below 95 % of hs",
         [&](ProjetoTubo& p) { tipo(ProjecaoNegativa)(p); p.instalacao.alturaHa = "0,95"; }, false},
        {"trench bv D + 0,5", "installation and geometry: least trench width",
         [](ProjetoTubo& p) { p.instalacao.larguraVala = "1,22"; }, true},
        {"trench bv below", "installation and geometry: least trench width",
         [](ProjetoTubo& p) { p.instalacao.larguraVala = "1,21"; }, false},
        {"negative bv below", "installation and geometry: least trench width",
         [&](ProjetoTubo& p) { tipo(ProjecaoNegativa)(p); p.instalacao.larguraVala = "1,21"; }, false},
        {"positive ratio negative", "the type and \"P\" set the ratio",
         [&](ProjetoTubo& p) { tipo(ProjecaoPositiva)(p); p.instalacao.razaoRecalque = "-0,4"; }, false},
        {"compacted negative ratio of \"P\"", "\"P\" with the check box on",
         [&](ProjetoTubo& p) { tipo(ProjecaoNegativa, true)(p); p.instalacao.razaoRecalque = "0,3"; }, true},
        {"negative ratio positive", "without the check box the ratio is -0,4",
         [&](ProjetoTubo& p) { tipo(ProjecaoNegativa)(p); p.instalacao.razaoRecalque = "0,5"; }, false},
        {"user soil K.u 0,001", "installation: K.u above zero",
         [](ProjetoTubo& p) { aplicarTerreno(p.instalacao, 5); p.instalacao.gama = "0,00"; p.instalacao.kMi = "0,001"; },
         true},
        {"user soil K.u 0", "installation: K.u above zero",
         [](ProjetoTubo& p) { aplicarTerreno(p.instalacao, 5); p.instalacao.gama = "18,00"; p.instalacao.kMi = "0,000"; },
         false},
        {"cs 1,50", "bedding: least safety coefficient", [](ProjetoTubo& p) { p.baseVala.coefSeguranca = "1,50"; }, true},
        {"cs 1,49", "bedding: least safety coefficient", [](ProjetoTubo& p) { p.baseVala.coefSeguranca = "1,49"; }, false},
        {"concrete-base factor", "\"A\" in the trench bedding",
         [](ProjetoTubo& p) { p.baseVala.classe = 0; p.baseVala.fator = "4,0"; }, true},
        {"factor 0", "every factor shown is above zero", [](ProjetoTubo& p) { p.baseVala.fator = "0,00"; }, false},
        {"zero loads", "surcharge: values are not range-checked",
         [](ProjetoTubo& p) { p.sobrecarga.natureza = 3; p.sobrecarga.carga = p.sobrecarga.compA = "0,00"; }, true},
        {"rail surcharge", "surcharge: Alt+F4 confirms rail", [](ProjetoTubo& p) { p.sobrecarga.natureza = 1; }, true},
    };
    for (const Caso& c : casos) {
        ProjetoTubo p;
        c.mudar(p);
        EXPECT_EQ(abre(p), c.abre) << c.limite << " (" << c.regra << ")";
    }
}
