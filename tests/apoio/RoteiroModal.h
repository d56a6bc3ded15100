#pragma once
// Plays the user's part in the modal windows a window test opens: each
// window is shown, its name kept in `mostradas`, and handed to the next
// action of `roteiro`; a window the action left open is hidden again, as a
// closed modal window would be.

#include "ExecucaoModal.h"

#include <QDialog>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <functional>

class RoteiroModal {
public:
    RoteiroModal()
    {
        substituirExecucaoModal([this](QDialog& d) {
            mostradas.append(d.objectName());
            d.show();
            if (!roteiro.isEmpty())
                roteiro.takeFirst()(d);
            if (d.isVisible())
                d.hide();
            return d.result();
        });
    }
    ~RoteiroModal() { substituirExecucaoModal({}); }
    RoteiroModal(const RoteiroModal&) = delete;
    RoteiroModal& operator=(const RoteiroModal&) = delete;

    // From now on the exit question is answered "Sim" and nothing else is
    // played: the test's program can end.
    void sairSemPerguntar()
    {
        substituirExecucaoModal([](QDialog& d) {
            if (d.objectName() == QLatin1String("TFsairSN"))
                if (auto* sim = d.findChild<QPushButton*>(QStringLiteral("BotaoSim")))
                    sim->click();
            return 0;
        });
    }

    QList<std::function<void(QDialog&)>> roteiro;
    QStringList mostradas;
};
