// Every state a user can reach in Redwan survives the project file. A
// session plays the windows' close checks and input rules in random orders,
// with random typed values and answers to the questions, going back to
// earlier windows after later ones, and reacts as the main window does
// (summary, steps, "Salvar"). Whenever "Salvar" is enabled the project is
// saved and opened again: the file must open, hold every field and result
// text as it was, and show the same summary.
#include "ProjetoRedwan.h"
#include "arquivoProjetoRedwan.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "resultadosRedwan.h"
#include "resumoRedwan.h"
#include "digitacaoAleatoria.h"
#include "windows1252.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

namespace {

// The user answers each recommendation as it comes.
class RespostasAoAcaso : public DialogoArmadura {
public:
    bool perguntar(const std::string&) override { return *rc::gen::arbitrary<bool>(); }
    void informar(const std::string&) override {}
};

std::vector<std::string> textos(const ResumoRedwan& r)
{
    return {r.finalidade,        r.tipoTubo,     r.diametro,      r.comprimento, r.classe,      r.carga,
            r.fck,               r.tipoArmadura, r.dInt,          r.dExt,        r.espessura,   r.gamaS,
            r.gamaC,             r.momentoCoroamento, r.asCoroamento, r.momentoFlanco, r.asFlanco, r.telaInterna,
            r.telaExterna,       r.aco,          r.concreto,      r.custo,       r.precoConcreto, r.precoAco};
}

struct Sessao {
    ProjetoRedwan p;
    ResultadosRedwan resultados;
    ResumoRedwan resumo = resumoInicialRedwan();
    bool classeHabilitada = false, armaduraHabilitada = false, dimensionarHabilitado = false,
         salvarHabilitado = false;

    Sessao() { novo(); }

    void novo()
    {
        novoProjeto(p);
        resumo = resumoInicialRedwan();
        classeHabilitada = armaduraHabilitada = dimensionarHabilitado = salvarHabilitado = false;
    }

    void invalidarResultados()
    {
        salvarHabilitado = false;
        limparResultadosResumo(resumo);
    }

    void geometria()
    {
        GeometriaRedwan g;
        g.finalidade = *rc::gen::inRange(0, 2);
        g.tipoTubo = *rc::gen::inRange(0, 2);
        g.indiceDi = *rc::gen::inRange(0, static_cast<int>(diametrosRedwan().size()));
        g.indiceComprimento = *rc::gen::inRange(0, static_cast<int>(comprimentosRedwan(g.finalidade).size()));
        if (umaVezEm(6) || (p.etapas.geometria && g == p.geometria))
            return;
        p.geometria = g;
        p.etapas.geometria = true;
        aplicarEspessuraMinima(p);
        atualizarGeometriaResumo(resumo, p);
        if (p.etapas.classe)
            atualizarClasseResumo(resumo, p);
        if (p.etapas.parametros)
            atualizarParametrosResumo(resumo, p);
        invalidarResultados();
        classeHabilitada = true;
    }

    void classe()
    {
        const int finalidade = p.geometria.finalidade;
        ClasseRedwan c = p.classe;
        const ClasseRedwan instantaneo = c;
        const int escolha = *rc::gen::inRange(0, static_cast<int>(classesDoGrupo(finalidade).size()));
        (finalidade == finalidadeEsgoto ? c.classeEsgoto : c.classePluvial) = escolha;
        if (especialEscolhida(c, finalidade)) {
            std::string& texto = textoEspecial(c, finalidade);
            for (int tentativa = 0;; ++tentativa) {
                if (texto.empty() || umaVezEm(2))
                    texto = digitadoAoAcaso();
                const ConferenciaEspecial r = conferirEspecial(texto, finalidade, diametroInterno(p.geometria));
                if (r.problema == ConferenciaEspecial::Nenhum) {
                    texto = r.texto;
                    break;
                }
                if (r.problema == ConferenciaEspecial::NaoMaior)
                    texto.clear();
                if (tentativa == 3 || umaVezEm(3))
                    return; // "Cancela"
            }
        }
        if (umaVezEm(6))
            return;
        seguirGrupoVisivel(c, finalidade);
        const bool mudou = !p.etapas.classe || classeMudou(instantaneo, c, finalidade);
        p.classe = c;
        if (!mudou)
            return;
        p.etapas.classe = true;
        atualizarClasseResumo(resumo, p);
        invalidarResultados();
        armaduraHabilitada = true;
    }

