#pragma once
// What a user does with the mouse and keyboard inside one window: clicks on
// enabled controls, texts typed key by key, pasted and dropped, list
// choices, and the keys that move, confirm and cancel.

#include <QString>

class QWidget;
class Sorteio;

// One gesture on an enabled, visible control of `janela` (not of windows
// opened over it); returns what was done, for the replay log.
QString gestoNaJanela(QWidget& janela, Sorteio& s);

// A key on the window's focused control: Enter, Esc, Tab, arrows, Alt+F4…
QString teclaNaJanela(QWidget& janela, Sorteio& s);

// Brings `janela` to the front, as a click on it would.
void ativarJanela(QWidget& janela);
