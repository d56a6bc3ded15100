#pragma once
// Text fields whose contents go to a windows-1252 file refuse, as they are
// typed, pasted or dropped, the characters that code page cannot hold and
// the line breaks that one line of the file cannot.

#include <QValidator>

class QLineEdit;

class ValidadorWindows1252 : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    // Installs the validator on `campo`; it lives as long as the field.
    static void instalar(QLineEdit* campo);
    State validate(QString& texto, int& posicao) const override;
};
