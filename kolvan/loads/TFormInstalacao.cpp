#include "TFormInstalacao.h"

#include "ExecucaoModal.h"
#include "Figuras.h"
#include "GrupoOpcoes.h"
#include "FiltroNumerico.h"
#include "Mensagens.h"
#include "TFormLagrVala.h"
#include "TFormRazaoRecalque.h"
#include "TextoQt.h"
#include "dadosInstalacao.h"
#include "numeros.h"
#include "verificacaoInstalacao.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
QLineEdit* criarCampo(const QString& nome, QWidget* pai) { return criarCampoNumerico(nome, 80, pai); }

QLabel* rotulo(const QString& texto, QWidget* pai) { return new QLabel(texto, pai); }
} // namespace

TFormInstalacao::TFormInstalacao(ProjetoTubo& projeto, QWidget* parent)
    : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFormInstalacao"));
    setWindowTitle(QStringLiteral("Parâmetros da Instalação"));

    auto* grupoTipo = new QGroupBox(QStringLiteral("Tipo de Instalação:"), this);
    RadioGroup1 = criarGrupoOpcoes(grupoTipo, listaTiposInstalacao(), QStringLiteral("Tipo"));
    aoMudarOpcao(RadioGroup1, this, [this](int tipo) { RadioGroup1Click(tipo); });

    // Soil data.
    auto* grupoTerreno = new QGroupBox(QStringLiteral("Dados do terreno"), this);
    CmbBxTerreno = new QComboBox(grupoTerreno);
    CmbBxTerreno->setObjectName(QStringLiteral("CmbBxTerreno"));
    for (const std::string& terreno : listaTerrenos())
        CmbBxTerreno->addItem(qt(terreno));
    connect(CmbBxTerreno, &QComboBox::activated, this, &TFormInstalacao::CmbBxTerrenoChange);
    EditGama = criarCampo(QStringLiteral("EditGama"), grupoTerreno);
    EditKMi = criarCampo(QStringLiteral("EditKMi"), grupoTerreno);
    recalque_ = criarCampoOpcional("EditRazaoRecalque", grupoTerreno);
    EditRazaoRecalque = recalque_.real;
    EditRazaoRecalque->setReadOnly(true);
    BotaoP = new QPushButton(QStringLiteral("P"), grupoTerreno);
    BotaoP->setObjectName(QStringLiteral("BotaoP"));
    BotaoP->setFixedWidth(28);
    connect(BotaoP, &QPushButton::clicked, this, &TFormInstalacao::BotaoPClick);
    auto* rotuloRecalque = rotulo(QStringLiteral("Razão de recalque ="), grupoTerreno);
    recalque_.rotulos = {rotuloRecalque, BotaoP};

    auto* gradeTerreno = new QGridLayout(grupoTerreno);
    gradeTerreno->addWidget(CmbBxTerreno, 0, 0, 1, 4);
    gradeTerreno->addWidget(rotulo(QStringLiteral("Peso específico do solo ="), grupoTerreno), 1, 0);
    gradeTerreno->addWidget(EditGama, 1, 1);
    gradeTerreno->addWidget(rotulo(QStringLiteral("kN/m³"), grupoTerreno), 1, 2);
    gradeTerreno->addWidget(rotulo(QStringLiteral("K·μ ="), grupoTerreno), 2, 0, Qt::AlignRight);
    gradeTerreno->addWidget(EditKMi, 2, 1);
    gradeTerreno->addWidget(rotuloRecalque, 3, 0);
    gradeTerreno->addWidget(recalque_.pilha, 3, 1);
    gradeTerreno->addWidget(BotaoP, 3, 2, Qt::AlignLeft);
    gradeTerreno->setColumnStretch(3, 1);

    // Installation data.
    auto* grupoInstalacao = new QGroupBox(QStringLiteral("Dados da instalação"), this);
    EdtAltAterro = criarCampo(QStringLiteral("EdtAltAterro"), grupoInstalacao);
    largura_ = criarCampoOpcional("EditLargVala", grupoInstalacao);
    EditLargVala = largura_.real;
    altura_ = criarCampoOpcional("EditHa", grupoInstalacao);
    EditHa = altura_.real;
    BotaoO = new QPushButton(QStringLiteral("O"), grupoInstalacao);
    BotaoO->setObjectName(QStringLiteral("BotaoO"));
    BotaoO->setFixedWidth(28);
    connect(BotaoO, &QPushButton::clicked, this, &TFormInstalacao::BotaoOClick);
    CheckBoxCompactado = new QCheckBox(QStringLiteral("Aterro com boas condições de compactação"), grupoInstalacao);
    CheckBoxCompactado->setObjectName(QStringLiteral("CheckBoxCompactado"));
    connect(CheckBoxCompactado, &QCheckBox::clicked, this, &TFormInstalacao::CheckBoxCompactadoClick);

    auto* gradeInstalacao = new QGridLayout(grupoInstalacao);
    auto linha = [&](int k, const QString& nome, const QString& simbolo, QWidget* campo, CampoOpcional* opcional) {
        auto* r1 = rotulo(nome, grupoInstalacao);
        auto* r2 = rotulo(simbolo, grupoInstalacao);
        auto* r3 = rotulo(QStringLiteral("m"), grupoInstalacao);
        gradeInstalacao->addWidget(r1, k, 0);
        gradeInstalacao->addWidget(r2, k, 1, Qt::AlignRight);
        gradeInstalacao->addWidget(campo, k, 2);
        gradeInstalacao->addWidget(r3, k, 3);
        if (opcional)
            opcional->rotulos = {r1, r2, r3};
    };
    linha(0, QStringLiteral("Altura de terra"), QStringLiteral("h<sub>s</sub> ="), EdtAltAterro, nullptr);
    linha(1, QStringLiteral("Largura da vala"), QStringLiteral("b<sub>v</sub> ="), largura_.pilha, &largura_);
    gradeInstalacao->addWidget(BotaoO, 1, 4, Qt::AlignLeft);
    largura_.rotulos.append(BotaoO);
    linha(2, QStringLiteral("Altura"), QStringLiteral("h<sub>a</sub> ="), altura_.pilha, &altura_);
    gradeInstalacao->addWidget(CheckBoxCompactado, 3, 0, 1, 5);
    gradeInstalacao->setColumnStretch(5, 1);

    auto* grupoFigura = new QGroupBox(QStringLiteral("Figura da seção transversal"), this);
    Image1 = new QLabel(grupoFigura);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumSize(260, 260);
    auto* figura = new QVBoxLayout(grupoFigura);
    figura->addWidget(Image1);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(grupoTipo);
    esquerda->addWidget(grupoTerreno);
    esquerda->addWidget(grupoInstalacao);
    esquerda->addStretch();
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(esquerda);
    corpo->addWidget(grupoFigura, 1);

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(botoes);

    carregar(projeto_.instalacao);
}

