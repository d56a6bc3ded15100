#pragma once
// The disclaimer shown once per run at the first activation of the main
// window: the results are the user's responsibility.

#include <QDialog>
#include <QStringList>

class TFcomeco : public QDialog {
    Q_OBJECT
public:
    explicit TFcomeco(QWidget* parent = nullptr);
    // The thirteen lines of the five numbered paragraphs.
    static const QStringList& linhas();
};
