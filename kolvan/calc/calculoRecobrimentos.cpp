#include "calculoRecobrimentos.h"

#include "ArquivoKolvan.h"
#include "Calculadora.h"
#include "ExportacaoPdf.h"
#include "TextoQt.h"
#include "planilhaXlsx.h"
#include "relatorioRecobrimentos.h"
#include "saidaRecobrimentos.h"

#include <QDir>
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

int executarCalculoRecobrimentos(int argc, char* argv[])
{
    const auto aplicacao = aplicacaoCalculadora(argc, argv);

    const ArgumentosRecobrimentos a = lerArgumentosRecobrimentos(argumentosDe(argc, argv));
    if (a.ajuda) {
        escrever(stdout, ajudaRecobrimentos);
        return TodosCalculados;
    }
    if (!a.ok) {
        escrever(stderr, "kolvan-calc: " + a.erro + "\nuso: " + usoRecobrimentos + "\n");
        return UsoErrado;
    }

    const LeituraProjeto projeto = abrirProjeto(qt(a.projeto), ProjetoTubo{});
    if (!projeto.ok)
        return falha(mensagemArquivoRecusado(std8(QFileInfo(qt(a.projeto)).fileName()), projeto, LeitorProjeto::Calculadora));

    const TabelaRecobrimentos tabela = calcularTabelaRecobrimentos(projeto.projeto);
    escrever(stdout, saidaRecobrimentos(tabela, a.csv));
    int status = TodosCalculados;
    if (!a.xlsx.empty()) {
        if (const std::string erro = gravarXlsx(planilhaRecobrimentos(tabela), a.xlsx); !erro.empty())
            status = falha(erro);
    }
    if (!a.pastaPdf.empty()) {
        QDir().mkpath(qt(a.pastaPdf));
        const QString pdf = QDir(qt(a.pastaPdf))
                                .filePath(QFileInfo(qt(a.projeto)).completeBaseName() + QStringLiteral("-recobrimentos.pdf"));
        const MomentoRelatorio momento = momentoAtual();
        if (!exportarPdf(montarRelatorioRecobrimentos(projeto.projeto, tabela, tabela.indiceProjeto, momento), pdf))
            status = falha("não foi possível gravar o relatório " + std8(pdf));
    }
    return status;
}
