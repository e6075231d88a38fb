#include "match/engine/Ersatzkette.h"

#include <algorithm>

namespace {

template <typename Verweis>
Ersatzkette Folgen(TWettkampfDaten& w, TSpielerEintrag* spieler, Verweis verweis)
{
    Ersatzkette k;
    for (TSpielerEintrag* s = spieler; s && k.anzahl < 3;) {
        if (std::find(k.begin(), k.end(), s) != k.end()) break;
        k.s[std::size_t(k.anzahl++)] = s;
        const long nr = verweis(*s);
        s = w.Spieler.contains(nr) ? &w.Spieler[nr] : nullptr;
    }
    return k;
}

}  // namespace

Ersatzkette Nachfolger(TWettkampfDaten& w, TSpielerEintrag* spieler)
{
    return Folgen(w, spieler, [](const TSpielerEintrag& s) { return long(s.ErsetztDurch); });
}

Ersatzkette Vorgaenger(TWettkampfDaten& w, TSpielerEintrag* spieler)
{
    return Folgen(w, spieler, [](const TSpielerEintrag& s) { return long(s.Ersatz); });
}

TSpielerEintrag* Ergebnistraeger(TWettkampfDaten& w, TSpielerEintrag* spieler) { return Vorgaenger(w, spieler).letzter(); }
