#pragma once
// The result columns of a network as the window, the report and the
// exported files show them: one text per column, numbers with a decimal
// comma; a stretch without a class shows only its message.

#include "classificacaoTrecho.h"

#include <string>
#include <vector>

enum class ColunaResultado {
    HsMontante, HsJusante, HsGovernante, Bv, W, Qs, Fe, R, ClasseArmado, CargaArmado, ClasseSimples, CargaSimples,
    Classe,
};
inline constexpr int numeroColunasResultado = 13;

// Names in the exported files ("hs_governante", "classe_armado", …), the
// last column "classe" holding the class text or the message.
const std::vector<std::string>& nomesColunasResultado();
// Headings of the window and the report ("hs gov. (m)", "R (kN/m)", …).
const std::vector<std::string>& titulosColunasTrecho();
const std::vector<std::string>& titulosColunasResultado();

// The column's text; empty where it does not apply.
std::string textoResultado(const ResultadoTrecho& r, ColunaResultado c);
// The value of a numeric column, with its decimals; false for texts and
// for a stretch without a class.
bool valorResultado(const ResultadoTrecho& r, ColunaResultado c, double& valor, int& decimais);

// The trench quantities of a stretch, after its results (window only).
enum class ColunaVala {
    ProfundidadeMedia, FaixaProfundidade, FaixaLargura, Escavacao, Escoramento, Lastro, Berco, Envolvimento, Reaterro,
    BotaFora,
};
inline constexpr int numeroColunasVala = 10;
const std::vector<std::string>& titulosColunasVala();
// The column's text; empty for a stretch without quantities.
std::string textoVala(const ResultadoTrecho& r, ColunaVala c);

// The class as the result window shows it, without its leading blank.
std::string textoClasse(const ResultadoTrecho& r);

// The class a result column is coloured by: its own class in the class
// columns ("Classe" takes the reinforced one, or the simple one of a pipe
// without reinforced classes), empty elsewhere and for a stretch without a
// class.
std::string classeDaColuna(const ResultadoTrecho& r, ColunaResultado c);

// The rule a stretch is classed by, as the report and the README state it.
const std::string& regraClassificacaoRede();
