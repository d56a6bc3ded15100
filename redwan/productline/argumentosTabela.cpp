#include "argumentosTabela.h"

#include "geometriaRedwan.h"
#include "numeros.h"
#include "precosCusto.h"
#include "saidaCalculadora.h"

#include <algorithm>
#include <cmath>

namespace {
bool numero(const std::string& texto, std::string& destino, std::string& erro, const std::string& opcao)
{
    double v = 0.0;
    if (!lerNumero(comVirgulaDecimal(texto), v)) {
        erro = opcao + ": \"" + texto + "\" não é um número";
        return false;
    }
    destino = semSinalNoZero(comVirgulaDecimal(texto));
    return true;
}

std::string aparado(std::string t)
{
    t.erase(0, t.find_first_not_of(" \t\r"));
    t.erase(t.find_last_not_of(" \t\r") + 1);
    return t;
}
} // namespace

bool pedeTabela(const std::vector<std::string>& argumentos)
{
    return std::find(argumentos.begin(), argumentos.end(), "--tabela") != argumentos.end();
}

ArgumentosTabela lerArgumentosTabela(const std::vector<std::string>& argumentos)
{
    ArgumentosTabela a;
    int finalidade = finalidadePluvial, junta = 0;
    ParametrosArmadura p;
    p.fck = "35";
    p.gamaS = "1,15";
    p.gamaC = "1,40";
    if (pedeAjuda(argumentos)) {
        a.ajuda = a.ok = true;
        return a;
    }
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& opcao = argumentos[i];
        if (opcao == "--tabela")
            continue;
        if (opcao == "--parede-minima") {
            a.paredeMinima = true;
            continue;
        }
        if (opcao == "--menor-custo") {
            a.menorCusto = true;
            continue;
        }
        if (opcao == "--csv") {
            a.csv = true;
            continue;
        }
        if (opcao == "--memoria") {
            a.erro = "--memoria não vale com --tabela: a memória de cálculo é a de um projeto (redwan-calc --memoria ARQUIVO.rdw)";
            return a;
        }
        if (i + 1 >= argumentos.size()) {
            a.erro = opcao.rfind("--", 0) == 0 ? opcao + " pede um valor" : "argumento inesperado: " + opcao;
            return a;
        }
        const std::string& valor = argumentos[++i];
        bool lido = true;
        if (opcao == "--finalidade" && (valor == "pluvial" || valor == "esgoto"))
            finalidade = valor == "pluvial" ? finalidadePluvial : finalidadeEsgoto;
        else if (opcao == "--junta" && (valor == "MF" || valor == "PB"))
            junta = valor == "MF" ? 0 : 1;
        else if (opcao == "--armadura" && (valor == "simples" || valor == "dupla"))
            p.tipo = valor == "simples" ? armaduraSimples : armaduraDupla;
        else if (opcao == "--fck")
            lido = numero(valor, p.fck, a.erro, opcao);
        else if (opcao == "--dint")
            lido = numero(valor, p.dInt, a.erro, opcao);
        else if (opcao == "--dext")
            lido = numero(valor, p.dExt, a.erro, opcao);
        else if (opcao == "--gs")
            lido = numero(valor, p.gamaS, a.erro, opcao);
        else if (opcao == "--gc")
            lido = numero(valor, p.gamaC, a.erro, opcao);
        else if (opcao == "--preco-concreto" || opcao == "--preco-aco") {
            const std::string problema =
                conferirPreco(comVirgulaDecimal(valor), opcao == "--preco-aco" ? "do aço" : "do concreto");
            if (!problema.empty()) {
                a.erro = opcao + ": " + problema;
                return a;
            }
            (opcao == "--preco-aco" ? a.precoAco : a.precoConcreto) = valor;
        } else if (opcao == "--espessuras")
            a.arquivoEspessuras = valor;
        else if (opcao == "--pdf")
            a.pastaPdf = valor;
        else if (opcao == "--xlsx")
            a.arquivoXlsx = valor;
        else {
            a.erro = opcao.rfind("--", 0) == 0 ? "opção desconhecida ou valor inválido: " + opcao + " " + valor
                                                : "argumento inesperado: " + opcao;
            return a;
        }
        if (!lido)
            return a;
    }
    a.linha = linhaPadrao(finalidade, junta, p);
    a.ok = true;
    return a;
}

std::string aplicarEspessuras(EntradaLinha& linha, const std::vector<std::string>& linhasArquivo)
{
    for (std::size_t n = 0; n < linhasArquivo.size(); ++n) {
        const std::string texto = aparado(linhasArquivo[n]);
        if (texto.empty())
            continue;
        const std::size_t separador = texto.find(';');
        const std::string di = comVirgulaDecimal(aparado(texto.substr(0, separador)));
        const std::string h =
            separador == std::string::npos ? std::string() : comVirgulaDecimal(aparado(texto.substr(separador + 1)));
        double vDi = 0.0, vH = 0.0;
        const bool numeros = lerNumero(di, vDi) && lerNumero(h, vH);
        if (!numeros && n == 0)
            continue; // a head
        const std::string onde = "linha " + std::to_string(n + 1) + ": ";
        if (!numeros)
            return onde + "esperado \"di;h\" com números";
        const auto d = std::find_if(linha.diametros.begin(), linha.diametros.end(), [&](const DiametroLinha& x) {
            GeometriaRedwan g;
            g.indiceDi = x.indiceDi;
            return std::fabs(diametroInterno(g) - vDi) < 0.5;
        });
        if (d == linha.diametros.end())
            return onde + "o diâmetro " + di + " mm não está na linha";
        if (!(vH > 0.0 && vH <= 1000.0))
            return onde + "a espessura deve ser maior que zero e de no máximo 1000 mm";
        d->h = h;
    }
    return {};
}
