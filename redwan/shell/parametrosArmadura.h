#pragma once
// The design parameters of the reinforcement: concrete strength, one cage
// or two, the positions of the inner and outer cages, the wall thickness and
// the partial safety factors, as the texts of their fields. The close check
// of the window is here: empty fields, the standard forms, and the
// recommendations, each asked as a Sim/Não question in a fixed order.

#include <string>
#include <vector>

constexpr int armaduraSimples = 0; // "Circular simples"
constexpr int armaduraDupla = 1;   // "Circular dupla"

struct ParametrosArmadura {
    std::string fck = "35,00"; // MPa
    int tipo = armaduraSimples;
    std::string dInt = "3,5";  // position of the inner cage from the inner face, cm
    std::string dExt = "2,5";  // position of the outer cage from the outer face, cm
    std::string h = "60";      // wall thickness, mm
    std::string gamaS = "1,15";
    std::string gamaC = "1,40";
    bool operator==(const ParametrosArmadura&) const = default;
};

const std::vector<std::string>& tiposArmadura();

// The positions a choice of the type puts in the fields: "2,5" and "2,0" up
// to 600 mm, "3,5" and "2,5" above.
struct Posicoes {
    std::string dInt, dExt;
};
Posicoes posicoesPadrao(double di);

// Chooses the type as the window does: the positions get their defaults.
void escolherTipo(ParametrosArmadura& p, int tipo, double di);

// The new-project values; the positions keep their texts.
void parametrosNovoProjeto(ParametrosArmadura& p);

// The user's side of the close check: Sim/Não questions and plain messages.
class DialogoArmadura {
public:
    virtual ~DialogoArmadura() = default;
    virtual bool perguntar(const std::string& texto) = 0;
    virtual void informar(const std::string& texto) = 0;
};

// The questions of the recommendations, and the two corrections said in a
// message box; the product line asks the same ones.
std::string perguntaFckMinimo();
std::string perguntaFckMaximo();
std::string perguntaPosicaoInterna();
std::string perguntaPosicaoExterna();
std::string perguntaArmaduraSimples(); // below 800 mm with two cages
std::string perguntaArmaduraDupla();   // above 1000 mm with one cage
std::string perguntaGamaS();
std::string perguntaGamaC();
std::string perguntaEspessura(const std::string& minima);
extern const char* const avisoPositivo;
extern const char* const avisoUnidade;

// Whether two cages at these positions (cm from the faces) leave an
// effective depth in a wall of `h` mm, and the refusal when they do not.
bool posicoesCabemNaParede(double dInt, double dExt, double h);
extern const char* const avisoPosicoesParede;

enum class CampoArmadura { Fck, DInt, DExt, Espessura, GamaS, GamaC };

// The fields the close check reads, in its order: the text, whether only two
// cages have it, its decimals in standard form and the message when empty.
struct CampoTextoArmadura {
    CampoArmadura campo;
    std::string ParametrosArmadura::*texto;
    bool soDupla;
    int decimais;
    const char* vazio;
};
const std::vector<CampoTextoArmadura>& camposArmadura();

struct ConferenciaArmadura {
    bool aceita = false;
    CampoArmadura campo = CampoArmadura::Fck; // where the focus goes on a refusal
    std::string aviso;    // refusal shown in the warning window
    std::string mensagem; // refusal shown in a message box (a text that is not a number)
};

// The close check of a confirmed window. Runs the checks in order on `p`,
// rewriting it as it goes (standard forms, adopted recommendations,
// corrections), and stops at the first refusal. `di` and `finalidade` are
// those of the confirmed geometry.
ConferenciaArmadura conferirParametros(ParametrosArmadura& p, double di, int finalidade,
                                       DialogoArmadura& dialogo);

// Whether a confirmed set of parameters differs from the previous one in
// anything the design uses: the positions count only for two cages.
bool parametrosMudaram(const ParametrosArmadura& antes, const ParametrosArmadura& depois);
