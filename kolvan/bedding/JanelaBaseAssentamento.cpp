#include "JanelaBaseAssentamento.h"

#include "Figuras.h"
#include "GrupoOpcoes.h"
#include "FiltroNumerico.h"
#include "Mensagens.h"
#include "TextoQt.h"
#include "basesAssentamento.h"
#include "fechamentoBase.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

JanelaBaseAssentamento::JanelaBaseAssentamento(ProjetoTubo& projeto, bool aterro, const QString& nomeObjeto,
                                               QWidget* parent)
    : JanelaEntrada(parent), projeto_(projeto), aterro_(aterro)
{
    setObjectName(nomeObjeto);
    setWindowTitle(QString::fromUtf8(tituloBases));

    auto* grupoClasses = new QGroupBox(QString::fromUtf8(rotuloTipoBase), this);
    RadioGroup1 = criarGrupoOpcoes(grupoClasses, listaClassesBase(), QStringLiteral("Classe"));
    aoMudarOpcao(RadioGroup1, this, [this](int classe) { RadioGroup1Click(classe); });

    auto* grupoObservacao = new QGroupBox(QString::fromUtf8(rotuloObservacao), this);
    LabelDescricao = new QLabel(grupoObservacao);
    LabelDescricao->setObjectName(QStringLiteral("LabelDescricao"));
    LabelDescricao->setWordWrap(true);
    LabelDescricao->setAlignment(Qt::AlignCenter);
    LabelDescricao->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelDescricao->setMinimumHeight(150);
    LabelDescricao->setMinimumWidth(larguraDescricao);
    auto* observacao = new QVBoxLayout(grupoObservacao);
    observacao->addWidget(LabelDescricao);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFixedSize(300, 230);
    Image1->setFrameShape(QFrame::StyledPanel);

    auto painel = [this]() {
        auto* p = new QFrame(this);
        p->setFrameShape(QFrame::StyledPanel);
        return p;
    };
    QFrame* painelFator = painel();
    LabelAlfaEq = new QLabel(painelFator);
    LabelAlfaEq->setObjectName(QStringLiteral("LabelAlfaEq"));
    LabelAlfaEq->setMinimumWidth(50);
    linhaFator_ = new QHBoxLayout(painelFator);
    linhaFator_->addWidget(new QLabel(QString::fromUtf8(rotuloFatorEquivalencia), painelFator));
    linhaFator_->addWidget(LabelAlfaEq);
    linhaFator_->addStretch();

    QFrame* painelCoeficiente = painel();
    Edit7 = new QLineEdit(painelCoeficiente);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    Edit7->setFixedWidth(70);
    Edit7->setAlignment(Qt::AlignRight);
    FiltroNumerico::instalar(Edit7);
    auto* linhaCoeficiente = new QHBoxLayout(painelCoeficiente);
    linhaCoeficiente->addWidget(new QLabel(QStringLiteral("γ<sub>f</sub> ="), painelCoeficiente));
    linhaCoeficiente->addWidget(Edit7);
    linhaCoeficiente->addStretch();

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(grupoClasses);
    esquerda->addWidget(grupoObservacao, 1);
    auto* direita = new QVBoxLayout;
    direita->addWidget(Image1);
    direita->addWidget(painelFator);
    direita->addWidget(painelCoeficiente);
    direita->addStretch();
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(esquerda, 1);
    corpo->addLayout(direita);

    auto* botoes = criarLinhaBotoes();
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(botoes);
    setMinimumWidth(720);
}

BaseAssentamento& JanelaBaseAssentamento::grupo() const { return aterro_ ? projeto_.baseAterro : projeto_.baseVala; }

BaseAssentamento JanelaBaseAssentamento::lerControles() const
{
    BaseAssentamento b;
    b.classe = RadioGroup1->checkedId();
    b.fator = std8(LabelAlfaEq->text());
    b.coefSeguranca = std8(Edit7->text());
    return b;
}

void JanelaBaseAssentamento::carregar(const BaseAssentamento& base)
{
    if (QAbstractButton* item = RadioGroup1->button(base.classe))
        item->setChecked(true);
    Image1->setPixmap(carregarFigura(qt(figura(base.classe))));
    mostrarDescricao(qt(descricao(base.classe)));
    LabelAlfaEq->setText(qt(base.fator));
    Edit7->setText(qt(base.coefSeguranca));
}

void JanelaBaseAssentamento::RadioGroup1Click(int classe)
{
    BaseAssentamento b = lerControles();
    aplicarClasse(b, classe);
    carregar(b);
}

void JanelaBaseAssentamento::FormShow()
{
    instantaneo_ = grupo();
    carregar(instantaneo_);
}

bool JanelaBaseAssentamento::FormCloseQuery()
{
    std::string coeficiente = std8(Edit7->text());
    const VerificacaoCoeficiente v = verificarCoeficienteSeguranca(coeficiente);
    Edit7->setText(qt(coeficiente));
    if (!v.aceito) {
        confirmado = 0;
        mensagens().aviso(qt(v.mensagem));
        Edit7->setFocus();
        return false;
    }
    if (recusarConfirmacao()) {
        confirmado = 0;
        return false;
    }
    const BaseAssentamento b = lerControles();
    const bool mudou = baseMudou(instantaneo_, b, !projeto_.etapas.base);
    grupo() = b;
    copiarCoeficienteSeguranca(projeto_, aterro_);
    if (mudou) {
        projeto_.etapas.base = true;
        emit baseAlterada();
    }
    return true;
}

void JanelaBaseAssentamento::restaurarInstantaneo() { carregar(instantaneo_); }

void JanelaBaseAssentamento::mostrarDescricao(const QString& texto)
{
    LabelDescricao->setText(texto);
    // A wrapped label does not ask for the lines it needs: the longest note
    // (class B) would lose its last one.
    const int largura = std::max(LabelDescricao->width(), larguraDescricao);
    LabelDescricao->setMinimumHeight(std::max(150, LabelDescricao->heightForWidth(largura) + 8));
    if (isVisible())
        adjustSize();
}
