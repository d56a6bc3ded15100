#pragma once
// A made-up network of `n` stretches as a ';' CSV file: diameters from 300
// to 1500 mm, covers of 1,00 to 4,50 m changing by up to 0,80 m along a
// stretch, lengths of 30 to 80 m; the same for every run.
#include <cstdio>
#include <string>

inline std::string csvRedeGerada(int n)
{
    static const int diametros[] = {300, 400, 500, 600, 700, 800, 1000, 1200, 1500};
    std::string csv = "trecho;montante;jusante;comprimento;di;hs_montante;hs_jusante\r\n";
    unsigned semente = 12345;
    auto sorteio = [&semente](int faixa) {
        semente = semente * 1103515245u + 12345u;
        return static_cast<int>((semente >> 16) % static_cast<unsigned>(faixa));
    };
    int hs = 150; // cm
    char linha[160];
    for (int i = 1; i <= n; ++i) {
        const int proximo = 100 + (hs - 100 + sorteio(161) - 80 + 350) % 350;
        std::snprintf(linha, sizeof linha, "T-%d;PV-%d;PV-%d;%d,%02d;%d;%d,%02d;%d,%02d\r\n", i, i, i + 1,
                      30 + sorteio(51), sorteio(100), diametros[sorteio(9)], hs / 100, hs % 100, proximo / 100,
                      proximo % 100);
        csv += linha;
        hs = proximo;
    }
    return csv;
}
