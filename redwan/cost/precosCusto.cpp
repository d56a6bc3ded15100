#include "precosCusto.h"

#include "numeros.h"

namespace {
const char* const secao = "[Custos]";
const char* const chaveConcreto = "Concreto=";
const char* const chaveAco = "Aco=";

void ler(const std::string& linha, const char* chave, double& destino)
{
    const std::string c = chave;
    if (linha.rfind(c, 0) != 0)
        return;
    double v = 0.0;
    if (lerNumero(linha.substr(c.size()), v) && v > 0.0)
        destino = v;
}
// Two decimals, or four when a price was typed finer.
std::string textoPreco(double v)
{
    const std::string dois = formatar2(v);
    double lido = 0.0;
    return lerNumero(dois, lido) && lido == v ? dois : formatar4(v);
}
} // namespace

std::vector<std::string> linhasCustos(const PrecosCusto& p)
{
    return {secao, chaveConcreto + textoPreco(p.concreto), chaveAco + textoPreco(p.aco)};
}

PrecosCusto precosDasLinhas(const std::vector<std::string>& linhas)
{
    PrecosCusto p;
    for (std::string linha : linhas) {
        while (!linha.empty() && (linha.back() == '\r' || linha.back() == ' '))
            linha.pop_back();
        ler(linha, chaveConcreto, p.concreto);
        ler(linha, chaveAco, p.aco);
    }
    return p;
}

std::string conferirPreco(const std::string& texto, const std::string& nome)
{
    double v = 0.0;
    if (!lerNumero(texto, v))
        return mensagemNumeroInvalido(texto);
    if (!(v > 0.0))
        return "O preço " + nome + " deve ser maior que zero.";
    return {};
}

std::string aplicarPrecosDados(PrecosCusto& precos, const std::string& concreto, const std::string& aco)
{
    PrecosCusto novos = precos;
    const struct {
        std::string texto;
        double& destino;
        const char* nome;
    } dados[] = {{comVirgulaDecimal(concreto), novos.concreto, "do concreto"}, {comVirgulaDecimal(aco), novos.aco, "do aço"}};
    for (const auto& [texto, destino, nome] : dados) {
        if (texto.empty())
            continue;
        if (std::string problema = conferirPreco(texto, nome); !problema.empty())
            return problema;
        destino = converterNumero(texto);
    }
    precos = novos;
    return {};
}
