#pragma once
// The bedding of a trench (and of a negative projection without good
// compaction): each class has a fixed equivalence factor; class A may take
// the factor of a concrete base instead ("A").

#include "JanelaBaseAssentamento.h"

class QPushButton;
class TFormDaseConcreto;

class TFormBasesVala : public JanelaBaseAssentamento {
    Q_OBJECT
public:
    explicit TFormBasesVala(ProjetoTubo& projeto, QWidget* parent = nullptr);
    void ligarBasesConcreto(TFormDaseConcreto* basesConcreto) { basesConcreto_ = basesConcreto; }

    QPushButton* BotaoA;

protected:
    void aplicarClasse(BaseAssentamento& base, int classe) override;
    std::string figura(int classe) const override;
    std::string descricao(int classe) const override;

private:
    void BotaoAClick();
    void atualizarBotaoA();
    TFormDaseConcreto* basesConcreto_ = nullptr;
};
