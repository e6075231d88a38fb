#pragma once
// The substitute chain of a player: ErsetztDurch leads to the substitute who
// took over from him, Ersatz back to the player a substitute replaced. The
// links come from files, so only numbers 1..16 are followed, no record is
// taken twice and a chain holds at most three records.

#include "core/Records.h"

#include <array>

struct Ersatzkette {
    std::array<TSpielerEintrag*, 3> s{};
    int anzahl = 0;
    TSpielerEintrag* const* begin() const { return s.data(); }
    TSpielerEintrag* const* end() const { return s.data() + anzahl; }
    // The last record of the chain; null for an empty chain.
    TSpielerEintrag* letzter() const { return anzahl ? s[std::size_t(anzahl - 1)] : nullptr; }
};

// The player and the substitutes who took over from him, one after the other.
Ersatzkette Nachfolger(TWettkampfDaten& w, TSpielerEintrag* spieler);
// The player and the ones he replaced.
Ersatzkette Vorgaenger(TWettkampfDaten& w, TSpielerEintrag* spieler);
// The record that carries the duel of a player: the player, or the one he
// replaced (followed at most twice); null for none.
TSpielerEintrag* Ergebnistraeger(TWettkampfDaten& w, TSpielerEintrag* spieler);
