#include "saidaCalculadora.h"

#include "numeros.h"

#include <algorithm>

std::string numeroSaida(double valor) { return formatarDecimais(valor, 6); }

std::string valorEmUmaLinha(const std::string& valor)
{
    std::string linha;
    bool quebra = false;
    for (char c : valor) {
        if (c == '\r' || c == '\n') {
            quebra = true;
            continue;
        }
        if (quebra && !linha.empty() && linha.back() != ' ' && c != ' ')
            linha += ' ';
        quebra = false;
        linha += c;
    }
    return linha;
}

std::string blocoChaveValor(const CamposSaida& campos)
{
    std::string texto;
    for (const auto& [chave, valor] : campos)
        texto += chave + ": " + valorEmUmaLinha(valor) + "\n";
    return texto;
}

std::string linhaCsv(const std::vector<std::string>& valores)
{
    std::string linha;
    for (std::size_t i = 0; i < valores.size(); ++i) {
        if (i > 0)
            linha += ';';
        const std::string v = valorEmUmaLinha(valores[i]);
        if (v.find_first_of(";\"") == std::string::npos) {
            linha += v;
            continue;
        }
        linha += '"';
        for (char c : v)
            linha += c == '"' ? std::string("\"\"") : std::string(1, c);
        linha += '"';
    }
    return linha + "\n";
}

bool pedeAjuda(const std::vector<std::string>& argumentos)
{
    return std::any_of(argumentos.begin(), argumentos.end(),
                       [](const std::string& a) { return a == "-h" || a == "--help"; });
}
