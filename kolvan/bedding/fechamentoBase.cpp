#include "fechamentoBase.h"

#include "ProjetoTubo.h"
#include "numeros.h"

#include <cmath>

namespace {

bool mesmoValor(const std::string& a, const std::string& b)
{
    double x = 0.0;
    double y = 0.0;
    if (lerNumero(a, x) && lerNumero(b, y))
        return !(std::abs(x - y) > 0.001);
    return a == b;
}

} // namespace

VerificacaoCoeficiente verificarCoeficienteSeguranca(std::string& texto)
{
    VerificacaoCoeficiente v;
    if (texto.find_first_not_of(" \t") == std::string::npos) {
        v.mensagem = mensagemCoeficienteVazio;
        return v;
    }
    double valor = 0.0;
    if (!lerNumero(texto, valor)) {
        v.mensagem = mensagemNumeroInvalido(texto);
        return v;
    }
    texto = formatar2(valor);
    // Compared as shown: 1,499 shows as 1,50 and passes.
    if (converterNumero(texto) < coeficienteSegurancaMinimo - 1e-9) {
        v.mensagem = mensagemCoeficienteMinimo;
        return v;
    }
    v.aceito = true;
    return v;
}

void copiarCoeficienteSeguranca(ProjetoTubo& p, bool daBaseAterro)
{
    if (daBaseAterro)
        p.baseVala.coefSeguranca = p.baseAterro.coefSeguranca;
    else
        p.baseAterro.coefSeguranca = p.baseVala.coefSeguranca;
}

bool baseMudou(const BaseAssentamento& antes, const BaseAssentamento& depois, bool primeiraConfirmacao)
{
    return primeiraConfirmacao || antes.classe != depois.classe || !mesmoValor(antes.fator, depois.fator) ||
           !mesmoValor(antes.coefSeguranca, depois.coefSeguranca);
}
