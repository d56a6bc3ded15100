#pragma once
// What reading a network file gives: its stretches, or why the file cannot
// be read at all (naming the line or the element). A row or pipe that
// cannot be used is still a stretch, marked with its reason.

#include "trechoRede.h"

#include <string>
#include <vector>

struct LeituraRede {
    bool ok = false;
    std::string erro;
    std::vector<EntradaTrecho> trechos;
};

// The stretches of a CSV file as spreadsheets save it: ';' with a decimal
// comma, or ',' with a decimal point, as the header line tells; UTF-8 with
// or without a byte-order mark, or windows-1252; fields may be quoted;
// columns in any order, by name, unknown ones ignored. Either reader gives
// well-formed UTF-8 (textoUtf8.h: an ill-formed sequence or a control
// character becomes U+FFFD) and refuses a file with a NUL, naming its line.
LeituraRede lerCsvRede(const std::string& bytes);

// The pipes of the pipe networks of a LandXML 1.2 file.
LeituraRede lerLandXmlRede(const std::string& bytes);

// The conduits of an EPA SWMM 5 input file (.inp): lengths in feet or
// metres by FLOW_UNITS, offsets by LINK_OFFSETS (DEPTH or ELEVATION), the
// ground at a node its invert plus its maximum depth where that is above 0;
// a stretch per conduit, from its inlet node to its outlet node. A section
// not circular, or an end whose ground is not known (an outfall), marks
// the stretch.
LeituraRede lerSwmmRede(const std::string& bytes);

// Any of the readers, by the file's first characters.
LeituraRede lerArquivoRede(const std::string& bytes);

// The refusal of a file that holds a NUL, naming its line ("Linha 3: …");
// empty for a file without one.
std::string recusaNulo(const std::string& bytes);

// An internal diameter in mm as one of the pipes' diameters, within 2,5 %
// (24" is the 600 mm pipe); otherwise the value itself in whole mm.
std::string diametroDoCatalogo(double mm);
