#include "resultadoDimensionamento.h"

#include "numeros.h"
#include "verificacoes.h"

const char* const textoCobrimentoOk = "(Ok. Não ocorre ruptura do cobrimento)";
const char* const textoCobrimentoFalha = "(Pode ocorrer ruptura do cobrimento)";
const char* const textoCortanteOk = "(Ok. Passa na verificação de esforço cortante)";
const char* const textoCortanteFalha = "(Não passa na verificação de esforço cortante)";
const char* const textoFissurasOk = "(Ok. Passa na verificação de abertura de fissuras)";
const char* const textoFissurasFalha = "(Não passa na verificação de abertura de fissuras)";
const char* const textoNaoSeAplica = "----";

namespace {

const char* const kNm = " kN.m";
const char* const kNporM = " kN/m";
const char* const cm = " cm";
const char* const cm2porM = " cm²/m";
const char* const mm = " mm";

CorRgb cor(bool passa) { return passa ? corAzul : corVermelha; }

} // namespace

std::string nomeTelas(int tipoTubo, const std::string& nome1, const std::string& nome2)
{
    const std::string prefixo = tipoTubo == MachoFemea ? "MF " : "PB ";
    std::string texto = prefixo + nome1;
    if (!nome2.empty())
        texto += " + " + prefixo + nome2;
    return texto;
}

ResultadoDimensionamento resultadoDimensionamento(const EstadoDimensionamento& e)
{
    ResultadoDimensionamento r;
    r.tipoArmadura = e.tipoArmadura;
    r.tipoTubo = e.tipoTubo;
    r.P = e.P;
    r.di = e.geometria.di;
    r.h = e.geometria.h;
    r.dLinhaInt = e.dLinhaInt;
    r.dLinhaExt = e.dLinhaExt;
    r.Mc = e.esforcos.Mc;
    r.Ms = e.esforcos.Ms;
    r.Ns = e.esforcos.Ns;
    r.Vc = e.esforcos.Vc;
    r.dC = e.dC;
    r.xC = e.xiC * e.dC;
    r.AsC = e.AsC;
    r.domC = e.domC;
    r.dS = e.dS;
    r.xS = e.xiS * e.dS;
    r.AsS = e.AsS;
    r.domS = e.domS;
    r.Dcoro = e.Dcoro;
    r.AsP_Prat = e.AsP_Prat;
    r.AsMin = e.AsMin;
    r.AsIntMin = e.AsIntMin;
    r.AsExtMin = e.AsExtMin;
    r.telas = e.telas;
    r.Aint = e.telas.Aint1 + e.telas.Aint2;
    r.telaInterna = nomeTelas(e.tipoTubo, e.telas.nomeInt1, e.telas.nomeInt2);
    r.telaExterna = e.tipoArmadura == CircularDupla ? nomeTelas(e.tipoTubo, e.telas.nomeExt1, e.telas.nomeExt2)
                                                    : textoNaoSeAplica;
    r.AsMax = e.AsMax;
    r.Vu = e.Vu;
    r.w = e.w;
    r.w1 = e.w1;
    r.w2 = e.w2;
    r.passaCobrimento = passaCobrimento(e);
    r.passaCortante = passaCortante(e);
    r.passaFissuras = passaFissuras(e);
    r.verificacaoCobrimento = r.passaCobrimento ? textoCobrimentoOk : textoCobrimentoFalha;
    r.verificacaoCortante = r.passaCortante ? textoCortanteOk : textoCortanteFalha;
    r.verificacaoFissuras = r.passaFissuras ? textoFissurasOk : textoFissurasFalha;
    r.corCobrimento = cor(r.passaCobrimento);
    r.corCortante = cor(r.passaCortante);
    r.corFissuras = cor(r.passaFissuras);
    return r;
}

TextosResultados textosResultados(const ResultadoDimensionamento& r)
{
    const bool dupla = r.tipoArmadura == CircularDupla;
    TextosResultados t;
    t.Label3 = formatar2(r.Mc) + kNm;
    t.Label2 = "0,00";
    t.Label6 = formatar2(r.Vc) + kNporM;
    t.Label10 = formatar2(r.dC) + cm;
    t.Label4 = formatar2(r.xC) + cm;
    t.Label12 = formatar0(r.domC);
    t.Label5 = formatar2(r.AsC) + cm2porM;

    t.Label23 = formatar2(r.Ms) + kNm;
    t.Label22 = formatar2(r.Ns) + kNporM;
    t.Label24 = "0,00";
    t.Label11 = formatar2(r.dS) + cm;
    t.Label8 = formatar2(r.xS) + cm;
    t.Label13 = formatar0(r.domS);
    t.Label9 = formatar2(r.AsS) + cm2porM;

    t.Panel16 = dupla ? textoNaoSeAplica : formatar2(r.Dcoro) + cm;
    t.Panel15 = dupla ? textoNaoSeAplica : formatar2(r.AsP_Prat) + cm2porM;

    t.Pint = r.telaInterna;
    t.Pext = r.telaExterna;

    t.Label20 = formatar2(r.AsMax) + cm2porM;
    t.Label27 = r.verificacaoCobrimento;
    t.corLabel27 = r.corCobrimento;
    t.Label21 = formatar2(r.Vu) + kNporM;
    t.Label28 = r.verificacaoCortante;
    t.corLabel28 = r.corCortante;
    t.Label26 = formatar4(r.w) + mm;
    t.Label29 = r.verificacaoFissuras;
    t.corLabel29 = r.corFissuras;

    t.Label17 = formatar2(r.AsMin) + cm2porM;
    t.Label18 = formatar2(r.AsIntMin) + cm2porM;
    t.Label19 = r.AsExtMin == 0.0 ? std::string(textoNaoSeAplica) : formatar2(r.AsExtMin) + cm2porM;
    return t;
}
