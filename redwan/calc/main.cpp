// redwan-calc: the reinforcement of many Redwan projects at once.
//   redwan-calc [--csv] [--pdf PASTA] ARQUIVO.rdw|PASTA...
#include "ArquivoFabricante.h"
#include "RelatorioRedwan.h"
#include "TextoQt.h"
#include "calculoArquivoRedwan.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <clocale>
#include <cstdio>

namespace {
void escrever(FILE* saida, const std::string& texto) { std::fwrite(texto.data(), 1, texto.size(), saida); }

std::string valorDe(const CamposSaida& campos, const std::string& chave)
{
    std::string valor;
    for (const auto& [k, v] : campos)
        if (k == chave)
            valor = v;
    return valor;
}
} // namespace

int main(int argc, char* argv[])
{
    // Fonts and the PDF writer need a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos.emplace_back(QString::fromLocal8Bit(argv[i]).toStdString());
    const ArgumentosCalculadora a = lerArgumentosCalculadora(argumentos, ".rdw");
    if (!a.ok) {
        escrever(stderr, "redwan-calc: " + a.erro + "\nuso: redwan-calc [--csv] [--pdf PASTA] ARQUIVO.rdw...\n");
        return UsoErrado;
    }

    // The reports carry the manufacturer of the base folder, as "Relatório" does.
    DadosRelatorioDimensionamento relatorio;
    if (!a.pastaPdf.empty()) {
        QDir().mkpath(qt(a.pastaPdf));
        relatorio.fabricante = lerArquivoFabricante();
        marcarMomentoAtual(relatorio);
    }
    if (a.csv) {
        std::vector<std::string> cabecalho = chavesCalculoRedwan();
        cabecalho.push_back("erro");
        escrever(stdout, linhaCsv(cabecalho));
    }
    int status = TodosCalculados;
    for (const std::string& arquivo : a.arquivos) {
        CalculoArquivoRedwan c = calcularArquivoRedwan(qt(arquivo));
        if (!c.ok)
            status = AlgumFalhou;
        if (c.ok && !a.pastaPdf.empty()) {
            const QString pdf = QDir(qt(a.pastaPdf)).filePath(QFileInfo(qt(arquivo)).completeBaseName() +
                                                              QStringLiteral(".pdf"));
            relatorio.projeto = c.projeto;
            relatorio.resultados = c.resultados;
            if (!exportarRelatorioDimensionamento(relatorio, pdf)) {
                c.campos.emplace_back("erro", "não foi possível gravar o relatório " + std8(pdf));
                status = AlgumFalhou;
            }
        }
        if (a.csv) {
            std::vector<std::string> linha;
            for (const std::string& chave : chavesCalculoRedwan())
                linha.push_back(valorDe(c.campos, chave));
            linha.push_back(valorDe(c.campos, "erro"));
            escrever(stdout, linhaCsv(linha));
        } else {
            escrever(stdout, blocoChaveValor(c.campos) + "\n");
        }
    }
    return status;
}
