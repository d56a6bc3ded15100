#include "calculoRede.h"

#include "ArquivoKolvan.h"
#include "ArquivoSeguro.h"
#include "Calculadora.h"
#include "ExportacaoPdf.h"
#include "TextoQt.h"
#include "exportacaoRede.h"
#include "leituraRede.h"
#include "PintorPerfil.h"
#include "memoriaRede.h"
#include "planilhaXlsx.h"
#include "relatorioRede.h"
#include "saidaRede.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

namespace {

int falha(const std::string& mensagem)
{
    escrever(stderr, "kolvan-calc: " + mensagem + "\n");
    return AlgumFalhou;
}

} // namespace

std::string pedidoDeRedeSemRede(const std::vector<std::string>& argumentos)
{
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& arg = argumentos[i];
        if (arg == "--pdf") {
            ++i; // a folder, whatever its name
            continue;
        }
        if (arg == "--projeto" || arg == "--xlsx")
            return arg + " vale para uma rede: falta --rede com o arquivo da rede\nuso: " + usoRede;
        const QString sufixo = QFileInfo(qt(arg)).suffix().toLower();
        if (sufixo == QLatin1String("csv") || sufixo == QLatin1String("xml") || sufixo == QLatin1String("inp"))
            return arg + " é uma rede: use kolvan-calc --rede ARQUIVO --projeto BASE.kvn";
    }
    return {};
}

int executarCalculoRede(int argc, char* argv[])
{
    const auto aplicacao = aplicacaoCalculadora(argc, argv);

    const std::vector<std::string> argumentos = argumentosDe(argc, argv);
    const ArgumentosRede a = lerArgumentosRede(argumentos);
    if (a.ajuda) {
        escrever(stdout, ajudaRede);
        return TodosCalculados;
    }
    if (!a.ok) {
        escrever(stderr, "kolvan-calc: " + a.erro + "\nuso: " + usoRede + "\n");
        return UsoErrado;
    }

    const LeituraProjeto projeto = abrirProjeto(qt(a.projeto), ProjetoTubo{});
    if (!projeto.ok)
        return falha(mensagemArquivoRecusado(std8(QFileInfo(qt(a.projeto)).fileName()), projeto, LeitorProjeto::Calculadora));

    QByteArray bytes;
    if (QString motivo; !lerArquivoSeguro(qt(a.rede), limiteArquivoRede, bytes, motivo))
        return falha(a.projetoDaRede.empty() || QFileInfo::exists(qt(a.rede))
                         ? "não foi possível ler " + a.rede + ": " + std8(motivo)
                         : "o projeto " + a.projetoDaRede + " não tem rede salva ao seu lado (" + a.rede + ")");
    const LeituraRede leitura = lerArquivoRede(bytes.toStdString());
    if (!leitura.ok)
        return falha(a.rede + ": " + leitura.erro);

    // The stretch whose sheet is asked for, by name, before anything is written.
    int trecho = -1;
    if (!a.trecho.empty()) {
        const auto achado = std::find_if(leitura.trechos.begin(), leitura.trechos.end(),
                                         [&](const EntradaTrecho& e) { return e.trecho == a.trecho; });
        if (achado == leitura.trechos.end())
            return falha("o trecho " + a.trecho + " não está em " + a.rede);
        trecho = static_cast<int>(achado - leitura.trechos.begin());
    }

    RedeTubulacoes rede;
    rede.entradas = leitura.trechos;
    rede.vala = a.vala;
    rede.resultados = classificarRede(projeto.projeto, rede.entradas, rede.vala);
    escrever(stdout, saidaRede(rede, a.csv));
    int status = trechosComProblema(rede.resultados) > 0 ? AlgumFalhou : TodosCalculados;

    if (!a.xlsx.empty()) {
        if (const std::string erro = gravarXlsx(planilhaRede(rede, projeto.projeto), a.xlsx); !erro.empty())
            status = falha(erro);
    }
    const MomentoRelatorio momento = momentoAtual();
    const QString nomeRede = QFileInfo(qt(a.rede)).completeBaseName();
    if (!a.pastaPdf.empty()) {
        QDir().mkpath(qt(a.pastaPdf));
        const QString pdf = QDir(qt(a.pastaPdf)).filePath(nomeRede + QStringLiteral(".pdf"));
        if (QString motivo; !exportarPdf(montarRelatorioRede(projeto.projeto, rede, momento), pdf, &motivo))
            status = falha("não foi possível gravar o relatório " + std8(pdf) + ": " + std8(motivo));
    }
    if (!a.pastaPerfis.empty()) {
        QDir().mkpath(qt(a.pastaPerfis));
        const QDir pasta(qt(a.pastaPerfis));
        const PerfisRede perfis = montarPerfisRede(
            rede, lerEscalasPerfis(),
            cabecalhoPerfis(projeto.projeto.projetista, projeto.projeto.obra, projeto.projeto.cliente, momento.data));
        QString erro = qt(perfis.erro);
        if (erro.isEmpty())
            erro = exportarPerfisPdf(perfis, pasta.filePath(QStringLiteral("perfis.pdf")));
        if (erro.isEmpty() && a.perfisSvg)
            erro = exportarPerfisSvg(perfis, pasta.path());
        if (erro.isEmpty() && a.perfisDxf)
            erro = exportarPerfisDxf(perfis, pasta.path());
        if (!erro.isEmpty())
            status = falha(std8(erro));
    }
    if (a.memoria) {
        if (trecho >= 0 && !rede.resultados[static_cast<std::size_t>(trecho)].classificado)
            status = falha("o trecho " + a.trecho + " não tem classe: a memória de cálculo segue sem a sua folha");
        const QString pasta = a.pastaPdf.empty() ? QDir::currentPath() : qt(a.pastaPdf);
        const QString pdf = QDir(pasta).filePath(nomeRede + QStringLiteral("-memoria-rede.pdf"));
        if (QString motivo; !exportarPdf(montarMemoriaRede(projeto.projeto, rede, momento, trecho), pdf, &motivo))
            status = falha("não foi possível gravar a memória de cálculo " + std8(pdf) + ": " + std8(motivo));
    }
    return status;
}
