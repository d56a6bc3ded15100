#pragma once
// The colour of a class wherever classes are shown side by side: the cover
// table's cells and chart, and the network's class columns. The same hue for
// the same strength in either purpose, green for the lightest through yellow
// and orange to red, blue and violet for the simple pipes, grey for
// "Especial" or any other name.

#include <string>

struct CorClasse {
    unsigned char r = 0, g = 0, b = 0;
    bool operator==(const CorClasse&) const = default;
};

// Strong for lines and texts, light for cells and bands.
CorClasse corClasse(const std::string& classe, bool clara);
