// Every state a user can reach in Kolvan survives the project file. A
// session plays the windows' close checks and input rules in random orders,
// with random typed values, going back to earlier windows after later ones,
// and reacts as the main window does (summary, steps, "Salvar"). Whenever
// "Salvar" is enabled the project is saved and opened again: the file must
// open, hold every field as it was, and show the same summary and result.
#include "ProjetoTubo.h"
#include "arquivoProjeto.h"
#include "baseResumo.h"
#include "basesAssentamento.h"
#include "basesConcreto.h"
#include "calculoClasse.h"
#include "dadosInstalacao.h"
#include "fatorAterro.h"
#include "fechamentoBase.h"
#include "limitesInstalacao.h"
#include "resumoKolvan.h"
#include "sobrecargaEntrada.h"
#include "verificacaoInstalacao.h"
#include "digitacaoAleatoria.h"
#include "windows1252.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

namespace {

// A refused close: the user confirms again (the check may have corrected
// the field) a few times, or gives up with "Cancela".
constexpr int novasTentativas = 2;

struct Sessao {
    ProjetoTubo p;
    ResumoKolvan resumo = resumoInicial();
    EstadoSobrecarga estado;
    bool instalacaoHabilitada = false, sobrecargaHabilitada = false, baseHabilitada = false,
         classeHabilitada = false, salvarHabilitado = false;
    // A cancelled result window clears the result lines but keeps "Salvar":
    // the file then holds the result computed for these same inputs.
    bool resultadoMostrado = false;

    Sessao() { novo(); }

    void novo()
    {
        novoProjeto(p, DadosProjetista{"Eng. Ana", "123", "", "", "", "", "", "", "", "", ""});
        p.etapas = Etapas{};
        resumo = resumoInicial();
        resultadoMostrado = false;
        instalacaoHabilitada = sobrecargaHabilitada = baseHabilitada = classeHabilitada = salvarHabilitado = false;
    }

    void limparResultado()
    {
        limparResultadoResumo(resumo);
        salvarHabilitado = false;
        resultadoMostrado = false;
    }

    void geometria()
    {
        Geometria g;
        g.finalidade = *rc::gen::inRange(0, 2);
        g.tipoTubo = *rc::gen::inRange(0, 2);
        g.indiceDi = *rc::gen::inRange(0, static_cast<int>(listaDiametros().size()));
        g.indiceComprimento = *rc::gen::inRange(0, static_cast<int>(listaComprimentos(g.finalidade).size()));
        if (umaVezEm(6))
            return; // "Cancela"
        const Geometria antes = p.geometria;
        p.geometria = g;
        if (p.etapas.geometria && g == antes)
            return;
        p.etapas.geometria = true;
        const bool corrigida = corrigirLimitesInstalacao(p);
        RC_LOG() << "geometria " << g.indiceDi << "\n";
        atualizarGeometriaResumo(resumo, p);
        limparResultado();
        instalacaoHabilitada = true;
        if (corrigida && p.etapas.instalacao)
            atualizarInstalacaoResumo(resumo, p);
        // The embankment factor follows the pipe's diameter too.
        if (p.etapas.base && (corrigida || usaBaseAterro(p.instalacao)))
            atualizarBaseResumo(resumo, p);
    }

