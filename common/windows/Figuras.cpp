#include "Figuras.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString& pasta()
{
    static QString atual = QDir::currentPath();
    return atual;
}

QString entradaSemCaixa(const QDir& dir, const QString& nome, QDir::Filters filtro)
{
    if (QFileInfo::exists(dir.filePath(nome)))
        return nome;
    for (const QString& entrada : dir.entryList(filtro))
        if (entrada.compare(nome, Qt::CaseInsensitive) == 0)
            return entrada;
    return nome;
}
} // namespace

void fixarPastaBase(const QString& nova) { pasta() = nova; }
QString pastaBase() { return pasta(); }

QString caminhoNaBase(const QString& subpasta, const QString& nome)
{
    QDir base(pastaBase());
    const QString sub = entradaSemCaixa(base, subpasta, QDir::Dirs | QDir::NoDotAndDotDot);
    QDir dir(base.filePath(sub));
    return dir.filePath(entradaSemCaixa(dir, nome, QDir::Files));
}

QPixmap carregarFigura(const QString& nome)
{
    QPixmap figura;
    figura.load(caminhoNaBase(QStringLiteral("Pictures"), nome));
    return figura;
}
