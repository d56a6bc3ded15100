#pragma once
// The command line both calculators share, read with CLI11:
//   programa [--csv] [--memoria] [--pdf PASTA] ARQUIVO|PASTA...   and --help, --version.
// A calculator adds its own options to `app` before `ler`; their values
// land where the calculator points them, as CLI11 does.

#include "saidaCalculadora.h"

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct DescricaoCalculadora {
    std::string programa;  // "kolvan-calc"
    std::string descricao; // one line under the usage
    std::string versao;    // "2.4"
    std::string extensao;  // ".kvn"
};

class LinhaComandoCalculadora {
public:
    explicit LinhaComandoCalculadora(DescricaoCalculadora descricao);

    // Reads the arguments (without the program name). Returns the exit
    // status when the run ends here: --help and --version (printed to
    // `saida`, status 0) and a wrong command line (the reason and the usage
    // printed to `erro`, status UsoErrado); nothing when the files are to be
    // computed, listed in `argumentos`.
    std::optional<int> ler(const std::vector<std::string>& args, std::ostream& saida, std::ostream& erro);
    std::optional<int> ler(int argc, char* argv[]);

    CLI::App app;
    ArgumentosCalculadora argumentos;
    // An option that computes something other than the listed files clears it.
    bool exigeArquivos = true;

private:
    DescricaoCalculadora descricao_;
    std::vector<std::string> entradas_; // files and folders as typed
};
