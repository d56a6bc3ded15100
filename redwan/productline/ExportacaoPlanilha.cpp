#include "ExportacaoPlanilha.h"

#include "TextoQt.h"
#include "planilhaCsv.h"
#include "planilhaLinha.h"
#include "planilhaXlsx.h"

#include <QFileInfo>

std::string exportarPlanilhaLinha(const TabelaLinha& tabela, const QString& caminho)
{
    if (QFileInfo(caminho).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0)
        return gravarArquivoTexto(montarCsv(folhaLinha(tabela)), std8(caminho));
    return gravarXlsx(planilhaLinha(tabela), std8(caminho));
}
