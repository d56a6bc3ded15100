#include "TFDimensionamentoArmadura.h"

#include "TFaviso.h"
#include "TextoQt.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Each component and the text of the run it shows.
struct Componente {
    const char* nome;
    std::string TextosResultados::*texto;
};
const Componente componentes[] = {
    {"Label3", &TextosResultados::Label3},   {"Label2", &TextosResultados::Label2},
    {"Label6", &TextosResultados::Label6},   {"Label10", &TextosResultados::Label10},
    {"Label4", &TextosResultados::Label4},   {"Label12", &TextosResultados::Label12},
    {"Label5", &TextosResultados::Label5},   {"Label23", &TextosResultados::Label23},
    {"Label22", &TextosResultados::Label22}, {"Label24", &TextosResultados::Label24},
    {"Label11", &TextosResultados::Label11}, {"Label8", &TextosResultados::Label8},
    {"Label13", &TextosResultados::Label13}, {"Label9", &TextosResultados::Label9},
    {"Panel16", &TextosResultados::Panel16}, {"Panel15", &TextosResultados::Panel15},
    {"Pint", &TextosResultados::Pint},       {"Pext", &TextosResultados::Pext},
    {"Label20", &TextosResultados::Label20}, {"Label27", &TextosResultados::Label27},
    {"Label21", &TextosResultados::Label21}, {"Label28", &TextosResultados::Label28},
    {"Label26", &TextosResultados::Label26}, {"Label29", &TextosResultados::Label29},
    {"Label17", &TextosResultados::Label17}, {"Label18", &TextosResultados::Label18},
    {"Label19", &TextosResultados::Label19},
    {"LabelAco", &TextosResultados::Aco},    {"LabelConcreto", &TextosResultados::Concreto},
    {"LabelCusto", &TextosResultados::Custo},
};

// The verdicts and the colour each one takes.
struct Veredito {
    const char* nome;
    CorRgb TextosResultados::*cor;
};
const Veredito vereditos[] = {
    {"Label27", &TextosResultados::corLabel27},
    {"Label28", &TextosResultados::corLabel28},
    {"Label29", &TextosResultados::corLabel29},
};

void pintar(QLabel* rotulo, const CorRgb& cor)
{
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, QColor(cor.r, cor.g, cor.b));
    rotulo->setPalette(paleta);
}

QLabel* legenda(const char* texto, QWidget* pai) { return new QLabel(QString::fromUtf8(texto), pai); }

QLabel* titulo(const char* texto, QWidget* pai)
{
    auto* r = legenda(texto, pai);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    return r;
}

} // namespace

