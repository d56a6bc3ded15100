#include "arquivoProjeto.h"

#include "leituraSecoes.h"
#include "basesAssentamento.h"
#include "dadosInstalacao.h"
#include "limitesInstalacao.h"
#include "numeros.h"
#include "sobrecargaEntrada.h"

#include <cmath>


std::vector<std::string> linhasProjetista(const DadosProjetista& d)
{
    std::vector<std::string> linhas{"PROJETISTA"};
    for (const std::string* campo : camposProjetista(d))
        linhas.push_back(*campo);
    linhas.push_back(separadorSecao);
    return linhas;
}

DadosProjetista projetistaDasLinhas(const std::vector<std::string>& linhas)
{
    DadosProjetista d;
    const auto destino = camposProjetista(d);
    for (std::size_t i = 0; i < destino.size(); ++i)
        if (i + 1 < linhas.size())
            *destino[i] = linhas[i + 1];
    return d;
}

std::vector<std::string> linhasProjeto(const ProjetoTubo& p)
{
    EscritorSecoes e;
    e.linhas = linhasProjetista(p.projetista);
    e.valor("");
    e.secaoTextos("OBRA", camposObra(p.obra));
    e.secaoTextos("CLIENTE", camposCliente(p.cliente));

    const Geometria& g = p.geometria;
    e.secao("GEOMETRIA");
    e.valor(g.finalidade);
    e.valor(g.tipoTubo);
    e.valor(g.indiceDi);
    e.valor(g.indiceComprimento);
    e.fim();

    const Instalacao& i = p.instalacao;
    e.secao("INSTALAÇÃO");
    e.valor(i.tipo);
    e.valor(i.terreno);
    if (i.terreno == terrenoDefinidoPeloUsuario) {
        e.valor(i.gama);
        e.valor(i.kMi);
    }
    e.valor(i.alturaTerra);
    if (i.tipo == Vala) {
        e.valor(i.larguraVala);
    } else if (i.tipo == ProjecaoPositiva) {
        e.valor(i.razaoRecalque);
        e.valor(i.alturaHa);
    } else {
        e.valor(i.larguraVala);
        e.valor(i.alturaHa);
        e.valor(i.aterroCompactado ? "1" : "0");
        e.valor(i.razaoRecalque);
    }
    e.fim();

    const Sobrecarga& s = p.sobrecarga;
    e.secao("SOBRECARGA");
    e.valor(s.natureza);
    if (s.natureza == 0) {
        e.valor(s.trafego);
    } else if (s.natureza == 3) {
        e.valor(s.distribuicao);
        e.valor(s.carga);
        e.valor(s.compA);
        e.valor(s.compB);
        if (s.distribuicao == 1)
            e.valor(s.distC);
    } else if (s.natureza == 4) {
        e.valor(s.carga);
    }
    e.fim();

    const BaseAssentamento& b = baseEmUso(p);
    e.secao("FATOR DE EQUIVALENCIA");
    e.valor(b.classe);
    e.valor(b.fator);
    e.valor(b.coefSeguranca);
    e.fim();

    const Resultado& r = p.resultado;
    e.secao("CLASSE DO TUBO");
    e.valor(r.textoValor);
    e.valor(r.textoArmado);
    e.valor(r.textoSimples);
    e.valor(r.textoClasse);
    e.fim();
    return e.linhas;
}

