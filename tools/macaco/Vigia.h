#pragma once
// Watches that every action returns: a thread of its own that, when the
// current action has run longer than the limit, says which one (with the
// seed that replays it) and ends the process.

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class Vigia {
public:
    explicit Vigia(std::chrono::seconds limite);
    ~Vigia();
    Vigia(const Vigia&) = delete;
    Vigia& operator=(const Vigia&) = delete;

    // A new action starts; `descricao` is printed if it never returns.
    void comecar(const QString& descricao);

private:
    void vigiar();

    std::chrono::seconds limite_;
    std::mutex mutex_;
    std::condition_variable fim_;
    bool parar_ = false;
    std::string descricao_;
    std::chrono::steady_clock::time_point inicio_;
    std::thread thread_;
};
