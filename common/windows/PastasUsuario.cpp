#include "PastasUsuario.h"

#include "Figuras.h"
#include "pastasPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {
bool temSubpasta(const QDir& dir, const QString& nome)
{
    for (const QString& entrada : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entrada.compare(nome, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Copies what `origem` holds and `destino` lacks; the user's files stay.
void copiarFaltantes(const QDir& origem, const QDir& destino, const QStringList& nomes)
{
    if (nomes.isEmpty())
        return;
    QDir().mkpath(destino.path());
    for (const QString& nome : nomes)
        if (origem.exists(nome) && !destino.exists(nome))
            QFile::copy(origem.filePath(nome), destino.filePath(nome));
}
} // namespace

void prepararPastas(const QString& programa, const QStringList& figurasGravaveis)
{
    const QDir atual = QDir::current();
    const QDir instalada(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(pastaDadosInstalados)));
    const bool instalado = temSubpasta(instalada, QStringLiteral("Pictures"));
    const QString dados = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const LocaisPrograma locais{
        atual.absolutePath().toStdString(),
        temSubpasta(atual, QStringLiteral("Pictures")),
        instalado ? instalada.canonicalPath().toStdString() : std::string(),
        dados.isEmpty() ? std::string() : QDir(dados).filePath(programa.toLower()).toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
        programa.toStdString()};
    const PastasPrograma pastas = escolherPastas(locais);
    fixarPastaBase(QString::fromStdString(pastas.base));
    fixarPastaFigurasInstaladas(QString::fromStdString(pastas.figurasInstaladas));
    fixarPastaArquivos(QString::fromStdString(pastas.arquivos));
    if (!pastas.instalado)
        return;
    const QDir base(QString::fromStdString(pastas.base));
    const QDir config(instalada.filePath(QStringLiteral("Config")));
    copiarFaltantes(config, base.filePath(QStringLiteral("Config")), config.entryList(QDir::Files));
    copiarFaltantes(instalada.filePath(QStringLiteral("Pictures")), base.filePath(QStringLiteral("Pictures")),
                    figurasGravaveis);
}
