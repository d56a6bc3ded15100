#pragma once
// A network of pipes: stretches ("trechos") between manholes, each with its
// own diameter, length, covers and, if it wants, trench width and surcharge;
// every other parameter comes from the open project.
//
// The inputs are kept as the texts the user sees (decimal comma), as the
// project record keeps its own: a reader fills them, the network window
// edits them, and classing converts them every time it runs.

#include <string>
#include <vector>

struct EntradaTrecho {
    std::string trecho;     // its name
    std::string montante;   // upstream manhole
    std::string jusante;    // downstream manhole
    std::string comprimento; // m
    std::string di;         // mm, one of the geometry's diameters
    std::string hsMontante, hsJusante; // cover over the top of the pipe, m
    std::string terrenoMontante, fundoMontante, terrenoJusante, fundoJusante; // elevations, m
    std::string bv;         // trench width, m; empty: the least practical width
    std::string sobrecarga; // empty: the project's; "nula", "classe 45", "classe 30", "eixo triplo"
    std::string tubos;      // parallel pipes in the one trench; empty: 1
    // What the reader could not use in the row or pipe; the stretch gets no
    // class while it is there.
    std::string problemaLeitura;
    bool operator==(const EntradaTrecho&) const = default;
};

// The columns of a network file, in the order the programs write them.
enum class ColunaTrecho {
    Trecho, Montante, Jusante, Comprimento, Di, HsMontante, HsJusante, TerrenoMontante, FundoMontante,
    TerrenoJusante, FundoJusante, Bv, Sobrecarga, Tubos,
};
inline constexpr int numeroColunasTrecho = 14;

// "trecho", "montante", … "sobrecarga", "tubos": the column names of the files.
const std::vector<std::string>& nomesColunasTrecho();
std::string& campoTrecho(EntradaTrecho& e, ColunaTrecho c);
const std::string& campoTrecho(const EntradaTrecho& e, ColunaTrecho c);
