#include "parametrosArmadura.h"

#include "geometriaRedwan.h"
#include "numeros.h"

#include <cmath>

const std::vector<std::string>& tiposArmadura()
{
    static const std::vector<std::string> lista{"Circular simples", "Circular dupla"};
    return lista;
}

Posicoes posicoesPadrao(double di)
{
    return di <= 600.0 ? Posicoes{"2,5", "2,0"} : Posicoes{"3,5", "2,5"};
}

void escolherTipo(ParametrosArmadura& p, int tipo, double di)
{
    p.tipo = tipo;
    const Posicoes padrao = posicoesPadrao(di);
    p.dInt = padrao.dInt;
    p.dExt = padrao.dExt;
}

void parametrosNovoProjeto(ParametrosArmadura& p)
{
    const ParametrosArmadura padrao;
    p.fck = padrao.fck;
    p.tipo = padrao.tipo;
    p.h = padrao.h;
    p.gamaS = padrao.gamaS;
    p.gamaC = padrao.gamaC;
}

namespace {
const std::string duasLinhas = "\n\n";

bool vazio(const std::string& texto) { return texto.find_first_not_of(" \t") == std::string::npos; }

ConferenciaArmadura recusa(CampoArmadura campo, const std::string& aviso)
{
    ConferenciaArmadura r;
    r.campo = campo;
    r.aviso = aviso;
    return r;
}

double valor(const std::string& texto) { return converterNumero(texto); }

bool igual(double a, double b) { return std::fabs(a - b) < 1e-9; }

// A recommendation: when it applies, the question; "Sim" writes `recomendado`.
bool recomendar(DialogoArmadura& d, bool aplica, const std::string& texto, std::string& campo,
                const std::string& recomendado)
{
    if (!aplica || !d.perguntar(texto))
        return false;
    campo = recomendado;
    return true;
}

const std::string perguntaValor = "Deseja utilizar o valor recomendado pelo programa?";
} // namespace

const std::vector<CampoTextoArmadura>& camposArmadura()
{
    static const std::vector<CampoTextoArmadura> campos{
        {CampoArmadura::Fck, &ParametrosArmadura::fck, false, 2,
         "Entre com um valor para a resistencia caracteristica do concreto."},
        {CampoArmadura::DInt, &ParametrosArmadura::dInt, true, 1, "Entre com um valor para o cobrimento interno."},
        {CampoArmadura::DExt, &ParametrosArmadura::dExt, true, 1, "Entre com um valor para o cobrimento externo."},
        {CampoArmadura::Espessura, &ParametrosArmadura::h, false, 0,
         "Entre com um valor para a espessura da parede."},
        {CampoArmadura::GamaS, &ParametrosArmadura::gamaS, false, 2,
         "Entre com um valor para o coeficiente de segurança do aço."},
        {CampoArmadura::GamaC, &ParametrosArmadura::gamaC, false, 2,
         "Entre com um valor para o coeficiente de segurança do concreto."},
    };
    return campos;
}

const char* const avisoPositivo = "Este parâmetro deve ser um número positivo.";
const char* const avisoUnidade = "Este parâmetro deve ser maior que a unidade.";
const char* const avisoPosicoesParede =
    "A soma das posições das armaduras interna e externa deve ser menor que a espessura da parede.";

bool posicoesCabemNaParede(double dInt, double dExt, double h) { return (dInt + dExt) * 10.0 < h; }

std::string perguntaFckMinimo()
{
    return "Valor mínimo recomendado para resistência característica à compressão de 25 MPa. "
           "A utilização de valores inferiores a este é  de inteira responsabilidade do usuário "
           "deste programa. " + duasLinhas + "Deseja utilizar o valor recomendado?";
}

std::string perguntaFckMaximo()
{
    return "Valor máximo recomendado para resistência característica à compressão de 42 MPa. "
           "A utilização de valores superiores a este é  de inteira responsabilidade do usuário "
           "deste programa. " + duasLinhas + "Deseja utilizar o valor recomendado?";
}

std::string perguntaPosicaoInterna()
{
    return "O valor da posição da armadura interna é inferior ao valor recomendado pelo programa." + duasLinhas
        + perguntaValor;
}

std::string perguntaPosicaoExterna()
{
    return "O valor da posição da armadura externa é inferior ao valor recomendado pelo programa." + duasLinhas
        + perguntaValor;
}

std::string perguntaArmaduraSimples()
{
    return "Para diâmetros inferiores a 800 mm recomenda-se utilizar armadura simples. " + duasLinhas
        + "Deseja utilizar a informação recomendada?";
}

std::string perguntaArmaduraDupla()
{
    return "Para diâmetros superiores a 1000 mm recomenda-se utilizar armadura dupla. " + duasLinhas
        + "Deseja utilizar a informação recomendada?";
}

std::string perguntaGamaS()
{
    return "O valor do coeficiente de minoração do aço é diferente daquele recomendado pelo programa." + duasLinhas
        + perguntaValor;
}

