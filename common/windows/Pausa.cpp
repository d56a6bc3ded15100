#include "Pausa.h"

#include <QThread>

namespace {
std::function<void(int)>& pausaAtual()
{
    static std::function<void(int)> atual;
    return atual;
}
} // namespace

void pausar(int milissegundos)
{
    if (pausaAtual())
        pausaAtual()(milissegundos);
    else
        QThread::msleep(static_cast<unsigned long>(milissegundos));
}

void substituirPausa(std::function<void(int)> pausa) { pausaAtual() = std::move(pausa); }
