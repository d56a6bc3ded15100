#include "corClasse.h"

CorClasse corClasse(const std::string& classe, bool clara)
{
    struct Par {
        const char* classe;
        CorClasse forte, suave;
    };
    static const Par pares[] = {
        {"PA1", {40, 140, 60}, {205, 235, 205}},  {"PA2", {170, 150, 0}, {250, 240, 180}},
        {"EA2", {170, 150, 0}, {250, 240, 180}},  {"PA3", {215, 110, 0}, {255, 215, 170}},
        {"EA3", {215, 110, 0}, {255, 215, 170}},  {"PA4", {190, 30, 30}, {250, 190, 190}},
        {"EA4", {190, 30, 30}, {250, 190, 190}},  {"PS1", {40, 90, 190}, {205, 220, 250}},
        {"PS2", {110, 60, 170}, {225, 210, 245}}, {"ES", {40, 90, 190}, {205, 220, 250}},
    };
    for (const Par& p : pares)
        if (classe == p.classe)
            return clara ? p.suave : p.forte;
    return clara ? CorClasse{215, 215, 215} : CorClasse{90, 90, 90};
}