    void instalacao()
    {
        Instalacao i = p.instalacao;
        const Instalacao instantaneo = i;
        const int tipo = *rc::gen::inRange(0, 3);
        if (tipo != i.tipo)
            aplicarTipoInstalacao(i, tipo);
        const int terreno = *rc::gen::inRange(0, 6);
        if (terreno != i.terreno)
            aplicarTerreno(i, terreno);
        const CamposAplicaveis campos = camposAplicaveis(i.tipo);
        if (campos.compactacao && umaVezEm(3))
            aplicarAterroCompactado(i, !i.aterroCompactado);
        if (campos.razaoRecalque && umaVezEm(3)) { // "P"
            if (i.tipo == ProjecaoNegativa && !i.aterroCompactado)
                i.razaoRecalque = razaoRecalqueNegativa;
            else
                i.razaoRecalque = fundacoesRecalque()[static_cast<std::size_t>(*rc::gen::inRange(0, 3))].recomendado;
        }
        if (i.terreno == terrenoDefinidoPeloUsuario) {
            if (i.gama.empty() || umaVezEm(2))
                i.gama = digitadoAoAcaso();
            if (i.kMi.empty() || umaVezEm(2))
                i.kMi = digitadoAoAcaso();
        }
        if (umaVezEm(2))
            i.alturaTerra = digitadoAoAcaso();
        if (campos.larguraVala && umaVezEm(2))
            i.larguraVala = digitadoAoAcaso();
        if (campos.alturaHa && umaVezEm(2))
            i.alturaHa = digitadoAoAcaso();

        ProjetoTubo candidato = p;
        candidato.instalacao = i;
        for (int tentativa = 0;; ++tentativa) {
            const VerificacaoInstalacao v = verificarInstalacao(candidato);
            if (v.aceita)
                break;
            if (!v.erroConversao.empty() || tentativa == novasTentativas || umaVezEm(4))
                return; // "Cancela": the snapshot comes back
        }
        const bool mudou = !p.etapas.instalacao || instalacaoMudou(instantaneo, candidato.instalacao);
        p.instalacao = candidato.instalacao;
        RC_LOG() << "instalacao " << p.instalacao.tipo << " mudou " << mudou << "\n";
        if (!mudou)
            return;
        p.etapas.instalacao = true;
        if (p.etapas.base)
            atualizarBaseResumo(resumo, p);
        atualizarInstalacaoResumo(resumo, p);
        limparResultado();
        sobrecargaHabilitada = true;
    }

    void sobrecarga()
    {
        Sobrecarga s = p.sobrecarga;
        const Sobrecarga instantaneo = s;
        const int natureza = *rc::gen::inRange(0, 6);
        if (natureza != s.natureza)
            aplicarNatureza(s, natureza);
        if (s.natureza == Rodoviaria)
            s.trafego = *rc::gen::inRange(0, 3);
        const int distribuicao = *rc::gen::inRange(0, 2);
        if (s.natureza == ForcaParcialmenteDistribuida && distribuicao != s.distribuicao)
            aplicarDistribuicao(s, distribuicao);
        const CamposSobrecarga campos = camposSobrecarga(s.natureza, s.distribuicao);
        for (auto [aplica, texto] : {std::pair{campos.carga, &s.carga}, std::pair{campos.compA, &s.compA},
                                     std::pair{campos.compB, &s.compB}, std::pair{campos.distC, &s.distC}})
            if (aplica && umaVezEm(2))
                *texto = digitadoAoAcaso();
        // Rail and air are confirmed only with Alt+F4; both confirm alike.
        if (umaVezEm(6) || !verificarSobrecarga(s).aceita)
            return;
        const bool mudou = sobrecargaMudou(instantaneo, s, !p.etapas.sobrecarga);
        RC_LOG() << "sobrecarga " << s.natureza << " " << s.carga << " " << s.compA << " mudou " << mudou << "\n";
        p.sobrecarga = s;
        if (!mudou)
            return;
        p.etapas.sobrecarga = true;
        atualizarSobrecargaResumo(resumo, p);
        limparResultado();
        baseHabilitada = true;
    }

    void base()
    {
        const bool aterro = usaBaseAterro(p.instalacao);
        BaseAssentamento& grupo = aterro ? p.baseAterro : p.baseVala;
        const BaseAssentamento instantaneo = grupo;
        BaseAssentamento b = grupo;
        std::string motivo;
        // The embankment window computes its factor for the installation as it is now.
        auto fatorDoAterro = [&](int classe) {
            const FatorAterro f = fatorAterro(valoresTrabalho(p), p.instalacao.tipo, classe);
            motivo = f.existe ? "" : mensagemSemFatorEquivalencia;
            return f.texto;
        };
        if (aterro)
            b.fator = fatorDoAterro(b.classe);
        const int classe = *rc::gen::inRange(0, numeroClassesBase);
        if (classe != b.classe) {
            if (aterro) {
                b.classe = classe;
                b.fator = fatorDoAterro(classe);
            } else {
                aplicarClasseVala(b, classe);
            }
        }
        if (!aterro && b.classe == classeBaseConcreto && umaVezEm(2))
            aplicarBaseConcreto(b, *rc::gen::inRange(0, linhasBasesConcreto), *rc::gen::inRange(0, colunasBasesConcreto));
        if (umaVezEm(2))
            b.coefSeguranca = digitadoAoAcaso();
        if (umaVezEm(6))
            return;
        for (int tentativa = 0;; ++tentativa) {
            if (verificarCoeficienteSeguranca(b.coefSeguranca).aceito)
                break;
            if (tentativa == novasTentativas || umaVezEm(3))
                return;
            b.coefSeguranca = digitadoAoAcaso();
        }
        if (!motivo.empty())
            return;
        const bool mudou = baseMudou(instantaneo, b, !p.etapas.base);
        grupo = b;
        copiarCoeficienteSeguranca(p, aterro);
        if (!mudou)
            return;
        p.etapas.base = true;
        atualizarBaseResumo(resumo, p);
        limparResultado();
        classeHabilitada = true;
    }

