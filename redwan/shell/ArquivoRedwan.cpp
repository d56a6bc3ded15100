#include "ArquivoRedwan.h"

#include "Figuras.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const char* const filtroArquivosRedwan = "Arquivos tipo:         *.rdw (*.rdw)";
const char* const extensaoArquivosRedwan = ".rdw";
const char* const nomePropostoRedwan = "DimTubo1";

QString pastaArquivosRedwan()
{
    const QString pasta = QDir(pastaBase()).filePath(QStringLiteral("Arquivos"));
    QDir().mkpath(pasta);
    return pasta;
}

bool salvarProjetoRedwan(const ProjetoRedwan& projeto, const TextosResultados& resultados, const QString& caminho,
                         QString& erro)
{
    const auto bytes = montarArquivoLinhas(linhasProjetoRedwan(projeto, resultados));
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

LeituraRedwan abrirProjetoRedwan(const QString& caminho, const ProjetoRedwan& atual,
                                 const TextosResultados& resultadosAtuais)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        LeituraRedwan r;
        r.projeto = atual;
        r.resultados = resultadosAtuais;
        r.erro = QFileInfo::exists(caminho) ? "o arquivo não pode ser lido" : "o arquivo não existe";
        return r;
    }
    return lerLinhasProjetoRedwan(separarArquivoLinhas(arquivo.readAll().toStdString()), atual, resultadosAtuais);
}
