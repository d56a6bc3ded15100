#pragma once
// The engine speaks UTF-8 std::string, the windows QString.
#include <QString>
#include <string>

inline QString qt(const std::string& texto) { return QString::fromStdString(texto); }
inline std::string std8(const QString& texto) { return texto.toStdString(); }
