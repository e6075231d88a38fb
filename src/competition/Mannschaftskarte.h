#pragma once
// The team card "Mkarte": a match's set-up, its options and display
// switches and sixteen players, moved in blocks of 64 units. A card is read
// into a scratch record first; a match slot is taken only when all of it
// could be read.

#include "competition/Chipkarte.h"
#include "competition/Spielerkarte.h"
#include "core/Records.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The effects of a transfer that the window shows: the progress (units
// moved of the total) and the prompt after a failed block ("Bitte Karte
// erneut einschieben !": true retries the block, false gives up).
struct Kartenuebertragung {
    std::function<void(int erreicht, int gesamt)> fortschritt;
    std::function<bool()> erneutEinschieben;
    // The question before overwriting a card of another kind.
    std::function<bool()> ueberschreiben;
};

// Pure: the image of a match, and a match's fields from an image.
void MannschaftskarteFuellen(const TWettkampfDaten& w, Kartenbild& bild);

// The current match to the card; a started match is not written.
Kartenergebnis MannschaftskarteSpeichern(const Kartenuebertragung& u);
// A new current match from the card (refused when six matches are open).
Kartenergebnis MannschaftskarteLaden(const Kartenuebertragung& u);
// The card's club and players 1..8 as the guest side of the current match;
// players who have started keep their entries.
Kartenergebnis GastkarteLaden(const Kartenuebertragung& u);
