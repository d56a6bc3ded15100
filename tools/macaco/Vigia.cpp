#include "Vigia.h"

#include <cstdio>
#include <cstdlib>

Vigia::Vigia(std::chrono::seconds limite)
    : limite_(limite), inicio_(std::chrono::steady_clock::now()), thread_([this] { vigiar(); })
{
}

Vigia::~Vigia()
{
    {
        std::lock_guard<std::mutex> trava(mutex_);
        parar_ = true;
    }
    fim_.notify_all();
    thread_.join();
}

void Vigia::comecar(const QString& descricao)
{
    std::lock_guard<std::mutex> trava(mutex_);
    descricao_ = descricao.toStdString();
    inicio_ = std::chrono::steady_clock::now();
}

void Vigia::vigiar()
{
    std::unique_lock<std::mutex> trava(mutex_);
    while (!parar_) {
        fim_.wait_for(trava, std::chrono::milliseconds(500));
        if (!parar_ && std::chrono::steady_clock::now() - inicio_ > limite_) {
            std::fprintf(stderr, "falha: a ação não retornou em %lld s: %s\n",
                         static_cast<long long>(limite_.count()), descricao_.c_str());
            std::fflush(stderr);
            std::_Exit(3);
        }
    }
}
