#include "TFormSobreCarga.h"

#include "Figuras.h"
#include "GrupoOpcoes.h"
#include "FiltroNumerico.h"
#include "Mensagens.h"
#include "TextoQt.h"
#include "cargaSobrecarga.h"
#include "sobrecargaEntrada.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
// The captions leave a run of blanks where the edit sits: the words before
// it go to the left of the edit, the unit to its right.
std::pair<QString, QString> dividirLegenda(const char* legenda)
{
    const QString texto = QString::fromUtf8(legenda);
    static const QRegularExpression brancos(QStringLiteral(" {2,}"));
    const QRegularExpressionMatch m = brancos.match(texto);
    if (!m.hasMatch())
        return {texto, QString()};
    return {texto.left(m.capturedStart()), texto.mid(m.capturedEnd())};
}

// A road-panel text with the blanks of its subscript filled: "(e   )" takes
// the index e, "(e  )" the index r; the other blanks stay as they are.
QString textoRodoviario(const char* texto, int linha)
{
    QString html = QString::fromUtf8(texto).toHtmlEscaped();
    static const QRegularExpression indice(QStringLiteral("\\(([eab]) +\\)"));
    const QString sub = linha == 2 ? QStringLiteral("e") : QStringLiteral("r");
    html.replace(indice, QStringLiteral("(\\1<sub>") + sub + QStringLiteral("</sub>)"));
    return QStringLiteral("<span style=\"white-space:pre\">") + html + QStringLiteral("</span>");
}
} // namespace

TFormSobreCarga::TFormSobreCarga(ProjetoTubo& projeto, QWidget* parent)
    : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFormSobreCarga"));
    setWindowTitle(QString::fromUtf8(tituloSobrecarga));

    auto* grupoNatureza = new QGroupBox(QString::fromUtf8(rotuloNaturezaSobrecarga), this);
    RadioGroupTipoCarga = criarGrupoOpcoes(grupoNatureza, listaNaturezasSobrecarga(), QStringLiteral("Natureza"));
    aoMudarOpcao(RadioGroupTipoCarga, this, [this](int id) { RadioGroupTipoCargaClick(id); });

    grupoTrafego_ = new QGroupBox(QString::fromUtf8(rotuloTipoTrafego), this);
    RadioGroupRodoviario = criarGrupoOpcoes(grupoTrafego_, listaTiposTrafego(), QStringLiteral("Trafego"), 3);
    aoMudarOpcao(RadioGroupRodoviario, this, [this](int id) { RadioGroupRodoviarioClick(id); });
    grupoDistr_ = new QGroupBox(QString::fromUtf8(rotuloDistribuicao), this);
    RadioGroupDistr = criarGrupoOpcoes(grupoDistr_, listaDistribuicoes(), QStringLiteral("Distribuicao"), 2);
    aoMudarOpcao(RadioGroupDistr, this, [this](int id) { RadioGroupDistrClick(id); });
    escolhas_ = new QStackedWidget(this);
    escolhas_->addWidget(grupoTrafego_);
    escolhas_->addWidget(grupoDistr_);

    auto* grupoCaracteristicas = new QGroupBox(QString::fromUtf8(rotuloCaracteristicasSobrecarga), this);
    paineis_ = new QStackedWidget(grupoCaracteristicas);
    painelRodoviario_ = criarPainelRodoviario(paineis_);
    paineis_->addWidget(painelRodoviario_);
    paineis_->addWidget(criarPainelCarga(paineis_));
    auto* caracteristicas = new QVBoxLayout(grupoCaracteristicas);
    caracteristicas->addWidget(paineis_);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumSize(300, 220);
    Image1->setFrameShape(QFrame::StyledPanel);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(grupoNatureza);
    esquerda->addStretch();
    auto* direita = new QVBoxLayout;
    direita->addWidget(Image1);
    direita->addWidget(escolhas_);
    direita->addWidget(grupoCaracteristicas);
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(esquerda);
    corpo->addLayout(direita, 1);

    BitBtn1 = criarBotaoConfirma();
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BitBtn1);
    botoes->addWidget(criarBotaoCancela());

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(botoes);
    carregar(projeto_.sobrecarga);
}

