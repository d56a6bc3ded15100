#include "planilhaCsv.h"

#include "numeros.h"
#include "saidaCalculadora.h"

#include <cmath>
#include <filesystem>
#include <fstream>

std::string montarCsv(const FolhaPlanilha& folha)
{
    std::string texto = "\xEF\xBB\xBF";
    for (const LinhaPlanilha& linha : folha.linhas) {
        std::vector<std::string> campos;
        campos.reserve(linha.size());
        for (const CelulaPlanilha& c : linha) {
            if (!c.numero)
                campos.push_back(c.texto);
            else
                campos.push_back(std::isfinite(c.valor) ? formatarDecimais(c.valor, c.decimais) : std::string());
        }
        std::string l = linhaCsv(campos);
        l.insert(l.size() - 1, "\r");
        texto += l;
    }
    return texto;
}

std::string gravarArquivoTexto(const std::string& conteudo, const std::string& caminho)
{
    namespace fs = std::filesystem;
    const std::string temporario = caminho + ".gravando";
    {
        std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
        if (!saida)
            return "Não foi possível criar o arquivo " + caminho + ".";
        saida << conteudo;
        saida.flush();
        if (!saida) {
            saida.close();
            std::error_code ignorado;
            fs::remove(temporario, ignorado);
            return "Não foi possível gravar o arquivo " + caminho + ".";
        }
    }
    std::error_code erro;
    fs::rename(temporario, caminho, erro);
    if (erro) {
        fs::remove(temporario, erro);
        return "Não foi possível gravar o arquivo " + caminho + ".";
    }
    return {};
}
