// The monkey over Kolvan. After every action:
// - the summary shows what the windows confirmed: each block as the
//   engine words the confirmed record, the result only with its inputs;
// - a result on the summary, in the report or in a save belongs to the
//   inputs it stands beside: computed afresh from them, it reads the same;
// - a confirmed result saves, reopens accepted and saves again byte for
//   byte.
#include "Macaco.h"

#include "ArquivoKolvan.h"
#include "ArquivosMacaco.h"
#include "PainelResumo.h"
#include "TFormPrincipal.h"
#include "TextoQt.h"
#include "calculoClasse.h"
#include "inicioKolvan.h"
#include "resumoKolvan.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
// The summary the confirmed record gives; `mostrado` lends the lines whose
// wording depends on what came before (a rail or air surcharge keeps the
// previous lines 7 to 9) and says whether a result is on show.
ResumoKolvan resumoEsperado(const ProjetoTubo& p, const ResumoKolvan& mostrado)
{
    ResumoKolvan r = resumoInicial();
    if (p.etapas.geometria)
        atualizarGeometriaResumo(r, p);
    if (p.etapas.instalacao)
        atualizarInstalacaoResumo(r, p);
    if (p.etapas.sobrecarga) {
        for (int k : {7, 8, 9})
            r.linha(Esquerda, k) = mostrado.linha(Esquerda, k);
        atualizarSobrecargaResumo(r, p);
    }
    if (p.etapas.base)
        atualizarBaseResumoTextos(r, p);
    if (mostrado.linha(Direita, 10) != resumoInicial().linha(Direita, 10))
        atualizarResultadoResumo(r, p);
    return r;
}

QString diferencaResumo(const ResumoKolvan& esperado, const ResumoKolvan& mostrado)
{
    for (int c = 0; c < 3; ++c)
        for (int k = 1; k <= 10; ++k)
            if (esperado.linhas[c][k - 1] != mostrado.linhas[c][k - 1])
                return QStringLiteral("o resumo (coluna %1, linha %2) mostra \"%3\" e o projeto confirmado dá \"%4\"")
                    .arg(c).arg(k).arg(qt(mostrado.linhas[c][k - 1]), qt(esperado.linhas[c][k - 1]));
    return {};
}

class MacacoKolvan : public ProgramaMacaco {
public:
    MacacoKolvan() : app_(iniciarKolvan()) {}

    QMainWindow& principal() override { return *app_->principal; }

    QString verificar() override
    {
        TFormPrincipal& janela = *app_->principal;
        const ProjetoTubo& p = app_->projeto;
        ResumoKolvan mostrado;
        for (int c = 0; c < 3; ++c)
            for (int k = 1; k <= 10; ++k)
                mostrado.linhas[c][k - 1] = std8(janela.resumo()->linha(c, k));
        if (QString d = diferencaResumo(resumoEsperado(p, mostrado), mostrado); !d.isEmpty())
            return d;
        // A step is offered only once the step before it was confirmed.
        const std::pair<const char*, bool> etapas[] = {{"Bins", p.etapas.geometria},
                                                       {"Bsob", p.etapas.instalacao},
                                                       {"Bfat", p.etapas.sobrecarga},
                                                       {"Bcla", p.etapas.base}};
        for (const auto& [comando, anterior] : etapas)
            if (janela.comando(QLatin1String(comando))->isEnabled() && !anterior)
                return QStringLiteral("\"%1\" habilitado antes da etapa anterior confirmada").arg(QLatin1String(comando));
        const bool salvar = janela.comando(QStringLiteral("Bsal"))->isEnabled();
        if (salvar && !p.etapas.base)
            return QStringLiteral("\"Salvar\" habilitado com etapas por confirmar");
        // After "Abrir" the file's own result is on show; from the first
        // change on, only a result computed here.
        if (salvar) {
            if (QString d = resultadoPertenceAsEntradas(p); !d.isEmpty())
                return d;
            return salvaEReabre(
                pasta_.path(), QStringLiteral("kvn"),
                [&](const QString& caminho, QString& erro) { return salvarProjeto(p, caminho, erro); },
                [&](const QString& caminho) { return abrirProjeto(caminho, p); },
                [](const LeituraProjeto& lido, const QString& caminho, QString& erro) {
                    return salvarProjeto(lido.projeto, caminho, erro);
                });
        }
        return {};
    }

private:
    QString resultadoPertenceAsEntradas(const ProjetoTubo& p)
    {
        ProjetoTubo copia = p;
        EstadoSobrecarga estado;
        const CalculoClasse calculo = calcularClasse(copia, estado);
        if (!calculo.calculada())
            return QStringLiteral("há um resultado para entradas que não se calculam: ") + qt(calculo.mensagem);
        const Resultado& a = p.resultado;
        const Resultado& b = copia.resultado;
        if (a.textoValor != b.textoValor || a.textoArmado != b.textoArmado || a.textoSimples != b.textoSimples ||
            a.textoClasse != b.textoClasse)
            return QStringLiteral("o resultado guardado (%1, %2, %3, %4) não é o das entradas (%5, %6, %7, %8)")
                .arg(qt(a.textoValor), qt(a.textoArmado), qt(a.textoSimples), qt(a.textoClasse), qt(b.textoValor),
                     qt(b.textoArmado), qt(b.textoSimples), qt(b.textoClasse));
        return {};
    }

    std::unique_ptr<AplicacaoKolvan> app_;
    QTemporaryDir pasta_;
};
} // namespace

int main(int argc, char** argv)
{
    return rodarMacaco("kolvan", QStringLiteral("kvn"), argc, argv, [] { return std::make_unique<MacacoKolvan>(); });
}
