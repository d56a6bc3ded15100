#include "calculoRede.h"

#include "ArquivoKolvan.h"
#include "Calculadora.h"
#include "ExportacaoPdf.h"
#include "TextoQt.h"
#include "exportacaoRede.h"
#include "leituraRede.h"
#include "memoriaRede.h"
#include "planilhaXlsx.h"
#include "relatorioRede.h"
#include "saidaRede.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

int falha(const std::string& mensagem)
{
    escrever(stderr, "kolvan-calc: " + mensagem + "\n");
    return AlgumFalhou;
}

} // namespace

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

    QFile arquivo(qt(a.rede));
    if (!arquivo.open(QIODevice::ReadOnly))
        return falha("não foi possível ler " + a.rede);
    const QByteArray bytes = arquivo.readAll();
    const LeituraRede leitura = lerArquivoRede(bytes.toStdString());
    if (!leitura.ok)
        return falha(a.rede + ": " + leitura.erro);

    RedeTubulacoes rede;
    rede.entradas = leitura.trechos;
    rede.resultados = classificarRede(projeto.projeto, rede.entradas);
    escrever(stdout, saidaRede(rede, a.csv));
    int status = trechosComProblema(rede.resultados) > 0 ? AlgumFalhou : TodosCalculados;

    if (!a.xlsx.empty()) {
        if (const std::string erro = gravarXlsx(planilhaRede(rede, projeto.projeto), a.xlsx); !erro.empty())
            status = falha(erro);
    }
    const QDateTime agora = QDateTime::currentDateTime();
    const MomentoRelatorio momento{std8(agora.toString(QStringLiteral("dd/MM/yyyy"))),
                                   std8(agora.toString(QStringLiteral("hh:mm")))};
    const QString nomeRede = QFileInfo(qt(a.rede)).completeBaseName();
    if (!a.pastaPdf.empty()) {
        QDir().mkpath(qt(a.pastaPdf));
        const QString pdf = QDir(qt(a.pastaPdf)).filePath(nomeRede + QStringLiteral(".pdf"));
        if (!exportarPdf(montarRelatorioRede(projeto.projeto, rede, momento), pdf))
            status = falha("não foi possível gravar o relatório " + std8(pdf));
    }
    if (a.memoria) {
        const QString pasta = a.pastaPdf.empty() ? QDir::currentPath() : qt(a.pastaPdf);
        const QString pdf = QDir(pasta).filePath(nomeRede + QStringLiteral("-memoria-rede.pdf"));
        if (!exportarPdf(montarMemoriaRede(projeto.projeto, rede, momento), pdf))
            status = falha("não foi possível gravar a memória de cálculo " + std8(pdf));
    }
    return status;
}
