#pragma once
// The pauses of the start-up splash; tests replace them with nothing.
#include <functional>

void pausar(int milissegundos);
void substituirPausa(std::function<void(int)> pausa);