QWidget* TFormSobreCarga::criarPainelRodoviario(QWidget* pai)
{
    auto* painel = new QWidget(pai);
    auto* grade = new QGridLayout(painel);
    for (int k = 0; k < 6; ++k) {
        auto* rotulo = new QLabel(painel);
        rotulo->setObjectName(QStringLiteral("RotuloRodoviario%1").arg(k));
        rotulo->setTextFormat(Qt::RichText);
        rotulosRodoviarios[static_cast<std::size_t>(k)] = rotulo;
    }
    for (int k = 0; k < 4; ++k)
        grade->addWidget(rotulosRodoviarios[static_cast<std::size_t>(k)], k, 0, 1, 3);
    // The wheel contact: a caption and a brace in front of its two lines.
    grade->addWidget(new QLabel(QString::fromUtf8(rotuloAreaContatoRoda), painel), 4, 0, 2, 1);
    auto* chave = new QLabel(QStringLiteral("{"), painel);
    QFont fonte = chave->font();
    fonte.setPixelSize(34);
    chave->setFont(fonte);
    grade->addWidget(chave, 4, 1, 2, 1);
    grade->addWidget(rotulosRodoviarios[4], 4, 2);
    grade->addWidget(rotulosRodoviarios[5], 5, 2);
    grade->setColumnStretch(2, 1);
    return painel;
}

TFormSobreCarga::Campo TFormSobreCarga::criarCampo(const char* nome, QWidget* pai)
{
    Campo c;
    c.pilha = new QStackedWidget(pai);
    auto criar = [&](const QString& objeto) {
        auto* campo = new QLineEdit(c.pilha);
        campo->setObjectName(objeto);
        campo->setAlignment(Qt::AlignRight);
        FiltroNumerico::instalar(campo);
        c.pilha->addWidget(campo);
        return campo;
    };
    c.real = criar(QLatin1String(nome));
    c.falso = criar(QLatin1String(nome) + QStringLiteral("Falso"));
    c.falso->setEnabled(false);
    c.pilha->setFixedWidth(90);
    return c;
}

QWidget* TFormSobreCarga::criarPainelCarga(QWidget* pai)
{
    auto* painel = new QWidget(pai);
    auto* grade = new QGridLayout(painel);
    carga_ = criarCampo("EditCarga", painel);
    compA_ = criarCampo("EditCompA", painel);
    compB_ = criarCampo("EditCompB", painel);
    distC_ = criarCampo("EditDistC", painel);
    EditCarga = carga_.real;
    EditCompA = compA_.real;
    EditCompB = compB_.real;
    EditDistC = distC_.real;

    legendaAntes_ = new QLabel(painel);
    legendaAntes_->setObjectName(QStringLiteral("LegendaCarga"));
    legendaDepois_ = new QLabel(painel);
    grade->addWidget(legendaAntes_, 0, 0, Qt::AlignRight);
    grade->addWidget(carga_.pilha, 0, 1);
    grade->addWidget(legendaDepois_, 0, 2);
    carga_.rotulos = {legendaAntes_, legendaDepois_};
    int linha = 1;
    for (auto [campo, legenda] : {std::pair{&compA_, legendaCompA}, std::pair{&compB_, legendaCompB},
                                  std::pair{&distC_, legendaDistC}}) {
        const auto [antes, depois] = dividirLegenda(legenda);
        auto* r1 = new QLabel(antes, painel);
        auto* r2 = new QLabel(depois, painel);
        grade->addWidget(r1, linha, 0, Qt::AlignRight);
        grade->addWidget(campo->pilha, linha, 1);
        grade->addWidget(r2, linha, 2);
        campo->rotulos = {r1, r2};
        ++linha;
    }
    nota_ = new QLabel(QString::fromUtf8(notaCompA), painel);
    nota_->setObjectName(QStringLiteral("NotaCompA"));
    QPalette vermelho = nota_->palette();
    vermelho.setColor(QPalette::WindowText, Qt::red);
    nota_->setPalette(vermelho);
    grade->addWidget(nota_, linha, 0, 1, 3);
    grade->setColumnStretch(2, 1);
    return painel;
}

void TFormSobreCarga::mostrarCampo(Campo& campo, bool visivel, bool legendaHabilitada)
{
    campo.pilha->setCurrentWidget(visivel ? campo.real : campo.falso);
    for (QWidget* w : campo.rotulos)
        w->setEnabled(legendaHabilitada);
}

bool TFormSobreCarga::campoVisivel(QLineEdit* campo) const
{
    for (const Campo* c : {&carga_, &compA_, &compB_, &distC_})
        if (c->real == campo)
            return c->pilha->currentWidget() == campo;
    return false;
}

int TFormSobreCarga::painelVisivel() const { return paineis_->currentIndex(); }

