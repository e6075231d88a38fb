#pragma once
// What follows a booking on a lane: the displays and windows, the lane's
// digits after a correction, the throw sheet and the monitor line, in this
// order. The booking functions change the records; this one function fans
// the result out.

#include "core/Records.h"
#include "match/bus/CanFrames.h"

#include <array>

namespace Buchen {
struct Buchung;
}  // namespace Buchen

struct Buchungsfolgen {
    // The lane, team and name displays and the windows (BahnAnzeigenAktualisieren).
    bool anzeigen = false;
    // The lane's digits and rack after a correction (the controller keeps
    // its own count only for normal throws).
    bool korrekturAnzeige = false;
    enum class Druck : u8 {
        Nichts,
        Wurf,       // a booked throw: pin character and mark
        Nachtrag,   // a line for the last throw: pin character and kind ('K' corrected, 'V' warning)
    };
    Druck druck = Druck::Nichts;
    char zeichen = 0;
    char marke = 0;  // the throw's mark, or the kind of a line
    // Pin character of the line of the two-lane sheet when it differs from zeichen.
    char zeilenzeichen = 0;
    bool monitor = true;
};

void NachBuchung(int bahn, const Buchungsfolgen& folgen);

// Lane, team and name displays of the lane (and of its duel partner in a
// points game) and the windows that show them.
void BahnAnzeigenAktualisieren(int bahn);

// The lane's digits after a correction, in this order: throw number nr,
// throws left in the part and in the phase, part pins, running total, misses.
std::array<CanDaten, 6> Korrekturziffern(const TWettkampfDaten& w, int nr, int gesamt, int total, int fehler);
// The misses the lane shows: those of its part, or with Wurffehler (outside a
// sudden victory) the player's and those of the players he replaced.
int AngezeigteFehler(const Buchen::Buchung& z);
