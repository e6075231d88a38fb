#pragma once
// What an edit of a match-data field of the set-up window means for the match
// record beyond the field itself, and the captions that follow the team names.

#include "core/Records.h"

#include <QString>

enum class Wettkampffeld {
    EClub,
    EMannschaft,
    EGast,
    CKlasse,
    EDatum,
    ESpielnummer,
    CSpielart,
    ESchiedsrichter,
    CGruppe,
    EText,
    Auswahl,       // an option combo (CWurf, CProbe, CZeit, CUebertritt, CDurchlaeufer, CArt, CSpieler, CBahnen)
    Spielerzeile,  // name, pass number or birth date of a line-up slot
};

// Whether an edit of the field marks the match changed.
bool FeldMarkiertGeaendert(Wettkampffeld f);

// After the window wrote field f into w: derives Heimmannschaft from a club
// or team number edit, and marks the match changed where the field does.
void FeldGeschrieben(TWettkampfDaten& w, Wettkampffeld f);

// Club + " " + team number.
void HeimmannschaftSetzen(TWettkampfDaten& w);

// Captions of the home and guest group boxes: the team name, or
// "Heimmannschaft" / "Gastmannschaft" while it shows no character.
QString HeimTitel(const TWettkampfDaten& w);
QString GastTitel(const TWettkampfDaten& w);
// Caption of the match-data group box: the kind of match, or "Spieldaten".
QString SpieldatenTitel(const TWettkampfDaten& w);
// The window caption and status panel: home + " - " + guest.
QString WettkampfTitel(const TWettkampfDaten& w);
