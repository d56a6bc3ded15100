#include "arquivoProjetoRedwan.h"

#include "leituraSecoes.h"
#include "numeros.h"

#include <array>
#include <stdexcept>

const char* const cabecalhoResultadosRedwan = "DIMENSIOMENTO DA ARMADURA";

namespace {

using Texto = std::string TextosResultados::*;

// The result lines around the three colours, in file order. The crown's
// normal force and the springline's shear force are always "0,00" and are
// not kept.
constexpr std::array<Texto, 19> textosAntesDasCores{
    &TextosResultados::Label3,  &TextosResultados::Label10, &TextosResultados::Label4,  &TextosResultados::Label6,
    &TextosResultados::Label12, &TextosResultados::Label5,  &TextosResultados::Label23, &TextosResultados::Label11,
    &TextosResultados::Label22, &TextosResultados::Label8,  &TextosResultados::Label13, &TextosResultados::Label9,
    &TextosResultados::Panel16, &TextosResultados::Panel15, &TextosResultados::Pint,    &TextosResultados::Pext,
    &TextosResultados::Label20, &TextosResultados::Label21, &TextosResultados::Label26};
constexpr std::array<CorRgb TextosResultados::*, 3> coresVerificacoes{
    &TextosResultados::corLabel27, &TextosResultados::corLabel28, &TextosResultados::corLabel29};
constexpr std::array<Texto, 6> textosAposAsCores{&TextosResultados::Label27, &TextosResultados::Label28,
                                                 &TextosResultados::Label29, &TextosResultados::Label17,
                                                 &TextosResultados::Label18, &TextosResultados::Label19};

constexpr long maiorCor = 0xFFFFFF;
constexpr double espessuraMaxima = 1000.0; // mm, as the parameters window keeps it


} // namespace

long inteiroDaCor(const CorRgb& cor)
{
    return static_cast<long>(cor.r) + 256L * cor.g + 65536L * cor.b;
}

CorRgb corDoInteiro(long valor)
{
    return CorRgb{static_cast<unsigned char>(valor & 0xFF), static_cast<unsigned char>((valor >> 8) & 0xFF),
                  static_cast<unsigned char>((valor >> 16) & 0xFF)};
}

std::vector<std::string> linhasProjetoRedwan(const ProjetoRedwan& p, const TextosResultados& r)
{
    EscritorSecoes e;
    e.secaoTextos("OBRA", camposObra(p.obra));
    e.secaoTextos("CLIENTE", camposCliente(p.cliente));

    const GeometriaRedwan& g = p.geometria;
    e.secao("GEOMETRIA");
    e.valor(g.finalidade);
    e.valor(g.tipoTubo);
    e.valor(g.indiceDi);
    e.valor(g.indiceComprimento);
    e.fim();

    e.secao("TUBO");
    e.valor(classeEscolhida(p.classe, g.finalidade));
    if (especialEscolhida(p.classe, g.finalidade))
        e.valor(textoEspecial(p.classe, g.finalidade));
    e.fim();

    const ParametrosArmadura& a = p.parametros;
    e.secao("ARMADURA");
    e.valor(a.fck);
    e.valor(a.tipo);
    if (a.tipo == armaduraDupla) {
        e.valor(a.dInt);
        e.valor(a.dExt);
    }
    e.valor(a.h);
    e.valor(a.gamaS);
    e.valor(a.gamaC);
    e.fim();

    e.secao(cabecalhoResultadosRedwan);
    for (Texto t : textosAntesDasCores)
        e.valor(r.*t);
    for (auto c : coresVerificacoes)
        e.valor(inteiroDaCor(r.*c));
    for (Texto t : textosAposAsCores)
        e.valor(r.*t);
    e.fim();
    return e.linhas;
}

