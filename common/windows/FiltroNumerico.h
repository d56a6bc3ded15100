#pragma once
// The key filter of the numeric fields: digits, one decimal separator (a
// comma or a full stop, both written as the comma), Backspace and Enter.
// Everything else typed is dropped. Editing keys (arrows, Delete, Tab,
// shortcuts) pass as usual.

#include <QObject>

class QLineEdit;

class FiltroNumerico : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs the filter on `campo`; the filter lives as long as the field.
    static void instalar(QLineEdit* campo);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
};
