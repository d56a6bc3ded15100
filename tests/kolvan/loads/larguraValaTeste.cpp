#include "larguraVala.h"

#include "numeros.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CasoLargura {
    double c, f;
    int H, V;
    bool vertical;
    double D;
    const char* bv;
};

TEST(LarguraVala, larguraNoTopoDoTubo)
{
    const CasoLargura casos[] = {
        {0.08, 0.30, 1, 5, false, 0.72, "1,64"},
        {0.08, 0.30, 1, 99, true, 0.72, "1,32"},
        {0.08, 0.30, 1, 5, true, 0.72, "1,32"}, // a vertical wall ignores the slope
        {0.08, 0.30, 1, 1, false, 0.72, "2,92"},
        {0.00, 0.35, 2, 1, false, 1.20, "6,70"},
    };
    for (const CasoLargura& c : casos)
        EXPECT_EQ(formatar2(calcularLarguraVala(c.c, c.f, c.H, c.V, c.vertical, c.D)), c.bv)
            << c.H << ":" << c.V << (c.vertical ? " vertical" : "");
}

struct CasoFolga {
    double di, hs;
    double fMin;
    const char* texto;
};

TEST(LarguraVala, folgaMinimaPorDiametroECobertura)
{
    const CasoFolga casos[] = {
        {200, 1.00, 0.28, "0,28"},
        {300, 2.00, 0.22, "0,22"},  // bands closed above: first row, left column
        {300, 2.01, 0.27, "0,27"},
        {400, 1.00, 0.21, "0,21"},
        {500, 3.00, 0.30, "0,3"},
        {600, 1.00, 0.215, "0,215"},
        {600, 2.00, 0.215, "0,215"},
        {600, 2.50, 0.29, "0,29"},
        {700, 3.00, 0.28, "0,28"},
        {800, 1.00, 0.22, "0,22"},
        {800, 2.50, 0.27, "0,27"},
        {900, 1.00, 0.35, "0,35"},
        {1000, 1.00, 0.35, "0,35"},
        {2000, 5.00, 0.35, "0,35"},
    };
    for (const CasoFolga& c : casos) {
        const double fMin = folgaMinima(c.di, c.hs, 1.2 * c.di / 1000.0);
        EXPECT_NEAR(fMin, c.fMin, 1e-12) << c.di << " mm, hs " << c.hs;
        EXPECT_EQ(textoFolgaMinima(fMin), c.texto) << c.di << " mm, hs " << c.hs;
    }
}

TEST(LarguraVala, verificacaoDaFolgaAoSairDoCampo)
{
    const double fMin600 = folgaMinima(600, 1.0, 0.72), fMin1000 = folgaMinima(1000, 1.0, 1.2);
    EXPECT_TRUE(folgaAbaixoDaMinima(0.20, fMin600));
    EXPECT_FALSE(folgaAbaixoDaMinima(0.215, fMin600));
    EXPECT_FALSE(folgaAbaixoDaMinima(0.30, fMin600));
    EXPECT_TRUE(folgaAbaixoDaMinima(0.30, fMin1000)); // the default clearance is raised for 1000 mm
    EXPECT_FALSE(folgaAbaixoDaMinima(0.35, fMin1000));
}

TEST(LarguraVala, folgaArredondadaNuncaFicaAbaixoDaMinima)
{
    const double fMin600 = folgaMinima(600, 1.0, 0.72);
    struct Caso {
        double f, fMin;
        const char* texto;
    } casos[] = {
        {0.215, fMin600, "0,22"},
        {0.2151, fMin600, "0,22"},
        {0.25, fMin600, "0,25"},
        {0.30, fMin600, "0,30"},
        {0.35, 0.35, "0,35"},
        {0.30, 0.35, "0,30"}, // below the minimum already: the close check does not raise it
        {folgaMinima(300, 2.0, 0.36), folgaMinima(300, 2.0, 0.36), "0,22"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(arredondarFolga(c.f, c.fMin), c.texto) << c.f;

    // The whole road: the field gets f_min, the close check rounds what the field holds.
    for (double di = 200; di <= 2000; di += 100)
        for (double hs : {1.0, 2.0, 3.0}) {
            const double fMin = folgaMinima(di, hs, 1.2 * di / 1000.0);
            const double noCampo = converterNumero(textoFolgaMinima(fMin));
            const double confirmada = converterNumero(arredondarFolga(noCampo, fMin));
            EXPECT_FALSE(folgaAbaixoDaMinima(confirmada, fMin)) << di << " mm, hs " << hs;
            EXPECT_LT(confirmada - fMin, 0.01) << di << " mm, hs " << hs;
        }
}

TEST(LarguraVala, avisoDaFolgaMinima)
{
    EXPECT_EQ(mensagemFolgaMinima(folgaMinima(600, 1.0, 0.72)),
              "O valor mínimo considerado para a folga na vala é de 0,215 m, para a situação de "
              "largura mínima de vala escorada por pontaletes, de acordo com a prescrição da NBR "
              "12266 - Projeto e execução de valas para assentamento de tubulações de água, esgoto "
              "ou drenagem urbana (1992)");
}

TEST(LarguraVala, estabilidadeDoTalude)
{
    struct { int H, V; bool ingreme; } casos[] = {
        {1, 5, true}, {1, 99, true}, {2, 5, true}, {59, 99, true}, {3, 5, false}, {1, 1, false}, {99, 1, false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(taludeIngreme(c.H, c.V), c.ingreme) << c.H << ":" << c.V;
}

} // namespace
