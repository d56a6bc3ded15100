#include "DialogosArquivo.h"

#include "ExecucaoModal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
EscolhaArquivoAbrir& escolhaAbrir()
{
    static EscolhaArquivoAbrir atual;
    return atual;
}

// The chosen name with the default extension when it has none.
QString comExtensao(const QString& escolhido, const QString& extensao)
{
    if (escolhido.isEmpty() || extensao.isEmpty() || !QFileInfo(escolhido).suffix().isEmpty() ||
        QFileInfo(escolhido).isDir())
        return escolhido;
    return escolhido + QLatin1Char('.') + extensao;
}
} // namespace

QString escolherArquivoAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro,
                             const QString& extensao)
{
    if (escolhaAbrir())
        return comExtensao(escolhaAbrir()(titulo, pasta, filtro), extensao);
    QFileDialog dialogo(pai, titulo, pasta, filtro);
    dialogo.setObjectName(QStringLiteral("DialogoAbrir"));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    // The dialog itself tries the typed name with the extension, so "pos"
    // is found as pos.kvn and accepted.
    dialogo.setDefaultSuffix(extensao);
    if (executarModal(dialogo) != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return comExtensao(dialogo.selectedFiles().constFirst(), extensao);
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
    return comExtensao(escolhido, extensao);
}

void substituirEscolhaArquivoSalvar(EscolhaArquivoSalvar escolha) { escolhaSalvar() = std::move(escolha); }
