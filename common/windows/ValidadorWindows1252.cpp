#include "ValidadorWindows1252.h"

#include "windows1252.h"

#include <QLineEdit>

void ValidadorWindows1252::instalar(QLineEdit* campo) { campo->setValidator(new ValidadorWindows1252(campo)); }

QValidator::State ValidadorWindows1252::validate(QString& texto, int&) const
{
    return cabeEmWindows1252(texto.toStdString()) ? Acceptable : Invalid;
}
