// The pictures of both programs, grouped by the window that shows them.
#pragma once

#include "ferramentas.h"

namespace fig {

ListaFiguras figurasInstalacao();   // secc, Vala, SaliPosi, SaliNega1, SaliNega2
ListaFiguras figurasVeiculos();     // rodoviario, ferroviario, aeroviario
ListaFiguras figurasDistribuidas(); // 1CargaDist, 2CargaDist, usuario, nula
ListaFiguras figurasBases();        // ValaClasseA..D, SaliClasseA..D
ListaFiguras figurasBercos();       // feco12 .. fese16
ListaFiguras figurasArmadura();     // AsSimples, AsDupla
ListaFiguras figurasLogotipos();    // logofabri, logobran, qzmr, wvkp, hlno
ListaFiguras figurasJanelas();      // fundoSplash, aviso, sair

} // namespace fig
