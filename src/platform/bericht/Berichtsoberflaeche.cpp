#include "platform/bericht/Berichtsoberflaeche.h"

namespace {
Berichtsoberflaeche* g_oberflaeche = nullptr;
}

Berichtsoberflaeche& berichtsoberflaeche()
{
    // The base class is the stand-in: no box, no dialog, no printer.
    static Berichtsoberflaeche platzhalter;
    return g_oberflaeche ? *g_oberflaeche : platzhalter;
}

void BerichtsoberflaecheSetzen(Berichtsoberflaeche* oberflaeche)
{
    g_oberflaeche = oberflaeche;
}
