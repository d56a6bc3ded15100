#include "tabelaCalculadora.h"

#include "ArquivoFabricante.h"
#include "Calculadora.h"
#include "RelatorioLinha.h"
#include "TextoQt.h"
#include "argumentosTabela.h"
#include "buscaParede.h"
#include "planilhaLinha.h"
#include "planilhaXlsx.h"
#include "saidaCalculadora.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

bool lerLinhas(const QString& caminho, std::vector<std::string>& linhas)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Spreadsheets write their CSV with a byte-order mark.
    QTextStream fluxo(&arquivo);
    while (!fluxo.atEnd())
        linhas.push_back(std8(fluxo.readLine()));
    return true;
}
} // namespace

std::string saidaTabela(const TabelaLinha& tabela, bool csv)
{
    if (csv)
        return csvCalculadora(tabela);
    const bool parede = paredeBuscadaEmAlguma(tabela);
    std::string texto;
    for (const CelulaLinha& c : tabela.celulas) {
        CamposSaida campos;
        for (const CampoCelula& f : camposCelula(c, parede))
            campos.emplace_back(f.chave, f.valor.numero ? numeroSaida(f.valor.valor) : f.valor.texto);
        texto += blocoChaveValor(campos) + "\n";
    }
    return texto;
}

int executarTabela(int argc, char* argv[])
{
    const auto aplicacao = aplicacaoCalculadora(argc, argv);

    const std::vector<std::string> argumentos = argumentosDe(argc, argv);
    ArgumentosTabela a = lerArgumentosTabela(argumentos);
    if (a.ajuda) {
        escrever(stdout, ajudaTabela);
        return TodosCalculados;
    }
    if (!a.ok) {
        escrever(stderr, "redwan-calc: " + a.erro + "\nuso: " + usoTabela + "\n");
        return UsoErrado;
    }
    if (!a.arquivoEspessuras.empty()) {
        std::vector<std::string> linhas;
        if (!lerLinhas(qt(a.arquivoEspessuras), linhas)) {
            escrever(stderr, "redwan-calc: não foi possível ler " + a.arquivoEspessuras + "\n");
            return AlgumFalhou;
        }
        if (!linhas.empty())
            linhas.front().erase(0, linhas.front().rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0);
        const std::string problema = aplicarEspessuras(a.linha, linhas);
        if (!problema.empty()) {
            escrever(stderr, "redwan-calc: " + a.arquivoEspessuras + ", " + problema + "\n");
            return AlgumFalhou;
        }
    }

    TabelaLinha tabela = dimensionarLinha(a.linha);
    if (a.paredeMinima)
        buscarParedes(tabela);
    escrever(stdout, saidaTabela(tabela, a.csv));

    int status = TodosCalculados;
    if (!a.arquivoXlsx.empty()) {
        const std::string erro = gravarXlsx(planilhaLinha(tabela), a.arquivoXlsx);
        if (!erro.empty()) {
            escrever(stderr, "redwan-calc: " + erro + "\n");
            status = AlgumFalhou;
        }
    }
    if (!a.pastaPdf.empty()) {
        // The manufacturer of the base folder, as "Relatório da tabela" prints it.
        QDir().mkpath(qt(a.pastaPdf));
        DadosRelatorioLinha relatorio;
        relatorio.tabela = tabela;
        relatorio.fabricante = lerArquivoFabricante();
        marcarMomentoAtual(relatorio);
        const QString pdf = QDir(qt(a.pastaPdf)).filePath(QStringLiteral("TabelaArmaduras.pdf"));
        if (!exportarRelatorioLinha(relatorio, pdf)) {
            escrever(stderr, "redwan-calc: não foi possível gravar o relatório " + std8(pdf) + "\n");
            status = AlgumFalhou;
        }
    }
    return status;
}
