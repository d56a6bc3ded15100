#pragma once
// The project and configuration files of both programs are sections of
// lines: a header, the values, this separator and an empty line.

#include <string>

inline const std::string separadorSecao(55, '-');
