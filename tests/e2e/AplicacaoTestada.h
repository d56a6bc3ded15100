#pragma once
// The whole application of the program a test is built for (KR_REDWAN
// chooses Redwan, Kolvan otherwise), started in a base folder of its own
// with the splash's pauses skipped and the modal windows played by a script.

#include "BaseTemporaria.h"
#include "MensagensGravadas.h"
#include "Pausa.h"
#include "RoteiroModal.h"

#include <QDialog>
#include <QMainWindow>
#include <QApplication>
#include <algorithm>
#include <memory>

#ifdef KR_REDWAN
#include "TFormPrincipal.h"
#include "inicioRedwan.h"
using Aplicacao = AplicacaoRedwan;
inline std::unique_ptr<Aplicacao> iniciarAplicacao() { return iniciarRedwan(); }
#else
#include "TFormPrincipal.h"
#include "inicioKolvan.h"
using Aplicacao = AplicacaoKolvan;
inline std::unique_ptr<Aplicacao> iniciarAplicacao() { return iniciarKolvan(); }
#endif

class AplicacaoTestada {
public:
    AplicacaoTestada()
    {
        substituirPausa([](int) {});
        app = iniciarAplicacao();
        msgs = std::make_unique<MensagensGravadas>();
    }
    ~AplicacaoTestada()
    {
        modal->sairSemPerguntar();
        app.reset();
        msgs.reset();
        modal.reset();
        substituirPausa({});
    }
    AplicacaoTestada(const AplicacaoTestada&) = delete;
    AplicacaoTestada& operator=(const AplicacaoTestada&) = delete;

    // The program's windows (dialogs and the main window), in the order of
    // their object names.
    static QList<QWidget*> janelas()
    {
        QList<QWidget*> lista;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(w) || qobject_cast<QMainWindow*>(w))
                lista << w;
        std::sort(lista.begin(), lista.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        return lista;
    }

    BaseTemporaria base;
    std::unique_ptr<RoteiroModal> modal = std::make_unique<RoteiroModal>();
    std::unique_ptr<Aplicacao> app;
    std::unique_ptr<MensagensGravadas> msgs;
};
