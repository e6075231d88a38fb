#include "platform/bericht/Berichtsmaschine.h"

#include "platform/bericht/EigeneBerichtsmaschine.h"

namespace {
Berichtsmaschine* g_maschine = nullptr;
}

Berichtsmaschine& berichtsmaschine()
{
    static EigeneBerichtsmaschine eigene;
    return g_maschine ? *g_maschine : eigene;
}

void BerichtsmaschineSetzen(Berichtsmaschine* maschine)
{
    g_maschine = maschine;
}
