#include "verificacaoInstalacao.h"

#include "dadosInstalacao.h"
#include "limitesInstalacao.h"
#include "numeros.h"

#include <cmath>
#include <vector>

namespace {

// Values that went through two-decimal texts compare within this.
constexpr double folga = 1e-9;

VerificacaoInstalacao recusa(std::string linha, CampoInstalacao foco = CampoInstalacao::Nenhum)
{
    VerificacaoInstalacao r;
    r.linha = std::move(linha);
    r.foco = foco;
    return r;
}

bool vazio(const std::string& texto) { return texto.find_first_not_of(" \t") == std::string::npos; }

struct Normalizacao {
    std::string* texto;
    int decimais;
    CampoInstalacao campo;
};

} // namespace

VerificacaoInstalacao verificarInstalacao(ProjetoTubo& candidato)
{
    Instalacao& i = candidato.instalacao;
    const bool usuario = i.terreno == terrenoDefinidoPeloUsuario;
    const CamposAplicaveis campos = camposAplicaveis(i.tipo);

    // Empty fields, in the order of the window.
    if (usuario && vazio(i.gama))
        return recusa("Entre com um valor para o peso específico do solo.", CampoInstalacao::Gama);
    if (usuario && vazio(i.kMi))
        return recusa("Entre com um valor para K.u.", CampoInstalacao::KMi);
    if (vazio(i.alturaTerra))
        return recusa("Entre com um valor para altura de terra.", CampoInstalacao::AlturaTerra);
    const std::string faltaRecalque = "Entre com um valor para a razão de recalque.";
    const std::string faltaLargura = "Entre com um valor para a largura da vala.";
    const std::string faltaHa = "Entre com um valor para a altura (ha).";
    if (campos.razaoRecalque && vazio(i.razaoRecalque))
        return recusa(faltaRecalque, CampoInstalacao::RazaoRecalque);
    if (campos.larguraVala && vazio(i.larguraVala))
        return recusa(faltaLargura, CampoInstalacao::LarguraVala);
    if (campos.alturaHa && vazio(i.alturaHa))
        return recusa(faltaHa, CampoInstalacao::AlturaHa);

    // The rounded texts; a text that is not a number stops here with nothing changed.
    std::vector<Normalizacao> normalizar;
    if (usuario) {
        normalizar.push_back({&i.gama, 2, CampoInstalacao::Gama});
        normalizar.push_back({&i.kMi, 3, CampoInstalacao::KMi});
    }
    normalizar.push_back({&i.alturaTerra, 2, CampoInstalacao::AlturaTerra});
    if (campos.razaoRecalque)
        normalizar.push_back({&i.razaoRecalque, 1, CampoInstalacao::RazaoRecalque});
    if (campos.larguraVala)
        normalizar.push_back({&i.larguraVala, 2, CampoInstalacao::LarguraVala});
    if (campos.alturaHa)
        normalizar.push_back({&i.alturaHa, 2, CampoInstalacao::AlturaHa});
    std::vector<std::string> arredondados;
    for (const Normalizacao& n : normalizar) {
        double valor = 0.0;
        if (!lerNumero(*n.texto, valor)) {
            VerificacaoInstalacao r;
            r.erroConversao = mensagemNumeroInvalido(*n.texto);
            r.foco = n.campo;
            return r;
        }
        // The settlement ratio is the one value that is negative by nature.
        if (valor < 0.0 && n.campo != CampoInstalacao::RazaoRecalque)
            return recusa(mensagemNumeroNegativo(*n.texto), n.campo);
        arredondados.push_back(formatarDecimais(valor, n.decimais));
    }
    for (std::size_t k = 0; k < normalizar.size(); ++k)
        *normalizar[k].texto = arredondados[k];
    // A field the type does not use may still hold a half-typed text (a lone
    // comma) from another type; it counts for nothing, so it keeps nothing.
    for (std::string* oculto : {campos.razaoRecalque ? nullptr : &i.razaoRecalque,
                                campos.larguraVala ? nullptr : &i.larguraVala,
                                campos.alturaHa ? nullptr : &i.alturaHa}) {
        double descartado = 0.0;
        if (oculto && !vazio(*oculto) && !lerNumero(*oculto, descartado))
            oculto->clear();
    }

    // Every load formula divides by 2·Kμ: a soil without friction has no load
    // by this theory.
    if (usuario && converterNumero(i.kMi) <= 0.0)
        return recusa("O valor de K.u deve ser maior que zero.", CampoInstalacao::KMi);

    VerificacaoInstalacao r;
    r.converteu = true;
    r.valores = valoresTrabalho(candidato);
    const ValoresTrabalho& v = r.valores;
    auto recusaConvertida = [&r](std::string linha) {
        r.linha = std::move(linha);
        return r;
    };

    if (v.hs < 0.59999) {
        i.alturaTerra = "0,60";
        return recusaConvertida("A altura mínima de terra deverá ser 0,60 m");
    }
    if (usaBaseAterro(i)) {
        const double haMax = alturaMaximaProjecao(candidato.baseAterro.classe, v.D);
        if (v.ha > haMax + folga) {
            i.alturaHa = formatar2(haMax);
            return recusaConvertida("Altura máxima para a projeção é de " + formatar2(haMax) + " m");
        }
    }
    if (i.tipo == ProjecaoNegativa && !i.aterroCompactado && !(0.95 * v.hs > v.ha)) {
        i.alturaHa = formatar2(0.94 * v.hs);
        r.superior = "A altura (ha) deve ser pelo menos 5% ";
        r.inferior = "menor do que a altura de terra (hs).";
        return r;
    }
    if (campos.larguraVala) {
        const double bvMin = larguraMinimaVala(v.D);
        if (v.bv < bvMin - folga) {
            i.larguraVala = formatar2(bvMin);
            return recusaConvertida("A largura mínima da vala deverá ser " + formatar2(bvMin) + " m.");
        }
    }
    r.aceita = true;
    return r;
}

bool instalacaoMudou(const Instalacao& antes, const Instalacao& depois)
{
    if (antes.terreno != depois.terreno || antes.tipo != depois.tipo)
        return true;
    // γ and Kμ are compared as their rounded texts: a change in the last
    // decimal of Kμ is a change.
    if (depois.terreno == terrenoDefinidoPeloUsuario && (antes.gama != depois.gama || antes.kMi != depois.kMi))
        return true;
    auto difere = [](const std::string& a, const std::string& b) {
        double x = 0.0, y = 0.0;
        if (!lerNumero(a, x) || !lerNumero(b, y))
            return a != b;
        return std::abs(x - y) > 0.001 + folga;
    };
    const CamposAplicaveis campos = camposAplicaveis(depois.tipo);
    if (difere(antes.alturaTerra, depois.alturaTerra))
        return true;
    if (campos.razaoRecalque && difere(antes.razaoRecalque, depois.razaoRecalque))
        return true;
    if (campos.larguraVala && difere(antes.larguraVala, depois.larguraVala))
        return true;
    if (campos.alturaHa && difere(antes.alturaHa, depois.alturaHa))
        return true;
    return campos.compactacao && antes.aterroCompactado != depois.aterroCompactado;
}
