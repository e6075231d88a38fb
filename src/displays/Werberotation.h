#pragma once
// The adverts of the result board: the rotation through the entries of the
// match on the board, shown on the board window through a surface.

#include "core/Records.h"

#include <QString>

// What the rotation shows on: the board window while it is open.
class Werbeflaeche {
public:
    virtual ~Werbeflaeche() = default;
    virtual void ergebnisseZeigen() = 0;
    // A picture or a video; the file exists.
    virtual void werbungZeigen(const QString& datei) = 0;
    // A video is playing (the advert stays up until it has ended).
    virtual bool videoLaeuft() const = 0;
};
// The open board window registers itself; null when none is open.
void setWerbeflaeche(Werbeflaeche* f);
Werbeflaeche* werbeflaeche();

// Loads the match's configuration (Index) into its list when it is on the
// board and starts at entry 0; true when the rotation has something to show
// (the timer then runs).
bool GrossanzWerbungLaden(TWettkampfDaten& w);
// Shows the advert or the results of the match on the surface.
void GrossanzWerbungUmschalten(TWettkampfDaten& w);
// One tick of 2 seconds for the match on the board; true when the timer
// goes on. Defaults from the settings GrossanzWerbezeit, GrossanzWerbeabst.
bool GrossanzWerbungTakt();
