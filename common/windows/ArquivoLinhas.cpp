#include "ArquivoLinhas.h"

#include "ArquivoSeguro.h"

#include "Figuras.h"
#include "windows1252.h"

#include <QDir>
#include <QFileInfo>

QString pastaArquivosProjeto()
{
    const QString pasta = pastaArquivos();
    QDir().mkpath(pasta);
    return pasta;
}

bool gravarArquivoLinhas(const std::vector<std::string>& linhas, const QString& caminho, QString& erro)
{
    const auto bytes = montarArquivoLinhas(linhas);
    if (!bytes) {
        erro = QStringLiteral("Um dos textos do projeto tem um caractere que o arquivo não pode guardar.");
        return false;
    }
    QString motivo;
    if (!gravarArquivoSeguro(caminho, QByteArray::fromStdString(*bytes), motivo)) {
        erro = QStringLiteral("Não foi possível salvar o arquivo \"%1\": %2. O arquivo anterior, se havia, "
                              "continua como estava.")
                   .arg(QFileInfo(caminho).fileName(), motivo);
        return false;
    }
    return true;
}

bool lerArquivoLinhas(const QString& caminho, std::vector<std::string>& linhas, std::string& erro)
{
    QByteArray bytes;
    QString motivo;
    if (!lerArquivoSeguro(caminho, limiteArquivoProjeto, bytes, motivo)) {
        erro = motivo.toStdString();
        return false;
    }
    linhas = separarArquivoLinhas(bytes.toStdString());
    return true;
}
