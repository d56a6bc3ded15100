#pragma once
// The trench quantities of one classed stretch of a "Vala" installation, as
// a budget prices them: excavation by depth and width band, shoring, the
// bed, the concrete cradle or the granular envelope the bedding class asks
// for, the backfill and the spoil.
//
// With L the length, bv the trench width, D = 1,2·di/1000 and the bottom
// below the pipe t (class A: di/4000, the cradle under the pipe; B: the
// bed's thickness e; C and D: 0), the depth at each end is hs + D + t and
// the stretch's depth h their mean; V_esc = L·bv·h.

#include <string>
#include <vector>

// What the engineer may set (m, m, factor).
struct ParametrosVala {
    double lastro = 0.10;           // bed thickness of class B
    double escoramentoAcima = 1.25; // walls deeper than this are shored
    double empolamento = 1.25;      // bulking of the spoil
    bool operator==(const ParametrosVala&) const = default;
};

// The range a trench parameter is taken in, typed in the window, given on
// the command line or read from Config/Rede.ini: 0 to 100 m, the bulking 1
// to 100.
bool parametroValaValido(double ParametrosVala::*campo, double valor);
// Config/Rede.ini: "QUANTITATIVOS DE VALA", then the bed, the shoring depth
// and the bulking, one a line. Lines that are not such a set give the
// defaults.
std::vector<std::string> linhasParametrosVala(const ParametrosVala& p);
ParametrosVala parametrosValaDasLinhas(const std::vector<std::string>& linhas);

// Bedding classes as the bedding windows number them.
enum ClasseBaseVala { BaseClasseA = 0, BaseClasseB = 1, BaseClasseC = 2, BaseClasseD = 3 };

struct QuantidadesVala {
    double profundidadeMontante = 0.0, profundidadeJusante = 0.0, profundidadeMedia = 0.0; // m
    int faixaProfundidade = 0; // index into faixasProfundidade()
    int faixaLargura = 0;      // index into faixasLargura()
    double escavacao = 0.0;    // m³
    double escoramento = 0.0;  // m², both walls
    double lastro = 0.0;       // m³, class B's bed
    double berco = 0.0;        // m³, class A's concrete cradle
    double envolvimento = 0.0; // m³, granular envelope of B and C
    double tubo = 0.0;         // m³, the pipe's outer volume
    double reaterro = 0.0;     // m³
    double botaFora = 0.0;     // m³, bulked
};

// "até 1,50 m", "1,50 a 3,00 m", … "acima de 6,00 m": a band holds its upper limit.
const std::vector<std::string>& faixasProfundidade();
// "até 0,80 m" (bv < 0,80), "0,80 a 1,50 m" (< 1,50), "1,50 a 2,50 m" (≤ 2,50), "acima de 2,50 m".
const std::vector<std::string>& faixasLargura();
int faixaProfundidade(double h);
int faixaLargura(double bv);

QuantidadesVala quantidadesVala(double L, double bv, int di, double hsMontante, double hsJusante, int classeBase,
                                const ParametrosVala& p);

// The rule as the report states it, with the parameters in use.
std::string regraQuantidadesVala(const ParametrosVala& p);
// Where the installation is not a trench.
inline constexpr const char* avisoValaNaoAplicavel =
    "Os quantitativos de vala não se aplicam: a instalação do projeto é em aterro.";
