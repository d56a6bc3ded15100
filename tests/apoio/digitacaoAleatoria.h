#pragma once
// What a user does at random in the property tests of both programs: the
// texts the numeric key filter lets through, and chance choices.

#include <rapidcheck.h>

#include <string>

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
