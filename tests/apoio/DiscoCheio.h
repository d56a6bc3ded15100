#pragma once
// A disk with `livres` bytes left, for as long as the object lives: every
// file the programs write goes through the write seam, and the writes past
// those bytes fail with ENOSPC, as on a full disk.

#include "ArquivoSeguro.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

class DiscoCheio {
public:
    explicit DiscoCheio(long long livres = 0) : livres_(livres)
    {
        substituirEscritaArquivo([this](int descritor, const char* dados, long long tamanho) -> long long {
            if (livres_ <= 0) {
                errno = ENOSPC;
                return -1;
            }
            const long long parte = std::min(tamanho, livres_);
            livres_ -= parte;
            return ::write(descritor, dados, static_cast<size_t>(parte));
        });
    }
    ~DiscoCheio() { substituirEscritaArquivo({}); }
    DiscoCheio(const DiscoCheio&) = delete;
    DiscoCheio& operator=(const DiscoCheio&) = delete;

private:
    long long livres_;
};
