#pragma once
// The bedding of an embankment with positive projection (and of a negative
// projection with good compaction): the equivalence factor follows from
// Spangler's formula for the class and the current installation, and is
// computed again whenever the window opens or a class is selected.

#include "JanelaBaseAssentamento.h"

class TFormBasesSaliPosit : public JanelaBaseAssentamento {
    Q_OBJECT
public:
    explicit TFormBasesSaliPosit(ProjetoTubo& projeto, QWidget* parent = nullptr);

protected:
    void FormShow() override;
    void aplicarClasse(BaseAssentamento& base, int classe) override;
    std::string figura(int classe) const override;
    std::string descricao(int classe) const override;
    bool recusarConfirmacao() override;

private:
    // The factor for the class over the current installation; empty when
    // there is none, with `motivo_` saying why.
    std::string calcularFator(int classe);
    std::string motivo_;
};
