#include "leituraRede.h"

#include "textoUtf8.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

struct Registro {
    std::vector<std::string> campos;
    int linha = 0; // line of the file where it begins
};

// Splits the text into records; quotes may hold separators, doubled quotes
// and line breaks. Nothing when a quote is never closed (`linhaAberta` says
// where it opened).
std::optional<std::vector<Registro>> registros(const std::string& texto, char separador, int& linhaAberta)
{
    std::vector<Registro> saida;
    Registro atual;
    std::string campo;
    int linha = 1;
    atual.linha = 1;
    bool entreAspas = false, campoIniciado = false;
    int inicioAspas = 0;
    auto fecharRegistro = [&] {
        atual.campos.push_back(std::move(campo));
        campo.clear();
        saida.push_back(std::move(atual));
        atual = Registro{};
        campoIniciado = false;
    };
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (entreAspas) {
            if (c == '"') {
                if (i + 1 < texto.size() && texto[i + 1] == '"') {
                    campo += '"';
                    ++i;
                } else {
                    entreAspas = false;
                }
            } else {
                if (c == '\n')
                    ++linha;
                campo += c;
            }
            continue;
        }
        if (c == '"' && !campoIniciado) {
            entreAspas = true;
            campoIniciado = true;
            inicioAspas = linha;
        } else if (c == separador) {
            atual.campos.push_back(std::move(campo));
            campo.clear();
            campoIniciado = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n')
                ++i;
            fecharRegistro();
            ++linha;
            atual.linha = linha;
        } else {
            campo += c;
            campoIniciado = true;
        }
    }
    if (entreAspas) {
        linhaAberta = inicioAspas;
        return std::nullopt;
    }
    if (!campo.empty() || !atual.campos.empty())
        fecharRegistro();
    return saida;
}

// A header name as the column it names: lower case, without a unit in
// parentheses ("DI (mm)" is "di").
std::string nomeColuna(std::string t)
{
    const auto parenteses = t.find('(');
    if (parenteses != std::string::npos)
        t.erase(parenteses);
    t = aparado(t);
    for (char& c : t)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::replace(t.begin(), t.end(), ' ', '_');
    return t;
}

bool vazio(const Registro& r)
{
    return std::all_of(r.campos.begin(), r.campos.end(), [](const std::string& c) { return aparado(c).empty(); });
}

bool colunaNumerica(ColunaTrecho c)
{
    return c != ColunaTrecho::Trecho && c != ColunaTrecho::Montante && c != ColunaTrecho::Jusante &&
           c != ColunaTrecho::Sobrecarga;
}

LeituraRede recusa(std::string erro)
{
    LeituraRede r;
    r.erro = std::move(erro);
    return r;
}

} // namespace

