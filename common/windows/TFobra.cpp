#include "TFobra.h"

#include "limitesTextos.h"

#include "TextoQt.h"
#include "ValidadorWindows1252.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
std::array<std::string*, 17> campos(DadosObra& o, DadosCliente& c)
{
    return {&o.servicos, &o.endereco, &o.numero,  &o.bairro,   &o.cidade,  &o.estado,
            &o.cep,      &c.nome,     &c.endereco, &c.numero,  &c.bairro,  &c.cidade,
            &c.estado,   &c.cep,      &c.telefone, &c.celular, &c.email};
}

// A caption over its field; `colunas` fields share a row of the group.
struct Posicao {
    const char* legenda;
    int linha, coluna, largura;
};

const Posicao posicoesObra[] = {
    {"Especificação dos Serviços Prestados:", 0, 0, 3},
    {"Endereço:", 1, 0, 1}, {"Número:", 1, 1, 1}, {"Bairro:", 1, 2, 1},
    {"Cidade:", 2, 0, 1},   {"Estado:", 2, 1, 1}, {"CEP:", 2, 2, 1}};
const Posicao posicoesCliente[] = {
    {"Nome:", 0, 0, 3},
    {"Endereço:", 1, 0, 1}, {"Número:", 1, 1, 1},  {"Bairro:", 1, 2, 1},
    {"Cidade:", 2, 0, 1},   {"Estado:", 2, 1, 1},  {"CEP:", 2, 2, 1},
    {"Telefone:", 3, 0, 1}, {"Celular:", 3, 1, 1}, {"E- mail:", 3, 2, 1}};
} // namespace

TFobra::TFobra(DadosObra& obra, DadosCliente& cliente, ModoObra modo, QWidget* parent)
    : JanelaEntrada(parent), obra_(obra), cliente_(cliente), modo_(modo)
{
    setObjectName(QStringLiteral("TFobra"));
    setWindowTitle(modo == ModoObra::ComProtocolo ? QStringLiteral("Dados da Obra/Cliente")
                                                  : QStringLiteral("Dados da Obra e do Cliente"));
    // Without the protocol Alt+F4 is one more way to close.
    permitirAltF4(modo == ModoObra::ComProtocolo);

    int numero = 0;
    auto grupo = [&](const QString& titulo, const Posicao* posicoes, int quantos, const int* limites) {
        auto* caixa = new QGroupBox(titulo, this);
        auto* grade = new QGridLayout(caixa);
        for (int i = 0; i < quantos; ++i) {
            const Posicao& p = posicoes[i];
            auto* campo = new QLineEdit(caixa);
            campo->setObjectName(QStringLiteral("Edit%1").arg(numero + 1));
            campo->setMaxLength(limites[i]);
            ValidadorWindows1252::instalar(campo);
            Edit[numero++] = campo;
            auto* legenda = new QLabel(QString::fromUtf8(p.legenda), caixa);
            legenda->setBuddy(campo);
            grade->addWidget(legenda, 2 * p.linha, p.coluna, 1, p.largura);
            grade->addWidget(campo, 2 * p.linha + 1, p.coluna, 1, p.largura);
        }
        grade->setColumnStretch(0, 3);
        grade->setColumnStretch(1, 1);
        grade->setColumnStretch(2, 2);
        return caixa;
    };
    auto* caixaObra = grupo(QStringLiteral("Dados da Obra:"), posicoesObra, 7, limitesObra.data());
    auto* caixaCliente = grupo(QStringLiteral("Dados do Cliente:"), posicoesCliente, 10, limitesCliente.data());

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(caixaObra);
    principal->addWidget(caixaCliente);
    principal->addLayout(botoes);
    setMinimumWidth(560);
    lerCampos();
}

void TFobra::lerCampos()
{
    const auto textos = campos(obra_, cliente_);
    for (std::size_t i = 0; i < textos.size(); ++i)
        Edit[i]->setText(qt(*textos[i]));
}

void TFobra::gravarCampos()
{
    const auto textos = campos(obra_, cliente_);
    for (std::size_t i = 0; i < textos.size(); ++i)
        *textos[i] = std8(Edit[i]->text());
}

// The data may have changed since the last opening (a project opened), so
// the fields are read again; what they hold now is the snapshot.
void TFobra::FormShow()
{
    lerCampos();
    Edit[0]->setFocus();
}

bool TFobra::FormCloseQuery()
{
    gravarCampos();
    return true;
}

void TFobra::restaurarInstantaneo()
{
    if (modo_ == ModoObra::SemProtocolo)
        gravarCampos();
    else
        lerCampos();
}
