#include "verificacoes.h"

#include "memoriaCalculo.h"
#include "numeros.h"
#include "secao.h"

#include <cmath>

double diametroMedioInterno(const SelecaoTelas& t)
{
    const double Aint = t.Aint1 + t.Aint2;
    // A face always gets at least one mesh; no steel, no diameter.
    if (!(Aint > 0.0))
        return 0.0;
    return (t.Aint1 * t.Dint1 + t.Aint2 * t.Dint2) / Aint;
}

double alturaUtilVerificacao(const EstadoDimensionamento& e)
{
    const double dk = e.tipoArmadura == CircularDupla ? e.dC : e.Dcoro;
    if (!(dk > 0.0))
        throw ErroAlturaUtil(dk);
    return dk;
}

double areaEnvolvente(double phiM, double cobrimento, MemoriaCalculo* m)
{
    // 15 diameters wide (φm in mm gives cm), at most the 10 cm between
    // wires; 7,5 diameters deep plus the cover, or 15 diameters when the
    // cover is deeper than 7,5.
    const double bcr = 0.75 * phiM < 10.0 ? 1.5 * phiM : 10.0;
    const double altura = cobrimento <= 0.75 * phiM ? 0.75 * phiM + cobrimento : 1.5 * phiM;
    if (m) {
        m->grandeza({"Distância da armadura à face interna", "c", cobrimento, "cm", "{hcm} − {dk}", 2});
        // The product of the printed φm, exact with five decimals.
        const std::string tres =
            "0,75·φm = 0,75·" + formatar4(phiM) + " = " + formatarDecimais(0.75 * converterNumero(formatar4(phiM)), 5);
        m->nota(0.75 * phiM < 10.0 ? tres + " < 10: bcr = 1,5·φm (15 diâmetros, φm em mm dá cm)."
                                   : tres + " ≥ 10: bcr = 10 cm, o espaçamento entre fios.");
        m->nota(cobrimento <= 0.75 * phiM ? "c = " + formatar2(cobrimento) + " ≤ 0,75·φm: hcr = 0,75·φm + c."
                                          : "c = " + formatar2(cobrimento) + " > 0,75·φm: hcr = 1,5·φm.");
        m->grandeza({"Largura da região de um fio", "bcr", bcr, "cm", 0.75 * phiM < 10.0 ? "1,5·{φm}" : "10", 4});
        m->grandeza({"Altura da região de um fio", "hcr", altura, "cm",
                     cobrimento <= 0.75 * phiM ? "0,75·{φm} + {c}" : "1,5·{φm}", 4});
        m->grandeza({"Área da região de um fio", "Acr", altura * bcr, "cm²", "{hcr}·{bcr}", 4});
    }
    return altura * bcr;
}

double fatorDiametro(double di)
{
    if (di <= 1800.0)
        return 1.0 + (1800.0 - di) / 3000.0;
    return (3600.0 - di) * (3600.0 - di) / 16800000.0 + 0.8;
}

void verificarCobrimento(EstadoDimensionamento& e)
{
    MemoriaCalculo& m = e.memoria;
    m.titulo("Verificação do cobrimento: armadura máxima sem ruptura do cobrimento");
    const bool dupla = e.tipoArmadura == CircularDupla;
    const double ci = m.grandeza({"Distância da face interna à armadura interna", "ci",
                                  dupla ? e.dLinhaInt : e.geometria.hcm - e.Dcoro, "cm",
                                  dupla ? "{d'int}" : "{hcm} − {Dcoro}", 2}); // cm
    const double Aint = m.grandeza({"Armadura interna colocada", "Aint", e.telas.Aint1 + e.telas.Aint2, "cm²/m",
                                    "", 2});
    const SelecaoTelas& t = e.telas;
    m.grandeza({"Área da primeira tela interna", "A1,int", t.Aint1, "cm²/m", "", 2});
    m.grandeza({"Diâmetro do fio da primeira tela interna", "φ1,int", t.Dint1, "mm", "", 2});
    const bool duas = t.Aint2 > 0.0;
    if (duas) {
        m.grandeza({"Área da segunda tela interna", "A2,int", t.Aint2, "cm²/m", "", 2});
        m.grandeza({"Diâmetro do fio da segunda tela interna", "φ2,int", t.Dint2, "mm", "", 2});
    }
    const double phiM = m.grandeza({"Diâmetro médio dos fios internos, ponderado pelas áreas", "φm",
                                    diametroMedioInterno(t), "mm",
                                    duas ? "({A1,int}·{φ1,int} + {A2,int}·{φ2,int})/{Aint}" : "{A1,int}·{φ1,int}/{Aint}",
                                    4});
    const double rs = m.grandeza({"Raio da armadura interna", "rs", 10.0 * ci + e.geometria.di / 2.0 - 0.5 * phiM, "mm",
                                  "10·{ci} + {di}/2 − 0,5·{φm}", 2}); // mm
    const double Frt = m.grandeza({"Fator do diâmetro", "Frt", fatorDiametro(e.geometria.di), "",
                                   e.geometria.di <= 1800.0 ? "1 + (1800 − {di})/3000" : "(3600 − {di})²/16800000 + 0,8",
                                   5});
    e.AsMax = m.grandeza({"Armadura máxima", "AsMax",
                          (std::sqrt(e.materiais.fck) / 600.0) * (rs * 1.0 * Frt * (1.0 / 1.11)) * 0.9 / 0.95, "cm²/m",
                          "(√{fck}/600)·({rs}·{Frt}/1,11)·0,9/0,95", 4});
    m.nota(Aint <= e.AsMax ? "Aint = " + formatar2(Aint) + " cm²/m ≤ AsMax = " + formatar4(e.AsMax) + " cm²/m: atende."
                           : "Aint = " + formatar2(Aint) + " cm²/m > AsMax = " + formatar4(e.AsMax)
                                 + " cm²/m: não atende.");
}

