#include "JanelaGeometria.h"

#include "Figuras.h"
#include "TextoQt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
void preencher(QComboBox* lista, const std::vector<std::string>& itens)
{
    const QSignalBlocker bloqueio(lista);
    lista->clear();
    for (const std::string& item : itens)
        lista->addItem(qt(item));
}

QComboBox* lista(const QString& nome, const std::vector<std::string>& itens, QWidget* pai)
{
    auto* caixa = new QComboBox(pai);
    caixa->setObjectName(nome);
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

JanelaGeometria::JanelaGeometria(DescricaoJanelaGeometria descricao, QWidget* parent)
    : JanelaEntrada(parent), descricao_(std::move(descricao))
{
    setObjectName(QStringLiteral("TFgeometria"));
    setWindowTitle(descricao_.titulo);

    CmbBxFinalidade = lista(QStringLiteral("CmbBxFinalidade"), descricao_.finalidades, this);
    CmbBxTipoTubo = lista(QStringLiteral("CmbBxTipoTubo"), descricao_.tiposTubo, this);
    listaDiametro = lista(descricao_.nomeDiametro, descricao_.diametros, this);
    listaComprimento = lista(descricao_.nomeComprimento, descricao_.comprimentos(0), this);
    connect(CmbBxFinalidade, &QComboBox::currentIndexChanged, this, &JanelaGeometria::CmbBxFinalidadeChange);

    auto* dados = new QWidget(this);
    auto* grade = new QGridLayout(dados);
    grade->addWidget(new QLabel(QStringLiteral("Diâmetro interno:"), dados), 0, 0, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("d<sub>i</sub> ="), dados), 1, 0);
    grade->addWidget(listaDiametro, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("mm"), dados), 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Comprimento:"), dados), 2, 0, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("l ="), dados), 3, 0);
    grade->addWidget(listaComprimento, 3, 1);
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

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(corpo);
    principal->addLayout(criarLinhaBotoes());
}

void JanelaGeometria::carregarFigura() { Image1->setPixmap(::carregarFigura(QStringLiteral("secc.bmp"))); }

void JanelaGeometria::CmbBxFinalidadeChange()
{
    preencher(listaComprimento, descricao_.comprimentos(CmbBxFinalidade->currentIndex()));
    listaComprimento->setCurrentIndex(0);
}

EscolhaGeometria JanelaGeometria::lerControles() const
{
    return {CmbBxFinalidade->currentIndex(), CmbBxTipoTubo->currentIndex(), listaDiametro->currentIndex(),
            listaComprimento->currentIndex()};
}

void JanelaGeometria::FormShow()
{
    instantaneo_ = geometriaDoProjeto();
    restaurarInstantaneo();
}

void JanelaGeometria::restaurarInstantaneo()
{
    // The purpose first: it rebuilds the length list the length index points into.
    const QSignalBlocker bloqueio(CmbBxFinalidade);
    CmbBxFinalidade->setCurrentIndex(instantaneo_.finalidade);
    preencher(listaComprimento, descricao_.comprimentos(instantaneo_.finalidade));
    CmbBxTipoTubo->setCurrentIndex(instantaneo_.tipoTubo);
    listaDiametro->setCurrentIndex(instantaneo_.indiceDi);
    listaComprimento->setCurrentIndex(instantaneo_.indiceComprimento);
}

bool JanelaGeometria::FormCloseQuery()
{
    const EscolhaGeometria nova = lerControles();
    gravarGeometria(nova, !(geometriaConfirmada() && nova == instantaneo_));
    return true;
}
