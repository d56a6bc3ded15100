#include "geometriaRedwan.h"

#include "numeros.h"

#include <cmath>

const std::vector<std::string>& finalidadesRedwan()
{
    static const std::vector<std::string> lista{"Águas pluviais", "Esgoto sanitário"};
    return lista;
}

const std::vector<std::string>& tiposTuboRedwan()
{
    static const std::vector<std::string> lista{"Macho e Fêmea", "Ponta e Bolsa"};
    return lista;
}

const std::vector<std::string>& diametrosRedwan()
{
    static const std::vector<std::string> lista{"300",  "400",  "500",  "600",  "700",
                                                "800",  "900",  "1000", "1100", "1200",
                                                "1300", "1500", "1750", "2000"};
    return lista;
}

const std::vector<std::string>& comprimentosRedwan(int finalidade)
{
    static const std::vector<std::string> pluviais{"1,00", "1,50", "2,00", "2,50"};
    static const std::vector<std::string> esgoto{"2,00", "2,50"};
    return finalidade == finalidadeEsgoto ? esgoto : pluviais;
}

namespace {
std::string item(const std::vector<std::string>& lista, int indice)
{
    return indice >= 0 && indice < static_cast<int>(lista.size()) ? lista[indice] : std::string();
}
} // namespace

std::string textoFinalidade(const GeometriaRedwan& g) { return item(finalidadesRedwan(), g.finalidade); }
std::string textoTipoTubo(const GeometriaRedwan& g) { return item(tiposTuboRedwan(), g.tipoTubo); }
std::string textoDiametro(const GeometriaRedwan& g) { return item(diametrosRedwan(), g.indiceDi); }

std::string textoComprimento(const GeometriaRedwan& g)
{
    return item(comprimentosRedwan(g.finalidade), g.indiceComprimento);
}

double diametroInterno(const GeometriaRedwan& g)
{
    double di = 0.0;
    return lerNumero(textoDiametro(g), di) ? di : 0.0;
}

int espessuraMinima(int finalidade, double di)
{
    struct Linha {
        int di, pluvial, esgoto;
    };
    static const Linha tabela[] = {
        {300, 45, 50},   {400, 45, 50},   {500, 50, 55},   {600, 60, 65},   {700, 66, 70},
        {800, 72, 80},   {900, 75, 85},   {1000, 80, 90},  {1100, 90, 100}, {1200, 96, 100},
        {1300, 105, 115}, {1500, 120, 120}, {1750, 140, 150}};
    for (const Linha& l : tabela)
        if (std::fabs(di - l.di) < 0.5)
            return finalidade == finalidadeEsgoto ? l.esgoto : l.pluvial;
    return 180;
}
