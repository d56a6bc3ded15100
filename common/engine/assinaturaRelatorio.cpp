#include "assinaturaRelatorio.h"

#include "bandasRelatorio.h"

namespace {
constexpr const char* lacuna = "______________________________";
constexpr int linha = 22;
} // namespace

std::string localAssinatura(const std::string& cidade, const std::string& estado)
{
    if (cidade.empty() || estado.empty())
        return cidade + estado;
    return cidade + " - " + estado;
}

BandaRelatorio bandaAssinatura(const LayoutRelatorio& layout, const DadosAssinatura& d)
{
    const int largura = larguraUtil(layout);
    BandaRelatorio b{0};
    adicionarTexto(b, 0, 14, "Responsabilidade técnica", {15, true});
    int y = 42;
    for (const auto& [legenda, valor] : d.linhas) {
        adicionarTexto(b, 0, y, legenda, estiloLegenda);
        adicionarValorAte(b, espacoLegendaValor, y, largura, valor.empty() ? lacuna : valor);
        y += linha;
    }
    adicionarTexto(b, 0, y, "ART nº", estiloLegenda);
    adicionarTextoApos(b, espacoLegendaValor, y, lacuna);
    y += linha;
    adicionarTexto(b, 0, y, "Local e data:", estiloLegenda);
    adicionarValorAte(b, espacoLegendaValor, y, largura,
                      (d.local.empty() ? std::string(lacuna) : d.local) + ", " + (d.data.empty() ? "____/____/______" : d.data));
    y += linha + 46;
    // The line to sign, with whose signature it is under it.
    const int x = largura / 2 - 20;
    const int larguraAssinatura = largura - x;
    adicionarTexto(b, x, y, "________________________________________________",
                   {13, false, corPreta, Alinhamento::centro}, larguraAssinatura);
    y += linha;
    for (const std::string& s : d.sob) {
        adicionarCaixaTexto(b, x, y, larguraAssinatura, 0, s, {12, false, corPreta, Alinhamento::centro});
        y += 18;
    }
    b.altura = y + 8;
    return b;
}

void adicionarAssinatura(LayoutRelatorio& layout, const DadosAssinatura& dados)
{
    layout.bandas.push_back(bandaAssinatura(layout, dados));
}
