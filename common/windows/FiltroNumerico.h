#pragma once
// The key filter of the numeric fields: digits, one decimal separator (a
// comma or a full stop, both written as the comma), Backspace and Enter.
// Everything else typed is dropped. Editing keys (arrows, Delete, Tab,
// shortcuts) pass as usual. Text that arrives another way (pasted, dropped,
// from an input method) follows the same rules: its full stops become
// commas, and an edit that would leave anything but digits and one comma
// is refused whole.

#include <QObject>
#include <QValidator>

class QLineEdit;
class QWidget;

class FiltroNumerico : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs the filter and the validator on `campo`; both live as long
    // as the field.
    static void instalar(QLineEdit* campo);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
};

// A numeric field of the input windows: named, `largura` pixels wide, its
// number to the right, with the filter installed.
QLineEdit* criarCampoNumerico(const QString& nome, int largura, QWidget* pai);

// What a numeric field may hold after any edit: digits and at most one
// decimal comma (a full stop is turned into the comma).
class ValidadorNumerico : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texto, int& posicao) const override;
};
