#include "cabecalhoRelatorioRedwan.h"

#include "bandasRelatorio.h"

BandaRelatorio bandaFabricante(const DadosFabricante& f, const std::string& logo)
{
    BandaRelatorio b{104};
    adicionarImagem(b, 0, 0, 145, 96, logo);
    const int x = 165;
    const int largura = larguraA4 - 76 - x;
    // Long data print smaller within their line rather than past the edge.
    auto linha = [&](int y, int altura, const std::string& texto, const EstiloTexto& estilo) {
        adicionarCaixaTexto(b, x, y, largura, altura, texto, estilo).encolher = true;
    };
    linha(4, 24, f.nome, {16, true});
    linha(32, 19, f.endereco + ",  " + f.numero + " - Bairro: " + f.bairro, estiloValor);
    linha(52, 19, "Cidade: " + f.cidade + " - Estado: " + f.estado, estiloValor);
    linha(72, 19, "Telefone: " + f.telefone + " - E-mail: " + f.email, estiloValor);
    return b;
}

void adicionarLinhaGerado(BandaRelatorio& b, int y, const std::string& data, const std::string& hora, bool comoRelatorio)
{
    const EstiloTexto gerado{11, true, corVermelha};
    if (!comoRelatorio) {
        adicionarTexto(b, 230, y, "Gerado em " + data + " às " + hora, gerado);
        return;
    }
    adicionarTexto(b, 230, y, "Gerado no Dia:", gerado);
    adicionarTextoApos(b, 5, y, data, gerado);
    adicionarTextoApos(b, 5, y, "ás", gerado);
    adicionarTextoApos(b, 5, y, hora, gerado);
    adicionarTextoApos(b, 5, y, "hs", gerado);
}
