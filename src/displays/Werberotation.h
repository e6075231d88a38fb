#pragma once
// The adverts of the result board: the rotation through the entries of the
// match on the board, shown on the board window through a surface.

#include "core/Eingesetzt.h"
#include "core/Records.h"

#include <QString>

// What the rotation shows on: the board window while it is open.
class Werbeflaeche {
public:
    virtual ~Werbeflaeche() = default;
    // The results panel; a playing video is stopped.
    virtual void ergebnisseZeigen() = 0;
    // A picture or a video; the file exists. A picture may come up later,
    // once it has been read; the results stay until then.
    virtual void werbungZeigen(const QString& datei) = 0;
    // A video is playing (the advert stays up until it has ended). A video
    // that cannot be opened or played counts as ended.
    virtual bool videoLaeuft() const = 0;
};
// The open board window registers itself; null when none is open.
void setWerbeflaeche(Werbeflaeche* f);
Werbeflaeche* werbeflaeche();
using WerbeflaecheEinsetzen = Gesetzt<Werbeflaeche*, setWerbeflaeche>;

// Rotation tick period of the result board.
constexpr int GrossanzWerbetakt = 2000;

// Parses the line Position of the match's list into Eintrag, Ereignismaske,
// Anzeigezeit and Intervall (the caption is skipped); a position beyond the
// list clears them.
void WerbeeintragLesen(TWerbeZustand& b);

// Loads the match's configuration (Index) into its list when it is on the
// board and starts at entry 0 (an advert still up gives way to the results);
// true when the rotation has something to show (the timer then runs; else a
// running timer stops at its next tick). False, and nothing changes, for a
// match that is not on the board.
bool GrossanzWerbungLaden(TWettkampfDaten& w);
// Shows the advert or the results of the match on the surface.
void GrossanzWerbungUmschalten(TWettkampfDaten& w);
// Adverts switched off for the match: an advert still up gives way to the
// results.
void GrossanzWerbungBeenden(TWettkampfDaten& w);
// The board now shows AnzeigeWettkampf (or no match): the advert state of
// every other match is cleared, and an advert one of them put up gives way to
// the results. Its rotation goes on from its entry when it is back.
void GrossanzWerbungAbloesen();
// One tick of 2 seconds for the match on the board (an advert of another
// match first gives way); true when the timer goes on. Defaults from the
// settings GrossanzWerbezeit, GrossanzWerbeabst.
bool GrossanzWerbungTakt();
