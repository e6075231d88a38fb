#pragma once
// The frames the program has queued for a lane, oldest first, each as its
// bytes; the caller chooses the containers.

#include "match/bus/CanSenden.h"

#include <QList>

template <class Liste = QList<QList<int>>>
Liste GesendeteRahmen(int bahn)
{
    using Rahmen = typename Liste::value_type;
    Liste r;
    for (int i = 0; i < BahnSendeAnzahl[bahn]; ++i) {
        const TCanNachricht& n = BahnSendepuffer[bahn][(BahnSendeLesezeiger[bahn] + i) % BahnPufferGroesse];
        r.push_back(Rahmen(n.Daten.begin(), n.Daten.begin() + n.Laenge));
    }
    return r;
}
