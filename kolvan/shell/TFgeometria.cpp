#include "TFgeometria.h"

#include "Figuras.h"
#include "Mensagens.h"
#include "TextoQt.h"
#include "limitesInstalacao.h"
#include "numeros.h"

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

QGroupBox* grupoCom(const QString& titulo, QWidget* conteudo, QWidget* pai)
{
    auto* grupo = new QGroupBox(titulo, pai);
    auto* layout = new QVBoxLayout(grupo);
    layout->addWidget(conteudo);
    return grupo;
}
} // namespace

TFgeometria::TFgeometria(ProjetoTubo& projeto, QWidget* parent)
    : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFgeometria"));
    setWindowTitle(QStringLiteral("Parâmetros da Geometria"));

    CmbBxFinalidade = new QComboBox(this);
    CmbBxFinalidade->setObjectName(QStringLiteral("CmbBxFinalidade"));
    preencher(CmbBxFinalidade, listaFinalidades());
    CmbBxTipoTubo = new QComboBox(this);
    CmbBxTipoTubo->setObjectName(QStringLiteral("CmbBxTipoTubo"));
    preencher(CmbBxTipoTubo, listaTiposTubo());
    CmbBxDiametro = new QComboBox(this);
    CmbBxDiametro->setObjectName(QStringLiteral("CmbBxDiametro"));
    preencher(CmbBxDiametro, listaDiametros());
    CmbBxComprimento = new QComboBox(this);
    CmbBxComprimento->setObjectName(QStringLiteral("CmbBxComprimento"));
    preencher(CmbBxComprimento, listaComprimentos(0));
    connect(CmbBxFinalidade, &QComboBox::currentIndexChanged, this,
            &TFgeometria::CmbBxFinalidadeChange);

    auto* dados = new QWidget(this);
    auto* grade = new QGridLayout(dados);
    grade->addWidget(new QLabel(QStringLiteral("Diâmetro interno:"), dados), 0, 0, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("d<sub>i</sub> ="), dados), 1, 0);
    grade->addWidget(CmbBxDiametro, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("mm"), dados), 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Comprimento:"), dados), 2, 0, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("l ="), dados), 3, 0);
    grade->addWidget(CmbBxComprimento, 3, 1);
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
    preencher(CmbBxComprimento, listaComprimentos(CmbBxFinalidade->currentIndex()));
    CmbBxComprimento->setCurrentIndex(0);
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
    preencher(CmbBxComprimento, listaComprimentos(instantaneo_.finalidade));
    CmbBxTipoTubo->setCurrentIndex(instantaneo_.tipoTubo);
    CmbBxDiametro->setCurrentIndex(instantaneo_.indiceDi);
    CmbBxComprimento->setCurrentIndex(instantaneo_.indiceComprimento);
}

bool TFgeometria::FormCloseQuery()
{
    Geometria nova;
    nova.finalidade = CmbBxFinalidade->currentIndex();
    nova.tipoTubo = CmbBxTipoTubo->currentIndex();
    nova.indiceDi = CmbBxDiametro->currentIndex();
    nova.indiceComprimento = CmbBxComprimento->currentIndex();
    projeto_.geometria = nova;
    if (projeto_.etapas.geometria && nova == instantaneo_)
        return true;

    projeto_.etapas.geometria = true;
    bool corrigida = false;
    try {
        corrigida = corrigirLimitesInstalacao(projeto_);
    } catch (const ErroConversao& erro) {
        mensagens().mensagem(qt(erro.what()));
    }
    emit geometriaAlterada(corrigida);
    return true;
}
