#pragma once
// Writing and reading the section files of both programs (a header, the
// values, the separator, an empty line). The reader refuses the first line
// that is not what its place needs by throwing RecusaArquivo with that line.

#include "arquivoSecoes.h"

#include <stdexcept>
#include <string>
#include <vector>

class EscritorSecoes {
public:
    void secao(const std::string& cabecalho) { linhas.push_back(cabecalho); }
    void valor(const std::string& v) { linhas.push_back(v); }
    void valor(long i) { linhas.push_back(std::to_string(i)); }
    void fim()
    {
        linhas.push_back(separadorSecao);
        linhas.push_back("");
    }
    // A whole section of texts (the designer, the work, the client).
    void secaoTextos(const std::string& cabecalho, const std::vector<const std::string*>& textos)
    {
        secao(cabecalho);
        for (const std::string* t : textos)
            valor(*t);
        fim();
    }
    std::vector<std::string> linhas;
};

// A refusal at a line of the file (1-based).
struct RecusaArquivo : std::runtime_error {
    RecusaArquivo(int l, const std::string& motivo) : std::runtime_error(motivo), linha(l) {}
    int linha;
};

class LeitorSecoes {
public:
    explicit LeitorSecoes(const std::vector<std::string>& linhas) : linhas_(linhas) {}

    // The line last read, 1-based.
    int linhaAtual() const { return proxima_; }
    // The next line; a file that ends here is refused.
    const std::string& texto();
    void cabecalho(const std::string& esperado);
    // The separator and the empty line that end a section.
    void fimSecao();
    // The end of one section and the header of the next.
    void proximaSecao(const std::string& cabecalhoSeguinte);
    // A whole section of texts, as EscritorSecoes::secaoTextos writes it.
    void secaoTextos(const std::string& cabecalho, const std::vector<std::string*>& textos);
    // A whole number of at most five digits, without sign, below `quantidade`.
    int indice(std::size_t quantidade);
    // A whole number of at most `digitos` digits, without sign.
    long inteiro(std::size_t digitos);
    // A number text (decimal comma), kept as written; its value in `valor`.
    std::string numero(double& valor);
    void exigir(bool condicao, int linha, const std::string& motivo) const;

private:
    const std::vector<std::string>& linhas_;
    int proxima_ = 0;
};
