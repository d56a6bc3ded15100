#include "saidaCalculadora.h"

#include "numeros.h"

#include <algorithm>
#include <filesystem>

std::string numeroSaida(double valor) { return formatarDecimais(valor, 6); }

std::string blocoChaveValor(const CamposSaida& campos)
{
    std::string texto;
    for (const auto& [chave, valor] : campos)
        texto += chave + ": " + valor + "\n";
    return texto;
}

std::string linhaCsv(const std::vector<std::string>& valores)
{
    std::string linha;
    for (std::size_t i = 0; i < valores.size(); ++i) {
        if (i > 0)
            linha += ';';
        const std::string& v = valores[i];
        if (v.find_first_of(";\"\r\n") == std::string::npos) {
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

ArgumentosCalculadora lerArgumentosCalculadora(const std::vector<std::string>& argumentos, const std::string& extensao)
{
    namespace fs = std::filesystem;
    ArgumentosCalculadora a;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& arg = argumentos[i];
        if (arg == "--csv") {
            a.csv = true;
        } else if (arg == "--memoria") {
            a.memoria = true;
        } else if (arg == "--pdf") {
            if (i + 1 >= argumentos.size()) {
                a.erro = "--pdf pede a pasta onde gravar os relatórios";
                return a;
            }
            a.pastaPdf = argumentos[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            a.erro = "opção desconhecida: " + arg;
            return a;
        } else {
            std::error_code erro;
            if (fs::is_directory(arg, erro)) {
                std::vector<std::string> daPasta;
                for (const auto& entrada : fs::directory_iterator(arg, erro))
                    if (entrada.is_regular_file() && entrada.path().extension() == extensao)
                        daPasta.push_back(entrada.path().string());
                std::sort(daPasta.begin(), daPasta.end());
                a.arquivos.insert(a.arquivos.end(), daPasta.begin(), daPasta.end());
            } else {
                a.arquivos.push_back(arg);
            }
        }
    }
    if (a.arquivos.empty()) {
        a.erro = "nenhum arquivo " + extensao + " para calcular";
        return a;
    }
    a.ok = true;
    return a;
}
