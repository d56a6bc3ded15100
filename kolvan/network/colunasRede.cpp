#include "colunasRede.h"

#include "numeros.h"

const std::vector<std::string>& nomesColunasResultado()
{
    static const std::vector<std::string> nomes{
        "hs_montante_calculada", "hs_jusante_calculada", "hs_governante", "bv_adotada", "W", "qs", "fe", "R",
        "classe_armado", "carga_armado", "classe_simples", "carga_simples", "classe",
    };
    return nomes;
}

const std::vector<std::string>& titulosColunasTrecho()
{
    static const std::vector<std::string> titulos{
        "Trecho", "Montante", "Jusante", "L (m)", "DI (mm)", "hs mont. (m)", "hs jus. (m)", "Terreno mont. (m)",
        "Fundo mont. (m)", "Terreno jus. (m)", "Fundo jus. (m)", "bv (m)", "Sobrecarga", "Tubos",
    };
    return titulos;
}

const std::vector<std::string>& titulosColunasResultado()
{
    static const std::vector<std::string> titulos{
        "hs mont. calc. (m)", "hs jus. calc. (m)", "hs gov. (m)", "bv adot. (m)", "W (kN/m)", "qs (kN/m)", "fe", "R (kN/m)",
        "Armado", "Carga armado (kN/m)", "Simples", "Carga simples (kN/m)", "Classe",
    };
    return titulos;
}

const std::vector<std::string>& titulosColunasVala()
{
    static const std::vector<std::string> titulos{
        "h média (m)",   "Faixa de profundidade", "Faixa de largura", "Escavação (m³)", "Escoramento (m²)",
        "Lastro (m³)",   "Berço (m³)",            "Envolvimento (m³)", "Reaterro (m³)", "Bota-fora (m³)",
    };
    return titulos;
}

std::string textoVala(const ResultadoTrecho& r, ColunaVala c)
{
    if (!r.temVala)
        return {};
    const QuantidadesVala& v = r.vala;
    switch (c) {
    case ColunaVala::ProfundidadeMedia: return formatar2(v.profundidadeMedia);
    case ColunaVala::FaixaProfundidade: return faixasProfundidade()[static_cast<std::size_t>(v.faixaProfundidade)];
    case ColunaVala::FaixaLargura: return faixasLargura()[static_cast<std::size_t>(v.faixaLargura)];
    case ColunaVala::Escavacao: return formatar2(v.escavacao);
    case ColunaVala::Escoramento: return formatar2(v.escoramento);
    case ColunaVala::Lastro: return formatar2(v.lastro);
    case ColunaVala::Berco: return formatar2(v.berco);
    case ColunaVala::Envolvimento: return formatar2(v.envolvimento);
    case ColunaVala::Reaterro: return formatar2(v.reaterro);
    case ColunaVala::BotaFora: return formatar2(v.botaFora);
    }
    return {};
}

std::string textoClasse(const ResultadoTrecho& r)
{
    const auto inicio = r.textoClasse.find_first_not_of(' ');
    return inicio == std::string::npos ? std::string() : r.textoClasse.substr(inicio);
}

bool valorResultado(const ResultadoTrecho& r, ColunaResultado c, double& valor, int& decimais)
{
    if (!r.classificado)
        return false;
    decimais = 2;
    switch (c) {
    case ColunaResultado::HsMontante: valor = r.hsMontante; return true;
    case ColunaResultado::HsJusante: valor = r.hsJusante; return true;
    case ColunaResultado::HsGovernante: valor = r.hsGovernante; return true;
    case ColunaResultado::Bv: valor = r.bv; return r.usaLargura;
    case ColunaResultado::W: valor = r.W; return true;
    case ColunaResultado::Qs: valor = r.qs; return true;
    case ColunaResultado::Fe: valor = r.fe; return true;
    case ColunaResultado::R: valor = r.R; return true;
    // "Especial" has no minimum load of its own.
    case ColunaResultado::CargaArmado: valor = r.cargaArmado; return !r.classeArmado.empty() && r.classeArmado != "Especial";
    case ColunaResultado::CargaSimples: valor = r.cargaSimples; return !r.classeSimples.empty();
    case ColunaResultado::ClasseArmado:
    case ColunaResultado::ClasseSimples:
    case ColunaResultado::Classe: break;
    }
    return false;
}

std::string textoResultado(const ResultadoTrecho& r, ColunaResultado c)
{
    if (!r.classificado)
        return c == ColunaResultado::Classe ? r.mensagem : std::string();
    double valor = 0.0;
    int decimais = 2;
    if (valorResultado(r, c, valor, decimais))
        return formatarDecimais(valor, decimais);
    switch (c) {
    case ColunaResultado::ClasseArmado: return r.classeArmado;
    case ColunaResultado::ClasseSimples: return r.classeSimples;
    case ColunaResultado::Classe: return textoClasse(r);
    default: return {};
    }
}

std::string classeDaColuna(const ResultadoTrecho& r, ColunaResultado c)
{
    if (!r.classificado)
        return {};
    switch (c) {
    case ColunaResultado::ClasseArmado: return r.classeArmado;
    case ColunaResultado::ClasseSimples: return r.classeSimples;
    case ColunaResultado::Classe: return r.classeArmado.empty() ? r.classeSimples : r.classeArmado;
    default: return {};
    }
}

const std::string& regraClassificacaoRede()
{
    static const std::string regra =
        "A altura de terra varia linearmente entre as duas extremidades do trecho. A classe é calculada como em um "
        "projeto isolado na altura de cada extremidade e em cada múltiplo de 0,05 m entre elas; o trecho fica com o "
        "resultado da maior resistência necessária R (com R igual, o ponto mais próximo de montante), e essa é a "
        "altura governante. As alturas são tomadas ao centímetro. Dadas as cotas, hs = terreno − fundo − 1,1·di/1000.\n"
        "Sem largura de vala própria, o trecho usa a maior entre D + 0,50 m e a largura mínima de vala escorada "
        "(NBR 12266) para o seu diâmetro e a sua maior altura de terra (D + 0,70 m acima de 800 mm), arredondada "
        "para cima ao centímetro.\n"
        "Cada ponto passa pelas verificações da janela de instalação; um ponto que não passa, ou cuja sobrecarga não "
        "pode ser calculada, deixa o trecho sem classe, com a mensagem e a altura em que ocorreu.";
    return regra;
}
