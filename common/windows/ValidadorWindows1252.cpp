#include "ValidadorWindows1252.h"

#include "windows1252.h"

#include <QLineEdit>

#include <algorithm>

void ValidadorWindows1252::instalar(QLineEdit* campo) { campo->setValidator(new ValidadorWindows1252(campo)); }

QValidator::State ValidadorWindows1252::validate(QString& texto, int&) const
{
    // A line break or other control character would split the field's one
    // line of the file (a pasted or dropped text can carry one).
    const bool controle =
        std::any_of(texto.cbegin(), texto.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    return !controle && cabeEmWindows1252(texto.toStdString()) ? Acceptable : Invalid;
}
