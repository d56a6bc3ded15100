#pragma once
// Showing a window modally goes through here, so a test can play the user's
// part inside the window (set fields, press a button) instead of blocking in
// a nested event loop.

#include <functional>

class QDialog;

int executarModal(QDialog& janela);

using ExecutorModal = std::function<int(QDialog&)>;
// Replaces the executor; an empty function puts QDialog::exec back.
void substituirExecucaoModal(ExecutorModal executor);
