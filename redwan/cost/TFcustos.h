#pragma once
// "Custos": the manufacturer's prices of concrete (R$/m³) and steel (R$/kg)
// that price every designed pipe and the product line's cheapest walls.
// An input window: "Confirma" checks both prices, keeps them and writes
// Config/Custos.ini; "Cancela" and the close box leave them as they were.

#include "JanelaEntrada.h"
#include "precosCusto.h"

class QLineEdit;

class TFcustos : public JanelaEntrada {
    Q_OBJECT
public:
    explicit TFcustos(QWidget* parent = nullptr);

    QLineEdit* EditPrecoConcreto;
    QLineEdit* EditPrecoAco;

    const PrecosCusto& precos() const { return precos_; }
    // Prices read elsewhere (the file at start-up); no signal, nothing written.
    void definirPrecos(const PrecosCusto& p) { precos_ = p; }

signals:
    // Confirmed prices that differ from the previous ones.
    void precosAlterados();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override {}

private:
    PrecosCusto precos_;
};