namespace {

void lerClasse(LeitorSecoes& l, ProjetoRedwan& p)
{
    const int finalidade = p.geometria.finalidade;
    const int classe = l.indice(classesDoGrupo(finalidade).size());
    (finalidade == finalidadeEsgoto ? p.classe.classeEsgoto : p.classe.classePluvial) = classe;
    if (classe == indiceEspecial(finalidade)) {
        const std::string& texto = l.texto();
        // The class window holds the special load above the largest class of
        // its diameter; a later geometry change may leave it below, but then
        // no design runs, so no results are saved, until the class is fixed.
        const ConferenciaEspecial c = conferirEspecial(texto, finalidade, diametroInterno(p.geometria));
        if (c.problema == ConferenciaEspecial::Vazio)
            throw RecusaArquivo(l.linhaAtual(), "falta a carga mínima de ruptura da classe \"Especial\"");
        if (c.problema == ConferenciaEspecial::NaoNumero)
            throw RecusaArquivo(l.linhaAtual(), "\"" + texto + "\" não é um número válido");
        if (c.problema == ConferenciaEspecial::NaoMaior)
            throw RecusaArquivo(l.linhaAtual(), "a carga de ruptura da classe \"Especial\" " + c.avisoInferior);
        textoEspecial(p.classe, finalidade) = texto;
    }
    seguirGrupoVisivel(p.classe, finalidade);
}

void lerParametros(LeitorSecoes& l, ProjetoRedwan& p)
{
    ParametrosArmadura& a = p.parametros;
    double fck = 0.0;
    a.fck = l.numero(fck);
    l.exigir(fck > 0.0, l.linhaAtual(), "a resistência característica do concreto deve ser maior que zero");
    escolherTipo(a, l.indice(tiposArmadura().size()), diametroInterno(p.geometria));

    double dInt = 0.0, dExt = 0.0;
    int linhaInt = 0, linhaExt = 0;
    if (a.tipo == armaduraDupla) {
        a.dInt = l.numero(dInt);
        linhaInt = l.linhaAtual();
        l.exigir(dInt >= 0.0, linhaInt, "a posição da armadura interna não pode ser negativa");
        a.dExt = l.numero(dExt);
        linhaExt = l.linhaAtual();
        l.exigir(dExt >= 0.0, linhaExt, "a posição da armadura externa não pode ser negativa");
    }
    double h = 0.0;
    a.h = l.numero(h);
    const int linhaH = l.linhaAtual();
    l.exigir(h > 0.0 && h <= espessuraMaxima, linhaH, "a espessura da parede deve ser maior que zero e de no máximo 1000 mm");
    // The parameters window keeps the two cages inside the wall (cm against
    // mm); a later geometry change resets the wall to the least one of the
    // new pipe and leaves the cages where they were, inside the wall of the
    // confirmation, at most 1000 mm.
    if (a.tipo == armaduraDupla) {
        const double cages = (dInt + dExt) * 10.0;
        const bool paredeMinima = h == espessuraMinima(p.geometria.finalidade, diametroInterno(p.geometria));
        l.exigir(cages < h || (paredeMinima && cages < espessuraMaxima), linhaExt,
                 "as posições das armaduras interna e externa não cabem numa parede de " + a.h + " mm");
    }

    double gama = 0.0;
    a.gamaS = l.numero(gama);
    l.exigir(gama >= 1.0, l.linhaAtual(), "o coeficiente de segurança do aço deve ser de pelo menos 1");
    a.gamaC = l.numero(gama);
    l.exigir(gama >= 1.0, l.linhaAtual(), "o coeficiente de segurança do concreto deve ser de pelo menos 1");
}

void lerResultados(LeitorSecoes& l, TextosResultados& r)
{
    for (Texto t : textosAntesDasCores)
        r.*t = l.texto();
    for (auto c : coresVerificacoes) {
        const long valor = l.inteiro(8);
        l.exigir(valor <= maiorCor, l.linhaAtual(), "\"" + std::to_string(valor) + "\" não é uma cor");
        r.*c = corDoInteiro(valor);
    }
    for (Texto t : textosAposAsCores)
        r.*t = l.texto();
    r.Label2 = "0,00";
    r.Label24 = "0,00";
}

} // namespace

LeituraRedwan lerLinhasProjetoRedwan(const std::vector<std::string>& linhas, const ProjetoRedwan& atual,
                                     const TextosResultados& resultadosAtuais)
{
    LeituraRedwan r;
    r.projeto = atual;
    r.resultados = resultadosAtuais;
    ProjetoRedwan p = atual;
    TextosResultados resultados = resultadosAtuais;
    LeitorSecoes l(linhas);
    try {
        l.secaoTextos("OBRA", camposObra(p.obra));
        l.secaoTextos("CLIENTE", camposCliente(p.cliente));

        l.cabecalho("GEOMETRIA");
        GeometriaRedwan& g = p.geometria;
        g.finalidade = l.indice(finalidadesRedwan().size());
        g.tipoTubo = l.indice(tiposTuboRedwan().size());
        g.indiceDi = l.indice(diametrosRedwan().size());
        g.indiceComprimento = l.indice(comprimentosRedwan(g.finalidade).size());
        l.fimSecao();

        l.cabecalho("TUBO");
        lerClasse(l, p);
        l.fimSecao();

        l.cabecalho("ARMADURA");
        lerParametros(l, p);
        l.fimSecao();

        l.cabecalho(cabecalhoResultadosRedwan);
        lerResultados(l, resultados);
        // The last empty line, and whatever may follow it, is not needed.
        if (l.texto() != separadorSecao)
            throw RecusaArquivo(l.linhaAtual(), "esperava-se a linha separadora");
    } catch (const RecusaArquivo& recusa) {
        r.linha = recusa.linha;
        r.erro = recusa.what();
        return r;
    }
    p.etapas = EtapasRedwan{true, true, true};
    r.projeto = p;
    r.resultados = resultados;
    r.ok = true;
    return r;
}

std::string mensagemArquivoRedwanRecusado(const std::string& nomeArquivo, const LeituraRedwan& leitura,
                                          LeitorProjeto leitor)
{
    return mensagemArquivoRecusado(nomeArquivo, leitura.linha, leitura.erro, leitor);
}

std::string legendaAposAbrir(const std::string& legenda, const std::string& nomeArquivo)
{
    return legenda + " - " + nomeArquivo;
}
