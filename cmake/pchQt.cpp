// Holds the precompiled header of Qt Widgets that every window target reads.
