#include "Calculadora.h"

#include "PastasUsuario.h"

#include "TextoQt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdio>

namespace {

std::string valorDe(const CamposSaida& campos, const std::string& chave)
{
    std::string valor;
    for (const auto& [k, v] : campos)
        if (k == chave)
            valor = v;
    return valor;
}

// The window system's notes (a missing runtime folder, fonts) mean nothing
// to a command-line user; only its errors reach standard error.
void soErrosDoQt(QtMsgType tipo, const QMessageLogContext&, const QString& mensagem)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        escrever(stderr, mensagem.toStdString() + "\n");
}

// The trace's fields before the usual ones, each key once: a key the block
// already prints (W, qs, fe, R, AsMin, …) keeps its place.
void juntarMemoria(CamposSaida& campos, const CamposSaida& memoria)
{
    CamposSaida novos;
    for (const auto& campo : memoria) {
        bool existe = false;
        for (const auto& [k, v] : campos)
            existe = existe || k == campo.first;
        if (!existe)
            novos.push_back(campo);
    }
    // After "arquivo", the first field.
    campos.insert(campos.empty() ? campos.end() : campos.begin() + 1, novos.begin(), novos.end());
}
} // namespace

std::unique_ptr<QGuiApplication> aplicacaoCalculadora(int& argc, char* argv[])
{
    qInstallMessageHandler(soErrosDoQt);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto aplicacao = std::make_unique<QGuiApplication>(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // The reports' pictures, also for an installed calculator started anywhere:
    // kolvan-calc reads Kolvan's folders, redwan-calc Redwan's.
    std::string nome = std8(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    nome = nome.substr(0, nome.find('-'));
    if (!nome.empty())
        nome[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(nome[0])));
    prepararPastas(QString::fromStdString(nome));
    return aplicacao;
}

int executarCalculadora(int argc, char* argv[], const ArgumentosCalculadora& a, const std::vector<std::string>& chaves,
                        const std::function<CalculoDeArquivo(const QString& arquivo)>& calcular)
{
    const auto aplicacao = aplicacaoCalculadora(argc, argv);
    if (!a.pastaPdf.empty())
        QDir().mkpath(qt(a.pastaPdf));
    // With --memoria the trace's keys are columns too; they depend on the
    // project (a trench has others than an embankment), so the rows wait
    // until every file has given its keys.
    std::vector<std::string> colunas = chaves;
    std::vector<CamposSaida> linhasAdiadas;
    const auto escreverLinha = [&colunas](const CamposSaida& campos) {
        std::vector<std::string> linha;
        for (const std::string& chave : colunas)
            linha.push_back(valorDe(campos, chave));
        escrever(stdout, linhaCsv(linha));
    };
    colunas.push_back("erro");
    if (a.csv && !a.memoria)
        escrever(stdout, linhaCsv(colunas));
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
        if (c.ok && a.memoria && !a.pastaPdf.empty() && c.exportarMemoria) {
            const QString pdf = QDir(qt(a.pastaPdf)).filePath(QFileInfo(qt(arquivo)).completeBaseName() +
                                                              QStringLiteral("-memoria.pdf"));
            if (!c.exportarMemoria(pdf)) {
                c.campos.emplace_back("erro", "não foi possível gravar a memória de cálculo " + std8(pdf));
                c.ok = false;
            }
        }
        if (a.memoria)
            juntarMemoria(c.campos, c.camposMemoria);
        if (!c.ok)
            status = AlgumFalhou;
        if (a.csv && a.memoria) {
            for (const auto& [chave, valor] : c.camposMemoria)
                if (std::find(colunas.begin(), colunas.end(), chave) == colunas.end())
                    colunas.insert(colunas.end() - 1, chave);
            linhasAdiadas.push_back(std::move(c.campos));
        } else if (a.csv) {
            escreverLinha(c.campos);
        } else {
            escrever(stdout, blocoChaveValor(c.campos) + "\n");
        }
    }
    if (a.csv && a.memoria) {
        escrever(stdout, linhaCsv(colunas));
        for (const CamposSaida& campos : linhasAdiadas)
            escreverLinha(campos);
    }
    return status;
}

std::vector<std::string> argumentosDe(int argc, char* argv[])
{
    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos.emplace_back(QString::fromLocal8Bit(argv[i]).toStdString());
    return argumentos;
}

void escrever(FILE* saida, const std::string& texto) { std::fwrite(texto.data(), 1, texto.size(), saida); }
