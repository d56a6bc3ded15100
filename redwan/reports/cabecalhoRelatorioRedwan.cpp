#include "cabecalhoRelatorioRedwan.h"

#include "bandasRelatorio.h"

BandaRelatorio bandaFabricante(const DadosFabricante& f, const std::string& logo)
{
    BandaRelatorio b{104};
    adicionarImagem(b, 0, 0, 145, 96, logo);
    const int x = 165;
    adicionarTexto(b, x, 6, f.nome, {16, true});
    adicionarTexto(b, x, 32, f.endereco + ",  " + f.numero + " - Bairro: " + f.bairro);
    adicionarTexto(b, x, 52, "Cidade: " + f.cidade + " - Estado: " + f.estado);
    adicionarTexto(b, x, 72, "Telefone: " + f.telefone + " - E-mail: " + f.email);
    return b;
}

void adicionarLinhaGerado(BandaRelatorio& b, int y, const std::string& data, const std::string& hora)
{
    const EstiloTexto gerado{11, true, corVermelha};
    adicionarTexto(b, 230, y, "Gerado no Dia:", gerado);
    adicionarTextoApos(b, 5, y, data, gerado);
    adicionarTextoApos(b, 5, y, "ás", gerado);
    adicionarTextoApos(b, 5, y, hora, gerado);
    adicionarTextoApos(b, 5, y, "hs", gerado);
}
