#include "ArquivoKolvan.h"

#include "Figuras.h"
#include "TextoQt.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const char* const filtroArquivosKolvan = "Arquivos tipo:         *.kvn (*.kvn)";

QString pastaArquivos()
{
    const QString pasta = QDir(pastaBase()).filePath(QStringLiteral("Arquivos"));
    QDir().mkpath(pasta);
    return pasta;
}

bool salvarProjeto(const ProjetoTubo& projeto, const QString& caminho, QString& erro)
{
    const auto bytes = montarArquivoLinhas(linhasProjeto(projeto));
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

LeituraProjeto abrirProjeto(const QString& caminho, const ProjetoTubo& atual)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        LeituraProjeto r;
        r.projeto = atual;
        r.erro = QFileInfo::exists(caminho) ? "o arquivo não pode ser lido" : "o arquivo não existe";
        return r;
    }
    return lerLinhasProjeto(separarArquivoLinhas(arquivo.readAll().toStdString()), atual);
}
