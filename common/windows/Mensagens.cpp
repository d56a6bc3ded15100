#include "Mensagens.h"

#include "ExecucaoModal.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
Mensagens* atual = nullptr;

QString tituloAplicacao()
{
    return QApplication::applicationDisplayName().isEmpty() ? QApplication::applicationName()
                                                            : QApplication::applicationDisplayName();
}
} // namespace

Mensagens& mensagens()
{
    static MensagensCaixas caixas;
    return atual ? *atual : caixas;
}

void instalarMensagens(Mensagens* m) { atual = m; }

void MensagensCaixas::aviso(const QString& linha)
{
    QMessageBox caixa(QMessageBox::Warning, QStringLiteral("Aviso"), linha);
    executarModal(caixa);
}

void MensagensCaixas::aviso2(const QString& superior, const QString& inferior)
{
    QMessageBox caixa(QMessageBox::Warning, QStringLiteral("Aviso"), superior + QLatin1Char('\n') + inferior);
    executarModal(caixa);
}

void MensagensCaixas::mensagem(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Information, tituloAplicacao(), texto);
    executarModal(caixa);
}

bool MensagensCaixas::pergunta(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Question, tituloAplicacao(), texto);
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    executarModal(caixa);
    return caixa.clickedButton() == sim;
}

Resposta Mensagens::perguntaComCancelar(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Question, tituloAplicacao(), texto);
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    QPushButton* cancelar = caixa.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caixa.setDefaultButton(sim);
    caixa.setEscapeButton(cancelar);
    executarModal(caixa);
    if (caixa.clickedButton() == sim)
        return Resposta::Sim;
    return caixa.clickedButton() == nao ? Resposta::Nao : Resposta::Cancelar;
}
