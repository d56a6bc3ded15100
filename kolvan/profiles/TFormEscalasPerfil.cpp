#include "TFormEscalasPerfil.h"

#include "ExecucaoModal.h"
#include "Mensagens.h"
#include "PintorPerfil.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QComboBox* combo(const std::vector<int>& escalas, int atual, const char* nome, QWidget* pai)
{
    auto* c = new QComboBox(pai);
    c->setObjectName(QString::fromUtf8(nome));
    for (int e : escalas)
        c->addItem(QStringLiteral("1:%1").arg(e), e);
    if (c->findData(atual) < 0)
        c->addItem(QStringLiteral("1:%1").arg(atual), atual);
    c->setCurrentIndex(c->findData(atual));
    return c;
}
} // namespace

TFormEscalasPerfil::TFormEscalasPerfil(const EscalasPerfil& escalas, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormEscalasPerfil"));
    setWindowTitle(QStringLiteral("Escalas dos perfis"));
    CmbBxHorizontal = combo(escalasHorizontais(), escalas.horizontal, "CmbBxHorizontal", this);
    CmbBxVertical = combo(escalasVerticais(), escalas.vertical, "CmbBxVertical", this);
    auto* formulario = new QFormLayout;
    formulario->addRow(QStringLiteral("Escala horizontal:"), CmbBxHorizontal);
    formulario->addRow(QStringLiteral("Escala vertical:"), CmbBxVertical);
    auto* botoes = new QDialogButtonBox(this);
    QPushButton* confirma = botoes->addButton(QStringLiteral("Confirma"), QDialogButtonBox::AcceptRole);
    confirma->setObjectName(QStringLiteral("Bconfirma"));
    QPushButton* cancela = botoes->addButton(QStringLiteral("Cancela"), QDialogButtonBox::RejectRole);
    cancela->setObjectName(QStringLiteral("Bcancela"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formulario);
    layout->addWidget(botoes);
}

EscalasPerfil TFormEscalasPerfil::escalas() const
{
    return {CmbBxHorizontal->currentData().toInt(), CmbBxVertical->currentData().toInt()};
}

bool editarEscalasPerfis(QWidget* pai)
{
    TFormEscalasPerfil janela(lerEscalasPerfis(), pai);
    if (executarModal(janela) != QDialog::Accepted)
        return false;
    if (QString erro; !gravarEscalasPerfis(janela.escalas(), erro)) {
        mensagens().mensagem(erro);
        return false;
    }
    return true;
}
