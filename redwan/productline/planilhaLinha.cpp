#include "planilhaLinha.h"

#include "geometriaRedwan.h"
#include "parametrosArmadura.h"
#include "saidaCalculadora.h"

#include <map>

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

std::string tituloCampoLinha(const std::string& chave)
{
    static const std::map<std::string, std::string> titulos{
        {"di", "Diâmetro interno (mm)"},
        {"classe", "Classe"},
        {"P", "Carga mínima de ruptura P (kN/m)"},
        {"h", "Espessura da parede (mm)"},
        {"Mc", "Momento no coroamento Mc (kN·m/m)"},
        {"Ms", "Momento no flanco Ms (kN·m/m)"},
        {"dC", "Altura útil do coroamento (cm)"},
        {"xC", "Linha neutra do coroamento (cm)"},
        {"domC", "Domínio do coroamento"},
        {"AsC", "Armadura do coroamento (cm²/m)"},
        {"dS", "Altura útil do flanco (cm)"},
        {"xS", "Linha neutra do flanco (cm)"},
        {"domS", "Domínio do flanco"},
        {"AsS", "Armadura do flanco (cm²/m)"},
        {"Dcoro", "Altura útil prática do coroamento (cm)"},
        {"AsP_Prat", "Armadura de tração prática (cm²/m)"},
        {"AsMin", "Armadura mínima (cm²/m)"},
        {"AsIntMin", "Armadura interna mínima transitória (cm²/m)"},
        {"AsExtMin", "Armadura externa mínima transitória (cm²/m)"},
        {"telaInterna", "Tela interna"},
        {"telaExterna", "Tela externa"},
        {"AsMax", "Armadura máxima (cm²/m)"},
        {"Vu", "Força cortante última (kN/m)"},
        {"w", "Abertura da fissura (mm)"},
        {"verificacaoCobrimento", "Verificação do cobrimento"},
        {"verificacaoCortante", "Verificação da força cortante"},
        {"verificacaoFissuras", "Verificação das fissuras"},
        {"hMinimaViavel", "Espessura mínima viável (mm)"},
        {"acoInterno", "Aço da armadura interna (kg/m)"},
        {"acoExterno", "Aço da armadura externa (kg/m)"},
        {"acoTotal", "Aço total (kg/m)"},
        {"concreto", "Concreto (m³/m)"},
        {"custo", "Custo (R$/m)"},
        {"hMenorCusto", "Parede de menor custo (mm)"},
        {"custoMenor", "Menor custo (R$/m)"},
        {"erro", "Motivo"},
    };
    const auto achado = titulos.find(chave);
    return achado == titulos.end() ? chave : achado->second;
}

FolhaPlanilha folhaLinha(const TabelaLinha& t, bool titulos)
{
    FolhaPlanilha f;
    f.nome = "Tabela de armaduras";
    const std::vector<std::string> chaves = chavesCelula(paredeBuscadaEmAlguma(t), menorCustoBuscadoEmAlguma(t));
    LinhaPlanilha cabecalho;
    for (const std::string& chave : chaves)
        cabecalho.push_back(CelulaPlanilha::deTexto(titulos ? tituloCampoLinha(chave) : chave));
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

FolhaPlanilha folhaParametrosLinha(const TabelaLinha& t)
{
    const EntradaLinha& e = t.entrada;
    const ParametrosArmadura& a = e.parametros;
    const bool dupla = a.tipo == armaduraDupla;
    GeometriaRedwan g;
    g.finalidade = e.finalidade;
    g.tipoTubo = e.tipoTubo;
    auto texto = [](std::string s) { return CelulaPlanilha::deTexto(std::move(s)); };
    FolhaPlanilha f;
    f.nome = "Parâmetros";
    f.linhas = {{texto("Parâmetro"), texto("Valor")},
                {texto("Finalidade"), texto(textoFinalidade(g))},
                {texto("Tipo de tubo"), texto(textoTipoTubo(g))},
                {texto("fck (MPa)"), texto(a.fck)},
                {texto("Tipo de armadura"),
                 texto(a.tipo >= 0 && a.tipo < static_cast<int>(tiposArmadura().size())
                           ? tiposArmadura()[static_cast<std::size_t>(a.tipo)]
                           : std::string())},
                {texto("d'int (cm)"), texto(dupla ? a.dInt : "----")},
                {texto("d'ext (cm)"), texto(dupla ? a.dExt : "----")},
                {texto("γs"), texto(a.gamaS)},
                {texto("γc"), texto(a.gamaC)}};
    return f;
}

Planilha planilhaLinha(const TabelaLinha& t)
{
    return Planilha{{folhaLinha(t, true), folhaParametrosLinha(t)}};
}
