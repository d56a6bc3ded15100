#include "RelatorioRedwan.h"

#include "ExportacaoPdf.h"
#include "TextoQt.h"
#include "VisualizacaoRelatorio.h"
#include "memoriaDimensionamento.h"
#include "relatorioDimensionamento.h"

#include <QDateTime>

void marcarMomentoAtual(DadosRelatorioDimensionamento& dados)
{
    const QDateTime agora = QDateTime::currentDateTime();
    dados.data = std8(agora.toString(QStringLiteral("dd/MM/yyyy")));
    dados.hora = std8(agora.toString(QStringLiteral("hh:mm")));
}

int visualizarRelatorioDimensionamento(const DadosRelatorioDimensionamento& dados, QWidget* pai)
{
    return visualizarRelatorio(montarRelatorioDimensionamento(dados), pai);
}

bool exportarRelatorioDimensionamento(const DadosRelatorioDimensionamento& dados, const QString& caminho)
{
    return exportarPdf(montarRelatorioDimensionamento(dados), caminho);
}

int visualizarMemoriaDimensionamento(const DadosRelatorioDimensionamento& dados, QWidget* pai)
{
    return visualizarRelatorio(memoriaDimensionamentoDoProjeto(dados), pai);
}

bool exportarMemoriaDimensionamento(const DadosRelatorioDimensionamento& dados, const QString& caminho)
{
    return exportarPdf(memoriaDimensionamentoDoProjeto(dados), caminho);
}
