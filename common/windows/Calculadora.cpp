#include "Calculadora.h"

#include "PastasUsuario.h"

#include "TextoQt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cctype>
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

int executarCalculadora(int argc, char* argv[], const std::string& programa, const std::string& extensao,
                        const std::vector<std::string>& chaves,
                        const std::function<CalculoDeArquivo(const QString& arquivo)>& calcular)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // The reports' pictures, also for an installed calculator started anywhere.
    std::string nome = programa.substr(0, programa.find('-'));
    if (!nome.empty())
        nome[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(nome[0])));
    prepararPastas(QString::fromStdString(nome));

    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos.emplace_back(QString::fromLocal8Bit(argv[i]).toStdString());
    const ArgumentosCalculadora a = lerArgumentosCalculadora(argumentos, extensao);
    if (!a.ok) {
        escrever(stderr, programa + ": " + a.erro + "\nuso: " + programa + " [--csv] [--pdf PASTA] ARQUIVO" +
                             extensao + "...\n");
        return UsoErrado;
    }
    if (!a.pastaPdf.empty())
        QDir().mkpath(qt(a.pastaPdf));
    if (a.csv) {
        std::vector<std::string> cabecalho = chaves;
        cabecalho.push_back("erro");
        escrever(stdout, linhaCsv(cabecalho));
    }
    int status = TodosCalculados;
    for (const std::string& arquivo : a.arquivos) {
        CalculoDeArquivo c = calcular(qt(arquivo));
        if (c.ok && !a.pastaPdf.empty() && c.exportarRelatorio) {
            const QString pdf = QDir(qt(a.pastaPdf)).filePath(QFileInfo(qt(arquivo)).completeBaseName() +
                                                              QStringLiteral(".pdf"));
            if (!c.exportarRelatorio(pdf)) {
                c.campos.emplace_back("erro", "não foi possível gravar o relatório " + std8(pdf));
                c.ok = false;
            }
        }
        if (!c.ok)
            status = AlgumFalhou;
        if (a.csv) {
            std::vector<std::string> linha;
            for (const std::string& chave : chaves)
                linha.push_back(valorDe(c.campos, chave));
            linha.push_back(valorDe(c.campos, "erro"));
            escrever(stdout, linhaCsv(linha));
        } else {
            escrever(stdout, blocoChaveValor(c.campos) + "\n");
        }
    }
    return status;
}
