#pragma once
// The options of the current match that the set-up window does not show:
// throw counts and time, venue data, throw-sheet printing, scoring and the
// set-result display. The values as the dialog's controls hold them, the
// enabling and exclusion rules of its boxes, and what its OK writes.

#include "core/Records.h"

#include <QString>

struct Wettkampfoptionen {
    QString Volle, Abraeumen, Wurfzeit;  // digits as typed
    bool ManualBahnw = false;
    QString Land, Bezirk, Beginn, Ende, Spieltag;
    bool DrWurfblatt = false, DrZweiBahnen = false, DrZentral = false, DrSparmodus = false;
    bool DrKopf = false, DrFuss = false;
    bool Streichspiel = false, Punktespiel = false;
    bool SVictory1Spiel = false, SVictory2Spiele = false;
    QString SVictory1Wuerfe, SVictory2Wuerfe;  // throw counts of the two sudden-victory options
    bool Satzanzeige = false, Bahnergebnisse = false;

    bool operator==(const Wettkampfoptionen&) const = default;
};

// Which controls are enabled.
struct WettkampfoptionenFreigabe {
    bool DrWurfblatt = false, DrZweiBahnen = false, DrZentral = false, DrSparmodus = false;
    bool DrKopf = false, DrFuss = false;
    bool SVictory1Spiel = false, SVictory2Spiele = false;  // the boxes and their labels
    bool SVictory1Wuerfe = false, SVictory2Wuerfe = false;

    bool operator==(const WettkampfoptionenFreigabe&) const = default;
};

// The boxes whose click changes other boxes.
enum class Optionsbox {
    DrWurfblatt,
    DrZweiBahnen,
    DrZentral,
    DrSparmodus,
    Punktespiel,
    SVictory1Spiel,
    SVictory2Spiele,
    Satzanzeige,
    Bahnergebnisse,
};

// At least one central throw-sheet printer has an interface.
bool ZentraldruckerVorhanden();

// The controls filled from the match. Empty Land/Bezirk show the settings;
// without a central printer the six throw-sheet boxes are off; a count shows
// only for a ticked sudden-victory box; "Bahnergebnisse" is the opposite of
// Satzanzeige.
Wettkampfoptionen WettkampfoptionenLesen(const TWettkampfDaten& w, bool zentraldrucker);

WettkampfoptionenFreigabe WettkampfoptionenFreigaben(const Wettkampfoptionen& o, bool zentraldrucker);

// What follows a click on `box` (already showing its new state): the
// throw-sheet layouts and the two sudden-victory options exclude each other,
// so do set and lane results; the points game off clears sudden victory.
void WettkampfoptionenKlick(Wettkampfoptionen& o, Optionsbox box);

// A typed sudden-victory count above the match's Volle becomes Volle.
QString SVictoryWuerfeBegrenzen(const QString& text, int volle);

// Throws of a part as the throw presets allow them: Volle and Abräumen up to
// 50 each and together; Volle is capped first, then Abräumen at 50 - Volle.
constexpr int MaxWurfvorwahl = MaxPhasenWuerfe;
void WurfzahlenBegrenzen(int& volle, int& abraeumen);

// OK's record fields, in order. The set points are recomputed when the
// points game is switched on (it was off when the dialog opened).
void WettkampfoptionenSchreiben(TWettkampfDaten& w, const Wettkampfoptionen& o, bool punktespielVorher);

// The lane printers of the match's lanes after a change of DrWurfblatt:
// started with their column chosen, or switched off with their queues emptied.
void WurfblattdruckAnwenden(TWettkampfDaten& w);

// All of OK: the record, for the current match not yet started its team
// size, lanes and start plan derived anew (the throw preset is not applied
// again), the lane printers, the match window.
void WettkampfoptionenUebernehmen(TWettkampfDaten& w, const Wettkampfoptionen& o, bool punktespielVorher);
