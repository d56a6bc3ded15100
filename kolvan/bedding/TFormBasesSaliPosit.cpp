#include "TFormBasesSaliPosit.h"

#include "Mensagens.h"
#include "TextoQt.h"
#include "basesAssentamento.h"
#include "fatorAterro.h"
#include "numeros.h"

#include <QLabel>

TFormBasesSaliPosit::TFormBasesSaliPosit(ProjetoTubo& projeto, QWidget* parent)
    : JanelaBaseAssentamento(projeto, true, QStringLiteral("TFormBasesSaliPosit"), parent)
{
    carregar(grupo());
}

std::string TFormBasesSaliPosit::figura(int classe) const { return figuraBaseAterro(classe); }

std::string TFormBasesSaliPosit::descricao(int classe) const { return descricaoBaseAterro(classe); }

std::string TFormBasesSaliPosit::calcularFator(int classe)
{
    motivo_.clear();
    try {
        const FatorAterro f = fatorAterro(valoresTrabalho(projeto_), projeto_.instalacao.tipo, classe);
        if (f.semSolucao)
            mensagens().mensagem(QStringLiteral("Solução não encontrada"));
        if (!f.existe)
            motivo_ = mensagemSemFatorEquivalencia;
        return f.texto;
    } catch (const ErroConversao& erro) {
        motivo_ = erro.what();
        return {};
    }
}

void TFormBasesSaliPosit::FormShow()
{
    // The snapshot keeps the factor last confirmed, so a factor that the
    // installation has since changed counts as a change.
    JanelaBaseAssentamento::FormShow();
    BaseAssentamento b = lerControles();
    b.fator = calcularFator(b.classe);
    carregar(b);
}

void TFormBasesSaliPosit::aplicarClasse(BaseAssentamento& base, int classe)
{
    base.classe = classe;
    base.fator = calcularFator(classe);
}

bool TFormBasesSaliPosit::recusarConfirmacao()
{
    if (motivo_.empty())
        return false;
    mensagens().mensagem(qt(motivo_));
    return true;
}
