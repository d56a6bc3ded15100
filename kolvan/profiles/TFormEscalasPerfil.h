#pragma once
// "Escalas dos perfis": the horizontal and vertical scales of the
// longitudinal profiles, kept in the configuration for the next sheets.

#include "desenhoPerfil.h"

#include <QDialog>

class QComboBox;

class TFormEscalasPerfil : public QDialog {
    Q_OBJECT
public:
    explicit TFormEscalasPerfil(const EscalasPerfil& escalas, QWidget* parent = nullptr);
    EscalasPerfil escalas() const;

    QComboBox* CmbBxHorizontal;
    QComboBox* CmbBxVertical;
};

// Shows the window with the kept scales; on "Confirma" keeps the new ones.
// False when cancelled or when they could not be kept (and the user told).
bool editarEscalasPerfis(QWidget* pai);
