#include "ArquivoFabricante.h"

#include "ArquivoSeguro.h"
#include "Figuras.h"
#include "windows1252.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

namespace {
QString caminhoDados() { return caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Fabricante.ini")); }
QString caminhoLogo() { return caminhoNaBase(QStringLiteral("Pictures"), QStringLiteral("logofabri.bmp")); }

bool gravar(const QString& caminho, const QByteArray& bytes, const QString& descricao, QString* erro)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QString mensagem;
    if (gravarArquivoSeguro(caminho, bytes, descricao, mensagem))
        return true;
    if (erro)
        *erro = mensagem;
    return false;
}
} // namespace

DadosFabricante lerArquivoFabricante()
{
    QByteArray bytes;
    QString motivo;
    if (!lerArquivoSeguro(caminhoDados(), limiteArquivoConfiguracao, bytes, motivo))
        return {};
    return fabricanteDasLinhas(separarArquivoLinhas(bytes.toStdString()));
}

bool gravarArquivoFabricante(const DadosFabricante& d, QString* erro)
{
    const auto bytes = montarArquivoLinhas(linhasFabricante(d));
    if (!bytes) {
        if (erro)
            *erro = QStringLiteral("Não foi possível gravar os dados do fabricante em %1: um dos textos tem um "
                                   "caractere que o arquivo não pode guardar.")
                        .arg(QDir::toNativeSeparators(caminhoDados()));
        return false;
    }
    return gravar(caminhoDados(), QByteArray::fromStdString(*bytes), QStringLiteral("os dados do fabricante"), erro);
}

QImage lerLogoFabricante()
{
    QImage logo;
    QString motivo;
    lerFiguraSegura(caminhoLogo(), logo, motivo);
    return logo;
}

bool gravarLogoFabricante(const QImage& logo, QString* erro)
{
    if (logo.isNull())
        return true;
    QByteArray bytes;
    QBuffer memoria(&bytes);
    memoria.open(QIODevice::WriteOnly);
    if (!logo.save(&memoria, "BMP")) {
        if (erro)
            *erro = QStringLiteral("Não foi possível gravar o logotipo do fabricante: a figura não pôde ser "
                                   "convertida em bitmap.");
        return false;
    }
    return gravar(caminhoLogo(), bytes, QStringLiteral("o logotipo do fabricante"), erro);
}
