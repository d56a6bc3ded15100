#include "sobrecargaEntrada.h"

#include "ProjetoTubo.h"
#include "cargaSobrecarga.h"
#include "numeros.h"

#include <cmath>
#include <vector>

const std::vector<std::string>& listaNaturezasSobrecarga()
{
    static const std::vector<std::string> lista{"Rodoviária",
                                                "Ferroviária",
                                                "Aeroviária",
                                                "Força parcialmente distribuída",
                                                "Definida pelo usuário",
                                                "Nula ou desprezível"};
    return lista;
}

const std::vector<std::string>& listaTiposTrafego()
{
    static const std::vector<std::string> lista{"Classe 45", "Classe 30", "Eixo triplo"};
    return lista;
}

const std::vector<std::string>& listaDistribuicoes()
{
    static const std::vector<std::string> lista{"Em uma área", "Em duas áreas"};
    return lista;
}

std::string figuraSobrecarga(int natureza, int distribuicao)
{
    switch (natureza) {
    case Rodoviaria: return "rodoviario.bmp";
    case Ferroviaria: return "ferroviario.bmp";
    case Aeroviaria: return "aeroviario.bmp";
    case ForcaParcialmenteDistribuida: return distribuicao == 1 ? "2CargaDist.bmp" : "1CargaDist.bmp";
    case DefinidaPeloUsuario: return "usuario.bmp";
    case NulaOuDesprezivel: return "nula.bmp";
    default: return {};
    }
}

std::string legendaCarga(int natureza)
{
    return natureza == DefinidaPeloUsuario ? legendaCargaUsuario : legendaForcaDistribuida;
}

CamposSobrecarga camposSobrecarga(int natureza, int distribuicao)
{
    CamposSobrecarga c;
    c.trafego = natureza == Rodoviaria;
    if (natureza == ForcaParcialmenteDistribuida) {
        c.distribuicao = c.carga = c.compA = c.compB = true;
        c.distC = distribuicao == 1;
    }
    c.carga = c.carga || natureza == DefinidaPeloUsuario;
    return c;
}

bool confirmaHabilitado(int natureza) { return natureza != Ferroviaria && natureza != Aeroviaria; }

void aplicarNatureza(Sobrecarga& s, int natureza)
{
    s.natureza = natureza;
    if (natureza == ForcaParcialmenteDistribuida) {
        s.carga = "5000,00";
        s.compA = "0,50";
        s.compB = "0,50";
        aplicarDistribuicao(s, s.distribuicao);
    } else if (natureza == DefinidaPeloUsuario) {
        s.carga = "5,00";
    }
}

void aplicarDistribuicao(Sobrecarga& s, int distribuicao)
{
    s.distribuicao = distribuicao;
    if (distribuicao == 1)
        s.distC = "5,00";
}

namespace {

bool vazio(const std::string& texto) { return texto.find_first_not_of(" \t") == std::string::npos; }

VerificacaoSobrecarga recusa(CampoSobrecarga campo, const char* mensagem)
{
    return {false, mensagem, campo};
}

// Two texts hold the same value when both are numbers within 0,001 of each
// other, or when they are the same text.
bool mesmoValor(const std::string& a, const std::string& b)
{
    double x = 0.0;
    double y = 0.0;
    if (lerNumero(a, x) && lerNumero(b, y))
        return !(std::abs(x - y) > 0.001);
    return a == b;
}

} // namespace

VerificacaoSobrecarga verificarSobrecarga(Sobrecarga& s)
{
    struct Campo {
        std::string* texto;
        CampoSobrecarga campo;
        const char* vazio;
    };
    std::vector<Campo> campos;
    if (s.natureza == ForcaParcialmenteDistribuida) {
        campos = {{&s.carga, CampoSobrecarga::Carga, "Entre com um valor para a força parcialmente distribuida."},
                  {&s.compA, CampoSobrecarga::CompA, "Entre com um valor para o comprimento \"a\""},
                  {&s.compB, CampoSobrecarga::CompB, "Entre com um valor para o comprimento \"b\""}};
        if (s.distribuicao == 1)
            campos.push_back({&s.distC, CampoSobrecarga::DistC, "Entre com um valor para o comprimento \"c\""});
    } else if (s.natureza == DefinidaPeloUsuario) {
        campos = {{&s.carga, CampoSobrecarga::Carga, "Entre com um valor para a força definida pelo usuário."}};
    }
    for (const Campo& c : campos)
        if (vazio(*c.texto))
            return recusa(c.campo, c.vazio);
    // A half-typed number (a lone comma) is refused before anything is rewritten.
    std::vector<std::string> normalizados;
    for (const Campo& c : campos) {
        double valor = 0.0;
        if (!lerNumero(*c.texto, valor))
            return recusa(c.campo, mensagemNumeroInvalido(*c.texto).c_str());
        if (valor < 0.0)
            return recusa(c.campo, mensagemNumeroNegativo(*c.texto).c_str());
        normalizados.push_back(formatar2(valor));
    }
    for (std::size_t k = 0; k < campos.size(); ++k)
        *campos[k].texto = normalizados[k];
    return {};
}

bool sobrecargaMudou(const Sobrecarga& antes, const Sobrecarga& depois, bool primeiraConfirmacao)
{
    if (primeiraConfirmacao)
        return true;
    const bool outraNatureza = antes.natureza != depois.natureza;
    switch (depois.natureza) {
    case Rodoviaria:
        return outraNatureza || antes.trafego != depois.trafego;
    case ForcaParcialmenteDistribuida: {
        if (outraNatureza || antes.distribuicao != depois.distribuicao)
            return true;
        const bool cMudou = depois.distribuicao == 1 && !mesmoValor(antes.distC, depois.distC);
        return !mesmoValor(antes.carga, depois.carga) || !mesmoValor(antes.compA, depois.compA) ||
               !mesmoValor(antes.compB, depois.compB) || cMudou;
    }
    case DefinidaPeloUsuario:
        return outraNatureza || !mesmoValor(antes.carga, depois.carga);
    case NulaOuDesprezivel:
        return outraNatureza;
    default: // rail and air: the class stands on the nature it was computed for
        return outraNatureza;
    }
}