void verificarCortante(EstadoDimensionamento& e)
{
    MemoriaCalculo& m = e.memoria;
    m.titulo("Verificação da força cortante");
    const double dk = m.grandeza({e.tipoArmadura == CircularDupla ? "Altura útil do coroamento"
                                                                  : "Altura útil prática do coroamento",
                                  "dk", alturaUtilVerificacao(e), "cm", "", 2});
    const double Aint = e.telas.Aint1 + e.telas.Aint2;
    double rho = Aint / (100.0 * dk);
    if (rho > 0.02)
        rho = 0.02;
    m.grandeza({"Taxa de armadura", "ρ", rho, "", "mín({Aint}/(100·{dk}); 0,02)", 6});
    // 41 over the depth in mm.
    double Fd = 0.8 + 41.0 / (10.0 * dk);
    const double FdMax = e.tipoArmadura == CircularDupla ? 1.3 : 1.4;
    if (Fd > FdMax)
        Fd = FdMax;
    m.grandeza({"Fator da altura útil", "Fd", Fd, "",
                e.tipoArmadura == CircularDupla ? "mín(0,8 + 41/(10·{dk}); 1,3)" : "mín(0,8 + 41/(10·{dk}); 1,4)", 4});
    const double Fc = m.grandeza({"Fator de curvatura", "Fc", 1.0 + dk / (200.0 * e.geometria.rm), "",
                                  "1 + {dk}/(200·{rm})", 6}); // 1 + d/(2·r)
    e.Vu = m.grandeza({"Força cortante última", "Vu",
                       std::sqrt(e.materiais.fck) * 83.0 * 0.9 * (dk / 100.0) * 1.0 * (1.1 + 63.0 * rho) * Fd * 1.0 / Fc,
                       "kN/m", "√{fck}·83·0,9·({dk}/100)·(1,1 + 63·{ρ})·{Fd}/{Fc}", 2});
    const std::string meiaCarga = "0,5·P = 0,5·" + formatar2(e.P) + " = " + formatar3(0.5 * e.P) + " kN/m";
    m.nota(0.5 * e.P <= e.Vu ? meiaCarga + " ≤ Vu = " + formatar2(e.Vu) + " kN/m: atende."
                             : meiaCarga + " > Vu = " + formatar2(e.Vu) + " kN/m: não atende.");
}

void verificarFissuras(EstadoDimensionamento& e)
{
    MemoriaCalculo& m = e.memoria;
    m.titulo("Verificação da abertura de fissuras sob a carga de serviço");
    const double dk = alturaUtilVerificacao(e);
    const double hcm = e.geometria.hcm;
    const double Aint = e.telas.Aint1 + e.telas.Aint2;
    const double phiM = diametroMedioInterno(e.telas);

    const double Acr = areaEnvolvente(phiM, hcm - dk, &m);

    e.Pserv = m.grandeza({"Carga de serviço", "Pserv", e.P / 1.5, "kN/m", "{P}/1,5", 2});
    // Without placed steel there is no stress and no crack to compute; a face
    // always gets a mesh, so this only keeps the formulas away from 0/0.
    if (!(Aint > 0.0) || !(Acr > 0.0)) {
        e.w1 = e.w2 = e.w = 0.0;
        m.nota("Sem armadura interna: sem fissura a calcular.");
        return;
    }
    const double rhoR = m.grandeza({"Taxa de um fio na sua região", "ρr", 0.1 * Aint / Acr, "", "0,1·{Aint}/{Acr}", 6});
    const double sigmaS = m.grandeza({"Tensão de serviço da armadura interna", "σs,serv",
                                      0.293 * e.Pserv * e.geometria.rm * 100.0 / (0.9 * dk * Aint), "kN/cm²",
                                      "0,293·{Pserv}·{rm}·100/(0,9·{dk}·{Aint})", 4});
    const double eta1 = m.grandeza({"Coeficiente de aderência dos fios", "η1", 2.25, "", "", 2});
    const double Es = e.materiais.Es;
    e.w1 = m.grandeza({"Abertura pela taxa de armadura", "w1", phiM * sigmaS * (4.0 / rhoR + 45.0) / (12.5 * eta1 * Es),
                       "mm", "{φm}·{σs,serv}·(4/{ρr} + 45)/(12,5·{η1}·{Es})", 4, "w1"});
    e.w2 = m.grandeza({"Abertura pela tração do concreto", "w2",
                       phiM * sigmaS * 3.0 * sigmaS / (12.5 * eta1 * Es * e.fctm), "mm",
                       "{φm}·{σs,serv}·3·{σs,serv}/(12,5·{η1}·{Es}·{fctm})", 4, "w2"});
    e.w = m.grandeza({"Abertura da fissura", "w", e.w1 > e.w2 ? e.w2 : e.w1, "mm", "mín({w1}; {w2})", 4});
    m.nota(e.w <= aberturaFissuraLimite ? "w = " + formatar4(e.w) + " mm ≤ 0,25 mm: atende."
                                        : "w = " + formatar4(e.w) + " mm > 0,25 mm: não atende.");
}

void verificar(EstadoDimensionamento& e)
{
    verificarCobrimento(e);
    verificarCortante(e);
    verificarFissuras(e);
}

bool passaCobrimento(const EstadoDimensionamento& e)
{
    return e.telas.Aint1 + e.telas.Aint2 <= e.AsMax;
}

bool passaCortante(const EstadoDimensionamento& e)
{
    return 0.5 * e.P <= e.Vu;
}

bool passaFissuras(const EstadoDimensionamento& e)
{
    return e.w <= aberturaFissuraLimite;
}
