#include "entradaDimensionamento.h"

#include "numeros.h"

namespace {

// Empty fields are named as the input windows name them.
bool converter(const std::string& texto, const char* mensagemVazio, double& valor, std::string& mensagem)
{
    if (texto.find_first_not_of(" \t") == std::string::npos) {
        mensagem = mensagemVazio;
        return false;
    }
    try {
        valor = converterNumero(texto);
    } catch (const ErroConversao& erro) {
        mensagem = erro.what();
        return false;
    }
    return true;
}

} // namespace

const std::string* textoCargaClasse(const EntradaDimensionamento& entrada)
{
    if (entrada.finalidade != AguasPluviais) {
        const int i = entrada.classeEsgoto;
        return i >= 0 && i < static_cast<int>(entrada.cargasEsgoto.size()) ? &entrada.cargasEsgoto[i] : nullptr;
    }
    const int i = entrada.classePluvial;
    return i >= 0 && i < static_cast<int>(entrada.cargasPluviais.size()) ? &entrada.cargasPluviais[i] : nullptr;
}

LeituraEntrada lerEntrada(const EntradaDimensionamento& entrada)
{
    LeituraEntrada r;
    DadosDimensionamento& d = r.dados;
    d.tipoArmadura = entrada.tipoArmadura == CircularDupla ? CircularDupla : CircularSimples;
    d.tipoTubo = entrada.tipoTubo == MachoFemea ? MachoFemea : PontaBolsa;

    const std::string* carga = textoCargaClasse(entrada);
    if (!carga) {
        r.mensagem = "Escolha a classe do tubo.";
        return r;
    }
    const bool lidos = converter(*carga, "Entre com um valor para a carga minima de ruptura.", d.P, r.mensagem)
        && converter(entrada.gamaS, "Entre com um valor para o coeficiente de segurança do aço.", d.gamaS,
                     r.mensagem)
        && converter(entrada.fck, "Entre com um valor para a resistencia caracteristica do concreto.", d.fck,
                     r.mensagem)
        && converter(entrada.gamaC, "Entre com um valor para o coeficiente de segurança do concreto.", d.gamaC,
                     r.mensagem)
        && converter(entrada.di, "Entre com um valor para o diâmetro interno.", d.di, r.mensagem)
        && converter(entrada.h, "Entre com um valor para a espessura da parede.", d.h, r.mensagem);
    if (!lidos)
        return r;
    if (d.tipoArmadura == CircularDupla
        && !(converter(entrada.dLinhaInt, "Entre com um valor para o cobrimento interno.", d.dLinhaInt, r.mensagem)
             && converter(entrada.dLinhaExt, "Entre com um valor para o cobrimento externo.", d.dLinhaExt,
                          r.mensagem)))
        return r;

    r.mensagem = conferirDados(d);
    r.valida = r.mensagem.empty();
    return r;
}

std::string conferirDados(const DadosDimensionamento& d)
{
    // The windows keep these limits; a run on other values would divide by
    // zero or scan without end, so it stops here as well.
    if (!(d.fck > 0.0))
        return "A resistência característica do concreto deve ser maior que zero.";
    if (!(d.gamaS >= 1.0))
        return "O coeficiente de segurança do aço deve ser maior ou igual a 1,0.";
    if (!(d.gamaC >= 1.0))
        return "O coeficiente de segurança do concreto deve ser maior ou igual a 1,0.";
    if (!(d.di > 0.0))
        return "O diâmetro interno deve ser maior que zero.";
    if (!(d.h > 0.0 && d.h <= 1000.0))
        return "A espessura da parede deve ser maior que zero e de no máximo 1000 mm.";
    return {};
}
