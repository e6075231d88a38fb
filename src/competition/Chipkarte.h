#pragma once
// The chip cards of the players and teams: the card image, the reader of
// the settings, and the codec of the image's fields. Positions are 16-bit
// units of the image; a character is the low byte of its unit.
//   text of width w: up to w characters, then a 0 unit (w + 1 units)
//   number: its decimal digits ("0" for zero), then a 0 unit
//   yes/no: 2 yes, 1 no, then a 0 unit; 0 means no value

#include "core/CheckedArray.h"
#include "core/Eingesetzt.h"
#include "core/FixedText.h"
#include "core/Records.h"
#include "platform/Kartenleser.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

using Kartenbild = CheckedArray<u16, 0, KartenEinheiten - 1>;
using KartenleserFabrik = std::function<std::unique_ptr<Kartenleser>()>;

// The units that tell one card from another: the tag and, on a player card,
// name, pass number and birth date; on a team card its club.
inline constexpr u16 KartenkopfEinheiten = 100;

// What was done with the card in the reader since it was inserted. A card
// counts as inserted anew after the reader reported none and when its first
// units differ from those seen last.
struct Karteneinschub {
    std::vector<u16> kopf;  // its first units as seen; empty: none seen yet
    bool genommen = false;  // taken into a match
    bool gemeldet = false;  // the operator was told that it is of no use there
};

struct ChipkartenZustand {
    Kartenbild Kartenpuffer{};
    u8 KartenleserTyp = 0;
    u16 KartenleserPort = 0;
    std::unique_ptr<Kartenleser> leser;  // the open reader; null: none
    char kartentyp = '0';                // of the last probe
    KartenleserFabrik vorgabe;           // a test's reader; empty: the settings'
    Karteneinschub einschub;
    QString leserSchluessel;  // type, port and interface of the reader opened last
    void zuruecksetzen();
};
extern ChipkartenZustand chipkartenZustand;
extern Kartenbild& Kartenpuffer;

// A reader put in by a test (the settings are not asked); null: the
// settings' reader again at the next KartenleserOeffnen.
void setKartenleserVorgabe(std::function<std::unique_ptr<Kartenleser>()> erzeugen);

// Opens the reader of the settings (Chipkarte, ChipkartePort,
// ChipkarteSchnittstelle): KartenStatusText, KartenleserAktiv,
// KartenTimerAktiv as they say. Reader type 0 (or one beyond 4) opens
// nothing: "Chipkarte nicht vorhanden !".
void KartenleserOeffnen();
// Frees the reader; KartenleserAktiv and KartenTimerAktiv off.
void KartenleserSchliessen();
// A card is inserted; none: the next card counts as inserted anew.
bool KarteVorhanden();
// The card type for the following transfers ('4' when a read at 8000, 64
// units, works, else '0').
char KartentypPruefen();
void KartenLicht(int code);
// Units adresse..adresse + laenge - 1 between the card and Kartenpuffer.
bool KarteLesen(u16 adresse, u16 laenge);
bool KarteSchreiben(u16 adresse, u16 laenge);
// Units adresse..adresse + laenge - 1 of the card into the same positions of
// `bild` (Kartenpuffer stays as it is).
bool KarteLesenIn(Kartenbild& bild, u16 adresse, u16 laenge);

// The first KartenkopfEinheiten units of the card into Kartenpuffer; false
// without a card or when they did not read. A card whose units differ from
// those seen last counts as inserted anew.
bool KartenkopfLesen();
// Of the card in the reader since it was inserted.
bool KarteGenommen();
bool KarteGemeldet();
// Marks the card whose first units are in Kartenpuffer (read whole or by
// KartenkopfLesen) as taken into a match, or as told to the operator.
void KarteGenommenMerken();
void KarteGemeldetMerken();

// Switches the light off when the scope ends, however it ends.
class LichtAusAmEnde {
public:
    LichtAusAmEnde() = default;
    ~LichtAusAmEnde() { KartenLicht(0); }
    LichtAusAmEnde(const LichtAusAmEnde&) = delete;
    LichtAusAmEnde& operator=(const LichtAusAmEnde&) = delete;
};

// The codec on an image (Kartenpuffer by default). Reading fails for a field
// without its 0 unit within the width, for a unit that is no byte, for a
// number with a character that is no digit or beyond 16 bits, and for a
// yes/no other than 2 or 1 (0: no value). The destination is left as it
// was when reading fails.
bool KartentextLesen(QByteArray& ziel, int position, int w, const Kartenbild& bild = Kartenpuffer);
bool KartenzahlLesen(u16& ziel, int position, int w, const Kartenbild& bild = Kartenpuffer);
bool KartenJaNeinLesen(u8& ziel, int position, const Kartenbild& bild = Kartenpuffer);
// Writes at most w characters (a longer text is cut) and the 0 unit.
void KartentextSchreiben(int position, const QByteArray& text, int w, Kartenbild& bild = Kartenpuffer);
// Writes all digits and the 0 unit; the digit count. The callers make sure
// the field holds them (KartenzahlStellen).
int KartenzahlSchreiben(int position, u32 wert, Kartenbild& bild = Kartenpuffer);
void KartenJaNeinSchreiben(int position, bool wert, Kartenbild& bild = Kartenpuffer);
// Decimal digits of a value ("0" has one).
int KartenzahlStellen(u32 wert);

// Whether the image begins with the tag `kennung` (a text field of width 8
// at unit 0).
bool KartenkennungIst(const char* kennung, const Kartenbild& bild = Kartenpuffer);

// The name, pass number and birth date of a player card in Kartenpuffer
// into player slot p of the current match; false without "Skarte", with a
// field too long, for a slot beyond 1..16 and for a player who has started
// (his entry stays).
bool SpielerkarteUebernehmen(int p);
