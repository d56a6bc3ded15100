#pragma once
// The trench-width aid: the width of the trench at the level of the top of
// the pipe from the bedding thickness, the side clearance and the wall
// slope, and the least clearance NBR 12266 allows for a shored trench.

#include <string>

// Width bv in m at the top of the pipe. c is the bedding thickness under the
// pipe, f the clearance on each side, H : V the slope of the wall (whole
// figures 1 to 99), D the external diameter in m. A vertical wall ignores the
// slope; a sloped one widens by (D + c)·H/V on each side.
double calcularLarguraVala(double c, double f, int H, int V, bool vertical, double D);

// Least clearance f_min in m for the internal diameter di in mm and the cover
// hs in m: half of what the least shored-trench width leaves beside the pipe,
// 0,35 above 800 mm.
double folgaMinima(double di, double hs, double D);

// The clearance check made on leaving the field: f is below f_min.
bool folgaAbaixoDaMinima(double f, double fMin);

// f_min as the clearance field shows it: every significant decimal with a
// decimal comma, no trailing zeros (0,215; 0,35; 0,22).
std::string textoFolgaMinima(double fMin);

// The clearance with two decimals for the close check. Where plain rounding
// would take a clearance at or above f_min below it (0,215 → 0,21) it rounds
// up instead (0,22), so the text never undoes the minimum just enforced; a
// clearance already below f_min is only rounded.
std::string arredondarFolga(double f, double fMin);

// The warning shown when the clearance is raised to f_min.
std::string mensagemFolgaMinima(double fMin);

// A wall steeper than 0,6 horizontal to 1 vertical asks for a stability check.
bool taludeIngreme(int H, int V);

inline constexpr const char* mensagemEstabilidadeTalude =
    "Recomenda-se verificar a estabilidade do talude da vala em função da sua "
    "inclinação e das características do solo de aterro.";
