#include "TFormDimensionamento.h"

#include "DialogoArmaduraJanela.h"
#include "Figuras.h"
#include "FiltroNumerico.h"
#include "GrupoOpcoes.h"
#include "Mensagens.h"
#include "TextoQt.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
QLineEdit* criarCampo(const QString& nome, QWidget* pai) { return criarCampoNumerico(nome, 70, pai); }

QStackedWidget* comFalso(QLineEdit*& real, QLineEdit*& falso, const QString& nome, QWidget* pai)
{
    auto* pilha = new QStackedWidget(pai);
    real = criarCampo(nome, pilha);
    falso = criarCampo(nome + QStringLiteral("Falso"), pilha);
    falso->setEnabled(false);
    pilha->addWidget(real);
    pilha->addWidget(falso);
    pilha->setFixedSize(real->width(), real->sizeHint().height());
    return pilha;
}
} // namespace

TFormDimensionamento::TFormDimensionamento(ProjetoRedwan& projeto, QWidget* parent)
    : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFormDimensionamento"));
    setWindowTitle(QStringLiteral("Armadura"));

    auto* material = new QGroupBox(QStringLiteral("Dado do Material:"), this);
    Edit2 = criarCampo(QStringLiteral("Edit2"), material);
    auto* gradeMaterial = new QGridLayout(material);
    gradeMaterial->addWidget(new QLabel(QStringLiteral("Resistência característica à<br>"
                                                       "compressão do concreto (f<sub>ck</sub>)"),
                                        material),
                             0, 0);
    gradeMaterial->addWidget(Edit2, 0, 1);
    gradeMaterial->addWidget(new QLabel(QStringLiteral("MPa"), material), 0, 2);
    gradeMaterial->setColumnStretch(3, 1);

    auto* tipo = new QGroupBox(QStringLiteral("Tipo de Armadura:"), this);
    auto* tipos = new QVBoxLayout(tipo);
    RadioGroup1 = new QButtonGroup(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    for (int k = 0; k < static_cast<int>(tiposArmadura().size()); ++k) {
        auto* item = new QRadioButton(qt(tiposArmadura()[k]), tipo);
        item->setObjectName(QStringLiteral("RadioGroup1_%1").arg(k));
        RadioGroup1->addButton(item, k);
        tipos->addWidget(item);
    }
    aoMudarOpcao(RadioGroup1, this, [this](int tipo) { RadioGroup1Click(tipo); });

    auto* cobrimento = new QGroupBox(QStringLiteral("Cobrimento:"), this);
    pilhaInt_ = comFalso(Edit5, Edit5Falso, QStringLiteral("Edit5"), cobrimento);
    pilhaExt_ = comFalso(Edit6, Edit6Falso, QStringLiteral("Edit6"), cobrimento);
    auto* gradeCobrimento = new QGridLayout(cobrimento);
    const QString simbolos[] = {QStringLiteral("d'<sub>int</sub> ="), QStringLiteral("d'<sub>ext</sub> =")};
    QStackedWidget* pilhas[] = {pilhaInt_, pilhaExt_};
    for (int k = 0; k < 2; ++k) {
        auto* simbolo = new QLabel(simbolos[k], cobrimento);
        auto* unidade = new QLabel(QStringLiteral("cm"), cobrimento);
        rotulosCobrimento_ << simbolo << unidade;
        gradeCobrimento->addWidget(simbolo, k, 0, Qt::AlignRight);
        gradeCobrimento->addWidget(pilhas[k], k, 1);
        gradeCobrimento->addWidget(unidade, k, 2);
    }
    gradeCobrimento->setColumnStretch(3, 1);

    auto* parede = new QGroupBox(QStringLiteral("Espessura da parede:"), this);
    EdtEs = criarCampo(QStringLiteral("EdtEs"), parede);
    EdtEs->setMaxLength(5);
    auto* gradeParede = new QGridLayout(parede);
    gradeParede->addWidget(new QLabel(QStringLiteral("h ="), parede), 0, 0, Qt::AlignRight);
    gradeParede->addWidget(EdtEs, 0, 1);
    gradeParede->addWidget(new QLabel(QStringLiteral("mm"), parede), 0, 2);
    gradeParede->setColumnStretch(3, 1);

    auto* seguranca = new QGroupBox(QStringLiteral("Coeficientes de segurança:"), this);
    Edit3 = criarCampo(QStringLiteral("Edit3"), seguranca);
    Edit4 = criarCampo(QStringLiteral("Edit4"), seguranca);
    auto* gradeSeguranca = new QGridLayout(seguranca);
    gradeSeguranca->addWidget(new QLabel(QStringLiteral("γ<sub>s</sub> ="), seguranca), 0, 0, Qt::AlignRight);
    gradeSeguranca->addWidget(Edit3, 0, 1);
    gradeSeguranca->addWidget(new QLabel(QStringLiteral("γ<sub>c</sub> ="), seguranca), 1, 0, Qt::AlignRight);
    gradeSeguranca->addWidget(Edit4, 1, 1);
    gradeSeguranca->setColumnStretch(2, 1);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setMinimumSize(200, 200);
    Image2->setAlignment(Qt::AlignCenter);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(material);
    esquerda->addWidget(tipo);
    esquerda->addWidget(cobrimento);
    esquerda->addWidget(parede);
    esquerda->addWidget(seguranca);
    auto* direita = new QVBoxLayout;
    direita->addStretch();
    direita->addWidget(Image2);
    direita->addStretch();
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(esquerda);
    corpo->addLayout(direita, 1);

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(botoes);
    carregar(projeto_.parametros);
}

