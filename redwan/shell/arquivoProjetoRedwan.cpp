#include "arquivoProjetoRedwan.h"

#include "arquivoSecoes.h"
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

class Escritor {
public:
    void secao(const std::string& cabecalho) { linhas.push_back(cabecalho); }
    void valor(const std::string& v) { linhas.push_back(v); }
    void valor(long i) { linhas.push_back(std::to_string(i)); }
    void fim()
    {
        linhas.push_back(separadorSecao);
        linhas.push_back("");
    }
    std::vector<std::string> linhas;
};

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
    Escritor e;
    e.secao("OBRA");
    for (const std::string* t : camposObra(p.obra))
        e.valor(*t);
    e.fim();
    e.secao("CLIENTE");
    for (const std::string* t : camposCliente(p.cliente))
        e.valor(*t);
    e.fim();

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

// A refusal at a line of the file.
struct Recusa : std::runtime_error {
    Recusa(int l, const std::string& motivo) : std::runtime_error(motivo), linha(l) {}
    int linha;
};

class Leitor {
public:
    explicit Leitor(const std::vector<std::string>& linhas) : linhas_(linhas) {}

    // The line last read, 1-based.
    int linhaAtual() const { return proxima_; }

    const std::string& texto()
    {
        if (proxima_ >= static_cast<int>(linhas_.size()))
            throw Recusa(proxima_ + 1, "o arquivo termina antes do esperado");
        return linhas_[proxima_++];
    }

    void cabecalho(const std::string& esperado)
    {
        if (texto() != esperado)
            throw Recusa(proxima_, "esperava-se \"" + esperado + "\"");
    }

    void fimSecao()
    {
        if (texto() != separadorSecao)
            throw Recusa(proxima_, "esperava-se a linha separadora");
        if (!texto().empty())
            throw Recusa(proxima_, "esperava-se uma linha vazia");
    }

    // A whole number of at most `digitos` digits, without sign.
    long inteiro(std::size_t digitos)
    {
        const std::string& t = texto();
        if (t.empty() || t.size() > digitos || t.find_first_not_of("0123456789") != std::string::npos)
            throw Recusa(proxima_, "\"" + t + "\" não é um número inteiro");
        return std::stol(t);
    }

    int indice(std::size_t quantidade)
    {
        const long valor = inteiro(5);
        if (valor >= static_cast<long>(quantidade))
            throw Recusa(proxima_, "\"" + linhas_[proxima_ - 1] + "\" está fora da lista de opções");
        return static_cast<int>(valor);
    }

    // A number text, kept as written; its value in `valor`.
    std::string numero(double& valor)
    {
        const std::string& t = texto();
        if (!lerNumero(t, valor))
            throw Recusa(proxima_, "\"" + t + "\" não é um número válido");
        return t;
    }

    void exigir(bool condicao, int linha, const std::string& motivo)
    {
        if (!condicao)
            throw Recusa(linha, motivo);
    }

private:
    const std::vector<std::string>& linhas_;
    int proxima_ = 0;
};

void lerClasse(Leitor& l, ProjetoRedwan& p)
{
    const int finalidade = p.geometria.finalidade;
    const int classe = l.indice(classesDoGrupo(finalidade).size());
    (finalidade == finalidadeEsgoto ? p.classe.classeEsgoto : p.classe.classePluvial) = classe;
    if (classe == indiceEspecial(finalidade)) {
        const std::string& texto = l.texto();
        const ConferenciaEspecial c = conferirEspecial(texto, finalidade, diametroInterno(p.geometria));
        if (c.problema == ConferenciaEspecial::Vazio)
            throw Recusa(l.linhaAtual(), "falta a carga mínima de ruptura da classe \"Especial\"");
        if (c.problema == ConferenciaEspecial::NaoNumero)
            throw Recusa(l.linhaAtual(), "\"" + texto + "\" não é um número válido");
        if (c.problema == ConferenciaEspecial::NaoMaior)
            throw Recusa(l.linhaAtual(), "a carga de ruptura da classe \"Especial\" " + c.avisoInferior);
        textoEspecial(p.classe, finalidade) = texto;
    }
    seguirGrupoVisivel(p.classe, finalidade);
}

void lerParametros(Leitor& l, ProjetoRedwan& p)
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
    l.exigir(h > 0.0 && h <= 1000.0, l.linhaAtual(),
             "a espessura da parede deve ser maior que zero e de no máximo 1000 mm");
    // Each cage must leave the section an effective depth (wall in cm).
    const std::string semAltura = " deixa a seção sem altura útil numa parede de " + a.h + " mm";
    l.exigir(dInt < h / 10.0, linhaInt, "a posição da armadura interna" + semAltura);
    l.exigir(dExt < h / 10.0, linhaExt, "a posição da armadura externa" + semAltura);

    double gama = 0.0;
    a.gamaS = l.numero(gama);
    l.exigir(gama >= 1.0, l.linhaAtual(), "o coeficiente de segurança do aço deve ser de pelo menos 1");
    a.gamaC = l.numero(gama);
    l.exigir(gama >= 1.0, l.linhaAtual(), "o coeficiente de segurança do concreto deve ser de pelo menos 1");
}

void lerResultados(Leitor& l, TextosResultados& r)
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
    Leitor l(linhas);
    try {
        l.cabecalho("OBRA");
        for (std::string* t : camposObra(p.obra))
            *t = l.texto();
        l.fimSecao();
        l.cabecalho("CLIENTE");
        for (std::string* t : camposCliente(p.cliente))
            *t = l.texto();
        l.fimSecao();

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
            throw Recusa(l.linhaAtual(), "esperava-se a linha separadora");
    } catch (const Recusa& recusa) {
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

std::string mensagemArquivoRedwanRecusado(const std::string& nomeArquivo, const LeituraRedwan& leitura)
{
    return mensagemArquivoRecusado(nomeArquivo, leitura.linha, leitura.erro);
}

std::string legendaAposAbrir(const std::string& legenda, const std::string& nomeArquivo)
{
    return legenda + " - " + nomeArquivo;
}