void TFormInstalacao::ligarAuxiliares(TFormRazaoRecalque* razaoRecalque, TFormLagrVala* larguraVala)
{
    razaoRecalque_ = razaoRecalque;
    larguraVala_ = larguraVala;
}

TFormInstalacao::CampoOpcional TFormInstalacao::criarCampoOpcional(const char* nome, QWidget* pai)
{
    CampoOpcional campo;
    campo.pilha = new QStackedWidget(pai);
    campo.real = criarCampo(QLatin1String(nome), campo.pilha);
    campo.falso = criarCampo(QLatin1String(nome) + QStringLiteral("Falso"), campo.pilha);
    campo.falso->setEnabled(false);
    campo.pilha->addWidget(campo.real);
    campo.pilha->addWidget(campo.falso);
    campo.pilha->setFixedSize(campo.real->sizeHint().boundedTo(QSize(80, 100)).expandedTo(QSize(80, 0)));
    return campo;
}

void TFormInstalacao::mostrarCampo(CampoOpcional& campo, bool aplicavel)
{
    campo.pilha->setCurrentWidget(aplicavel ? campo.real : campo.falso);
    for (QWidget* w : campo.rotulos)
        w->setEnabled(aplicavel);
}

bool TFormInstalacao::campoAplicavel(QLineEdit* campo) const
{
    for (const CampoOpcional* c : {&recalque_, &largura_, &altura_})
        if (c->real == campo)
            return c->pilha->currentWidget() == campo;
    return true;
}

Instalacao TFormInstalacao::lerControles() const
{
    Instalacao i;
    i.tipo = RadioGroup1->checkedId();
    i.terreno = CmbBxTerreno->currentIndex();
    i.gama = std8(EditGama->text());
    i.kMi = std8(EditKMi->text());
    i.alturaTerra = std8(EdtAltAterro->text());
    i.larguraVala = std8(EditLargVala->text());
    i.razaoRecalque = std8(EditRazaoRecalque->text());
    i.alturaHa = std8(EditHa->text());
    i.aterroCompactado = CheckBoxCompactado->isChecked();
    return i;
}