namespace {

// A number text of at least `minimo`, kept as written.
std::string numeroAoMenos(LeitorSecoes& l, double minimo, const std::string& descricaoMinimo, double* valor = nullptr)
{
    double v = 0.0;
    const std::string t = l.numero(v);
    l.exigir(v >= minimo, l.linhaAtual(), "o valor " + t + " deve ser " + descricaoMinimo);
    if (valor)
        *valor = v;
    return t;
}

constexpr double folga = 1e-9;
const std::string naoNegativo = "maior ou igual a zero";

void lerInstalacao(LeitorSecoes& l, ProjetoTubo& p, int& linhaHa, int& linhaBv, int& linhaRsd)
{
    Instalacao& i = p.instalacao;
    aplicarTipoInstalacao(i, l.indice(3));
    const int terreno = l.indice(6);
    aplicarTerreno(i, terreno);
    if (terreno == terrenoDefinidoPeloUsuario) {
        i.gama = numeroAoMenos(l, 0.0, naoNegativo);
        double kMi = 0.0;
        i.kMi = numeroAoMenos(l, 0.0, naoNegativo, &kMi);
        l.exigir(kMi > 0.0, l.linhaAtual(), "o valor de K.u deve ser maior que zero");
    }
    i.alturaTerra = numeroAoMenos(l, 0.59999, "de pelo menos 0,60 m");
    if (i.tipo == Vala) {
        linhaBv = l.linhaAtual() + 1;
        i.larguraVala = numeroAoMenos(l, 0.0, naoNegativo);
    } else if (i.tipo == ProjecaoPositiva) {
        linhaRsd = l.linhaAtual() + 1;
        i.razaoRecalque = numeroAoMenos(l, -1e9, "");
        linhaHa = l.linhaAtual() + 1;
        i.alturaHa = numeroAoMenos(l, 0.0, naoNegativo);
    } else {
        linhaBv = l.linhaAtual() + 1;
        i.larguraVala = numeroAoMenos(l, 0.0, naoNegativo);
        linhaHa = l.linhaAtual() + 1;
        i.alturaHa = numeroAoMenos(l, 0.0, naoNegativo);
        aplicarAterroCompactado(i, l.texto() != "0");
        linhaRsd = l.linhaAtual() + 1;
        i.razaoRecalque = numeroAoMenos(l, -1e9, "");
    }
}

void lerSobrecarga(LeitorSecoes& l, Sobrecarga& s)
{
    aplicarNatureza(s, l.indice(6));
    if (s.natureza == 0) {
        s.trafego = l.indice(3);
    } else if (s.natureza == 3) {
        aplicarDistribuicao(s, l.indice(2));
        s.carga = numeroAoMenos(l, 0.0, naoNegativo);
        s.compA = numeroAoMenos(l, 0.0, naoNegativo);
        s.compB = numeroAoMenos(l, 0.0, naoNegativo);
        if (s.distribuicao == 1)
            s.distC = numeroAoMenos(l, 0.0, naoNegativo);
    } else if (s.natureza == 4) {
        s.carga = numeroAoMenos(l, 0.0, naoNegativo);
    }
}

// The limits the installation window keeps and no later window undoes. The
// installation window bounds ha by the embankment class of the moment, but
// the bedding window may change that class afterwards, so only the loosest
// class's bound holds for every project the windows save. A geometry change
// brings ha, hs and bv back within their limits (corrigirLimitesInstalacao).
// The settlement ratio is never typed: the type, the check box and "P" set it.
void conferirLimites(LeitorSecoes& l, const ProjetoTubo& p, int linhaHa, int linhaBv, int linhaRsd)
{
    const Instalacao& i = p.instalacao;
    const ValoresTrabalho v = valoresTrabalho(p);
    if (usaBaseAterro(i)) {
        const double haMax = alturaMaximaProjecaoQualquerBase(v.D);
        l.exigir(v.ha <= haMax + folga, linhaHa, "a altura (ha) passa da máxima para a projeção, " + formatar2(haMax) + " m");
        l.exigir(v.rsd >= 0.0, linhaRsd, "a razão de recalque deste aterro não pode ser negativa");
    }
    if (i.tipo == ProjecaoNegativa && !i.aterroCompactado) {
        l.exigir(0.95 * v.hs > v.ha, linhaHa, "a altura (ha) deve ser pelo menos 5% menor do que a altura de terra (hs)");
        l.exigir(v.rsd <= 0.0, linhaRsd, "a razão de recalque deste aterro não pode ser positiva");
    }
    if (i.tipo == Vala || i.tipo == ProjecaoNegativa) {
        const double bvMin = larguraMinimaVala(v.D);
        l.exigir(v.bv >= bvMin - folga, linhaBv, "a largura mínima da vala é " + formatar2(bvMin) + " m");
    }
}

} // namespace

