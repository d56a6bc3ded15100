#pragma once
// The texts the monkey types, pastes and drops: plausible numbers (so the
// road goes on), and every kind a user can produce by mistake: empty, huge,
// negative, letters, several commas, characters windows-1252 cannot hold.

#include <QString>

class Sorteio;

// A number a field of these programs could take, with a comma or a full stop.
QString numeroPlausivel(Sorteio& s);
// Any text at all, plausible numbers included.
QString textoQualquer(Sorteio& s);
// A text as long as a paste can make it.
QString textoEnorme(Sorteio& s);
