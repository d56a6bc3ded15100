#pragma once
// Where a program keeps its files. Started from a folder that holds
// Pictures/ (a build's base folder, a copied installation) it works there,
// as it always did. An installed program started anywhere else reads its
// pictures from the installed folder and keeps Config/ in the user's data
// folder and the projects in the user's documents folder.

#include <string>

struct LocaisPrograma {
    std::string pastaAtual;       // the current directory at start
    bool pastaAtualTemFiguras;    // it holds Pictures/ (in any case)
    std::string pastaInstalada;   // the installed data (Pictures/, Config/), empty when not installed
    std::string pastaDadosUsuario; // the user's data folder (XDG), for this program
    std::string pastaDocumentos;  // the user's documents folder (XDG)
    std::string programa;         // "Kolvan", names the projects' folder among the documents
};

struct PastasPrograma {
    std::string base;             // holds Config/ (and the manufacturer's logo under Pictures/)
    std::string figurasInstaladas; // where pictures missing from the base are read, empty for none
    std::string arquivos;         // where the file dialogs start
    bool instalado;               // the base is the user's data folder, made from the installed defaults
};

PastasPrograma escolherPastas(const LocaisPrograma& locais);
