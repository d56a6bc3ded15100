#include "assinaturaRelatorio.h"

#include "bandasRelatorio.h"

#include <algorithm>

namespace {
constexpr const char* lacuna = "______________________________";
constexpr int linha = 22;

// A caption with its value wrapping up to the right edge, a band of its own
// so a long value pushes the rows under it down.
BandaRelatorio bandaPar(int largura, const std::string& legenda, const std::string& valor)
{
    BandaRelatorio b{linha};
    adicionarTexto(b, 0, 0, legenda, estiloLegenda);
    adicionarValorAte(b, espacoLegendaValor, 0, largura, valor.empty() ? lacuna : valor);
    b.manterComSeguinte = true;
    return b;
}
} // namespace

std::string localAssinatura(const std::string& cidade, const std::string& estado)
{
    if (cidade.empty() || estado.empty())
        return cidade + estado;
    return cidade + " - " + estado;
}

void adicionarAssinatura(LayoutRelatorio& layout, const DadosAssinatura& d)
{
    const int largura = larguraUtil(layout);
    std::vector<BandaRelatorio> bandas;
    BandaRelatorio titulo{40};
    adicionarTexto(titulo, 0, 14, "Responsabilidade técnica", {15, true});
    titulo.manterComSeguinte = true;
    bandas.push_back(std::move(titulo));
    for (const auto& [legenda, valor] : d.linhas)
        bandas.push_back(bandaPar(largura, legenda, valor));
    bandas.push_back(bandaPar(largura, "ART nº", ""));
    bandas.push_back(bandaPar(largura, "Local e data:",
                              (d.local.empty() ? std::string(lacuna) : d.local) + ", "
                                  + (d.data.empty() ? "____/____/______" : d.data)));
    // The line to sign, with whose signature it is under it.
    const int x = largura / 2 - 20;
    const int larguraAssinatura = largura - x;
    BandaRelatorio assinatura{0};
    adicionarTexto(assinatura, x, 40, "________________________________________________",
                   {13, false, corPreta, Alinhamento::centro}, larguraAssinatura);
    std::string sob;
    for (const std::string& s : d.sob)
        sob += (sob.empty() ? "" : "\n") + s;
    adicionarCaixaTexto(assinatura, x, 62, larguraAssinatura, 0, sob, {12, false, corPreta, Alinhamento::centro});
    bandas.push_back(std::move(assinatura));
    // The block stays whole on one page.
    for (BandaRelatorio& b : bandas)
        layout.bandas.push_back(std::move(b));
}

void adicionarAssinaturaCompacta(LayoutRelatorio& layout, const DadosAssinatura& d)
{
    const int largura = larguraUtil(layout);
    const int meia = largura / 2;
    constexpr int passo = 18; // two lines of the smallest print fit a row
    const EstiloTexto legenda{11, true};
    const EstiloTexto valor{11, false};
    BandaRelatorio b{0};
    int y = 6;
    auto par = [&](const std::string& l, const std::string& v) {
        adicionarTexto(b, 0, y, l, legenda);
        ItemTexto& t = adicionarCaixaTexto(b, espacoLegendaValor, y, meia - 10, passo, v.empty() ? lacuna : v, valor);
        t.aposAnterior = true;
        t.encolher = true;
        y += passo;
    };
    for (const auto& [l, v] : d.linhas)
        par(l, v);
    par("ART nº", "");
    par("Local e data:", (d.local.empty() ? std::string(lacuna) : d.local) + ", "
                             + (d.data.empty() ? "____/____/______" : d.data));
    // The line to sign on the right, beside the data.
    const int x = meia + 10;
    int ySob = 6 + 2 * passo;
    adicionarTexto(b, x, ySob - 16, "__________________________________________",
                   {13, false, corPreta, Alinhamento::centro}, largura - x);
    for (const std::string& s : d.sob) {
        adicionarCaixaTexto(b, x, ySob, largura - x, passo, s, {11, false, corPreta, Alinhamento::centro}).encolher =
            true;
        ySob += passo;
    }
    b.altura = std::max(y, ySob) + 2;
    layout.bandas.push_back(std::move(b));
}
