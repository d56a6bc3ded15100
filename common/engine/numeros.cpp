#include "numeros.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <charconv>

std::string formatarDecimais(double valor, int decimais)
{
    // As "%10.*f" with its leading blanks dropped; to_chars writes the same
    // correctly rounded digits several times faster, which the cover table's
    // tens of thousands of points feel.
    char buffer[400];
    const auto fim = std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::fixed, decimais);
    std::string texto(buffer, fim.ec == std::errc() ? fim.ptr : buffer);
    for (char& c : texto)
        if (c == '.')
            c = ',';
    // A value that rounds to zero is shown as zero, never as "-0,00".
    if (!texto.empty() && texto[0] == '-' && texto.find_first_not_of("0,", 1) == std::string::npos)
        texto.erase(0, 1);
    return texto;
}

std::string formatar0(double valor) { return formatarDecimais(valor, 0); }
std::string formatar1(double valor) { return formatarDecimais(valor, 1); }
std::string formatar2(double valor) { return formatarDecimais(valor, 2); }
std::string formatar3(double valor) { return formatarDecimais(valor, 3); }
std::string formatar4(double valor) { return formatarDecimais(valor, 4); }

std::string mensagemNumeroInvalido(const std::string& texto)
{
    return "\"" + texto + "\" não é um número válido.";
}

std::string mensagemNumeroNegativo(const std::string& texto)
{
    return "\"" + texto + "\" não é um valor válido: o número não pode ser negativo.";
}

ErroConversao::ErroConversao(const std::string& texto)
    : std::runtime_error(mensagemNumeroInvalido(texto)), texto_(texto)
{
}

std::string comVirgulaDecimal(std::string texto)
{
    std::replace(texto.begin(), texto.end(), '.', ',');
    return texto;
}

bool lerNumero(const std::string& texto, double& valor)
{
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string::npos)
        return false;
    const auto fim = texto.find_last_not_of(" \t");
    std::string limpo = texto.substr(inicio, fim - inicio + 1);

    std::size_t i = 0;
    if (limpo[i] == '-' || limpo[i] == '+')
        ++i;
    int digitos = 0;
    int virgulas = 0;
    for (; i < limpo.size(); ++i) {
        const char c = limpo[i];
        if (c >= '0' && c <= '9')
            ++digitos;
        else if (c == ',')
            ++virgulas;
        else
            return false;
    }
    if (digitos == 0 || virgulas > 1)
        return false;
    for (char& c : limpo)
        if (c == ',')
            c = '.';
    // from_chars reads the C format whatever the process locale is.
    const char* primeiro = limpo.data() + (limpo[0] == '+' ? 1 : 0);
    double lido = 0.0;
    const auto [fimLido, erro] = std::from_chars(primeiro, limpo.data() + limpo.size(), lido);
    if (erro != std::errc() || fimLido != limpo.data() + limpo.size() || !std::isfinite(lido))
        return false;
    valor = lido;
    return true;
}

double converterNumero(const std::string& texto)
{
    double valor = 0.0;
    if (!lerNumero(texto, valor))
        throw ErroConversao(texto);
    return valor;
}

double converterOuZero(const std::string& texto)
{
    if (texto.find_first_not_of(" \t") == std::string::npos)
        return 0.0;
    return converterNumero(texto);
}

std::string normalizar(const std::string& texto, int decimais)
{
    double valor = 0.0;
    if (!lerNumero(texto, valor))
        return texto;
    return formatarDecimais(valor, decimais);
}

std::string semSinalNoZero(const std::string& texto)
{
    double valor = 0.0;
    if (!lerNumero(texto, valor) || valor != 0.0)
        return texto;
    std::string t = texto;
    const auto sinal = t.find_first_of("-+");
    if (sinal != std::string::npos)
        t.erase(sinal, 1);
    return t;
}
