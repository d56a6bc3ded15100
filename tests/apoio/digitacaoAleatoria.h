#pragma once
// What a user does at random in the property tests of both programs: the
// texts the numeric key filter lets through, chance choices, and a session
// of commands drawn one after another.

#include <rapidcheck.h>

#include <functional>
#include <string>
#include <vector>

// Digits and at most one decimal comma, or nothing: small values most often,
// sometimes a lone comma or a number far beyond any limit.
inline std::string digitadoAoAcaso()
{
    const int forma = *rc::gen::inRange(0, 12);
    if (forma == 0)
        return "";
    if (forma == 1)
        return ",";
    const int inteiro = forma < 6 ? *rc::gen::inRange(0, 5) : forma < 10 ? *rc::gen::inRange(0, 300)
                                                                       : *rc::gen::inRange(0, 100000);
    std::string texto = std::to_string(inteiro);
    if (*rc::gen::inRange(0, 3) > 0) {
        texto += ',';
        const int decimais = *rc::gen::inRange(0, 4);
        for (int k = 0; k < decimais; ++k)
            texto += static_cast<char>('0' + *rc::gen::inRange(0, 10));
    }
    return texto;
}

// True once in `vezes` on average.
inline bool umaVezEm(int vezes) { return *rc::gen::inRange(0, vezes) == 0; }

// One command a random session may take: how often it is drawn, whether it
// is enabled at that moment, and what it does.
struct PassoAoAcaso {
    int peso;
    std::function<bool()> habilitado;
    std::function<void()> fazer;
};

// From 1 to `maximo` − 1 commands drawn by weight; one that is disabled when
// drawn does nothing, as its button would.
inline void jogarAoAcaso(const std::vector<PassoAoAcaso>& passos, int maximo)
{
    int total = 0;
    for (const PassoAoAcaso& p : passos)
        total += p.peso;
    const int quantos = *rc::gen::inRange(1, maximo);
    for (int k = 0; k < quantos; ++k) {
        int sorteio = *rc::gen::inRange(0, total);
        for (const PassoAoAcaso& p : passos) {
            if (sorteio < p.peso) {
                if (p.habilitado())
                    p.fazer();
                break;
            }
            sorteio -= p.peso;
        }
    }
}