void TFormInstalacao::carregar(const Instalacao& i)
{
    if (QAbstractButton* item = RadioGroup1->button(i.tipo))
        item->setChecked(true);
    CmbBxTerreno->setCurrentIndex(i.terreno);
    EditGama->setText(qt(i.gama));
    EditKMi->setText(qt(i.kMi));
    EdtAltAterro->setText(qt(i.alturaTerra));
    EditLargVala->setText(qt(i.larguraVala));
    EditRazaoRecalque->setText(qt(i.razaoRecalque));
    EditHa->setText(qt(i.alturaHa));
    CheckBoxCompactado->setChecked(i.aterroCompactado);

    const bool usuario = i.terreno == terrenoDefinidoPeloUsuario;
    EditGama->setReadOnly(!usuario);
    EditKMi->setReadOnly(!usuario);
    const CamposAplicaveis campos = camposAplicaveis(i.tipo);
    mostrarCampo(recalque_, campos.razaoRecalque);
    mostrarCampo(largura_, campos.larguraVala);
    mostrarCampo(altura_, campos.alturaHa);
    CheckBoxCompactado->setEnabled(campos.compactacao);
    Image1->setPixmap(carregarFigura(qt(figuraInstalacao(i.tipo, i.aterroCompactado))));
}

void TFormInstalacao::RadioGroup1Click(int tipo)
{
    Instalacao i = lerControles();
    aplicarTipoInstalacao(i, tipo);
    carregar(i);
}

void TFormInstalacao::CmbBxTerrenoChange(int terreno)
{
    Instalacao i = lerControles();
    aplicarTerreno(i, terreno);
    carregar(i);
    if (terreno == terrenoDefinidoPeloUsuario)
        EditGama->setFocus();
}

void TFormInstalacao::CheckBoxCompactadoClick(bool marcado)
{
    Instalacao i = lerControles();
    aplicarAterroCompactado(i, marcado);
    carregar(i);
}

void TFormInstalacao::BotaoPClick()
{
    const int tipo = RadioGroup1->checkedId();
    if (tipo == ProjecaoNegativa && !CheckBoxCompactado->isChecked()) {
        mensagens().aviso2(QLatin1String(faixaRecalqueNegativaSuperior), QLatin1String(faixaRecalqueNegativaInferior));
        EditRazaoRecalque->setText(QLatin1String(razaoRecalqueNegativa));
        return;
    }
    if (!razaoRecalque_)
        return;
    executarModal(*razaoRecalque_);
    if (confirmado == 1)
        EditRazaoRecalque->setText(razaoRecalque_->valorRecomendado());
    // This window is still open and not confirmed.
    confirmado = 0;
}

void TFormInstalacao::BotaoOClick()
{
    if (!larguraVala_)
        return;
    larguraVala_->definirValores(valores_);
    executarModal(*larguraVala_);
    if (confirmado == 1)
        EditLargVala->setText(larguraVala_->larguraVala());
    confirmado = 0;
}

QLineEdit* TFormInstalacao::campoDe(int campoInstalacao) const
{
    switch (static_cast<CampoInstalacao>(campoInstalacao)) {
    case CampoInstalacao::Gama: return EditGama;
    case CampoInstalacao::KMi: return EditKMi;
    case CampoInstalacao::AlturaTerra: return EdtAltAterro;
    case CampoInstalacao::LarguraVala: return EditLargVala;
    case CampoInstalacao::RazaoRecalque: return EditRazaoRecalque;
    case CampoInstalacao::AlturaHa: return EditHa;
    case CampoInstalacao::Nenhum: break;
    }
    return nullptr;
}

void TFormInstalacao::FormShow()
{
    instantaneo_ = projeto_.instalacao;
    carregar(instantaneo_);
    try {
        valores_ = valoresTrabalho(projeto_);
    } catch (const ErroConversao&) {
        // The last values converted stay.
    }
}

bool TFormInstalacao::FormCloseQuery()
{
    ProjetoTubo candidato = projeto_;
    candidato.instalacao = lerControles();
    const VerificacaoInstalacao r = verificarInstalacao(candidato);
    carregar(candidato.instalacao);
    if (r.converteu)
        valores_ = r.valores;
    if (!r.aceita) {
        confirmado = 0;
        if (!r.erroConversao.empty())
            mensagens().mensagem(qt(r.erroConversao));
        else if (!r.linha.empty())
            mensagens().aviso(qt(r.linha));
        else
            mensagens().aviso2(qt(r.superior), qt(r.inferior));
        if (QLineEdit* campo = campoDe(static_cast<int>(r.foco)))
            campo->setFocus();
        return false;
    }

    const bool mudou = !projeto_.etapas.instalacao || instalacaoMudou(instantaneo_, candidato.instalacao);
    projeto_.instalacao = candidato.instalacao;
    if (mudou) {
        projeto_.etapas.instalacao = true;
        emit instalacaoAlterada();
    }
    return true;
}

void TFormInstalacao::restaurarInstantaneo() { carregar(instantaneo_); }
