#include "TFgeometria.h"

#include "Figuras.h"
#include "TextoQt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
void preencher(QComboBox* lista, const std::vector<std::string>& itens)
{
    const QSignalBlocker bloqueio(lista);
    lista->clear();
    for (const std::string& item : itens)
        lista->addItem(qt(item));
}

QComboBox* lista(const char* nome, const std::vector<std::string>& itens, QWidget* pai)
{
    auto* caixa = new QComboBox(pai);
    caixa->setObjectName(QLatin1String(nome));
    preencher(caixa, itens);
    return caixa;
}

QGroupBox* grupoCom(const QString& titulo, QWidget* conteudo, QWidget* pai)
{
    auto* grupo = new QGroupBox(titulo, pai);
    auto* layout = new QVBoxLayout(grupo);
    layout->addWidget(conteudo);
    return grupo;
}
} // namespace

TFgeometria::TFgeometria(ProjetoRedwan& projeto, QWidget* parent) : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFgeometria"));
    setWindowTitle(QStringLiteral("Geometria"));

    CmbBxFinalidade = lista("CmbBxFinalidade", finalidadesRedwan(), this);
    CmbBxTipoTubo = lista("CmbBxTipoTubo", tiposTuboRedwan(), this);
    CmbBxDi = lista("CmbBxDi", diametrosRedwan(), this);
    ComboBoxCompr = lista("ComboBoxCompr", comprimentosRedwan(finalidadePluvial), this);
    connect(CmbBxFinalidade, &QComboBox::currentIndexChanged, this, &TFgeometria::CmbBxFinalidadeChange);

    auto* dados = new QWidget(this);
    auto* grade = new QGridLayout(dados);
    grade->addWidget(new QLabel(QStringLiteral("Diâmetro interno:"), dados), 0, 0, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("d<sub>i</sub> ="), dados), 1, 0);
    grade->addWidget(CmbBxDi, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("mm"), dados), 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Comprimento:"), dados), 2, 0, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("l ="), dados), 3, 0);
    grade->addWidget(ComboBoxCompr, 3, 1);
    grade->addWidget(new QLabel(QStringLiteral("m"), dados), 3, 2);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setMinimumSize(200, 200);
    Image1->setAlignment(Qt::AlignCenter);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(grupoCom(QStringLiteral("Finalidade"), CmbBxFinalidade, this));
    esquerda->addWidget(grupoCom(QStringLiteral("Tipo de Tubo"), CmbBxTipoTubo, this));
    esquerda->addWidget(grupoCom(QStringLiteral("Dados"), dados, this));
    esquerda->addStretch();

    auto* corpo = new QHBoxLayout;
    corpo->addLayout(esquerda);
    corpo->addWidget(grupoCom(QStringLiteral("Figura da seção transversal"), Image1, this));

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(botoes);
}

void TFgeometria::carregarFigura() { Image1->setPixmap(::carregarFigura(QStringLiteral("secc.bmp"))); }

void TFgeometria::CmbBxFinalidadeChange()
{
    preencher(ComboBoxCompr, comprimentosRedwan(CmbBxFinalidade->currentIndex()));
    ComboBoxCompr->setCurrentIndex(0);
}

GeometriaRedwan TFgeometria::lerControles() const
{
    GeometriaRedwan g;
    g.finalidade = CmbBxFinalidade->currentIndex();
    g.tipoTubo = CmbBxTipoTubo->currentIndex();
    g.indiceDi = CmbBxDi->currentIndex();
    g.indiceComprimento = ComboBoxCompr->currentIndex();
    return g;
}

void TFgeometria::FormShow()
{
    instantaneo_ = projeto_.geometria;
    restaurarInstantaneo();
}

void TFgeometria::restaurarInstantaneo()
{
    // The purpose first: it rebuilds the length list the length index points into.
    const QSignalBlocker bloqueio(CmbBxFinalidade);
    CmbBxFinalidade->setCurrentIndex(instantaneo_.finalidade);
    preencher(ComboBoxCompr, comprimentosRedwan(instantaneo_.finalidade));
    CmbBxTipoTubo->setCurrentIndex(instantaneo_.tipoTubo);
    CmbBxDi->setCurrentIndex(instantaneo_.indiceDi);
    ComboBoxCompr->setCurrentIndex(instantaneo_.indiceComprimento);
}

bool TFgeometria::FormCloseQuery()
{
    const GeometriaRedwan nova = lerControles();
    if (projeto_.etapas.geometria && nova == instantaneo_)
        return true;
    projeto_.geometria = nova;
    projeto_.etapas.geometria = true;
    aplicarEspessuraMinima(projeto_);
    emit geometriaAlterada();
    return true;
}