void TFormDimensionamento::carregarFigura()
{
    const bool dupla = RadioGroup1->checkedId() == armaduraDupla;
    Image2->setPixmap(::carregarFigura(dupla ? QStringLiteral("AsDupla.bmp") : QStringLiteral("AsSimples.bmp")));
}

// The positions get their defaults for the diameter on every choice of the type.
void TFormDimensionamento::RadioGroup1Click(int tipo)
{
    ParametrosArmadura p = lerControles();
    escolherTipo(p, tipo, diametroInterno(projeto_.geometria));
    Edit5->setText(qt(p.dInt));
    Edit6->setText(qt(p.dExt));
    mostrarTipo(tipo);
}

void TFormDimensionamento::mostrarTipo(int tipo)
{
    const bool dupla = tipo == armaduraDupla;
    pilhaInt_->setCurrentWidget(dupla ? Edit5 : Edit5Falso);
    pilhaExt_->setCurrentWidget(dupla ? Edit6 : Edit6Falso);
    for (QLabel* rotulo : rotulosCobrimento_)
        rotulo->setEnabled(dupla);
    carregarFigura();
}

void TFormDimensionamento::carregar(const ParametrosArmadura& p)
{
    Edit2->setText(qt(p.fck));
    RadioGroup1->button(p.tipo == armaduraDupla ? armaduraDupla : armaduraSimples)->setChecked(true);
    Edit5->setText(qt(p.dInt));
    Edit6->setText(qt(p.dExt));
    EdtEs->setText(qt(p.h));
    Edit3->setText(qt(p.gamaS));
    Edit4->setText(qt(p.gamaC));
    mostrarTipo(RadioGroup1->checkedId());
}

ParametrosArmadura TFormDimensionamento::lerControles() const
{
    ParametrosArmadura p;
    p.fck = std8(Edit2->text());
    p.tipo = RadioGroup1->checkedId();
    p.dInt = std8(Edit5->text());
    p.dExt = std8(Edit6->text());
    p.h = std8(EdtEs->text());
    p.gamaS = std8(Edit3->text());
    p.gamaC = std8(Edit4->text());
    return p;
}

QLineEdit* TFormDimensionamento::campo(CampoArmadura c) const
{
    switch (c) {
    case CampoArmadura::Fck: return Edit2;
    case CampoArmadura::DInt: return Edit5;
    case CampoArmadura::DExt: return Edit6;
    case CampoArmadura::Espessura: return EdtEs;
    case CampoArmadura::GamaS: return Edit3;
    case CampoArmadura::GamaC: return Edit4;
    }
    return Edit2;
}

void TFormDimensionamento::FormShow()
{
    instantaneo_ = projeto_.parametros;
    carregar(instantaneo_);
}

void TFormDimensionamento::restaurarInstantaneo() { carregar(instantaneo_); }

bool TFormDimensionamento::FormCloseQuery()
{
    ParametrosArmadura p = lerControles();
    DialogoArmaduraJanela dialogo(*this, p);
    const ConferenciaArmadura r =
        conferirParametros(p, diametroInterno(projeto_.geometria), projeto_.geometria.finalidade, dialogo);
    carregar(p);
    if (!r.aceita) {
        if (!r.mensagem.empty())
            mensagens().mensagem(qt(r.mensagem));
        else
            mensagens().aviso(qt(r.aviso));
        confirmado = 0;
        campo(r.campo)->setFocus();
        return false;
    }
    const bool alterados = !projeto_.etapas.parametros || parametrosMudaram(instantaneo_, p);
    projeto_.parametros = p;
    projeto_.etapas.parametros = true;
    emit parametrosConfirmados(alterados);
    return true;
}
