#include "planilhaXlsx.h"

#include "textoUtf8.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>

namespace {

std::size_t caracteres(const std::string& utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string formatoNumero(int decimais)
{
    decimais = std::clamp(decimais, 0, 10);
    return decimais == 0 ? std::string("0") : "0." + std::string(static_cast<std::size_t>(decimais), '0');
}

// The formats of one workbook, made once per (bold, decimals).
class Formatos {
public:
    explicit Formatos(lxw_workbook* livro) : livro_(livro) {}

    lxw_format* de(bool negrito, int decimais)
    {
        lxw_format*& f = feitos_[{negrito, decimais}];
        if (!f) {
            f = workbook_add_format(livro_);
            if (negrito)
                format_set_bold(f);
            if (decimais >= 0)
                format_set_num_format(f, formatoNumero(decimais).c_str());
        }
        return f;
    }

private:
    lxw_workbook* livro_;
    std::map<std::pair<bool, int>, lxw_format*> feitos_;
};

lxw_error escreverFolha(lxw_worksheet* folha, const FolhaPlanilha& dados, Formatos& formatos)
{
    std::vector<std::size_t> larguras;
    for (std::size_t i = 0; i < dados.linhas.size(); ++i) {
        const bool negrito = static_cast<int>(i) < dados.linhasCabecalho;
        const auto linha = static_cast<lxw_row_t>(i);
        for (std::size_t j = 0; j < dados.linhas[i].size(); ++j) {
            const CelulaPlanilha& c = dados.linhas[i][j];
            const auto coluna = static_cast<lxw_col_t>(j);
            lxw_error erro = LXW_NO_ERROR;
            std::size_t largura = 0;
            if (c.numero) {
                if (std::isfinite(c.valor))
                    erro = worksheet_write_number(folha, linha, coluna, c.valor, formatos.de(negrito, c.decimais));
                largura = 8 + static_cast<std::size_t>(std::max(c.decimais, 0));
            } else if (!c.texto.empty()) {
                // The shared strings are XML: a cell that came from a file must not break them.
                erro = worksheet_write_string(folha, linha, coluna, utf8Saneado(c.texto).c_str(),
                                              negrito ? formatos.de(true, -1) : nullptr);
                largura = caracteres(c.texto);
            }
            if (erro != LXW_NO_ERROR)
                return erro;
            if (larguras.size() <= j)
                larguras.resize(j + 1, 0);
            larguras[j] = std::max(larguras[j], largura);
        }
    }
    for (std::size_t j = 0; j < larguras.size(); ++j) {
        const double largura = static_cast<double>(std::clamp<std::size_t>(larguras[j], 6, 60)) + 2.0;
        worksheet_set_column(folha, static_cast<lxw_col_t>(j), static_cast<lxw_col_t>(j), largura, nullptr);
    }
    if (dados.linhasCabecalho > 0)
        worksheet_freeze_panes(folha, static_cast<lxw_row_t>(dados.linhasCabecalho), 0);
    return LXW_NO_ERROR;
}

// Spreadsheets compare sheet names without regard to case.
bool mesmoNome(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                  std::tolower(static_cast<unsigned char>(y)); });
}

} // namespace

std::string problemaNomeFolha(const std::string& nome)
{
    if (nome.empty())
        return "Uma folha da planilha não tem nome.";
    if (caracteres(nome) > 31)
        return "O nome da folha \"" + nome + "\" passa de 31 caracteres.";
    if (nome.find_first_of("[]:*?/\\") != std::string::npos)
        return "O nome da folha \"" + nome + "\" tem um caractere que a planilha não aceita.";
    if (nome.front() == '\'' || nome.back() == '\'')
        return "O nome da folha \"" + nome + "\" não pode começar nem terminar com apóstrofo.";
    return {};
}

std::string gravarXlsx(const Planilha& planilha, const std::string& caminho)
{
    namespace fs = std::filesystem;
    if (planilha.folhas.empty())
        return "A planilha não tem folhas.";
    for (std::size_t i = 0; i < planilha.folhas.size(); ++i) {
        if (std::string problema = problemaNomeFolha(planilha.folhas[i].nome); !problema.empty())
            return problema;
        for (std::size_t j = 0; j < i; ++j)
            if (mesmoNome(planilha.folhas[j].nome, planilha.folhas[i].nome))
                return "A planilha tem duas folhas com o mesmo nome.";
    }

    const std::string temporario = caminho + ".gravando";
    lxw_workbook* livro = workbook_new(temporario.c_str());
    if (!livro)
        return "Não foi possível criar o arquivo " + caminho + ".";
    Formatos formatos(livro);
    lxw_error erro = LXW_NO_ERROR;
    for (const FolhaPlanilha& f : planilha.folhas) {
        lxw_worksheet* folha = workbook_add_worksheet(livro, f.nome.c_str());
        if (!folha) {
            erro = LXW_ERROR_SHEETNAME_ALREADY_USED; // names differing only in case
            break;
        }
        erro = escreverFolha(folha, f, formatos);
        if (erro != LXW_NO_ERROR)
            break;
    }
    // Closing writes the file; it also frees the workbook when something failed above.
    const lxw_error aoFechar = workbook_close(livro);
    if (erro == LXW_NO_ERROR)
        erro = aoFechar;
    std::error_code falha;
    if (erro == LXW_NO_ERROR)
        fs::rename(temporario, caminho, falha);
    if (erro != LXW_NO_ERROR || falha) {
        fs::remove(temporario, falha);
        if (erro == LXW_ERROR_SHEETNAME_ALREADY_USED)
            return "A planilha tem duas folhas com o mesmo nome.";
        if (erro == LXW_ERROR_CREATING_XLSX_FILE || erro == LXW_ERROR_CREATING_TMPFILE)
            return "Não foi possível criar o arquivo " + caminho + ".";
        return "Não foi possível gravar o arquivo " + caminho + ".";
    }
    return {};
}
