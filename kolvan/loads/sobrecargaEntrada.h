#pragma once
// The surcharge window's fixed texts and rules: its lists and captions, the
// picture of each nature, what a choice resets, which fields a nature uses,
// and the close check with its normalisation and change detection. The road
// panel's label texts come with the vehicles (cargaSobrecarga.h).

#include <string>
#include <vector>

struct Sobrecarga;

constexpr const char* tituloSobrecarga = "Parâmetros da Sobrecarga";
constexpr const char* rotuloNaturezaSobrecarga = "Natureza da sobrecarga:";
constexpr const char* rotuloTipoTrafego = "Tipo de tráfego:";
constexpr const char* rotuloDistribuicao = "Distribuição:";
constexpr const char* rotuloCaracteristicasSobrecarga = "Características da Sobrecarga:";
constexpr const char* rotuloAreaContatoRoda = "Área de contato da roda ";
// Subscripts: "e" after the axle spacing, "r" after the wheel spacing, a and b.
constexpr const char* indiceEixos = "e";
constexpr const char* indiceRodas = "r";

// Captions around the load edits; the blanks leave room for the edit.
constexpr const char* legendaForcaDistribuida = "Q =                    kN";
constexpr const char* legendaCargaUsuario = "q m =                    kN/m";
constexpr const char* legendaCompA = "a =                m";
constexpr const char* legendaCompB = "b =                m";
constexpr const char* legendaDistC = "c =                m";
constexpr const char* notaCompA = "Obs: a = direção do eixo do tubo";

const std::vector<std::string>& listaNaturezasSobrecarga();
const std::vector<std::string>& listaTiposTrafego();
const std::vector<std::string>& listaDistribuicoes();

// rodoviario.bmp, ferroviario.bmp, aeroviario.bmp, 1CargaDist.bmp or
// 2CargaDist.bmp, usuario.bmp, nula.bmp; empty for an index outside the list.
std::string figuraSobrecarga(int natureza, int distribuicao);

// The caption of the load edit: q m for a user-defined load, Q otherwise.
std::string legendaCarga(int natureza);

// The fields a nature uses; the others are hidden behind their placeholders.
struct CamposSobrecarga {
    bool trafego = false;
    bool distribuicao = false;
    bool carga = false;
    bool compA = false;
    bool compB = false;
    bool distC = false;
};
CamposSobrecarga camposSobrecarga(int natureza, int distribuicao);

// Rail and air loads are not specified: "Confirma" stays disabled for them.
bool confirmaHabilitado(int natureza);

// Choosing a nature puts the defaults of its fields back: a distributed load
// Q "5000,00", a and b "0,50" (and c "5,00" with two areas); a user-defined
// load q "5,00". The other texts are kept.
void aplicarNatureza(Sobrecarga& s, int natureza);
// Choosing two areas puts c back to "5,00"; one area keeps it.
void aplicarDistribuicao(Sobrecarga& s, int distribuicao);

enum class CampoSobrecarga { Nenhum, Carga, CompA, CompB, DistC };

struct VerificacaoSobrecarga {
    bool aceita = true;
    std::string mensagem;                          // for the one-line warning
    CampoSobrecarga foco = CampoSobrecarga::Nenhum; // where the focus goes
};

// The close check of a confirmed window: the fields of natures 3 and 4 must
// not be empty, in the order Q (or q), a, b, c. An accepted surcharge has its
// numbers rewritten with two decimals ("5000" → "5000,00", "5,0" → "5,00").
VerificacaoSobrecarga verificarSobrecarga(Sobrecarga& s);

// Whether a confirmed surcharge counts as changed against the snapshot of
// the opening: always on the first confirmation, else a different nature,
// traffic type or distribution where they apply, or a number that moved by
// more than 0,001. Rail and air (confirmed only with Alt+F4) count when the
// nature itself changed: a class computed for another surcharge must go.
bool sobrecargaMudou(const Sobrecarga& antes, const Sobrecarga& depois, bool primeiraConfirmacao);
