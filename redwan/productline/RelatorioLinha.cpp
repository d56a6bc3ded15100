#include "RelatorioLinha.h"

#include "ExportacaoPdf.h"
#include "TextoQt.h"
#include "VisualizacaoRelatorio.h"

#include <QDateTime>
#include <QImage>
#include <QTemporaryDir>

void marcarMomentoAtual(DadosRelatorioLinha& dados)
{
    const QDateTime agora = QDateTime::currentDateTime();
    dados.data = std8(agora.toString(QStringLiteral("dd/MM/yyyy")));
    dados.hora = std8(agora.toString(QStringLiteral("hh:mm")));
}

int visualizarRelatorioLinha(DadosRelatorioLinha dados, const QImage& logo, QWidget* pai)
{
    // The logo as it is now, saved or not, in a file the preview reads.
    QTemporaryDir pasta;
    dados.logo.clear();
    const QString arquivo = pasta.filePath(QStringLiteral("logotipo.png"));
    if (!logo.isNull() && logo.save(arquivo))
        dados.logo = std8(arquivo);
    marcarMomentoAtual(dados);
    return visualizarRelatorio(montarRelatorioLinha(dados), pai);
}

bool exportarRelatorioLinha(const DadosRelatorioLinha& dados, const QString& caminho)
{
    return exportarPdf(montarRelatorioLinha(dados), caminho);
}
