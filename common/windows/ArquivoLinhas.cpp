#include "ArquivoLinhas.h"

#include "Figuras.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) ||
        arquivo.write(bytes->data(), static_cast<qint64>(bytes->size())) != static_cast<qint64>(bytes->size()) ||
        !arquivo.commit()) {
        erro = QStringLiteral("Não foi possível salvar o arquivo \"%1\": a pasta não existe ou não aceita "
                              "gravação. O arquivo anterior, se havia, continua como estava.")
                   .arg(QFileInfo(caminho).fileName());
        return false;
    }
    return true;
}

bool lerArquivoLinhas(const QString& caminho, std::vector<std::string>& linhas, std::string& erro)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        erro = QFileInfo::exists(caminho) ? "o arquivo não pode ser lido" : "o arquivo não existe";
        return false;
    }
    linhas = separarArquivoLinhas(arquivo.readAll().toStdString());
    return true;
}