    void parametros()
    {
        const double di = diametroInterno(p.geometria);
        ParametrosArmadura a = p.parametros;
        const ParametrosArmadura instantaneo = a;
        const int tipo = *rc::gen::inRange(0, 2);
        if (tipo != a.tipo)
            escolherTipo(a, tipo, di);
        for (std::string* campo : {&a.fck, &a.h, &a.gamaS, &a.gamaC, &a.dInt, &a.dExt})
            if (umaVezEm(3))
                *campo = digitadoAoAcaso();
        if (a.h.size() > 5) // the wall field holds five characters
            a.h.resize(5);
        if (umaVezEm(6))
            return;
        RespostasAoAcaso respostas;
        if (!conferirParametros(a, di, p.geometria.finalidade, respostas).aceita)
            return; // refused: the user gives up
        const bool alterados = !p.etapas.parametros || parametrosMudaram(instantaneo, a);
        p.parametros = a;
        p.etapas.parametros = true;
        if (alterados) {
            atualizarParametrosResumo(resumo, p);
            invalidarResultados();
        }
        dimensionarHabilitado = true;
    }

    void dimensionar()
    {
        const int finalidade = p.geometria.finalidade;
        if (especialEscolhida(p.classe, finalidade)
            && conferirEspecial(textoEspecial(p.classe, finalidade), finalidade, diametroInterno(p.geometria)).problema
                   == ConferenciaEspecial::NaoMaior)
            return;
        EstadoDimensionamento estado;
        const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(p), estado);
        if (x.desfecho != Desfecho::Resultados)
            return;
        guardarResultados(resultados, x.resultado);
        if (umaVezEm(4)) { // the results window cancelled
            invalidarResultados();
            return;
        }
        atualizarResultadosResumo(resumo, resumoResultados(resultados.textos));
        salvarHabilitado = true;
    }

    // "Salvar", then "Abrir" of the same file.
    void salvarEAbrir()
    {
        const std::vector<std::string> linhas = linhasProjetoRedwan(p, resultados.textos);
        const std::optional<std::string> bytes = montarArquivoLinhas(linhas);
        RC_ASSERT(bytes.has_value());
        const LeituraRedwan lido = lerLinhasProjetoRedwan(separarArquivoLinhas(*bytes), ProjetoRedwan{}, TextosResultados{});
        if (!lido.ok)
            RC_FAIL("recusado na linha " + std::to_string(lido.linha) + ": " + lido.erro);
        RC_ASSERT(linhasProjetoRedwan(lido.projeto, lido.resultados) == linhas);
        RC_ASSERT(lido.projeto.geometria == p.geometria);
        RC_ASSERT(lido.projeto.parametros.fck == p.parametros.fck);
        RC_ASSERT(lido.projeto.parametros.h == p.parametros.h);
        RC_ASSERT(cargaDeProjeto(lido.projeto) == cargaDeProjeto(p));

        ResultadosRedwan abertos = resultados;
        restaurarResultados(abertos, lido.resultados);
        ResumoRedwan mostrado = resumo;
        atualizarGeometriaResumo(mostrado, lido.projeto);
        atualizarClasseResumo(mostrado, lido.projeto);
        atualizarParametrosResumo(mostrado, lido.projeto);
        atualizarResultadosResumo(mostrado, resumoResultados(abertos.textos));
        RC_ASSERT(textos(mostrado) == textos(resumo));

        if (umaVezEm(3)) { // the session goes on with the opened project
            p = lido.projeto;
            resultados = abertos;
            resumo = mostrado;
            classeHabilitada = armaduraHabilitada = dimensionarHabilitado = true;
        }
    }
};

} // namespace

RC_GTEST_PROP(SessaoRedwan, EstadosAlcancaveisSobrevivemAoArquivo, ())
{
    Sessao s;
    jogarAoAcaso({{2, [] { return true; }, [&] { s.geometria(); }},
                  {2, [&] { return s.classeHabilitada; }, [&] { s.classe(); }},
                  {2, [&] { return s.armaduraHabilitada; }, [&] { s.parametros(); }},
                  {2, [&] { return s.dimensionarHabilitado; }, [&] { s.dimensionar(); }},
                  {1, [&] { return s.salvarHabilitado; }, [&] { s.salvarEAbrir(); }},
                  {1, [] { return umaVezEm(4); }, [&] { s.novo(); }}},
                 30);
    if (s.salvarHabilitado)
        s.salvarEAbrir();
}
