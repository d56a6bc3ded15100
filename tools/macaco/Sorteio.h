#pragma once
// The monkey's one source of chance: everything it does follows from the
// seed, so a seed replays its run.

#include <cstdint>
#include <random>
#include <vector>

class Sorteio {
public:
    explicit Sorteio(std::uint64_t semente) : gerador_(semente) {}

    // A whole number in [0, n); 0 when n is not positive.
    int ate(int n)
    {
        if (n <= 0)
            return 0;
        return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(gerador_));
    }
    int entre(int menor, int maior) { return menor + ate(maior - menor + 1); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(gerador_) < p; }

    template <class T>
    const T& um(const std::vector<T>& itens)
    {
        return itens[static_cast<std::size_t>(ate(static_cast<int>(itens.size())))];
    }

    // An index drawn by weight.
    int pesado(const std::vector<int>& pesos)
    {
        int total = 0;
        for (int p : pesos)
            total += p;
        int r = ate(total);
        for (std::size_t i = 0; i < pesos.size(); ++i) {
            if (r < pesos[i])
                return static_cast<int>(i);
            r -= pesos[i];
        }
        return 0;
    }

private:
    std::mt19937_64 gerador_;
};
