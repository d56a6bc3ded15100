#include "resumoKolvan.h"

#include "ProjetoTubo.h"

ResumoKolvan resumoInicial()
{
    ResumoKolvan r;
    r.linhas[Esquerda] = {"Geometria:",
                          "Finalidade: ",
                          "Tipo de Tubo: ",
                          "Diâmetro interno (di) = ",
                          "Comprimento longitudinal (l) = ",
                          "Sobrecarga:",
                          "Natureza: ",
                          "Tipo de Tráfego: ",
                          "Peso do veículo = ",
                          ""};
    r.linhas[Meio] = {"Instalação:",
                      "Tipo de instalação: ",
                      "Tipo de terreno: ",
                      "Peso específico do solo = ",
                      "k.u = ",
                      "Razão de recalque = ",
                      "Altura de terra (hs): ",
                      "Largura da vala (bv) = ",
                      "Altura (ha) = ",
                      "Aterro com boas condições de compactação: "};
    r.linhas[Direita] = {"Base:",
                         "Tipo: ",
                         "Fator de equivalência = ",
                         "Resultados - Classe:",
                         "Resistência necessária (calculada): ",
                         "Valor =",
                         "Carga mínima de ruptura (conforme classe): ",
                         "Tubos Armados =",
                         "Tubos Simples =",
                         "Classe do Tubo:"};
    return r;
}

namespace {
std::string item(const std::vector<std::string>& lista, int indice)
{
    return indice >= 0 && indice < static_cast<int>(lista.size()) ? lista[indice] : std::string();
}
} // namespace

void atualizarGeometriaResumo(ResumoKolvan& r, const ProjetoTubo& p)
{
    const Geometria& g = p.geometria;
    r.linha(Esquerda, 2) = "Finalidade: " + item(listaFinalidades(), g.finalidade);
    r.linha(Esquerda, 3) = "Tipo de Tubo: " + item(listaTiposTubo(), g.tipoTubo);
    r.linha(Esquerda, 4) = "Diâmetro interno (di) = " + textoDiametro(g) + " mm";
    r.linha(Esquerda, 5) = "Comprimento longitudinal (l) = " + textoComprimento(g) + " m";
}

void atualizarInstalacaoResumo(ResumoKolvan& r, const ProjetoTubo& p)
{
    const Instalacao& i = p.instalacao;
    const bool vala = i.tipo == Vala;
    const bool positiva = i.tipo == ProjecaoPositiva;
    const bool negativa = i.tipo == ProjecaoNegativa;
    const std::string nada = "----";

    r.linha(Meio, 2) = "Tipo de instalação: " + item(listaTiposInstalacao(), i.tipo);
    r.linha(Meio, 3) = "Tipo de terreno: " + item(listaTerrenos(), i.terreno);
    r.linha(Meio, 4) = "Peso específico do solo = " + i.gama + " kN/m ³";
    r.linha(Meio, 5) = "k.u = " + i.kMi;
    r.linha(Meio, 6) = "Razão de recalque = " + (vala ? nada : i.razaoRecalque);
    r.linha(Meio, 7) = "Altura de terra (hs): " + i.alturaTerra + " m";
    r.linha(Meio, 8) = "Largura da vala (bv) = " + (positiva ? nada : i.larguraVala + " m");
    r.linha(Meio, 9) = "Altura (ha) = " + (vala ? nada : i.alturaHa + " m");
    r.linha(Meio, 10) = "Aterro com boas condições de compactação: " +
                        (negativa ? std::string(i.aterroCompactado ? "Sim" : "Não") : nada);
}

void atualizarSobrecargaResumo(ResumoKolvan& r, const ProjetoTubo& p)
{
    const Sobrecarga& s = p.sobrecarga;
    r.linha(Esquerda, 10).clear();
    switch (s.natureza) {
    case 0: {
        static const char* tipos[] = {"Classe 45", "Classe 30", "Eixo triplo"};
        static const char* pesos[] = {"450 kN", "300 kN", "255 kN"};
        const int t = s.trafego >= 0 && s.trafego < 3 ? s.trafego : 0;
        r.linha(Esquerda, 7) = "Natureza: Rodoviaria";
        r.linha(Esquerda, 8) = std::string("Tipo de Tráfego: ") + tipos[t];
        r.linha(Esquerda, 9) = std::string("Peso do veículo = ") + pesos[t];
        break;
    }
    case 3: {
        const std::string separador = " m          ";
        r.linha(Esquerda, 7) = "Natureza: Força parcialmente distribuída";
        r.linha(Esquerda, 8) = s.distribuicao == 1 ? "Distribuição: Em duas areas"
                                                   : "Distribuição: Em uma area";
        r.linha(Esquerda, 9) = "Valor = " + s.carga + " kN";
        r.linha(Esquerda, 10) = "a = " + s.compA + separador + "b = " + s.compB + " m";
        if (s.distribuicao == 1)
            r.linha(Esquerda, 10) += "          c = " + s.distC + " m";
        break;
    }
    case 4:
        r.linha(Esquerda, 7) = "Natureza: Definida pelo usuário";
        r.linha(Esquerda, 8) = "Valor = " + s.carga + " kN/m";
        r.linha(Esquerda, 9).clear();
        break;
    case 5:
        r.linha(Esquerda, 7) = "Natureza: Nula ou desprezível";
        r.linha(Esquerda, 8) = "Valor = 0,00";
        r.linha(Esquerda, 9).clear();
        break;
    default:
        break;
    }
}

void atualizarBaseResumoTextos(ResumoKolvan& r, const ProjetoTubo& p)
{
    const BaseAssentamento& base = baseEmUso(p);
    r.linha(Direita, 2) = "Tipo: " + item(listaClassesBase(), base.classe);
    r.linha(Direita, 3) = "Fator de equivalência = " + base.fator;
}

void atualizarResultadoResumo(ResumoKolvan& r, const ProjetoTubo& p)
{
    const Resultado& res = p.resultado;
    r.linha(Direita, 6) = "Valor =" + res.textoValor;
    r.linha(Direita, 8) = "Tubos Armados = " + res.textoArmado;
    r.linha(Direita, 9) = "Tubos Simples = " + res.textoSimples;
    r.linha(Direita, 10) = "Classe do Tubo:" + res.textoClasse;
}

void limparResultadoResumo(ResumoKolvan& r)
{
    const ResumoKolvan inicial = resumoInicial();
    for (int k : {6, 8, 9, 10})
        r.linha(Direita, k) = inicial.linha(Direita, k);
}
