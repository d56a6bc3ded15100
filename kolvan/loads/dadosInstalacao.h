#pragma once
// The fixed data of the installation window: the soils with their unit
// weight and K·μ, what selecting an installation type puts into the fields,
// its picture, and the foundations of the settlement-ratio window.

#include <string>
#include <vector>

struct Instalacao;

constexpr int terrenoDefinidoPeloUsuario = 5;

// γ and Kμ of soils 0 to 4 as the window shows them; empty texts for the
// user-defined soil and for any other index.
struct PresetTerreno {
    std::string gama;
    std::string kMi;
};
PresetTerreno presetTerreno(int terreno);

// Selecting a type puts its defaults into the fields that apply to it
// (bv, ha and the settlement ratio); the others keep their texts.
void aplicarTipoInstalacao(Instalacao& i, int tipo);
// The check box of the negative projection sets the settlement ratio.
void aplicarAterroCompactado(Instalacao& i, bool compactado);
// A soil of the list writes its γ and Kμ; the user-defined soil empties them.
void aplicarTerreno(Instalacao& i, int terreno);

// Which fields apply to the type (and check box) shown.
struct CamposAplicaveis {
    bool razaoRecalque = false;
    bool larguraVala = false;
    bool alturaHa = false;
    bool compactacao = false;
};
CamposAplicaveis camposAplicaveis(int tipo);

// The picture of the installation: Vala.bmp, SaliPosi.bmp, SaliNega1.bmp or,
// with good compaction, SaliNega2.bmp.
std::string figuraInstalacao(int tipo, bool aterroCompactado);

// The settlement ratio of a negative projection without good compaction,
// and the warning the "P" button shows there instead of the foundations.
inline constexpr const char* razaoRecalqueNegativa = "-0,4";
inline constexpr const char* faixaRecalqueNegativaSuperior = "Faixa de valores recomendado: -0,3 a -0,5";
inline constexpr const char* faixaRecalqueNegativaInferior = "rr = -0,4";

struct FundacaoRecalque {
    std::string fundacao;    // the radio item
    std::string faixa;       // "Faixa de valores:" panel
    std::string recomendado; // the value the installation takes
};
const std::vector<FundacaoRecalque>& fundacoesRecalque();
constexpr int fundacaoRecalquePadrao = 1;
