#include "DialogosArquivo.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
EscolhaArquivoAbrir& escolhaAbrir()
{
    static EscolhaArquivoAbrir atual;
    return atual;
}
} // namespace

QString escolherArquivoAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro)
{
    if (escolhaAbrir())
        return escolhaAbrir()(titulo, pasta, filtro);
    return QFileDialog::getOpenFileName(pai, titulo, pasta, filtro);
}

void substituirEscolhaArquivoAbrir(EscolhaArquivoAbrir escolha) { escolhaAbrir() = std::move(escolha); }

namespace {
EscolhaArquivoSalvar& escolhaSalvar()
{
    static EscolhaArquivoSalvar atual;
    return atual;
}
} // namespace

QString escolherArquivoSalvar(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro,
                              const QString& nomeProposto, const QString& extensao)
{
    const QString proposto = QDir(pasta).filePath(nomeProposto);
    QString escolhido;
    if (escolhaSalvar())
        escolhido = escolhaSalvar()(titulo, proposto);
    else
        escolhido = QFileDialog::getSaveFileName(pai, titulo, proposto, filtro, nullptr,
                                                 QFileDialog::DontConfirmOverwrite);
    if (!escolhido.isEmpty() && QFileInfo(escolhido).suffix().isEmpty())
        escolhido += QLatin1Char('.') + extensao;
    return escolhido;
}

void substituirEscolhaArquivoSalvar(EscolhaArquivoSalvar escolha) { escolhaSalvar() = std::move(escolha); }
