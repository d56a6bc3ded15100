#include "TFfabricante.h"

#include "ArquivoSeguro.h"
#include "limitesTextos.h"

#include "DialogosArquivo.h"
#include "Figuras.h"
#include "Mensagens.h"
#include "TextoQt.h"
#include "ValidadorWindows1252.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
// The largest logo the report has room for.
constexpr int larguraLogo = 225;
constexpr int alturaLogo = 145;

struct Posicao {
    const char* legenda;
    int linha, coluna, largura;
};
const Posicao posicoes[] = {
    {"Nome do Fabricante:", 0, 0, 2}, {"CPF ou CNPJ:", 0, 2, 1},
    {"Endereço:", 1, 0, 1},           {"Número:", 1, 1, 1},  {"Bairro:", 1, 2, 1},
    {"Cidade:", 2, 0, 1},             {"Estado:", 2, 1, 1},  {"CEP:", 2, 2, 1},
    {"Telefone:", 3, 0, 1},           {"Celular:", 3, 1, 1}, {"E- mail:", 3, 2, 1}};

QPushButton* botao(const QString& texto, const char* nome, QWidget* pai)
{
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setAutoDefault(false);
    return b;
}
} // namespace

const QStringList& TFfabricante::observacoes()
{
    static const QStringList linhas{
        QStringLiteral("1)   Os dados referentes ao fabricante de tubos (usuário"),
        QStringLiteral("do programa) serão preenchidos apenas uma vez, a"),
        QStringLiteral("partir dai os dados serão armazenados e carregados"),
        QStringLiteral("automaticamente para a impressão final do relatório."),
        QStringLiteral("2)   O Logotipo do fabricante deverá estar no formato BMP"),
        QStringLiteral("com dimensões máximas de 145 x 225 pixeis.")};
    return linhas;
}

TFfabricante::TFfabricante(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFfabricante"));
    setWindowTitle(QStringLiteral("Dados do Fabricante"));
    setModal(true);

    auto* campos = new QWidget(this);
    auto* grade = new QGridLayout(campos);
    grade->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < static_cast<int>(E.size()); ++i) {
        const Posicao& p = posicoes[i];
        auto* campo = new QLineEdit(campos);
        campo->setObjectName(QStringLiteral("E%1").arg(i + 1));
        campo->setMaxLength(limitesPessoa[static_cast<std::size_t>(i)]);
        ValidadorWindows1252::instalar(campo);
        E[i] = campo;
        auto* legenda = new QLabel(QString::fromUtf8(p.legenda), campos);
        legenda->setBuddy(campo);
        grade->addWidget(legenda, 2 * p.linha, p.coluna, 1, p.largura);
        grade->addWidget(campo, 2 * p.linha + 1, p.coluna, 1, p.largura);
    }
    grade->setColumnStretch(0, 3);
    grade->setColumnStretch(1, 1);
    grade->setColumnStretch(2, 2);
    CB1 = new QCheckBox(QStringLiteral("Imprimir dados do fabricante no relatório"), campos);
    CB1->setObjectName(QStringLiteral("CB1"));
    grade->addWidget(CB1, 8, 0, 1, 3);

    ImageLogo = new QLabel(this);
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setFixedSize(larguraLogo + 4, alturaLogo + 4);
    ImageLogo->setAlignment(Qt::AlignCenter);
    ImageLogo->setFrameShape(QFrame::Box);
    ImageLogo->setStyleSheet(QStringLiteral("background: white;"));
    auto* carregar = botao(QStringLiteral("Carregar Logotipo"), "BotaoCarregarLogotipo", this);
    connect(carregar, &QPushButton::clicked, this, &TFfabricante::BotaoCarregarLogotipoClick);
    auto* colunaLogo = new QVBoxLayout;
    colunaLogo->addWidget(new QLabel(QStringLiteral("Logotipo do Fabricante:"), this));
    colunaLogo->addWidget(ImageLogo);
    colunaLogo->addWidget(carregar, 0, Qt::AlignHCenter);
    colunaLogo->addStretch();

    auto* notas = new QGroupBox(QStringLiteral("Observações:"), this);
    auto* linhasNotas = new QVBoxLayout(notas);
    linhasNotas->setSpacing(1);
    for (const QString& linha : observacoes())
        linhasNotas->addWidget(new QLabel(linha, notas));

    auto* limpar = botao(QStringLiteral("Limpar dados"), "BotaoLimpar", this);
    connect(limpar, &QPushButton::clicked, this, &TFfabricante::BotaoLimparClick);
    auto* confirma = botao(QStringLiteral("Confirma"), "BotaoConfirma", this);
    auto* cancela = botao(QStringLiteral("Cancela"), "BotaoCancela", this);
    // Both just close: the fields keep what was typed.
    connect(confirma, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancela, &QPushButton::clicked, this, &QDialog::reject);

    auto* topo = new QHBoxLayout;
    topo->addWidget(campos, 1);
    topo->addSpacing(12);
    topo->addLayout(colunaLogo);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(notas, 1);
    auto* botoes = new QVBoxLayout;
    botoes->addStretch();
    botoes->addWidget(limpar);
    botoes->addWidget(confirma);
    botoes->addWidget(cancela);
    baixo->addLayout(botoes);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(topo);
    principal->addLayout(baixo);
    setMinimumWidth(680);
}

DadosFabricante TFfabricante::dados() const
{
    DadosFabricante d;
    const std::vector<std::string*> destino = camposFabricante(d);
    for (std::size_t i = 0; i < destino.size(); ++i)
        *destino[i] = std8(E[i]->text());
    d.imprimir = CB1->isChecked();
    return d;
}

void TFfabricante::definirDados(const DadosFabricante& d)
{
    DadosFabricante copia = d;
    const std::vector<std::string*> origem = camposFabricante(copia);
    for (std::size_t i = 0; i < origem.size(); ++i)
        E[i]->setText(qt(*origem[i]));
    CB1->setChecked(d.imprimir);
}

void TFfabricante::definirLogo(const QImage& logo)
{
    logo_ = logo;
    if (logo_.isNull()) {
        ImageLogo->clear();
        return;
    }
    QPixmap figura = QPixmap::fromImage(logo_);
    if (figura.width() > larguraLogo || figura.height() > alturaLogo)
        figura = figura.scaled(larguraLogo, alturaLogo, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ImageLogo->setPixmap(figura);
}

void TFfabricante::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        E[0]->setFocus();
}

void TFfabricante::BotaoCarregarLogotipoClick()
{
    const QString arquivo = escolherArquivoAbrir(
        this, QStringLiteral("Carregar Logotipo"), caminhoNaBase(QStringLiteral("Pictures"), QString()),
        QStringLiteral("Figuras (*.bmp *.png *.jpg *.jpeg);;Bitmaps (*.bmp);;Todos os arquivos (*)"));
    if (arquivo.isEmpty())
        return;
    QImage figura;
    if (QString motivo; !lerFiguraSegura(arquivo, figura, motivo)) {
        mensagens().mensagem(QStringLiteral("Não foi possível carregar a figura %1: %2.")
                                 .arg(QDir::toNativeSeparators(arquivo), motivo));
        return;
    }
    definirLogo(figura);
}

void TFfabricante::BotaoLimparClick()
{
    for (QLineEdit* campo : E)
        campo->clear();
    QImage branco;
    QString motivo;
    lerFiguraSegura(caminhoNaBase(QStringLiteral("Pictures"), QStringLiteral("logobran.bmp")), branco, motivo);
    definirLogo(branco);
}
