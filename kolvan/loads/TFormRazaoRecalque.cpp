#include "TFormRazaoRecalque.h"

#include "GrupoOpcoes.h"
#include "TextoQt.h"
#include "dadosInstalacao.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFormRazaoRecalque::TFormRazaoRecalque(QWidget* parent) : JanelaEntrada(parent)
{
    setObjectName(QStringLiteral("TFormRazaoRecalque"));
    setWindowTitle(QStringLiteral("Razão de recalque"));

    auto* grupo = new QGroupBox(this);
    std::vector<std::string> nomes;
    for (const FundacaoRecalque& f : fundacoesRecalque())
        nomes.push_back(f.fundacao);
    RadioGroup1 = criarGrupoOpcoes(grupo, nomes, QStringLiteral("Fundacao"));
    aoMudarOpcao(RadioGroup1, this, [this](int) { RadioGroup1Click(); });

    auto* faixa = new QGroupBox(QStringLiteral("Faixa de valores:"), this);
    LabelFaixa = new QLabel(faixa);
    LabelFaixa->setObjectName(QStringLiteral("LabelFaixa"));
    LabelValor = new QLabel(faixa);
    LabelValor->setObjectName(QStringLiteral("LabelValor"));
    auto* linhaFaixa = new QHBoxLayout(faixa);
    linhaFaixa->addWidget(LabelFaixa);
    linhaFaixa->addStretch();
    linhaFaixa->addWidget(new QLabel(QStringLiteral("rr ="), faixa));
    linhaFaixa->addWidget(LabelValor);

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(grupo);
    principal->addWidget(faixa);
    principal->addLayout(botoes);
    reiniciar();
}

int TFormRazaoRecalque::selecao() const { return RadioGroup1->checkedId(); }

void TFormRazaoRecalque::selecionar(int indice)
{
    if (QAbstractButton* item = RadioGroup1->button(indice))
        item->setChecked(true);
    RadioGroup1Click();
}

QString TFormRazaoRecalque::valorRecomendado() const
{
    const auto& fundacoes = fundacoesRecalque();
    const int k = selecao();
    return k >= 0 && k < static_cast<int>(fundacoes.size()) ? qt(fundacoes[k].recomendado) : QString();
}

void TFormRazaoRecalque::reiniciar() { selecionar(fundacaoRecalquePadrao); }

void TFormRazaoRecalque::RadioGroup1Click()
{
    const auto& fundacoes = fundacoesRecalque();
    const int k = selecao();
    if (k < 0 || k >= static_cast<int>(fundacoes.size()))
        return;
    LabelFaixa->setText(qt(fundacoes[k].faixa));
    LabelValor->setText(qt(fundacoes[k].recomendado));
}

void TFormRazaoRecalque::FormShow() { instantaneo_ = selecao(); }

// Nothing to check: the caller takes the recommended value of a confirmed close.
bool TFormRazaoRecalque::FormCloseQuery() { return true; }

void TFormRazaoRecalque::restaurarInstantaneo() { selecionar(instantaneo_); }
