#pragma once
// The commands of Redwan's main window: toolbar button, hint, menu entry,
// and the steps of the workflow that enable them.

#include <string>
#include <vector>

struct ComandoRedwan {
    const char* nome;    // toolbar button ("Bgeo")
    const char* dica;    // hint
    const char* menu;    // menu, empty for a command without an entry
    const char* item;    // menu entry
    bool habilitadoNoInicio;
    bool visivel;
    bool separadorDepois;
    const char* atalho = nullptr; // keyboard shortcut ("Ctrl+S", "F2"), none when null
    bool naBarra = true;          // a toolbar button too, not a menu entry only
};

const std::vector<ComandoRedwan>& comandosRedwan();

// What a new project disables (button and menu entry).
const std::vector<std::string>& comandosDesabilitadosNoNovo();
// What withdrawn design results disable.
const std::vector<std::string>& comandosDosResultados();
