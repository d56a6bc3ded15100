#include "planilhaLinha.h"

#include "saidaCalculadora.h"

namespace {
int casasDecimais(const std::string& chave)
{
    if (chave == "di" || chave == "h" || chave == "domC" || chave == "domS" || chave == "hMinimaViavel"
        || chave == "hMenorCusto")
        return 0;
    if (chave == "concreto")
        return 3;
    return chave == "w" ? 4 : 2;
}

// The fields of each cell in the order of the head; a field a cell lacks is empty.
std::vector<std::vector<ValorCampo>> linhas(const TabelaLinha& t, const std::vector<std::string>& chaves)
{
    const bool parede = paredeBuscadaEmAlguma(t);
    const bool menorCusto = menorCustoBuscadoEmAlguma(t);
    std::vector<std::vector<ValorCampo>> todas;
    for (const CelulaLinha& c : t.celulas) {
        const std::vector<CampoCelula> campos = camposCelula(t, c, parede, menorCusto);
        std::vector<ValorCampo> linha;
        for (const std::string& chave : chaves) {
            ValorCampo v;
            for (const CampoCelula& f : campos)
                if (f.chave == chave)
                    v = f.valor;
            linha.push_back(v);
        }
        todas.push_back(std::move(linha));
    }
    return todas;
}
} // namespace

bool paredeBuscadaEmAlguma(const TabelaLinha& t)
{
    for (const CelulaLinha& c : t.celulas)
        if (c.paredeBuscada)
            return true;
    return false;
}

bool menorCustoBuscadoEmAlguma(const TabelaLinha& t)
{
    for (const CelulaLinha& c : t.celulas)
        if (c.menorCustoBuscado)
            return true;
    return false;
}

FolhaPlanilha folhaLinha(const TabelaLinha& t)
{
    FolhaPlanilha f;
    f.nome = "Tabela de armaduras";
    const std::vector<std::string> chaves = chavesCelula(paredeBuscadaEmAlguma(t), menorCustoBuscadoEmAlguma(t));
    LinhaPlanilha cabecalho;
    for (const std::string& chave : chaves)
        cabecalho.push_back(CelulaPlanilha::deTexto(chave));
    f.linhas.push_back(std::move(cabecalho));
    for (const std::vector<ValorCampo>& valores : linhas(t, chaves)) {
        LinhaPlanilha linha;
        for (std::size_t k = 0; k < valores.size(); ++k)
            linha.push_back(valores[k].numero ? CelulaPlanilha::deNumero(valores[k].valor, casasDecimais(chaves[k]))
                                              : CelulaPlanilha::deTexto(valores[k].texto));
        f.linhas.push_back(std::move(linha));
    }
    return f;
}

std::string csvCalculadora(const TabelaLinha& t)
{
    const std::vector<std::string> chaves = chavesCelula(paredeBuscadaEmAlguma(t), menorCustoBuscadoEmAlguma(t));
    std::string csv = linhaCsv(chaves);
    for (const std::vector<ValorCampo>& valores : linhas(t, chaves)) {
        std::vector<std::string> textos;
        for (const ValorCampo& v : valores)
            textos.push_back(v.numero ? numeroSaida(v.valor) : v.texto);
        csv += linhaCsv(textos);
    }
    return csv;
}
