#pragma once
// Text that comes from outside (network files, spreadsheets) as the
// programs keep it: well-formed UTF-8 with no control characters but tab
// and line breaks, so that it can reach a terminal, a report or the XML
// inside an .xlsx as it stands.

#include <string>
#include <string_view>

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool utf8BemFormado(std::string_view bytes);

// The bytes with each ill-formed sequence (each maximal subpart, as Unicode
// recommends), each control character other than tab, LF and CR, and DEL
// replaced by U+FFFD. NUL is replaced too: a reader that must refuse it
// looks for it first.
std::string utf8Saneado(std::string_view bytes);

// A text file as the programs read it: after a byte-order mark, or when the
// bytes are well-formed UTF-8, as UTF-8 (saneado); else windows-1252, as
// spreadsheets and older programs save their files on that code page.
std::string utf8DeArquivo(std::string_view bytes);

// The text without the spaces and tabs at either end.
std::string aparado(const std::string& t);