LeituraRede lerCsvRede(const std::string& bytes)
{
    if (bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0)
        return recusa("O arquivo está em UTF-16: salve-o como \"CSV UTF-8\" ou \"CSV (separado por vírgulas)\".");
    // No name or number holds a NUL; the file is no text.
    if (std::string nulo = recusaNulo(bytes); !nulo.empty())
        return recusa(std::move(nulo));
    const std::string texto = utf8DeArquivo(bytes);
    // The header line tells the dialect: ';' there means ';' and a decimal comma.
    const auto inicio = std::min(texto.find_first_not_of(" \t\r\n"), texto.size());
    const std::string primeira = texto.substr(inicio, texto.find_first_of("\r\n", inicio) - inicio);
    const char separador = primeira.find(';') != std::string::npos ? ';' : ',';
    const bool pontoDecimal = separador == ',';

    int linhaAberta = 0;
    auto lidos = registros(texto, separador, linhaAberta);
    if (!lidos)
        return recusa("Linha " + std::to_string(linhaAberta) + ": aspas abertas que não se fecham.");
    std::vector<Registro>& linhas = *lidos;
    const auto cabecalho = std::find_if(linhas.begin(), linhas.end(), [](const Registro& r) { return !vazio(r); });
    if (cabecalho == linhas.end())
        return recusa("O arquivo está vazio.");

    const auto& nomes = nomesColunasTrecho();
    std::vector<int> colunaDe(nomes.size(), -1);
    for (std::size_t i = 0; i < cabecalho->campos.size(); ++i) {
        const auto achado = std::find(nomes.begin(), nomes.end(), nomeColuna(cabecalho->campos[i]));
        if (achado != nomes.end() && colunaDe[static_cast<std::size_t>(achado - nomes.begin())] < 0)
            colunaDe[static_cast<std::size_t>(achado - nomes.begin())] = static_cast<int>(i);
    }
    const std::string linhaCabecalho = "Linha " + std::to_string(cabecalho->linha);
    for (ColunaTrecho obrigatoria : {ColunaTrecho::Trecho, ColunaTrecho::Comprimento, ColunaTrecho::Di})
        if (colunaDe[static_cast<std::size_t>(obrigatoria)] < 0)
            return recusa(linhaCabecalho + ": falta a coluna \"" + nomes[static_cast<std::size_t>(obrigatoria)] + "\".");
    auto tem = [&](ColunaTrecho c) { return colunaDe[static_cast<std::size_t>(c)] >= 0; };
    const bool coberturas = tem(ColunaTrecho::HsMontante) && tem(ColunaTrecho::HsJusante);
    const bool cotas = tem(ColunaTrecho::TerrenoMontante) && tem(ColunaTrecho::FundoMontante) &&
                       tem(ColunaTrecho::TerrenoJusante) && tem(ColunaTrecho::FundoJusante);
    if (!coberturas && !cotas)
        return recusa(linhaCabecalho +
                      ": faltam as colunas \"hs_montante\" e \"hs_jusante\" ou as cotas \"terreno_montante\", "
                      "\"fundo_montante\", \"terreno_jusante\" e \"fundo_jusante\".");

    LeituraRede r;
    r.ok = true;
    for (auto it = cabecalho + 1; it != linhas.end(); ++it) {
        if (vazio(*it))
            continue;
        EntradaTrecho e;
        for (std::size_t c = 0; c < nomes.size(); ++c) {
            const int indice = colunaDe[c];
            if (indice < 0 || static_cast<std::size_t>(indice) >= it->campos.size())
                continue;
            std::string valor = aparado(it->campos[static_cast<std::size_t>(indice)]);
            const auto coluna = static_cast<ColunaTrecho>(c);
            if (pontoDecimal && colunaNumerica(coluna) && valor.find(',') == std::string::npos)
                std::replace(valor.begin(), valor.end(), '.', ',');
            campoTrecho(e, coluna) = std::move(valor);
        }
        // More filled fields than the header has names: most likely a decimal
        // comma in a ',' file, which shifts every value after it.
        const auto sobra = std::find_if(it->campos.begin() + static_cast<std::ptrdiff_t>(std::min(it->campos.size(), cabecalho->campos.size())),
                                        it->campos.end(), [](const std::string& c) { return !aparado(c).empty(); });
        if (sobra != it->campos.end())
            e.problemaLeitura = "Linha " + std::to_string(it->linha) + ": tem " + std::to_string(it->campos.size()) +
                                " campos e o cabeçalho tem " + std::to_string(cabecalho->campos.size()) + ".";
        r.trechos.push_back(std::move(e));
    }
    return r;
}

LeituraRede lerArquivoRede(const std::string& bytes)
{
    std::size_t inicio = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    inicio = bytes.find_first_not_of(" \t\r\n", inicio);
    if (inicio != std::string::npos && bytes[inicio] == '<')
        return lerLandXmlRede(bytes);
    // SWMM: comment lines, then a section heading.
    while (inicio != std::string::npos && bytes[inicio] == ';') {
        const auto fimLinha = bytes.find('\n', inicio);
        inicio = fimLinha == std::string::npos ? fimLinha : bytes.find_first_not_of(" \t\r\n", fimLinha);
    }
    if (inicio != std::string::npos && bytes[inicio] == '[')
        return lerSwmmRede(bytes);
    return lerCsvRede(bytes);
}

std::string recusaNulo(const std::string& bytes)
{
    const auto nulo = bytes.find('\0');
    if (nulo == std::string::npos)
        return {};
    const auto linha = 1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nulo), '\n');
    return "Linha " + std::to_string(linha) + ": o arquivo tem um caractere nulo, que nenhum nome ou número pode ter.";
}
