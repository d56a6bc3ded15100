#include "ArquivoProjetista.h"

#include "ArquivoSeguro.h"
#include "Figuras.h"
#include "arquivoSecoes.h"
#include "windows1252.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString caminhoArquivo() { return caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Projetista.ini")); }
} // namespace

DadosProjetista lerArquivoProjetista()
{
    QByteArray bytes;
    QString motivo;
    if (!lerArquivoSeguro(caminhoArquivo(), limiteArquivoConfiguracao, bytes, motivo))
        return {};
    return projetistaDasLinhas(separarArquivoLinhas(bytes.toStdString()));
}

bool gravarArquivoProjetista(const DadosProjetista& d, QString& erro)
{
    const QString caminho = caminhoArquivo();
    const auto bytes = montarArquivoLinhas(linhasProjetista(d));
    if (!bytes) {
        erro = QStringLiteral("Não foi possível gravar os dados do projetista em %1: um dos textos tem um caractere "
                              "que o arquivo não pode guardar.")
                   .arg(QDir::toNativeSeparators(caminho));
        return false;
    }
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    return gravarArquivoSeguro(caminho, QByteArray::fromStdString(*bytes), QStringLiteral("os dados do projetista"),
                               erro);
}
