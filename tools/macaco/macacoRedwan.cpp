// The monkey over Redwan. After every action:
// - the summary shows what the windows confirmed: each block as the
//   engine words the confirmed record, the design results exactly while
//   "Relatório" offers them;
// - results that can be saved belong to the inputs beside them: a design
//   run afresh on those inputs gives the same file lines;
// - a confirmed design saves, reopens accepted and saves again byte for
//   byte.
#include "Macaco.h"

#include "ArquivoRedwan.h"
#include "ArquivosMacaco.h"
#include "PainelResumoRedwan.h"
#include "TFormPrincipal.h"
#include "TextoQt.h"
#include "arquivoProjetoRedwan.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "inicioRedwan.h"
#include "resumoRedwan.h"

#include <QAction>
#include <QTemporaryDir>

namespace {
ResumoRedwan resumoEsperado(const ProjetoRedwan& p, const TextosResultados& resultados, bool comResultados,
                            const PrecosCusto& precos)
{
    ResumoRedwan r = resumoInicialRedwan(precos);
    if (p.etapas.geometria)
        atualizarGeometriaResumo(r, p);
    if (p.etapas.classe)
        atualizarClasseResumo(r, p);
    if (p.etapas.parametros)
        atualizarParametrosResumo(r, p);
    if (comResultados)
        atualizarResultadosResumo(r, resumoResultados(resultados));
    return r;
}

QString diferencaResumo(const ResumoRedwan& esperado, const PainelResumoRedwan& painel)
{
    for (PainelRedwan qual : {PainelGeometria, PainelParametros, PainelResultados}) {
        const auto linhas = linhasPainel(esperado, qual);
        for (int k = 1; k <= linhasPorPainelRedwan; ++k)
            for (int item = 0; item < static_cast<int>(linhas[k - 1].textos.size()); ++item) {
                const QString esperada = qt(linhas[k - 1].textos[item]);
                const QString mostrada = painel.linha(qual, k, item);
                if (esperada != mostrada)
                    return QStringLiteral("o resumo (painel %1, linha %2) mostra \"%3\" e o projeto confirmado dá "
                                          "\"%4\"")
                        .arg(qual).arg(k).arg(mostrada, esperada);
            }
    }
    return {};
}

class MacacoRedwan : public ProgramaMacaco {
public:
    MacacoRedwan() : app_(iniciarRedwan()) {}

    QMainWindow& principal() override { return *app_->principal; }

    QString verificar() override
    {
        TFormPrincipal& janela = *app_->principal;
        const ProjetoRedwan& p = app_->projeto;
        const TextosResultados& resultados = app_->resultados.textos;
        const bool relatorio = janela.comando(QStringLiteral("BrelD"))->isEnabled();
        const bool salvar = janela.comando(QStringLiteral("Bsav"))->isEnabled();
        if (QString d = diferencaResumo(resumoEsperado(p, resultados, relatorio, janela.precos()), *janela.resumo()); !d.isEmpty())
            return d;
        // A step is offered only once the step before it was confirmed.
        const std::pair<const char*, bool> etapas[] = {
            {"BclaD", p.etapas.geometria}, {"Barm", p.etapas.classe}, {"Bdim", p.etapas.parametros}};
        for (const auto& [comando, anterior] : etapas)
            if (janela.comando(QLatin1String(comando))->isEnabled() && !anterior)
                return QStringLiteral("\"%1\" habilitado antes da etapa anterior confirmada").arg(QLatin1String(comando));
        if (salvar && !relatorio)
            return QStringLiteral("\"Salvar\" habilitado sem resultados no resumo");
        if (!salvar)
            return {};
        if (QString d = resultadosPertencemAsEntradas(p, resultados); !d.isEmpty())
            return d;
        return salvaEReabre(
            pasta_.path(), QStringLiteral("rdw"),
            [&](const QString& caminho, QString& erro) { return salvarProjetoRedwan(p, resultados, caminho, erro); },
            [&](const QString& caminho) { return abrirProjetoRedwan(caminho, p, resultados); },
            [](const LeituraRedwan& lido, const QString& caminho, QString& erro) {
                return salvarProjetoRedwan(lido.projeto, lido.resultados, caminho, erro);
            });
    }

private:
    QString resultadosPertencemAsEntradas(const ProjetoRedwan& p, const TextosResultados& resultados)
    {
        EstadoDimensionamento estado;
        const ExecucaoDimensionamento execucao = executarDimensionamento(entradaDoProjeto(p), estado);
        if (execucao.desfecho != Desfecho::Resultados)
            return QStringLiteral("há resultados para entradas que não se dimensionam: ") + qt(execucao.mensagem);
        ResultadosRedwan afresco;
        guardarResultados(afresco, execucao.resultado);
        const auto esperadas = linhasProjetoRedwan(p, afresco.textos);
        const auto guardadas = linhasProjetoRedwan(p, resultados);
        for (std::size_t i = 0; i < esperadas.size() && i < guardadas.size(); ++i)
            if (esperadas[i] != guardadas[i])
                return QStringLiteral("o resultado guardado (linha %1 do arquivo: \"%2\") não é o das entradas "
                                      "(\"%3\")")
                    .arg(i + 1).arg(qt(guardadas[i]), qt(esperadas[i]));
        return {};
    }

    std::unique_ptr<AplicacaoRedwan> app_;
    QTemporaryDir pasta_;
};
} // namespace

int main(int argc, char** argv)
{
    return rodarMacaco("redwan", QStringLiteral("rdw"), argc, argv, [] { return std::make_unique<MacacoRedwan>(); });
}
