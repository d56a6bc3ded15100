#include "Figuras.h"

#include "ArquivoSeguro.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace {
QString& pasta()
{
    static QString atual = QDir::currentPath();
    return atual;
}

QString figurasInstaladas;
QString arquivos;

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
bool pastasDeInstalacao() { return !figurasInstaladas.isEmpty(); }
void fixarPastaFigurasInstaladas(const QString& nova) { figurasInstaladas = nova; }
void fixarPastaArquivos(const QString& nova) { arquivos = nova; }
QString pastaArquivos() { return arquivos.isEmpty() ? QDir(pastaBase()).filePath(QStringLiteral("Arquivos")) : arquivos; }

QString caminhoNaBase(const QString& subpasta, const QString& nome)
{
    QDir base(pastaBase());
    const QString sub = entradaSemCaixa(base, subpasta, QDir::Dirs | QDir::NoDotAndDotDot);
    QDir dir(base.filePath(sub));
    const QString caminho = dir.filePath(entradaSemCaixa(dir, nome, QDir::Files));
    if (figurasInstaladas.isEmpty() || nome.isEmpty() || QFileInfo::exists(caminho) ||
        subpasta.compare(QStringLiteral("Pictures"), Qt::CaseInsensitive) != 0)
        return caminho;
    const QDir instaladas(figurasInstaladas);
    const QString instalada = instaladas.filePath(entradaSemCaixa(instaladas, nome, QDir::Files));
    return QFileInfo::exists(instalada) ? instalada : caminho;
}

QPixmap carregarFigura(const QString& nome)
{
    QImage figura;
    QString motivo;
    lerFiguraSegura(caminhoNaBase(QStringLiteral("Pictures"), nome), figura, motivo);
    return QPixmap::fromImage(figura);
}
