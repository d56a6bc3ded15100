#include "Capturador.h"

#include "ExecucaoModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

Capturador::Capturador(const QString& pasta) : pasta_(pasta) { QDir().mkpath(pasta_); }

void Capturador::quandoAbrir(const QString& nome, std::function<void(QDialog&)> acao)
{
    roteiro_.append({nome, std::move(acao)});
}

void Capturador::instalar()
{
    substituirExecucaoModal([this](QDialog& janela) { return executar(janela); });
}

void Capturador::desinstalar() { substituirExecucaoModal({}); }

namespace {
void esperarDesenho(int ms)
{
    QElapsedTimer relogio;
    relogio.start();
    while (relogio.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}
} // namespace

void Capturador::foto(const QString& nome)
{
    esperarDesenho(300);
    QScreen* tela = QGuiApplication::primaryScreen();
    const QString arquivo =
        QStringLiteral("%1/%2-%3.png").arg(pasta_).arg(++numero_, 2, 10, QLatin1Char('0')).arg(nome);
    if (!tela || !tela->grabWindow(0).save(arquivo))
        falhas_.append(QStringLiteral("não foi possível salvar ") + arquivo);
}

void Capturador::clicar(QWidget& janela, const QString& botao)
{
    auto* b = janela.findChild<QAbstractButton*>(botao);
    if (!b)
        for (QAbstractButton* candidato : janela.findChildren<QAbstractButton*>())
            if (candidato->text() == botao && candidato->isVisible())
                b = candidato;
    if (b)
        b->click();
}

int Capturador::executar(QDialog& janela)
{
    if (roteiro_.isEmpty()) {
        falhas_.append(QStringLiteral("janela sem roteiro: ") + janela.objectName());
        return janela.exec();
    }
    Passo passo = roteiro_.takeFirst();
    janela.show();
    janela.raise();
    janela.activateWindow();
    foto(passo.nome);
    if (passo.acao)
        passo.acao(janela);
    esperarDesenho(100);
    if (janela.isVisible()) {
        falhas_.append(QStringLiteral("a janela ficou aberta: ") + passo.nome);
        janela.hide();
    }
    return janela.result();
}
