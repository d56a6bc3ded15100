#include "ExecucaoModal.h"

#include <QDialog>

namespace {
ExecutorModal& executor()
{
    static ExecutorModal atual;
    return atual;
}
} // namespace

int executarModal(QDialog& janela)
{
    if (executor())
        return executor()(janela);
    return janela.exec();
}

void substituirExecucaoModal(ExecutorModal novo) { executor() = std::move(novo); }
