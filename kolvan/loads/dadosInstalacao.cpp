#include "dadosInstalacao.h"

#include "ProjetoTubo.h"

PresetTerreno presetTerreno(int terreno)
{
    static const PresetTerreno presets[] = {
        {"21,0", "0,110"}, {"19,2", "0,130"}, {"19,2", "0,150"}, {"17,6", "0,165"}, {"19,0", "0,192"}};
    if (terreno < 0 || terreno >= static_cast<int>(std::size(presets)))
        return {};
    return presets[terreno];
}

void aplicarTipoInstalacao(Instalacao& i, int tipo)
{
    i.tipo = tipo;
    switch (tipo) {
    case Vala:
        i.larguraVala = "1,31";
        break;
    case ProjecaoPositiva:
        i.razaoRecalque = "0,5";
        i.alturaHa = "0,60";
        break;
    case ProjecaoNegativa:
        i.razaoRecalque = i.aterroCompactado ? "0,5" : razaoRecalqueNegativa;
        i.larguraVala = "1,31";
        i.alturaHa = "0,60";
        break;
    default:
        break;
    }
}

void aplicarAterroCompactado(Instalacao& i, bool compactado)
{
    i.aterroCompactado = compactado;
    i.razaoRecalque = compactado ? "0,5" : razaoRecalqueNegativa;
}

void aplicarTerreno(Instalacao& i, int terreno)
{
    i.terreno = terreno;
    const PresetTerreno preset = presetTerreno(terreno);
    i.gama = preset.gama;
    i.kMi = preset.kMi;
}

CamposAplicaveis camposAplicaveis(int tipo)
{
    CamposAplicaveis c;
    c.razaoRecalque = tipo == ProjecaoPositiva || tipo == ProjecaoNegativa;
    c.larguraVala = tipo == Vala || tipo == ProjecaoNegativa;
    c.alturaHa = tipo == ProjecaoPositiva || tipo == ProjecaoNegativa;
    c.compactacao = tipo == ProjecaoNegativa;
    return c;
}

std::string figuraInstalacao(int tipo, bool aterroCompactado)
{
    switch (tipo) {
    case ProjecaoPositiva: return "SaliPosi.bmp";
    case ProjecaoNegativa: return aterroCompactado ? "SaliNega2.bmp" : "SaliNega1.bmp";
    default: return "Vala.bmp";
    }
}

const std::vector<FundacaoRecalque>& fundacoesRecalque()
{
    static const std::vector<FundacaoRecalque> lista{
        {"Base rígida - rocha ou material pouco permeável", "rr > 1,00", "1,0"},
        {"Base do tipo corrente - solo natural comum", "0,50 > rr > 0,80", "0,5"},
        {"Base sobre solo muito deformável - solo não bem compactado", "0 > rr > 0,50", "0,3"},
    };
    return lista;
}
