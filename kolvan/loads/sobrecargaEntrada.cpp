#include "sobrecargaEntrada.h"

#include "ProjetoTubo.h"
#include "cargaSobrecarga.h"
#include "numeros.h"

#include <cmath>

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
    if (s.natureza == ForcaParcialmenteDistribuida) {
        if (vazio(s.carga))
            return recusa(CampoSobrecarga::Carga, "Entre com um valor para a força parcialmente distribuida.");
        if (vazio(s.compA))
            return recusa(CampoSobrecarga::CompA, "Entre com um valor para o comprimento \"a\"");
        if (vazio(s.compB))
            return recusa(CampoSobrecarga::CompB, "Entre com um valor para o comprimento \"b\"");
        const bool duasAreas = s.distribuicao == 1;
        if (duasAreas && vazio(s.distC))
            return recusa(CampoSobrecarga::DistC, "Entre com um valor para o comprimento \"c\"");
        s.carga = normalizar(s.carga, 2);
        s.compA = normalizar(s.compA, 2);
        s.compB = normalizar(s.compB, 2);
        if (duasAreas)
            s.distC = normalizar(s.distC, 2);
    } else if (s.natureza == DefinidaPeloUsuario) {
        if (vazio(s.carga))
            return recusa(CampoSobrecarga::Carga, "Entre com um valor para a força definida pelo usuário.");
        s.carga = normalizar(s.carga, 2);
    }
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
    default: // rail and air
        return false;
    }
}