    void classe()
    {
        const CalculoClasse c = calcularClasse(p, estado);
        if (!c.calculada())
            return;
        if (umaVezEm(4)) { // the result window cancelled
            limparResultadoResumo(resumo);
            resultadoMostrado = false;
            return;
        }
        atualizarResultadoResumo(resumo, p);
        salvarHabilitado = resultadoMostrado = true;
    }

    // The summary the main window shows once a project is opened over this one.
    ResumoKolvan resumoAoAbrir(ProjetoTubo& aberto) const
    {
        ResumoKolvan r = resumo;
        atualizarGeometriaResumo(r, aberto);
        atualizarInstalacaoResumo(r, aberto);
        atualizarSobrecargaResumo(r, aberto);
        atualizarBaseResumo(r, aberto);
        atualizarResultadoResumo(r, aberto);
        return r;
    }

    // "Salvar", then "Abrir" of the same file.
    void salvarEAbrir()
    {
        RC_LOG() << "salvar\n";
        const std::vector<std::string> linhas = linhasProjeto(p);
        const std::optional<std::string> bytes = montarArquivoLinhas(linhas);
        RC_ASSERT(bytes.has_value());
        const LeituraProjeto lido = lerLinhasProjeto(separarArquivoLinhas(*bytes), ProjetoTubo{});
        if (!lido.ok)
            RC_FAIL("recusado na linha " + std::to_string(lido.linha) + ": " + lido.erro);
        ProjetoTubo aberto = lido.projeto;
        RC_ASSERT(linhasProjeto(aberto) == linhas);
        const ResumoKolvan mostrado = resumoAoAbrir(aberto);
        ResumoKolvan esperado = resumo;
        if (!resultadoMostrado)
            atualizarResultadoResumo(esperado, p);
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 10; ++k)
                RC_ASSERT(std::to_string(c) + "/" + std::to_string(k + 1) + ": " + mostrado.linhas[c][k] ==
                          std::to_string(c) + "/" + std::to_string(k + 1) + ": " + esperado.linhas[c][k]);
        // The same class computed again from the opened project.
        ProjetoTubo antes = p, depois = aberto;
        EstadoSobrecarga e1 = estado, e2 = estado;
        const CalculoClasse c1 = calcularClasse(antes, e1), c2 = calcularClasse(depois, e2);
        RC_ASSERT(c1.desfecho == c2.desfecho);
        RC_ASSERT(antes.resultado.textoValor == depois.resultado.textoValor);
        RC_ASSERT(antes.resultado.textoClasse == depois.resultado.textoClasse);

        if (umaVezEm(3)) { // the session goes on with the opened project
            p = aberto;
            resumo = mostrado;
            resultadoMostrado = true;
            instalacaoHabilitada = sobrecargaHabilitada = baseHabilitada = classeHabilitada = true;
        }
    }
};

} // namespace

RC_GTEST_PROP(SessaoKolvan, EstadosAlcancaveisSobrevivemAoArquivo, ())
{
    Sessao s;
    jogarAoAcaso({{2, [] { return true; }, [&] { s.geometria(); }},
                  {2, [&] { return s.instalacaoHabilitada; }, [&] { s.instalacao(); }},
                  {2, [&] { return s.sobrecargaHabilitada; }, [&] { s.sobrecarga(); }},
                  {2, [&] { return s.baseHabilitada; }, [&] { s.base(); }},
                  {2, [&] { return s.classeHabilitada; }, [&] { s.classe(); }},
                  {1, [&] { return s.salvarHabilitado; }, [&] { s.salvarEAbrir(); }},
                  {1, [] { return umaVezEm(4); }, [&] { s.novo(); }}},
                 40);
    if (s.salvarHabilitado)
        s.salvarEAbrir();
}
