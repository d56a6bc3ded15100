#include "TFormBasesVala.h"

#include "ExecucaoModal.h"
#include "TFormDaseConcreto.h"
#include "basesAssentamento.h"
#include "basesConcreto.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

TFormBasesVala::TFormBasesVala(ProjetoTubo& projeto, QWidget* parent)
    : JanelaBaseAssentamento(projeto, false, QStringLiteral("TFormBasesVala"), parent)
{
    BotaoA = new QPushButton(QString::fromUtf8(botaoBaseConcreto), this);
    BotaoA->setObjectName(QStringLiteral("BotaoA"));
    BotaoA->setFixedWidth(28);
    linhaFator_->insertWidget(linhaFator_->count() - 1, BotaoA);
    connect(BotaoA, &QPushButton::clicked, this, &TFormBasesVala::BotaoAClick);
    connect(RadioGroup1, &QButtonGroup::idToggled, this, [this] { atualizarBotaoA(); });
    carregar(grupo());
    atualizarBotaoA();
}

void TFormBasesVala::aplicarClasse(BaseAssentamento& base, int classe) { aplicarClasseVala(base, classe); }

std::string TFormBasesVala::figura(int classe) const { return figuraBaseVala(classe); }

std::string TFormBasesVala::descricao(int classe) const { return descricaoBaseVala(classe); }

void TFormBasesVala::atualizarBotaoA() { BotaoA->setEnabled(RadioGroup1->checkedId() == classeBaseConcreto); }

void TFormBasesVala::BotaoAClick()
{
    if (!basesConcreto_)
        return;
    executarModal(*basesConcreto_);
    const auto [linha, coluna] = basesConcreto_->escolha();
    if (linha >= 0) {
        BaseAssentamento b = lerControles();
        aplicarBaseConcreto(b, linha, coluna);
        carregar(b);
    }
}
