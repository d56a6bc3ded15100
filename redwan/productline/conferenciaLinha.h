#pragma once
// The check of the line's inputs before it is designed: empty fields and
// texts that are not numbers stop it; then the recommendations of the
// design-parameter window, with its very questions, each asked once for the
// line. A recommendation that depends on the diameter is adopted, on "Sim",
// by the diameters it concerns: two cages below 800 mm become one, one cage
// above 1000 mm becomes two (with the positions for the diameter), a wall
// below the least one becomes the least one.

#include "linhaProdutos.h"

struct ConferenciaLinha {
    bool aceita = false;
    CampoArmadura campo = CampoArmadura::Fck; // the field refused
    int diametro = -1;                        // the diameter row of a refused wall
    std::string aviso;                        // refusal for the warning window
    std::string mensagem;                     // refusal for a message box (not a number)
};

ConferenciaLinha conferirLinha(EntradaLinha& linha, DialogoArmadura& dialogo);

// One diameter's wall typed after the line was designed: the checks
// "Dimensionar" makes of a wall, for that diameter alone.
ConferenciaLinha conferirParede(EntradaLinha& linha, int diametro, DialogoArmadura& dialogo);