QString TFormSobreCarga::legendaCargaAtual() const { return legendaAntes_->text() + QLatin1Char(' ') + legendaDepois_->text(); }

Sobrecarga TFormSobreCarga::lerControles() const
{
    Sobrecarga s;
    s.natureza = RadioGroupTipoCarga->checkedId();
    s.trafego = RadioGroupRodoviario->checkedId();
    s.distribuicao = RadioGroupDistr->checkedId();
    s.carga = std8(EditCarga->text());
    s.compA = std8(EditCompA->text());
    s.compB = std8(EditCompB->text());
    s.distC = std8(EditDistC->text());
    return s;
}

void TFormSobreCarga::carregar(const Sobrecarga& s)
{
    if (QAbstractButton* b = RadioGroupTipoCarga->button(s.natureza))
        b->setChecked(true);
    if (QAbstractButton* b = RadioGroupRodoviario->button(s.trafego))
        b->setChecked(true);
    if (QAbstractButton* b = RadioGroupDistr->button(s.distribuicao))
        b->setChecked(true);
    EditCarga->setText(qt(s.carga));
    EditCompA->setText(qt(s.compA));
    EditCompB->setText(qt(s.compB));
    EditDistC->setText(qt(s.distC));

    const int n = s.natureza;
    const CamposSobrecarga campos = camposSobrecarga(n, s.distribuicao);
    Image1->setPixmap(carregarFigura(qt(figuraSobrecarga(n, s.distribuicao))));
    BitBtn1->setEnabled(confirmaHabilitado(n));

    escolhas_->setCurrentWidget(n == ForcaParcialmenteDistribuida ? grupoDistr_ : grupoTrafego_);
    grupoTrafego_->setEnabled(n == Rodoviaria);
    grupoDistr_->setEnabled(n == ForcaParcialmenteDistribuida);
    paineis_->setCurrentIndex(n == Rodoviaria ? 0 : 1);
    painelRodoviario_->setEnabled(n == Rodoviaria);

    const VeiculoRodoviario& veiculo = veiculoRodoviario(s.trafego);
    for (int k = 0; k < 6; ++k)
        rotulosRodoviarios[static_cast<std::size_t>(k)]->setText(
            textoRodoviario(veiculo.textosPainel[static_cast<std::size_t>(k)], k));

    const auto [antes, depois] = dividirLegenda(legendaCarga(n).c_str());
    legendaAntes_->setText(antes);
    legendaDepois_->setText(depois);
    const bool distribuida = n == ForcaParcialmenteDistribuida;
    mostrarCampo(carga_, campos.carga, campos.carga);
    mostrarCampo(compA_, campos.compA, distribuida);
    mostrarCampo(compB_, campos.compB, distribuida);
    mostrarCampo(distC_, campos.distC, campos.distC);
    nota_->setEnabled(distribuida);
}

void TFormSobreCarga::RadioGroupTipoCargaClick(int natureza)
{
    Sobrecarga s = lerControles();
    aplicarNatureza(s, natureza);
    carregar(s);
}

void TFormSobreCarga::RadioGroupRodoviarioClick(int trafego)
{
    Sobrecarga s = lerControles();
    s.trafego = trafego;
    carregar(s);
}

void TFormSobreCarga::RadioGroupDistrClick(int distribuicao)
{
    Sobrecarga s = lerControles();
    aplicarDistribuicao(s, distribuicao);
    carregar(s);
}

void TFormSobreCarga::FormShow()
{
    instantaneo_ = projeto_.sobrecarga;
    carregar(instantaneo_);
}

bool TFormSobreCarga::FormCloseQuery()
{
    Sobrecarga s = lerControles();
    const VerificacaoSobrecarga v = verificarSobrecarga(s);
    if (!v.aceita) {
        confirmado = 0;
        mensagens().aviso(qt(v.mensagem));
        QLineEdit* campos[] = {nullptr, EditCarga, EditCompA, EditCompB, EditDistC};
        if (QLineEdit* campo = campos[static_cast<int>(v.foco)])
            campo->setFocus();
        return false;
    }
    carregar(s);
    const bool mudou = sobrecargaMudou(instantaneo_, s, !projeto_.etapas.sobrecarga);
    projeto_.sobrecarga = s;
    if (mudou) {
        projeto_.etapas.sobrecarga = true;
        emit sobrecargaAlterada();
    }
    return true;
}

void TFormSobreCarga::restaurarInstantaneo() { carregar(instantaneo_); }
