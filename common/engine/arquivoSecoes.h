#pragma once
// The project and configuration files of both programs are sections of
// lines: a header, the values, this separator and an empty line.

#include <string>

inline const std::string separadorSecao(55, '-');

// Who reads a project file: a program with its own project open, which
// keeps it, or a calculator, which has none.
enum class LeitorProjeto { Programa, Calculadora };

// What the user is told of a project file that is not opened: the line and
// why, or (line 0) why the file itself could not be read.
std::string mensagemArquivoRecusado(const std::string& nomeArquivo, int linha, const std::string& erro,
                                    LeitorProjeto leitor);
