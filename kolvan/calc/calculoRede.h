#pragma once
// kolvan-calc --rede: a whole network classed with the parameters of a
// project file, printed, and optionally its report and spreadsheet written.

// Runs the network calculator on the command line; returns the exit status
// (0 every stretch classed, 1 any stretch or file failed, 2 wrong usage).
int executarCalculoRede(int argc, char* argv[]);

#include <string>
#include <vector>

// Without --rede: a network file or a network option given as if to the
// project form. Returns what to say (status 2), or empty.
std::string pedidoDeRedeSemRede(const std::vector<std::string>& argumentos);