TFDimensionamentoArmadura::TFDimensionamentoArmadura(const TextosResultados& textos, QWidget* parent)
    : JanelaEntrada(parent), textos_(textos)
{
    setObjectName(QStringLiteral("TFDimensionamentoArmadura"));
    setWindowTitle(QStringLiteral("Dimensionamento Armadura"));

    auto* direita = new QVBoxLayout;
    direita->addWidget(grupoConstrutivo());
    direita->addWidget(grupoTelas());
    direita->addStretch();

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(criarBotaoConfirma());
    botoes->addWidget(criarBotaoCancela());

    auto* grade = new QGridLayout(this);
    grade->addWidget(grupoDimensionamento(), 0, 0);
    grade->addLayout(direita, 0, 1);
    grade->addWidget(grupoVerificacoes(), 1, 0, 1, 2);
    grade->addWidget(grupoMinimas(), 2, 0, 1, 2);
    grade->addLayout(botoes, 3, 0, 1, 2);
    grade->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* TFDimensionamentoArmadura::rotulo(const QString& nome) const
{
    const auto achado = rotulos_.find(nome);
    return achado == rotulos_.end() ? nullptr : achado->second;
}

QLabel* TFDimensionamentoArmadura::criarValor(const char* nome, QWidget* pai)
{
    auto* r = new QLabel(pai);
    r->setObjectName(QLatin1String(nome));
    rotulos_[QLatin1String(nome)] = r;
    return r;
}

// A sunken panel with its text in the middle.
QLabel* TFDimensionamentoArmadura::criarPainel(const char* nome, QWidget* pai)
{
    auto* r = criarValor(nome, pai);
    r->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    r->setAlignment(Qt::AlignCenter);
    r->setMinimumWidth(130);
    r->setMargin(2);
    return r;
}

QGroupBox* TFDimensionamentoArmadura::grupoDimensionamento()
{
    auto* g = new QGroupBox(QStringLiteral("Dimensionamento:"), this);
    auto* grade = new QGridLayout(g);
    grade->setHorizontalSpacing(6);
    struct Linha {
        const char* legendaCoroamento;
        const char* coroamento;
        const char* legendaFlanco;
        const char* flanco;
    };
    const Linha linhas[] = {
        {"Momento Fletor =", "Label3", "Momento Fletor =", "Label23"},
        {"Força Normal =", "Label2", "Força Normal =", "Label22"},
        {"Força Cortante =", "Label6", "Força Cortante =", "Label24"},
        {"Altura útil:", "Label10", "Altura útil:", "Label11"},
        {"Linha neutra: ", "Label4", "Linha neutra: ", "Label8"},
        {"Domínio:", "Label12", "Domínio:", "Label13"},
        {"As:", "Label5", "As :", "Label9"},
    };
    grade->addWidget(titulo("No coroamento:", g), 0, 0, 1, 2);
    grade->addWidget(titulo("No flanco:", g), 0, 3, 1, 2);
    int l = 1;
    for (const Linha& linha : linhas) {
        grade->addWidget(legenda(linha.legendaCoroamento, g), l, 0);
        grade->addWidget(criarValor(linha.coroamento, g), l, 1);
        grade->addWidget(legenda(linha.legendaFlanco, g), l, 3);
        grade->addWidget(criarValor(linha.flanco, g), l, 4);
        ++l;
    }
    grade->setColumnMinimumWidth(1, 80);
    grade->setColumnMinimumWidth(2, 12);
    grade->setColumnMinimumWidth(4, 80);
    grade->setRowStretch(l, 1);
    return g;
}

QGroupBox* TFDimensionamentoArmadura::grupoConstrutivo()
{
    auto* g = new QGroupBox(QStringLiteral("Por razões construtivas, tem-se :"), this);
    auto* grade = new QGridLayout(g);
    grade->addWidget(legenda("Altura útil no coroamento =", g), 0, 0);
    grade->addWidget(criarPainel("Panel16", g), 0, 1);
    grade->addWidget(legenda("Armadura de tração:", g), 1, 0);
    grade->addWidget(criarPainel("Panel15", g), 1, 1);
    return g;
}

QGroupBox* TFDimensionamentoArmadura::grupoTelas()
{
    auto* g = new QGroupBox(QStringLiteral("Tela Soldada Especificada:"), this);
    auto* grade = new QGridLayout(g);
    grade->addWidget(legenda("Tela soldada interna:", g), 0, 0);
    grade->addWidget(criarPainel("Pint", g), 0, 1);
    grade->addWidget(legenda("Tela soldada externa:", g), 1, 0);
    grade->addWidget(criarPainel("Pext", g), 1, 1);
    for (const char* nome : {"Pint", "Pext"})
        pintar(rotulo(QLatin1String(nome)), corVermelha);
    // What one metre of this pipe takes and costs.
    grade->setRowMinimumHeight(2, 6);
    int linha = 3;
    for (const char* nome : {"LabelAco", "LabelConcreto", "LabelCusto"})
        grade->addWidget(criarValor(nome, g), linha++, 0, 1, 2);
    return g;
}

QGroupBox* TFDimensionamentoArmadura::grupoVerificacoes()
{
    auto* g = new QGroupBox(QStringLiteral("Verificações:"), this);
    auto* grade = new QGridLayout(g);
    grade->setVerticalSpacing(2);
    struct Verificacao {
        const char* cabecalho;
        const char* legenda;
        const char* valor;
        const char* veredito;
    };
    const Verificacao verificacoes[] = {
        {"* Retificação da armadura tracionada", "Armadura máxima:", "Label20", "Label27"},
        {"* Resistência à força cortante", "Força cortante última:", "Label21", "Label28"},
        {"* Abertura de fissura limite", "Abertura da fissura:", "Label26", "Label29"},
    };
    int l = 0;
    for (const Verificacao& v : verificacoes) {
        if (l > 0)
            grade->setRowMinimumHeight(l++, 6);
        grade->addWidget(titulo(v.cabecalho, g), l++, 0, 1, 3);
        grade->addWidget(legenda(v.legenda, g), l, 0);
        grade->addWidget(criarValor(v.valor, g), l, 1);
        grade->addWidget(criarValor(v.veredito, g), l++, 2);
    }
    grade->setColumnMinimumWidth(1, 100);
    grade->setColumnStretch(2, 1);
    return g;
}

QGroupBox* TFDimensionamentoArmadura::grupoMinimas()
{
    auto* g = new QGroupBox(QStringLiteral("Armaduras mínimas:"), this);
    auto* grade = new QGridLayout(g);
    grade->setVerticalSpacing(2);
    grade->addWidget(legenda("Armadura mínima:", g), 0, 0);
    grade->addWidget(criarValor("Label17", g), 0, 1);
    grade->addWidget(legenda("Armadura interna mínima para atender situações transitórias:", g), 1, 0);
    grade->addWidget(criarValor("Label18", g), 1, 1);
    grade->addWidget(legenda("Armadura externa mínima para atender situações transitórias:", g), 2, 0);
    grade->addWidget(criarValor("Label19", g), 2, 1);
    grade->setColumnStretch(1, 1);
    return g;
}

void TFDimensionamentoArmadura::FormShow()
{
    for (const Componente& c : componentes)
        rotulo(QLatin1String(c.nome))->setText(qt(textos_.*c.texto));
    for (const Veredito& v : vereditos)
        pintar(rotulo(QLatin1String(v.nome)), textos_.*v.cor);
    centralizarNaTela(*this);
}
