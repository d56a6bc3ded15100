#include "ArquivoCustos.h"

#include "ArquivoLinhas.h"
#include "Figuras.h"

#include <QDir>
#include <QFileInfo>

QString caminhoArquivoCustos() { return caminhoNaBase(QStringLiteral("Config"), QStringLiteral("Custos.ini")); }

PrecosCusto lerArquivoCustos()
{
    std::vector<std::string> linhas;
    std::string erro;
    const QString caminho = caminhoArquivoCustos();
    if (!QFileInfo(caminho).isFile() || !lerArquivoLinhas(caminho, linhas, erro))
        return {};
    return precosDasLinhas(linhas);
}

bool gravarArquivoCustos(const PrecosCusto& p, QString& erro)
{
    const QString caminho = caminhoArquivoCustos();
    if (!QDir().mkpath(QFileInfo(caminho).absolutePath())) {
        erro = QStringLiteral("Não foi possível criar a pasta de %1.").arg(caminho);
        return false;
    }
    return gravarArquivoLinhas(linhasCustos(p), caminho, erro);
}
