// kolvan-calc: the class of many Kolvan projects at once.
//   kolvan-calc [--csv] [--pdf PASTA] ARQUIVO.kvn|PASTA...
#include "ExportacaoPdf.h"
#include "Figuras.h"
#include "TextoQt.h"
#include "calculoArquivoKolvan.h"
#include "relatorioClasse.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <clocale>
#include <cstdio>

namespace {
void escrever(FILE* saida, const std::string& texto) { std::fwrite(texto.data(), 1, texto.size(), saida); }
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
    const ArgumentosCalculadora a = lerArgumentosCalculadora(argumentos, ".kvn");
    if (!a.ok) {
        escrever(stderr, "kolvan-calc: " + a.erro + "\nuso: kolvan-calc [--csv] [--pdf PASTA] ARQUIVO.kvn...\n");
        return UsoErrado;
    }
    if (!a.pastaPdf.empty())
        QDir().mkpath(qt(a.pastaPdf));

    const QDateTime agora = QDateTime::currentDateTime();
    const MomentoRelatorio momento{std8(agora.toString(QStringLiteral("dd/MM/yyyy"))),
                                   std8(agora.toString(QStringLiteral("hh:mm")))};
    if (a.csv) {
        std::vector<std::string> cabecalho = chavesCalculoKolvan();
        cabecalho.push_back("erro");
        escrever(stdout, linhaCsv(cabecalho));
    }
    int status = TodosCalculados;
    for (const std::string& arquivo : a.arquivos) {
        CalculoArquivoKolvan c = calcularArquivoKolvan(qt(arquivo));
        if (c.semSolucao)
            escrever(stderr, arquivo + ": Solução não encontrada\n");
        if (!c.ok)
            status = AlgumFalhou;
        if (c.ok && !a.pastaPdf.empty()) {
            const QString pdf = QDir(qt(a.pastaPdf)).filePath(QFileInfo(qt(arquivo)).completeBaseName() +
                                                              QStringLiteral(".pdf"));
            if (!exportarPdf(montarRelatorioClasse(c.projeto, momento), pdf)) {
                c.campos.emplace_back("erro", "não foi possível gravar o relatório " + std8(pdf));
                c.ok = false;
                status = AlgumFalhou;
            }
        }
        if (a.csv) {
            std::vector<std::string> linha;
            for (const std::string& chave : chavesCalculoKolvan()) {
                std::string valor;
                for (const auto& [k, v] : c.campos)
                    if (k == chave)
                        valor = v;
                linha.push_back(valor);
            }
            std::string erro;
            for (const auto& [k, v] : c.campos)
                if (k == "erro")
                    erro = v;
            linha.push_back(erro);
            escrever(stdout, linhaCsv(linha));
        } else {
            escrever(stdout, blocoChaveValor(c.campos) + "\n");
        }
    }
    return status;
}
