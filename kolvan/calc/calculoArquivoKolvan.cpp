#include "calculoArquivoKolvan.h"

#include "ArquivoKolvan.h"
#include "TextoQt.h"
#include "calculoClasse.h"

#include <QFileInfo>

const std::vector<std::string>& chavesCalculoKolvan()
{
    static const std::vector<std::string> chaves{
        "arquivo",      "W",          "qs",          "fe",           "cs",         "R",          "classeArmado",
        "cargaArmado",  "classeSimples", "cargaSimples", "textoValor", "textoArmado", "textoSimples", "textoClasse"};
    return chaves;
}

CalculoArquivoKolvan calcularArquivoKolvan(const QString& caminho)
{
    CalculoArquivoKolvan r;
    const std::string nome = std8(QFileInfo(caminho).fileName());
    r.campos.emplace_back("arquivo", std8(caminho));
    const LeituraProjeto leitura = abrirProjeto(caminho, ProjetoTubo{});
    if (!leitura.ok) {
        r.campos.emplace_back("erro", mensagemArquivoRecusado(nome, leitura, LeitorProjeto::Calculadora));
        return r;
    }
    r.projeto = leitura.projeto;
    EstadoSobrecarga estado;
    r.calculo = calcularClasse(r.projeto, estado);
    const CalculoClasse& c = r.calculo;
    r.semSolucao = c.semSolucao;
    if (!c.calculada()) {
        r.campos.emplace_back("erro", c.mensagem);
        return r;
    }
    const Resultado& res = r.projeto.resultado;
    r.campos.insert(r.campos.end(), {{"W", numeroSaida(c.W)},
                                     {"qs", numeroSaida(c.qs)},
                                     {"fe", numeroSaida(c.fe)},
                                     {"cs", numeroSaida(c.cs)},
                                     {"R", numeroSaida(c.R)},
                                     {"classeArmado", res.classeArmado},
                                     {"cargaArmado", numeroSaida(res.cargaArmado)},
                                     {"classeSimples", res.classeSimples},
                                     {"cargaSimples", numeroSaida(res.cargaSimples)},
                                     {"textoValor", res.textoValor},
                                     {"textoArmado", res.textoArmado},
                                     {"textoSimples", res.textoSimples},
                                     {"textoClasse", res.textoClasse}});
    r.ok = true;
    return r;
}
