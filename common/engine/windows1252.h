#pragma once
// The 8-bit code page of the project and configuration files. The engine
// keeps UTF-8 text; these convert at the file boundary.

#include <optional>
#include <string>
#include <vector>

// UTF-8 to windows-1252; nothing when a character has no place in the code
// page (or the text is not valid UTF-8).
std::optional<std::string> paraWindows1252(const std::string& utf8);
std::string deWindows1252(const std::string& bytes);

// Whether every character of the UTF-8 text can be stored.
bool cabeEmWindows1252(const std::string& utf8);

// The file's bytes for these lines: windows-1252, each line ended by CR LF.
// Nothing when a line holds a character the code page lacks.
std::optional<std::string> montarArquivoLinhas(const std::vector<std::string>& linhas);
// The lines of a file's bytes, in UTF-8; CR LF, LF or CR end a line.
std::vector<std::string> separarArquivoLinhas(const std::string& bytes);