std::string perguntaGamaC()
{
    return "O valor do coeficiente de minoração do concreto é diferente daquele recomendado pelo programa."
        + duasLinhas + perguntaValor;
}

std::string perguntaEspessura(const std::string& minima)
{
    return "Espessura mínima recomendada de " + minima
        + " mm. A utilização de espessuras inferiores é  de inteira responsabilidade do usuário "
        + "deste programa." + duasLinhas + "Deseja utilizar a espessura mínima recomendada?";
}

ConferenciaArmadura conferirParametros(ParametrosArmadura& p, double di, int finalidade,
                                       DialogoArmadura& d)
{
    const bool dupla = p.tipo == armaduraDupla;

    // Empty fields and texts that are not numbers, field by field.
    for (const CampoTextoArmadura& c : camposArmadura()) {
        if (c.soDupla && !dupla)
            continue;
        const std::string& texto = p.*c.texto;
        if (vazio(texto))
            return recusa(c.campo, c.vazio);
        double lido = 0.0;
        if (!lerNumero(texto, lido)) {
            ConferenciaArmadura r;
            r.campo = c.campo;
            r.mensagem = mensagemNumeroInvalido(texto);
            return r;
        }
    }

    // Standard forms.
    for (const CampoTextoArmadura& c : camposArmadura())
        if (!c.soDupla || dupla)
            p.*c.texto = formatarDecimais(valor(p.*c.texto), c.decimais);

    // Concrete strength.
    recomendar(d, valor(p.fck) < 25.0,
               perguntaFckMinimo(),
               p.fck, "25");
    recomendar(d, valor(p.fck) > 42.0,
               perguntaFckMaximo(),
               p.fck, "42");
    // Every design formula divides by fck.
    if (!(valor(p.fck) > 0.0))
        return recusa(CampoArmadura::Fck, "A resistência característica do concreto deve ser maior que zero.");

    // Positions of the two cages.
    if (p.tipo == armaduraDupla) {
        const bool grande = di > 600.0;
        const std::string internaRecomendada = grande ? "3,5" : "2,5";
        recomendar(d, valor(p.dInt) < valor(internaRecomendada),
                   perguntaPosicaoInterna(),
                   p.dInt, internaRecomendada);
        if (valor(p.dInt) < 0.0) {
            d.informar(avisoPositivo);
            p.dInt = internaRecomendada;
        }
        const std::string externaRecomendada = grande ? "2,5" : "2,0";
        recomendar(d, valor(p.dExt) < valor(externaRecomendada),
                   perguntaPosicaoExterna(),
                   p.dExt, externaRecomendada);
        if (valor(p.dExt) < 0.0) {
            d.informar(avisoPositivo);
            p.dExt = externaRecomendada;
        }
    }

    // Reinforcement type for the diameter.
    if (di < 800.0 && p.tipo == armaduraDupla
        && d.perguntar(perguntaArmaduraSimples()))
        escolherTipo(p, armaduraSimples, di);
    if (di > 1000.0 && p.tipo == armaduraSimples
        && d.perguntar(perguntaArmaduraDupla()))
        escolherTipo(p, armaduraDupla, di);

    // Partial safety factors.
    recomendar(d, !igual(valor(p.gamaS), 1.15),
               perguntaGamaS(),
               p.gamaS, "1,15");
    if (valor(p.gamaS) < 1.0) {
        d.informar(avisoUnidade);
        p.gamaS = "1,0";
    }
    recomendar(d, !igual(valor(p.gamaC), 1.4),
               perguntaGamaC(),
               p.gamaC, "1,4");
    if (valor(p.gamaC) < 1.0) {
        d.informar(avisoUnidade);
        p.gamaC = "1,0";
    }

    // Wall thickness.
    const std::string minima = std::to_string(espessuraMinima(finalidade, di));
    recomendar(d, valor(p.h) < valor(minima),
               perguntaEspessura(minima),
               p.h, minima);
    // No pipe of these diameters has a wall of 0 or of more than a metre; the
    // design would find no section or scan without end.
    if (!(valor(p.h) > 0.0 && valor(p.h) <= 1000.0))
        return recusa(CampoArmadura::Espessura,
                      "A espessura da parede deve ser maior que zero e de no máximo 1000 mm.");
    // The two cages need an effective depth between them.
    if (p.tipo == armaduraDupla && !posicoesCabemNaParede(valor(p.dInt), valor(p.dExt), valor(p.h)))
        return recusa(CampoArmadura::DInt, avisoPosicoesParede);

    ConferenciaArmadura r;
    r.aceita = true;
    return r;
}

bool parametrosMudaram(const ParametrosArmadura& antes, const ParametrosArmadura& depois)
{
    if (antes.fck != depois.fck || antes.tipo != depois.tipo || antes.h != depois.h
        || antes.gamaS != depois.gamaS || antes.gamaC != depois.gamaC)
        return true;
    return depois.tipo == armaduraDupla && (antes.dInt != depois.dInt || antes.dExt != depois.dExt);
}
