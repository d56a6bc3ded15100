#pragma once
// kolvan-calc --recobrimentos: the cover table of a project file, printed,
// and optionally its report and spreadsheet written.

// Runs the cover-table calculator; returns the exit status (0 done, 1 a
// file could not be read or written, 2 wrong usage).
int executarCalculoRecobrimentos(int argc, char* argv[]);
