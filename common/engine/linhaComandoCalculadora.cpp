#include "linhaComandoCalculadora.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace {
// The files a folder holds with the given extension, in name order.
std::vector<std::string> arquivosDaPasta(const std::string& pasta, const std::string& extensao)
{
    namespace fs = std::filesystem;
    std::vector<std::string> arquivos;
    std::error_code erro;
    for (const auto& entrada : fs::directory_iterator(pasta, erro))
        if (entrada.is_regular_file(erro) && entrada.path().extension() == extensao)
            arquivos.push_back(entrada.path().string());
    std::sort(arquivos.begin(), arquivos.end());
    return arquivos;
}

// CLI11 names the option before a colon: "--pdf: 1 required PASTA missing".
std::string opcaoDaMensagem(const std::string& mensagem)
{
    return mensagem.substr(0, mensagem.find(':'));
}

void traduzirAjuda(CLI::App& app)
{
    auto formato = app.get_formatter();
    formato->label("Usage", "uso");
    formato->label("OPTIONS", "OPÇÕES");
    formato->label("Positionals", "Argumentos");
    formato->label("REQUIRED", "obrigatório");
    formato->column_width(26);
    app.option_defaults()->group("Opções");
}
} // namespace

LinhaComandoCalculadora::LinhaComandoCalculadora(DescricaoCalculadora descricao)
    : app(descricao.descricao, descricao.programa), descricao_(std::move(descricao))
{
    traduzirAjuda(app);
    app.set_help_flag("-h,--help", "mostra este uso e sai");
    app.set_version_flag("--version", descricao_.programa + " " + descricao_.versao, "mostra a versão e sai");
    app.add_flag("--csv", argumentos.csv, "uma linha por arquivo, campos separados por ';'");
    app.add_flag("--memoria", argumentos.memoria,
                 "junta as grandezas da memória de cálculo (com --csv, em colunas) e, com --pdf, grava a memória ao lado do relatório");
    app.add_option("--pdf", argumentos.pastaPdf, "grava o relatório de cada arquivo nesta pasta")
        ->type_name("PASTA");
    app.add_option("ARQUIVO", entradas_,
                   "projetos " + descricao_.extensao + " a calcular; uma pasta vale por seus arquivos " +
                       descricao_.extensao)
        ->type_name("");
    app.allow_extras(); // unknown options are named in Portuguese below
}

std::optional<int> LinhaComandoCalculadora::ler(const std::vector<std::string>& args, std::ostream& saida,
                                                std::ostream& erro)
{
    argumentos = {};
    entradas_.clear();
    std::string problema;
    try {
        std::vector<std::string> invertidos(args.rbegin(), args.rend()); // CLI11 reads them from the back
        app.parse(invertidos);
        const std::vector<std::string> sobras = app.remaining();
        if (!sobras.empty())
            problema = "opção desconhecida: " + sobras.front();
    } catch (const CLI::CallForHelp&) {
        saida << app.help();
        return TodosCalculados;
    } catch (const CLI::CallForVersion& e) {
        saida << e.what() << "\n";
        return TodosCalculados;
    } catch (const CLI::ArgumentMismatch& e) {
        problema = opcaoDaMensagem(e.what()) + " pede um valor";
    } catch (const CLI::ParseError& e) {
        problema = e.what();
    }
    if (problema.empty()) {
        for (const std::string& entrada : entradas_) {
            std::error_code e;
            if (std::filesystem::is_directory(entrada, e)) {
                const std::vector<std::string> daPasta = arquivosDaPasta(entrada, descricao_.extensao);
                argumentos.arquivos.insert(argumentos.arquivos.end(), daPasta.begin(), daPasta.end());
            } else {
                argumentos.arquivos.push_back(entrada);
            }
        }
        if (exigeArquivos && argumentos.arquivos.empty())
            problema = "nenhum arquivo " + descricao_.extensao + " para calcular";
    }
    if (problema.empty()) {
        argumentos.ok = true;
        return std::nullopt;
    }
    argumentos.erro = problema;
    erro << descricao_.programa << ": " << problema << "\n"
         << "uso: " << descricao_.programa << " [--csv] [--memoria] [--pdf PASTA] ARQUIVO" << descricao_.extensao
         << "|PASTA...\n"
         << "Veja " << descricao_.programa << " --help.\n";
    return UsoErrado;
}

std::optional<int> LinhaComandoCalculadora::ler(int argc, char* argv[])
{
    return ler(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
