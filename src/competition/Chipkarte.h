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
#include <memory>

using Kartenbild = CheckedArray<u16, 0, KartenEinheiten - 1>;

struct ChipkartenZustand {
    Kartenbild Kartenpuffer{};
    u8 KartenleserTyp = 0;
    u16 KartenleserPort = 0;
    std::unique_ptr<Kartenleser> leser;  // the open reader; null: none
    char kartentyp = '0';                // of the last probe
    void zuruecksetzen();
};
extern ChipkartenZustand chipkartenZustand;
extern Kartenbild& Kartenpuffer;

// A reader put in by a test (the settings are not asked); null: the
// settings' reader again at the next KartenleserOeffnen.
void setKartenleserVorgabe(std::function<std::unique_ptr<Kartenleser>()> erzeugen);

// Opens the reader of the settings (Chipkarte, ChipkartePort,
// ChipkarteSchnittstelle): KartenStatusText, KartenleserAktiv,
// KartenTimerAktiv as they say.
void KartenleserOeffnen();
void KartenleserSchliessen();
bool KarteVorhanden();
// The card type for the following transfers ('4' when a read at 8000, 64
// units, works, else '0').
char KartentypPruefen();
void KartenLicht(int code);
// Units adresse..adresse + laenge - 1 between the card and Kartenpuffer.
bool KarteLesen(u16 adresse, u16 laenge);
bool KarteSchreiben(u16 adresse, u16 laenge);

// The codec on an image (Kartenpuffer by default). Reading fails for a field
// without its 0 unit within the width (and for a yes/no without value).
bool KartentextLesen(QByteArray& ziel, int position, int w, const Kartenbild& bild = Kartenpuffer);
bool KartenzahlLesen(u16& ziel, int position, int w, const Kartenbild& bild = Kartenpuffer);
bool KartenJaNeinLesen(u8& ziel, int position, const Kartenbild& bild = Kartenpuffer);
void KartentextSchreiben(int position, const QByteArray& text, int w, Kartenbild& bild = Kartenpuffer);
int KartenzahlSchreiben(int position, u32 wert, Kartenbild& bild = Kartenpuffer);
void KartenJaNeinSchreiben(int position, bool wert, Kartenbild& bild = Kartenpuffer);

// The name, pass number and birth date of a player card in Kartenpuffer
// into player slot p of the current match; false without "Skarte" or with a
// field too long.
bool SpielerkarteUebernehmen(int p);
