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

// The layout: the tag at unit 0 (text 8), every other field at unit
// MannschaftskarteBasis + its relative position, player p (1..16) at
// relative 500 + 63 (p - 1). Player 16 ends at unit 1517, so the transfer
// moves 24 blocks (units 0..1535) and carries all sixteen players.
inline constexpr char MannschaftskartenKennung[] = "Mkarte";
inline constexpr int MannschaftskarteBasis = 10;
inline constexpr int MannschaftskarteSpieler = 500;
inline constexpr int MannschaftskarteSpielerAbstand = 63;
inline constexpr int MannschaftskarteBlock = 64;
inline constexpr int MannschaftskarteBloecke = 24;
inline constexpr int MannschaftskarteEinheiten = MannschaftskarteBlock * MannschaftskarteBloecke;

// The effects of a transfer that the window shows: the progress (units
// moved of the total) and the prompt after a failed block ("Bitte Karte
// erneut einschieben !": true retries the block, false gives up). The block
// is retried only on the card the transfer began on (the units moved so
// far, before the first block its tag, read back equal); another card ends
// the transfer with a notice.
struct Kartenuebertragung {
    std::function<void(int erreicht, int gesamt)> fortschritt;
    std::function<bool()> erneutEinschieben;
    // The question before overwriting a card of another kind.
    std::function<bool()> ueberschreiben;
};

// A player as the card carries him (Windows-1252 texts).
struct TMannschaftskartenSpieler {
    QByteArray Name, Passnummer, Geburtsdatum, LetztesSpiel, Platzierung;
    bool operator==(const TMannschaftskartenSpieler&) const = default;
};

// Everything a team card carries, under the card's names.
struct TMannschaftskartenDaten {
    QByteArray Bezirk, Club, MannschaftNr, Klasse, Spielnummer, Spielart, Gastmannschaft, Schiedsrichter,
        SpielleiterName, Text1, Text2, Gruppe, Spieltag;
    u16 Spieleranzahl = 0, Wurfvorwahl = 0, Probe = 0, Zeit = 0, Uebertritt = 0, Durchlaeufer = 0, BahnenIndex = 0,
        Art = 0, Volle = 0, Abraeumen = 0, Wurfzeit = 0, NaWerbeIndex = 0, KonfigIndex = 0, MonitorIndex = 0;
    u8 MannschanzZuschalten = 0, NamenOn = 0, NaVorWechsel = 0, NaWerbungOn = 0, WerbungEin = 0,
       MonitorWerbung = 0;
    Array1<TMannschaftskartenSpieler, MaxSpieler> Spieler;
    bool operator==(const TMannschaftskartenDaten&) const = default;
};

// Pure: what a match puts on a card, and the image of it (units 0..1535
// cleared first). A number beyond its field is left empty there;
// MannschaftskarteUeberlauf tells it beforehand.
TMannschaftskartenDaten MannschaftskarteAusWettkampf(const TWettkampfDaten& w);
void MannschaftskarteSchreiben(const TMannschaftskartenDaten& d, Kartenbild& bild);
void MannschaftskarteFuellen(const TWettkampfDaten& w, Kartenbild& bild);
// Empty when every number fits its field; else the German message naming
// the first one that does not.
QString MannschaftskarteUeberlauf(const TMannschaftskartenDaten& d);

// Pure: the fields of an image (the tag is not looked at). Nothing, with
// the field's name in *feld, when a field does not read. Players 15 and 16
// whose fields do not read come back empty (cards that carried only units
// 0..1407 hold no data there).
std::optional<TMannschaftskartenDaten> MannschaftskarteAuslesen(const Kartenbild& bild, QString* feld = nullptr);
// The checks of a card before it becomes a match: empty when it may be
// loaded (the flags Zeit, Uebertritt, Durchlaeufer above 1 are set to 1);
// else the German message naming the field whose value cannot be used.
QString MannschaftskartePruefen(TMannschaftskartenDaten& d);
// Copies the card's fields into a match (Spielart and Gruppe stay; the
// players' IstHeim follows their slot).
void MannschaftskarteUebernehmen(const TMannschaftskartenDaten& d, TWettkampfDaten& w);

// The current match to the card; a started match is not written, nor one
// with a number too long for its field (a notice says why, Fehler).
Kartenergebnis MannschaftskarteSpeichern(const Kartenuebertragung& u);
// A new current match from the card (refused with a notice when six
// matches are open or a value cannot be used: Fehler, no slot taken). A
// card loaded here or by GastkarteLaden counts as taken while it stays in.
Kartenergebnis MannschaftskarteLaden(const Kartenuebertragung& u);
// The card's club and players 1..8 as the guest side of the current match;
// players who have started keep their entries.
Kartenergebnis GastkarteLaden(const Kartenuebertragung& u);
// The match window's guest field clicked: true when the card in the reader
// is a team card not taken since it was inserted, or one whose first units
// did not read (the guest load is due, its transfer asks for the card
// again). A card of another kind is told once while it stays in.
bool GastkarteFaellig();
