// Welded-mesh choice and the mesh catalogue.
#include "cadastroTelas.h"
#include "numeros.h"
#include "telas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EscolherTelas, MalhaOuParComNoventaEOitoPorCento)
{
    struct Caso {
        double R;
        std::string telas;
        bool esgotada;
    };
    for (const Caso& c : {Caso{1.15, "113+", false},    // 1,127 ≤ 1,13
                          Caso{1.16, "138+", false},    // 1,1368 > 1,13
                          Caso{1.20, "138+", false}, Caso{1.87, "196+", false},
                          Caso{4.00, "396+", false},    // 3,92 ≤ 3,96
                          Caso{4.05, "113+396", false}, Caso{4.50, "113+396", false},
                          Caso{5.20, "138+396", false}, // (1,7) = 5,09 < 5,096
                          Caso{6.00, "196+396", false}, // (4,7) = 5,92 is the first ≥ 5,88
                          Caso{8.08, "396+396", false}, // 7,9184 ≤ 7,92
                          Caso{8.20, "396+396", true},  // 8,036 > 7,92: exhausted
                          Caso{0.0, "+", false}}) {
        const TelasFace f = escolherTelas(c.R);
        EXPECT_EQ(f.nome1 + "+" + f.nome2, c.telas) << c.R;
        EXPECT_EQ(f.esgotada, c.esgotada) << c.R;
        if (!c.esgotada) {
            EXPECT_LE(0.98 * c.R, f.A1 + f.A2) << c.R;
        }
    }
    const TelasFace f = escolherTelas(6.0);
    EXPECT_EQ(f.A1 + f.D1 + f.A2 + f.D2, 1.96 + 5.0 + 3.96 + 7.1);
}

TEST(SelecionarTelas, AreasRequeridasPorArranjo)
{
    struct Caso {
        int tipo;
        double AsP_Prat, AsC, AsS, AsMin, AsIntMin, AsExtMin, AsIntReq, AsExtReq;
    };
    // The design area or the transitory minimum, the larger, never below
    // AsMin; the single cage takes the practical area and ignores AsC, AsS.
    for (const Caso& c : {Caso{CircularSimples, 5.20, 9.0, 9.0, 2.94, 0.92, 0.0, 5.20, 0.0},
                          Caso{CircularSimples, 2.0, 0.0, 0.0, 1.0, 2.5, 0.0, 2.5, 0.0},
                          Caso{CircularSimples, 2.0, 0.0, 0.0, 3.0, 2.5, 0.0, 3.0, 0.0},
                          Caso{CircularDupla, 9.0, 4.43, 1.87, 1.72, 0.46, 0.27, 4.43, 1.87},
                          Caso{CircularDupla, 0.0, 1.0, 0.2, 1.72, 0.46, 0.27, 1.72, 1.72},
                          Caso{CircularDupla, 0.0, 0.3, 0.2, 0.1, 0.46, 0.27, 0.46, 0.27}}) {
        EstadoDimensionamento e;
        e.tipoArmadura = c.tipo;
        e.AsP_Prat = c.AsP_Prat;
        e.AsC = c.AsC;
        e.AsS = c.AsS;
        e.AsMin = c.AsMin;
        e.AsIntMin = c.AsIntMin;
        e.AsExtMin = c.AsExtMin;
        selecionarTelas(e);
        EXPECT_DOUBLE_EQ(e.telas.AsIntReq, c.AsIntReq);
        EXPECT_DOUBLE_EQ(e.telas.AsExtReq, c.AsExtReq);
    }
}

TEST(SelecionarTelas, FacesEscolhidasEVeredicto)
{
    struct Caso {
        int tipo;
        double AsC, AsS;
        std::string interna, externa;
        char flag;
    };
    for (const Caso& c : {Caso{CircularSimples, 0.0, 9.0, "138+396", "+", 'S'},
                          Caso{CircularDupla, 4.43, 1.87, "113+396", "196+", 'S'},
                          // Inner search exhausted: the outer face is left empty.
                          Caso{CircularDupla, 8.20, 1.87, "396+396", "+", 'N'}}) {
        EstadoDimensionamento e;
        e.tipoArmadura = c.tipo;
        e.AsP_Prat = 5.20;
        e.AsC = c.AsC;
        e.AsS = c.AsS;
        selecionarTelas(e);
        EXPECT_EQ(e.telas.nomeInt1 + "+" + e.telas.nomeInt2, c.interna);
        EXPECT_EQ(e.telas.nomeExt1 + "+" + e.telas.nomeExt2, c.externa);
        EXPECT_EQ(avaliarTelas(e.telas), c.flag);
    }
    // Each face is allowed 2 % less steel than required.
    struct Face {
        double AsIntReq, Aint, AsExtReq, Aext;
        char flag;
    };
    for (const Face& c : {Face{1.15, 1.13, 0, 0, 'S'}, Face{1.16, 1.13, 0, 0, 'N'}, Face{1.0, 1.13, 1.16, 1.13, 'N'},
                          Face{1.0, 1.13, 1.15, 1.13, 'S'}}) {
        SelecaoTelas t;
        t.AsIntReq = c.AsIntReq;
        t.Aint1 = c.Aint;
        t.AsExtReq = c.AsExtReq;
        t.Aext1 = c.Aext;
        EXPECT_EQ(avaliarTelas(t), c.flag) << c.AsIntReq << " " << c.AsExtReq;
    }
}

TEST(CadastroTelas, GradeEConcordanciaComATabela)
{
    const CadastroTelas c = preencherCadastroTelas();
    for (int coluna = 0; coluna < colunasCadastroTelas; ++coluna)
        for (int linha : {0, 8, 9, 10, 11})
            EXPECT_TRUE(c.celula(coluna, linha).empty()) << coluna << "," << linha;
    const char* mf246[] = {"MF246", "10 x 20", "5,6 x 3,4", "2,46", "0,46", "2,34", "0,975", "120", "136,9", "31"};
    for (int coluna = 0; coluna < colunasCadastroTelas; ++coluna)
        EXPECT_EQ(c.celula(coluna, 5), mf246[coluna]);
    for (std::size_t i = 0; i < TabelaTelas.size(); ++i) {
        const int linha = static_cast<int>(i) + 1;
        EXPECT_EQ(c.celula(0, linha), "MF" + formatar0(TabelaTelas[i].numero));
        EXPECT_EQ(c.celula(2, linha).substr(0, 3), formatar1(TabelaTelas[i].diametro));
        EXPECT_EQ(c.celula(3, linha), formatar2(TabelaTelas[i].area));
    }
    EXPECT_EQ(c.celula(8, 2), "172,0");
    EXPECT_EQ(c.celula(9, 7), "40");
    EXPECT_STREQ(cabecalhosCadastroTelas[5].linha2, "(kgf/m ²)");
    EXPECT_STREQ(cabecalhoSecaoFios, "Seçâo dos fios (cm ²/m)");
    EXPECT_STREQ(paginaMachoFemea, "Macho e Fêmea - MF ( comp. do tubo = 1,0 m)");
}

} // namespace
