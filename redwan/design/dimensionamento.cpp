#include "dimensionamento.h"

#include "armaduraDupla.h"
#include "armaduraMinima.h"
#include "armaduraSimples.h"
#include "numeros.h"
#include "secao.h"
#include "telas.h"
#include "verificacoes.h"

#include <cmath>
#include <initializer_list>

const char* const mensagemSemDimensionamento =
    "Não foi possível realizar o dimensionamento de modo que a a tensão na armadura tracionada fosse maior que "
    "0,7 de fyd";
const char* const mensagemTelasInviaveis = "Inviável utilizar as telas especificadas";

namespace {

const char* const mensagemValorNaoFinito =
    "Não foi possível realizar o dimensionamento: os valores informados levam a resultados fora do alcance do "
    "cálculo.";

ExecucaoDimensionamento interrompido(std::string mensagem)
{
    ExecucaoDimensionamento x;
    x.desfecho = Desfecho::Interrompido;
    x.mensagem = std::move(mensagem);
    return x;
}

bool finitos(std::initializer_list<double> valores)
{
    for (double v : valores)
        if (!std::isfinite(v))
            return false;
    return true;
}

// Flexural design, minimums, meshes and, on success, the checks.
Desfecho projetar(EstadoDimensionamento& e)
{
    if (e.tipoArmadura == CircularDupla)
        armaduraDupla(e);
    else
        armaduraSimples(e);
    armaduraMinima(e);
    armadurasTransitorias(e);
    selecionarTelas(e);
    e.flagTelas = avaliarTelas(e.telas);

    if (e.flagDimensionamento != 'S') {
        e.memoria.titulo("Dimensionamento interrompido");
        e.memoria.nota(mensagemSemDimensionamento);
        return Desfecho::SemDimensionamento;
    }
    if (e.flagTelas != 'S') {
        e.memoria.titulo("Dimensionamento interrompido");
        e.memoria.nota(mensagemTelasInviaveis);
        return Desfecho::TelasInviaveis;
    }
    verificar(e);
    return Desfecho::Resultados;
}

} // namespace

std::string mensagemAlturaUtil(double d)
{
    return "Não é possível dimensionar a armadura: a altura útil da seção resulta em " + formatar2(d)
        + " cm. Verifique a espessura da parede e a posição das armaduras.";
}

bool estadoFinito(const EstadoDimensionamento& e)
{
    const SelecaoTelas& t = e.telas;
    if (!finitos({e.P, e.materiais.fyd, e.materiais.fcd, e.materiais.xiLim, e.geometria.rm, e.esforcos.Mc,
                  e.esforcos.Ms, e.esforcos.Ns, e.xiC, e.AsC, e.dC, e.xiS, e.AsS, e.dS, e.Dcoro, e.AsP_Prat,
                  e.fctm, e.AsMin, e.AsIntMin, e.AsExtMin, t.AsIntReq, t.AsExtReq, t.Aint1, t.Aint2, t.Aext1,
                  t.Aext2, e.AsMax, e.Vu, e.Pserv, e.w1, e.w2, e.w}))
        return false;
    for (const PosicaoArmadura& p : e.posicoes)
        if (!finitos({p.xiC, p.AsC, p.dC, p.sigmaC, p.xiS, p.AsS, p.dS, p.sigmaS}))
            return false;
    return true;
}

ExecucaoDimensionamento executarDimensionamento(const EntradaDimensionamento& entrada,
                                                EstadoDimensionamento& estado)
{
    const LeituraEntrada leitura = lerEntrada(entrada);
    if (!leitura.valida)
        return interrompido(leitura.mensagem);
    return executarDimensionamento(leitura.dados, estado);
}

ExecucaoDimensionamento executarDimensionamento(const DadosDimensionamento& dados,
                                                EstadoDimensionamento& estado)
{
    const std::string problema = conferirDados(dados);
    if (!problema.empty())
        return interrompido(problema);

    EstadoDimensionamento e;
    e.P = dados.P;
    e.tipoArmadura = dados.tipoArmadura;
    e.tipoTubo = dados.tipoTubo;
    if (dados.tipoArmadura == CircularDupla) {
        e.dLinhaInt = dados.dLinhaInt;
        e.dLinhaExt = dados.dLinhaExt;
    }
    MemoriaCalculo& m = e.memoria;
    m.titulo("Dados do dimensionamento");
    m.grandeza({"Carga mínima de ruptura da classe", "P", dados.P, "kN/m", "", 2});
    m.grandeza({"Diâmetro interno", "di", dados.di, "mm", "", 0});
    m.grandeza({"Espessura da parede", "h", dados.h, "mm", "", 1});
    m.grandeza({"Resistência característica do concreto", "fck", dados.fck, "MPa", "", 1});
    m.grandeza({"Coeficiente de segurança do aço", "γs", dados.gamaS, "", "", 2});
    m.grandeza({"Coeficiente de segurança do concreto", "γc", dados.gamaC, "", "", 2});
    e.materiais = calcularMateriais(dados.fck, dados.gamaS, dados.gamaC, m);
    e.geometria = calcularGeometria(dados.di, dados.h, m);
    e.esforcos = calcularEsforcos(dados.P, e.geometria.rm, m);

    ExecucaoDimensionamento x;
    try {
        x.desfecho = projetar(e);
    } catch (const ErroAlturaUtil& erro) {
        return interrompido(mensagemAlturaUtil(erro.d()));
    }
    if (!estadoFinito(e))
        return interrompido(mensagemValorNaoFinito);

    switch (x.desfecho) {
    case Desfecho::Resultados:
        x.resultado = resultadoDimensionamento(e);
        break;
    case Desfecho::SemDimensionamento:
        x.mensagem = mensagemSemDimensionamento;
        break;
    default:
        x.mensagem = mensagemTelasInviaveis;
        break;
    }
    estado = std::move(e);
    return x;
}
