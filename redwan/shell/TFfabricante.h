#pragma once
// "Dados do Fabricante": the manufacturer's identification and logo, which
// the report prints. Not an input window: its fields are edited in place,
// "Confirma" and "Cancela" just close it, and nothing is checked. The data
// come from Config/Fabricante.ini at every new project and go back to it
// when the window is confirmed and when the program ends.

#include "fabricante.h"

#include <QDialog>
#include <QImage>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

class TFfabricante : public QDialog {
    Q_OBJECT
public:
    explicit TFfabricante(QWidget* parent = nullptr);

    // E1 … E11: name, tax number, address, number, district, city, state,
    // postal code, telephone, mobile, e-mail.
    std::array<QLineEdit*, 11> E{};
    QCheckBox* CB1; // "Imprimir dados do fabricante no relatório"
    QLabel* ImageLogo;

    DadosFabricante dados() const;
    void definirDados(const DadosFabricante& d);
    QImage logo() const { return logo_; }
    void definirLogo(const QImage& logo);

    // The notes under "Observações:".
    static const QStringList& observacoes();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void BotaoCarregarLogotipoClick();
    void BotaoLimparClick();
    QImage logo_;
};
