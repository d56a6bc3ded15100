#include "ArquivoFabricante.h"

#include "Figuras.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString caminhoDados() { return caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Fabricante.ini")); }
QString caminhoLogo() { return caminhoNaBase(QStringLiteral("Pictures"), QStringLiteral("logofabri.bmp")); }

bool criarPasta(const QString& arquivo) { return QDir().mkpath(QFileInfo(arquivo).absolutePath()); }
} // namespace

DadosFabricante lerArquivoFabricante()
{
    QFile arquivo(caminhoDados());
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return fabricanteDasLinhas(separarArquivoLinhas(arquivo.readAll().toStdString()));
}

bool gravarArquivoFabricante(const DadosFabricante& d)
{
    const auto bytes = montarArquivoLinhas(linhasFabricante(d));
    const QString caminho = caminhoDados();
    if (!bytes || !criarPasta(caminho))
        return false;
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    arquivo.write(bytes->data(), static_cast<qint64>(bytes->size()));
    return arquivo.commit();
}

QImage lerLogoFabricante()
{
    QImage logo;
    logo.load(caminhoLogo());
    return logo;
}

bool gravarLogoFabricante(const QImage& logo)
{
    if (logo.isNull())
        return true;
    const QString caminho = caminhoLogo();
    if (!criarPasta(caminho))
        return false;
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || !logo.save(&arquivo, "BMP"))
        return false;
    return arquivo.commit();
}
