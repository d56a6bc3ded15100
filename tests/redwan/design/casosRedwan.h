#pragma once
// Pipes the design tests share: the worked pipe of 1000 mm and the inputs a
// new project gets for any diameter, class and purpose.

#include "entradaDimensionamento.h"
#include "numeros.h"

#include <cmath>
#include <string>

namespace casos {

// P = 90 kN/m, di = 1000 mm, h = 100 mm, fck = 35 MPa, γs = 1,15, γc = 1,4,
// covers 3,5 and 2,5 cm for the double arrangement.
inline DadosDimensionamento exemplo(int tipoArmadura, int tipoTubo = MachoFemea)
{
    DadosDimensionamento d;
    d.P = 90.0;
    d.di = 1000.0;
    d.h = 100.0;
    d.fck = 35.0;
    d.gamaS = 1.15;
    d.gamaC = 1.4;
    d.tipoArmadura = tipoArmadura;
    d.tipoTubo = tipoTubo;
    d.dLinhaInt = 3.5;
    d.dLinhaExt = 2.5;
    return d;
}

inline constexpr int diametros[] = {300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1500, 1750, 2000};

// Minimum wall thickness (mm) by diameter, stormwater and sewage.
inline int espessuraMinima(int finalidade, int di)
{
    static const int tabela[][3] = {{300, 45, 50},   {400, 45, 50},    {500, 50, 55},    {600, 60, 65},
                                    {700, 66, 70},   {800, 72, 80},    {900, 75, 85},    {1000, 80, 90},
                                    {1100, 90, 100}, {1200, 96, 100},  {1300, 105, 115}, {1500, 120, 120},
                                    {1750, 140, 150}};
    for (const auto& linha : tabela)
        if (linha[0] == di)
            return linha[1 + finalidade];
    return 180;
}

// Load of a standard class: k·di/1000 kN/m rounded up, as the class window shows it.
inline std::string cargaClasse(int k, int di)
{
    return formatar2(std::ceil(k * di / 1000.0));
}

// The window inputs of a new project for this pipe and class: the class
// loads filled, wall at its minimum, default factors and covers.
inline EntradaDimensionamento entradaPadrao(int finalidade, int di, int classe, int tipoArmadura)
{
    EntradaDimensionamento e;
    e.finalidade = finalidade;
    e.tipoTubo = MachoFemea;
    e.di = formatar0(di);
    e.cargasPluviais = {cargaClasse(60, di), cargaClasse(90, di), cargaClasse(135, di), cargaClasse(180, di), ""};
    e.cargasEsgoto = {cargaClasse(90, di), cargaClasse(135, di), cargaClasse(180, di), ""};
    // "Especial": one kN/m above the largest standard class.
    e.cargasPluviais[4] = formatar2(std::ceil(180 * di / 1000.0) + 1.0);
    e.cargasEsgoto[3] = e.cargasPluviais[4];
    e.classePluvial = classe;
    e.classeEsgoto = classe;
    e.tipoArmadura = tipoArmadura;
    e.fck = "35,00";
    e.gamaS = "1,15";
    e.gamaC = "1,40";
    e.h = formatar0(espessuraMinima(finalidade, di));
    e.dLinhaInt = di <= 600 ? "2,5" : "3,5";
    e.dLinhaExt = di <= 600 ? "2,0" : "2,5";
    return e;
}

} // namespace casos
