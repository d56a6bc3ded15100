#pragma once
// The concrete bases a trench bedding of class A may take instead of its
// fixed factor: three rows of two, each a picture and a button that brings
// its factor into the trench bedding.

#include <array>
#include <string>

struct BaseAssentamento;

constexpr const char* tituloBasesConcreto = "Bases de concreto";
constexpr int linhasBasesConcreto = 3;
constexpr int colunasBasesConcreto = 2;

struct BaseConcreto {
    const char* figura; // feco12.bmp, fese12.bmp, …
    const char* fator;  // "4,0", "3,0", …
    const char* botao;  // "Fator de equivalência = 4,0", …
};

// basesConcreto()[linha][coluna], in the order of the window.
const std::array<std::array<BaseConcreto, colunasBasesConcreto>, linhasBasesConcreto>& basesConcreto();

// The factor of the chosen base replaces the trench bedding's factor; it
// stays until another class is selected. Outside the grid nothing changes.
void aplicarBaseConcreto(BaseAssentamento& baseVala, int linha, int coluna);
