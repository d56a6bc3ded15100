// Every limit the .rdw reader applies is one a window keeps and no later
// window undoes: a project the windows can reach opens, one they cannot is
// refused.
#include "ProjetoRedwan.h"
#include "arquivoProjetoRedwan.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
bool abre(const ProjetoRedwan& p)
{
    return lerLinhasProjetoRedwan(linhasProjetoRedwan(p, TextosResultados{}), ProjetoRedwan{}, TextosResultados{}).ok;
}

// 1000 mm stormwater, two cages.
ProjetoRedwan duplo()
{
    ProjetoRedwan p;
    p.geometria = {finalidadePluvial, 0, 7, 0};
    p.parametros = {"35,00", armaduraDupla, "3,5", "2,5", "100", "1,15", "1,40"};
    return p;
}
} // namespace

TEST(LimitesArquivoRedwan, CadaLimiteVemDeUmaRegraDasJanelas)
{
    struct Caso {
        const char* limite;
        const char* regra; // what keeps it in the windows
        std::function<void(ProjetoRedwan&)> mudar;
        bool abre;
    } casos[] = {
        {"special above PA4 of 1000 mm", "class window", [](ProjetoRedwan& p) { p.classe = {4, 3, "181,00", "181,00"}; },
         true},
        {"special of PA4", "class window; after a larger diameter no design, so no save",
         [](ProjetoRedwan& p) { p.classe = {4, 3, "180,00", "180,00"}; }, false},
        {"empty special", "class window", [](ProjetoRedwan& p) { p.classe = {4, 3, "", ""}; }, false},
        {"cages inside the wall", "parameters window", [](ProjetoRedwan& p) { p.parametros.h = "61"; }, true},
        {"cages filling the wall", "parameters window: cages inside the wall",
         [](ProjetoRedwan& p) { p.parametros.h = "90"; p.parametros.dInt = "6,5"; }, false},
        {"cages of a thicker wall in the least wall", "geometry resets the wall to its least",
         [](ProjetoRedwan& p) { p.parametros.h = "80"; p.parametros.dInt = "50,0"; }, true},
        {"cages beyond any wall", "parameters window: wall of 1000 mm at most",
         [](ProjetoRedwan& p) { p.parametros.h = "80"; p.parametros.dInt = "97,5"; }, false},
        {"negative cage", "numeric fields take no minus", [](ProjetoRedwan& p) { p.parametros.dExt = "-0,5"; }, false},
        {"wall 1000", "parameters window", [](ProjetoRedwan& p) { p.parametros.h = "1000"; }, true},
        {"wall 1001", "parameters window: wall of 1000 mm at most", [](ProjetoRedwan& p) { p.parametros.h = "1001"; }, false},
        {"wall 0", "parameters window: wall above zero", [](ProjetoRedwan& p) { p.parametros.h = "0"; }, false},
        {"fck 0,01", "parameters window", [](ProjetoRedwan& p) { p.parametros.fck = "0,01"; }, true},
        {"fck 0", "parameters window: fck above zero", [](ProjetoRedwan& p) { p.parametros.fck = "0,00"; }, false},
        {"steel factor 1", "parameters window: factors of 1 at least", [](ProjetoRedwan& p) { p.parametros.gamaS = "1,0"; },
         true},
        {"steel factor 0,99", "parameters window: factors of 1 at least",
         [](ProjetoRedwan& p) { p.parametros.gamaS = "0,99"; }, false},
        {"concrete factor 0,99", "parameters window: factors of 1 at least",
         [](ProjetoRedwan& p) { p.parametros.gamaC = "0,99"; }, false},
    };
    for (const Caso& c : casos) {
        ProjetoRedwan p = duplo();
        c.mudar(p);
        EXPECT_EQ(abre(p), c.abre) << c.limite << " (" << c.regra << ")";
    }
}

// 1000 mm stormwater, two cages confirmed in a 300 mm wall, then
// "Geometria" → 300 mm: the wall goes back to its least, 45 mm, with the
// cages where they were; a design runs and saves, and the file opens.
TEST(LimitesArquivoRedwan, EspessuraMinimaDepoisDasArmadurasAbre)
{
    ProjetoRedwan p = duplo();
    p.parametros.h = "300";
    p.parametros.dInt = "20,0";
    ASSERT_TRUE(abre(p));
    p.geometria.indiceDi = 0;
    aplicarEspessuraMinima(p);
    EXPECT_EQ(p.parametros.h, "45");
    EXPECT_TRUE(abre(p));
}