LeituraProjeto lerLinhasProjeto(const std::vector<std::string>& linhas, const ProjetoTubo& atual)
{
    LeituraProjeto r;
    r.projeto = atual;
    ProjetoTubo p = atual;
    LeitorSecoes l(linhas);
    try {
        l.cabecalho("PROJETISTA");
        for (std::string* t : camposProjetista(p.projetista))
            *t = l.texto();
        l.fimSecao();
        l.secaoTextos("OBRA", camposObra(p.obra));
        l.secaoTextos("CLIENTE", camposCliente(p.cliente));

        l.cabecalho("GEOMETRIA");
        Geometria& g = p.geometria;
        g.finalidade = l.indice(listaFinalidades().size());
        g.tipoTubo = l.indice(listaTiposTubo().size());
        g.indiceDi = l.indice(listaDiametros().size());
        g.indiceComprimento = l.indice(listaComprimentos(g.finalidade).size());

        l.proximaSecao("INSTALAÇÃO");
        int linhaHa = 0, linhaBv = 0, linhaRsd = 0;
        lerInstalacao(l, p, linhaHa, linhaBv, linhaRsd);

        l.proximaSecao("SOBRECARGA");
        lerSobrecarga(l, p.sobrecarga);

        l.proximaSecao("FATOR DE EQUIVALENCIA");
        BaseAssentamento& base = usaBaseAterro(p.instalacao) ? p.baseAterro : p.baseVala;
        const int classe = l.indice(numeroClassesBase);
        if (&base == &p.baseVala)
            aplicarClasseVala(base, classe);
        else
            base.classe = classe;
        double fator = 0.0;
        base.fator = numeroAoMenos(l, 0.0, naoNegativo, &fator);
        l.exigir(fator > 0.0, l.linhaAtual(), "o fator de equivalência deve ser maior que zero");
        double cs = 0.0;
        base.coefSeguranca = numeroAoMenos(l, 0.0, naoNegativo, &cs);
        l.exigir(converterNumero(formatar2(cs)) >= 1.5, l.linhaAtual(),
                 "o coeficiente de segurança deve ser de pelo menos 1,5");
        // The two groups keep one safety coefficient.
        p.baseVala.coefSeguranca = p.baseAterro.coefSeguranca = base.coefSeguranca;

        l.proximaSecao("CLASSE DO TUBO");
        p.resultado.textoValor = l.texto();
        p.resultado.textoArmado = l.texto();
        p.resultado.textoSimples = l.texto();
        p.resultado.textoClasse = l.texto();
        // The result window shows the stored texts after its captions.
        p.resultado.linhaArmado = "Tubos Armados = " + p.resultado.textoArmado;
        p.resultado.linhaSimples = "Tubos Simples = " + p.resultado.textoSimples;
        if (l.texto() != separadorSecao)
            throw RecusaArquivo(l.linhaAtual(), "esperava-se a linha separadora");

        conferirLimites(l, p, linhaHa, linhaBv, linhaRsd);
    } catch (const RecusaArquivo& recusa) {
        r.linha = recusa.linha;
        r.erro = recusa.what();
        return r;
    }
    p.etapas = Etapas{true, true, true, true};
    r.projeto = p;
    r.ok = true;
    return r;
}

std::string mensagemArquivoRecusado(const std::string& nomeArquivo, const LeituraProjeto& leitura,
                                    LeitorProjeto leitor)
{
    return mensagemArquivoRecusado(nomeArquivo, leitura.linha, leitura.erro, leitor);
}
