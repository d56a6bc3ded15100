#pragma once
// The longitudinal profiles as plain geometry, laid out once and walked by
// every output (preview, PDF, SVG, DXF): lines and texts in sheet
// millimetres (origin at the top left, y downwards) with the model
// coordinates in metres they stand for (x along the collector from its
// upstream end, y the elevation). The table of levels sits in the model
// under the lowest invert, rows as deep as they are tall on the sheet at the
// vertical scale. The sheet's frame, title block and elevation axis have no
// model coordinates.
//
// A3 landscape sheets; a collector longer or taller than one sheet's
// drawing area continues on the next, which repeats the elevation axis and
// the captions of the table.

#include "dadosObraCliente.h"
#include "layoutRelatorio.h"
#include "perfilColetor.h"

#include <cstddef>
#include <string>
#include <vector>

struct DadosProjetista;

enum class CamadaPerfil { Terreno, Fundo, Geratriz, Pv, Texto, Tabela, Folha };
// "TERRENO", "FUNDO", "GERATRIZ", "PV", "TEXTO", "TABELA", "FOLHA".
const char* nomeCamada(CamadaPerfil c);

struct PontoPerfil {
    double x = 0.0, y = 0.0;
};

struct LinhaPerfil {
    CamadaPerfil camada = CamadaPerfil::Folha;
    std::vector<PontoPerfil> folha;  // mm
    std::vector<PontoPerfil> modelo; // m; empty for what only the sheet has
    CorRgb cor = corPreta;
    double espessura = 0.25; // mm
    bool fechada = false;
    bool tracejada = false;
    bool preenchida = false; // a fill; the outline, if any, is a line of its own
    CorRgb corPreenchimento = corPreta;
};

enum class AlinhamentoVertical { base, meio, topo };

struct TextoPerfil {
    CamadaPerfil camada = CamadaPerfil::Folha;
    PontoPerfil folha;  // mm, the point the alignment refers to
    PontoPerfil modelo; // m
    bool temModelo = false;
    double altura = 2.5;       // mm on the sheet
    double alturaModelo = 0.0; // m in the model
    double angulo = 0.0;       // degrees, counter-clockwise
    Alinhamento alinhamento = Alinhamento::esquerda;
    AlinhamentoVertical vertical = AlinhamentoVertical::base;
    std::string texto; // UTF-8
    CorRgb cor = corPreta;
    bool negrito = false;
};

struct DesenhoPerfil {
    std::vector<LinhaPerfil> linhas;
    std::vector<TextoPerfil> textos;
};

inline constexpr double larguraFolhaA3 = 420.0; // mm, landscape
inline constexpr double alturaFolhaA3 = 297.0;

struct FolhaPerfil : DesenhoPerfil {
    int numero = 0, total = 0; // "Folha N de M" over every collector
    double xFim = 0.0;         // where along the collector the sheet ends (m)
};

struct EscalasPerfil {
    int horizontal = 1000; // 1:1000
    int vertical = 100;    // 1:100
    bool operator==(const EscalasPerfil&) const = default;
};
// The scales offered; any whole scale from 1:1 to 1:100 000 is accepted.
const std::vector<int>& escalasHorizontais();
const std::vector<int>& escalasVerticais();
bool escalaValida(int escala);

// Config/Perfis.ini: "EscalaHorizontal=1000", "EscalaVertical=100". A line
// that is missing or not a valid scale leaves its default.
EscalasPerfil escalasDasLinhas(const std::vector<std::string>& linhas);
std::vector<std::string> linhasDasEscalas(const EscalasPerfil& e);

// What the title block says about the project and the moment.
struct CabecalhoPerfis {
    std::string projetista, crea, obra, cliente;
    std::string data; // "dd/mm/yyyy"
};
CabecalhoPerfis cabecalhoPerfis(const DadosProjetista& projetista, const DadosObra& obra, const DadosCliente& cliente,
                                const std::string& data);

struct PerfisRede {
    std::vector<PerfilColetor> perfis;
    std::vector<DesenhoPerfil> modelos; // one per collector, the whole collector in the model (DXF)
    std::vector<FolhaPerfil> folhas;    // every sheet, collector after collector
    std::vector<std::string> semComprimento; // stretches left out, by name
    std::string erro; // why there are no sheets though there are stretches
};

// Beyond this many sheets a length is surely mistyped: no sheets, and `erro` says so.
inline constexpr std::size_t maximoFolhasPerfis = 5000;

PerfisRede montarPerfisRede(const RedeTubulacoes& rede, const EscalasPerfil& escalas, const CabecalhoPerfis& cabecalho);

inline constexpr const char* tituloPerfis = "Perfis longitudinais";
