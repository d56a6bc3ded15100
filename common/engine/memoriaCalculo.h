#pragma once
// The trace of a computation: the quantities it computed on the way, in the
// order it computed them, each with its name, symbol, value, unit and the
// formula it came from. The computation writes it as it goes; the
// calculation sheet, the calculators and the windows read it, so a number
// shown for review is the very number the result was made of.
//
// A formula names earlier quantities by their symbols in braces, as in
// "(1 − e^(−{a}·{hs}/{bv}))/{a}": the sheet prints it once with the symbols
// and once with their values put in. A brace refers to the nearest earlier
// quantity of that symbol, so a routine that runs twice (a comparison run)
// reads its own values.

#include "textoMemoria.h"

#include <string>
#include <vector>

enum class TipoPassoMemoria {
    Grandeza, // a computed quantity, or a datum when it has no formula
    Titulo,   // the heading of a part of the computation
    Nota,     // a sentence: a choice made, a test passed, a verdict
};

struct PassoMemoria {
    TextoMemoria nome;    // "Coeficiente de carga da vala"; the heading or the sentence
    TextoFixo simbolo;    // "Cd", "H/Bc"
    double valor = 0.0;
    TextoFixo unidade;    // "kN/m"; empty for a pure number
    TextoMemoria formula; // empty for a datum
    int casas = 4;        // decimals on the sheet
    TextoFixo chave;      // key of the calculators' output; empty when none
    TipoPassoMemoria tipo = TipoPassoMemoria::Grandeza;
};

struct MemoriaCalculo {
    std::vector<PassoMemoria> passos;

    // Appends a quantity and returns its value, so that a computation can
    // write `const double Cd = m.grandeza({...});`.
    double grandeza(PassoMemoria passo);
    void titulo(TextoMemoria texto);
    void nota(TextoMemoria texto);
    // Takes the steps of `outra`, which is left empty.
    void anexar(MemoriaCalculo&& outra);

    // The last quantity with this calculator key, or with this symbol.
    const PassoMemoria* porChave(std::string_view chave) const;
    const PassoMemoria* porSimbolo(std::string_view simbolo) const;
};

// The value as the sheet prints it: its decimals and a decimal comma.
std::string valorMemoria(const PassoMemoria& passo);

// The formula of passos[indice] with the braces taken off: "(1 − e^(−a·hs/bv))/a".
std::string formulaSimbolica(const MemoriaCalculo& m, std::size_t indice);
// The same with each symbol replaced by the value of the quantity it names
// (a negative value in parentheses); a symbol that names nothing stays.
std::string formulaComValores(const MemoriaCalculo& m, std::size_t indice);

// One line of the sheet for a quantity: "Cd = (1 − e^(−a·hs/bv))/a =
// (1 − e^(−0,30·1,00/1,31))/0,30 = 0,6823" and, for a datum, "hs = 1,00 m".
std::string linhaMemoria(const MemoriaCalculo& m, std::size_t indice);

// The keyed quantities as "chave: valor" fields with six decimals, each key
// once, where it first appears, with its last value.
std::vector<std::pair<std::string, std::string>> camposMemoria(const MemoriaCalculo& m);
