#include "classificacaoTrecho.h"

#include "calculoClasse.h"
#include "dadosInstalacao.h"
#include "larguraVala.h"
#include "limitesInstalacao.h"
#include "numeros.h"
#include "verificacaoInstalacao.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace {

bool vazio(const std::string& t) { return t.find_first_not_of(" \t") == std::string::npos; }

// The text of a required number, or why it cannot be used.
std::optional<double> numero(const std::string& texto, const std::string& nome, std::string& erro)
{
    double valor = 0.0;
    if (vazio(texto))
        erro = "Falta o valor da coluna " + nome + ".";
    else if (!lerNumero(texto, valor) || !std::isfinite(valor))
        erro = "O valor \"" + texto + "\" da coluna " + nome + " não é um número.";
    else
        return valor;
    return std::nullopt;
}

std::string minusculas(std::string t)
{
    for (char& c : t)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto inicio = t.find_first_not_of(" \t");
    const auto fim = t.find_last_not_of(" \t");
    return inicio == std::string::npos ? std::string() : t.substr(inicio, fim - inicio + 1);
}

// A stretch's own surcharge over the project's: false when the text names none.
bool aplicarSobrecargaTrecho(Sobrecarga& s, const std::string& texto)
{
    const std::string t = minusculas(texto);
    if (t.empty())
        return true;
    if (t == "nula") {
        s.natureza = NulaOuDesprezivel;
        return true;
    }
    const char* trafegos[] = {"classe 45", "classe 30", "eixo triplo"};
    for (int i = 0; i < 3; ++i)
        if (t == trafegos[i]) {
            s.natureza = Rodoviaria;
            s.trafego = i;
            return true;
        }
    return false;
}

int centimetros(double m) { return static_cast<int>(std::lround(m * 100.0)); }

std::string textoCobertura(int cm) { return formatar2(cm / 100.0); }

ResultadoTrecho problema(ResultadoTrecho r, std::string mensagem)
{
    r.classificado = false;
    r.mensagem = std::move(mensagem);
    return r;
}

// The advice that follows a message in its window ("Retorne para a janela
// Instalação…") does not apply to a stretch.
std::string primeiroParagrafo(const std::string& mensagem) { return mensagem.substr(0, mensagem.find('\n')); }

std::string mensagemVerificacao(const VerificacaoInstalacao& v)
{
    if (!v.erroConversao.empty())
        return v.erroConversao;
    if (!v.linha.empty())
        return v.linha;
    return v.superior + v.inferior;
}

} // namespace

ProjetoTubo projetoBaseRede(const ProjetoTubo& projeto)
{
    ProjetoTubo p;
    p.geometria = projeto.geometria;
    p.instalacao = projeto.instalacao;
    p.sobrecarga = projeto.sobrecarga;
    p.baseVala = projeto.baseVala;
    p.baseAterro = projeto.baseAterro;
    p.etapas = projeto.etapas;
    return p;
}

double larguraValaPadrao(int di, double hsMaior)
{
    const double D = 1.2 * di / 1000.0;
    const double escorada = D + 2.0 * folgaMinima(di, hsMaior, D);
    const double largura = std::max(larguraMinimaVala(D), escorada);
    return std::ceil(largura * 100.0 - 1e-6) / 100.0;
}

std::vector<int> pontosCobertura(int montante, int jusante)
{
    std::vector<int> pontos{montante};
    if (jusante == montante)
        return pontos;
    const int passo = montante < jusante ? 1 : -1;
    for (int cm = montante + passo; cm != jusante; cm += passo)
        if (cm % 5 == 0)
            pontos.push_back(cm);
    pontos.push_back(jusante);
    return pontos;
}

void atualizarVala(ResultadoTrecho& r, const ProjetoTubo& projeto, const ParametrosVala& vala)
{
    r.instalacaoVala = projeto.instalacao.tipo == Vala;
    r.temVala = r.classificado && r.instalacaoVala;
    r.vala = r.temVala ? quantidadesVala(r.comprimento, r.bv, r.di, r.hsMontante, r.hsJusante, projeto.baseVala.classe, vala)
                       : QuantidadesVala{};
}

