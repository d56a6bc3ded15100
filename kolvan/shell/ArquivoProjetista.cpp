#include "ArquivoProjetista.h"

#include "Figuras.h"
#include "arquivoSecoes.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString caminhoArquivo() { return caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Projetista.ini")); }
} // namespace

DadosProjetista lerArquivoProjetista()
{
    QFile arquivo(caminhoArquivo());
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return projetistaDasLinhas(separarArquivoLinhas(arquivo.readAll().toStdString()));
}

bool gravarArquivoProjetista(const DadosProjetista& d)
{
    const auto bytes = montarArquivoLinhas(linhasProjetista(d));
    if (!bytes)
        return false;
    const QString caminho = caminhoArquivo();
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    arquivo.write(bytes->data(), static_cast<qint64>(bytes->size()));
    return arquivo.commit();
}