ResultadoTrecho classificarTrecho(const ProjetoTubo& projeto, const EntradaTrecho& e, const ParametrosVala& vala)
{
    ResultadoTrecho r;
    r.instalacaoVala = projeto.instalacao.tipo == Vala;
    if (!e.problemaLeitura.empty())
        return problema(r, e.problemaLeitura);
    if (vazio(e.trecho))
        return problema(r, "Falta o nome do trecho.");

    std::string erro;
    const auto comprimento = numero(e.comprimento, "comprimento", erro);
    if (!comprimento)
        return problema(r, erro);
    if (*comprimento <= 0.0)
        return problema(r, "O comprimento deve ser maior que zero.");
    r.comprimento = *comprimento;

    const auto& diametros = listaDiametros();
    std::string textoDi = e.di;
    textoDi.erase(0, std::min(textoDi.find_first_not_of(" \t"), textoDi.size()));
    textoDi.erase(textoDi.find_last_not_of(" \t") + 1);
    if (textoDi.empty())
        return problema(r, "Falta o valor da coluna di.");
    const auto achado = std::find(diametros.begin(), diametros.end(), textoDi);
    if (achado == diametros.end())
        return problema(r, "O diâmetro " + textoDi + " mm não é um dos diâmetros dos tubos.");
    r.di = std::stoi(textoDi);

    if (!vazio(e.tubos)) {
        double tubos = 0.0;
        if (!lerNumero(e.tubos, tubos) || !(tubos >= 1.0 && tubos <= 99.0) || tubos != std::floor(tubos))
            return problema(r, "O número de tubos \"" + e.tubos + "\" deve ser um número inteiro de 1 a 99.");
        r.tubos = static_cast<int>(tubos);
    }

    // Covers: each end's given directly, or else from its ground and invert
    // elevations (an end whose ground is unknown takes a typed cover).
    double hsM = 0.0, hsJ = 0.0;
    if (vazio(e.hsMontante) && vazio(e.hsJusante) && vazio(e.terrenoMontante) && vazio(e.fundoMontante) &&
        vazio(e.terrenoJusante) && vazio(e.fundoJusante))
        return problema(r, "Faltam as alturas de terra (hs_montante e hs_jusante) ou as cotas do terreno e do fundo.");
    // The cover is over the top of the pipe.
    const double alturaTubo = alturaTuboRede(r.di);
    struct Extremo {
        const std::string& hs;
        const char* nomeHs;
        const std::string& terreno;
        const char* nomeTerreno;
        const std::string& fundo;
        const char* nomeFundo;
        double& destino;
    };
    const bool algumaCota = !vazio(e.terrenoMontante) || !vazio(e.fundoMontante) || !vazio(e.terrenoJusante) ||
                            !vazio(e.fundoJusante);
    for (const Extremo& x : {Extremo{e.hsMontante, "hs_montante", e.terrenoMontante, "terreno_montante",
                                     e.fundoMontante, "fundo_montante", hsM},
                             Extremo{e.hsJusante, "hs_jusante", e.terrenoJusante, "terreno_jusante", e.fundoJusante,
                                     "fundo_jusante", hsJ}}) {
        if (!vazio(x.hs) || !algumaCota) {
            const auto hs = numero(x.hs, x.nomeHs, erro);
            if (!hs)
                return problema(r, erro);
            x.destino = *hs;
            continue;
        }
        const auto terreno = numero(x.terreno, x.nomeTerreno, erro);
        if (!terreno)
            return problema(r, erro);
        const auto fundo = numero(x.fundo, x.nomeFundo, erro);
        if (!fundo)
            return problema(r, erro);
        x.destino = *terreno - *fundo - alturaTubo;
    }
    // Far beyond any buried pipe; it also bounds the points of a stretch.
    for (double hs : {hsM, hsJ}) {
        if (!(hs <= alturaTerraMaximaRede))
            return problema(r, "A altura de terra de " + formatar2(hs) + " m passa de " +
                                   formatar0(alturaTerraMaximaRede) + " m.");
        if (!(hs >= -alturaTerraMaximaRede))
            return problema(r, "A altura de terra de " + formatar2(hs) + " m é negativa: o fundo está acima do terreno.");
    }

    const int cmM = centimetros(hsM), cmJ = centimetros(hsJ);
    r.hsMontante = cmM / 100.0;
    r.hsJusante = cmJ / 100.0;

    ProjetoTubo p = projeto;
    p.geometria.indiceDi = static_cast<int>(achado - diametros.begin());
    if (!aplicarSobrecargaTrecho(p.sobrecarga, e.sobrecarga))
        return problema(r, "A sobrecarga \"" + e.sobrecarga +
                               "\" não é conhecida: use nula, classe 45, classe 30, eixo triplo ou deixe vazio.");

    r.usaLargura = camposAplicaveis(p.instalacao.tipo).larguraVala;
    std::string textoBv;
    if (r.usaLargura) {
        if (!vazio(e.bv)) {
            const auto bv = numero(e.bv, "bv", erro);
            if (!bv)
                return problema(r, erro);
            textoBv = formatar2(*bv);
        } else {
            textoBv = formatar2(larguraValaPadrao(r.di, std::max(cmM, cmJ) / 100.0));
        }
        r.bv = converterNumero(textoBv);
    }

    const Instalacao instalacaoProjeto = p.instalacao;
    EstadoSobrecarga estado;
    bool algum = false;
    for (int cm : pontosCobertura(cmM, cmJ)) {
        p.instalacao = instalacaoProjeto;
        p.instalacao.alturaTerra = textoCobertura(cm);
        if (r.usaLargura)
            p.instalacao.larguraVala = textoBv;
        const std::string onde = "hs = " + textoCobertura(cm) + " m" +
                                 (cmM == cmJ     ? std::string()
                                  : cm == cmM    ? " (montante)"
                                  : cm == cmJ    ? " (jusante)"
                                                 : " (entre " + textoCobertura(cmM) + " e " + textoCobertura(cmJ) + " m)") +
                                 ": ";
        const VerificacaoInstalacao v = verificarInstalacao(p);
        if (!v.aceita)
            return problema(r, onde + mensagemVerificacao(v));
        const CalculoClasse c = calcularClasse(p, estado);
        if (!c.calculada())
            return problema(r, onde + primeiroParagrafo(c.mensagem));
        r.semSolucao = r.semSolucao || c.semSolucao;
        if (algum && !(c.R > r.R))
            continue;
        algum = true;
        r.hsGovernante = cm / 100.0;
        r.W = c.W;
        r.qs = c.qs;
        r.fe = c.fe;
        r.R = c.R;
        r.classeArmado = p.resultado.classeArmado;
        r.cargaArmado = p.resultado.cargaArmado;
        r.classeSimples = p.resultado.classeSimples;
        r.cargaSimples = p.resultado.cargaSimples;
        r.textoClasse = p.resultado.textoClasse;
    }
    r.classificado = true;
    atualizarVala(r, projeto, vala);
    return r;
}

std::optional<ProjetoTubo> projetoNoTrecho(const ProjetoTubo& projeto, const EntradaTrecho& e,
                                           const ResultadoTrecho& r)
{
    if (!r.classificado)
        return std::nullopt;
    const auto& diametros = listaDiametros();
    const auto achado = std::find(diametros.begin(), diametros.end(), std::to_string(r.di));
    if (achado == diametros.end())
        return std::nullopt;
    ProjetoTubo p = projeto;
    p.geometria.indiceDi = static_cast<int>(achado - diametros.begin());
    if (!aplicarSobrecargaTrecho(p.sobrecarga, e.sobrecarga))
        return std::nullopt;
    p.instalacao.alturaTerra = textoCobertura(centimetros(r.hsGovernante));
    if (r.usaLargura)
        p.instalacao.larguraVala = formatar2(r.bv);
    return p;
}
