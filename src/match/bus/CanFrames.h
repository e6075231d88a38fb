#pragma once
// The data bytes of every frame the PC sends to a lane controller or to the
// result boards. d0 is the message kind. Multi-byte numbers go high byte
// first, except the pin masks of kinds 33 and 13/176 (low byte first).
// Display digits (kind 35) are values 0..9; date and time digits are
// characters.

#include "core/Records.h"

#include <QByteArray>
#include <QDate>
#include <QTime>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

struct CanDaten {
    std::uint8_t laenge = 0;  // 1..8
    std::array<std::uint8_t, 8> d{};

    CanDaten() = default;
    // Length = number of bytes given; more than 8 bytes keep the first 8.
    CanDaten(std::initializer_list<std::uint8_t> bytes);
    bool operator==(const CanDaten&) const = default;
};

// The builders below return the data bytes of one frame each; the caller
// queues them for a lane (CanNachrichtSenden) or a board
// (AnzeigeNachrichtSenden). Byte parameters are taken as they are; a number
// wider than its field keeps its low byte(s). Pin masks: bit k-1 = pin k.
namespace CanRahmen {

using u8 = std::uint8_t;
using u16 = std::uint16_t;

// Sub-codes of kind 5 (game parameters for the first lane).
constexpr u8 ParamProbeWuerfe = '[';
constexpr u8 ParamProbeMinuten = '\\';
constexpr u8 ParamWuerfe = 177;     // throws a player: (Volle + Abraeumen) x Durchgaenge, low byte
constexpr u8 ParamVolle = 178;
constexpr u8 ParamAbraeumen = 179;
constexpr u8 ParamWurfzeit = 180;   // minutes
constexpr u8 ParamBahnen = 181;     // LetzteSpielbahn - ErsteSpielbahn + 1
constexpr u8 ParamArt = 182;        // lane arrangement
constexpr u8 ParamSpieler = 183;    // players per team

// Control codes of kind 34.
constexpr u8 BefehlBahnzeit = 'H';
constexpr u8 BefehlVolle = 'Q';
constexpr u8 BefehlAbraeumen = 'R';
constexpr u8 BefehlZeitAus = 'T';
constexpr u8 BefehlZeitEin = 'U';
constexpr u8 BefehlZeitStart = 'W';
constexpr u8 BefehlZeitStopp = 'X';
constexpr u8 BefehlSportAus = 'Y';
constexpr u8 BefehlProbeStart = 'Z';
constexpr u8 BefehlProbeWuerfe = '[';
constexpr u8 BefehlProbeMinuten = '\\';
constexpr u8 BefehlProbeEnde = '_';
constexpr u8 BefehlStart = 'a';
constexpr u8 BefehlUebertrittAus = 'b';
constexpr u8 BefehlUebertrittEin = 'c';
constexpr u8 BefehlUebertrittWert = 'd';
constexpr u8 BefehlVerwarnung = 'e';
constexpr u8 BefehlVerwarnungLoeschen = 'f';
constexpr u8 BefehlLauf = 'm';
constexpr u8 BefehlHalt = 'n';
constexpr u8 BefehlNullwurf = 'q';
constexpr u8 BefehlUngueltig = 'r';
constexpr u8 BefehlDurchlaeufer = 0x80;

// Display codes of kind 35.
constexpr u8 AnzWurfNr = 161;         // 3 digits
constexpr u8 AnzHolz = 162;           // 3 digits: pins of the part
constexpr u8 AnzSumme = 163;          // 4 digits: running total
constexpr u8 AnzRestPhase = 164;      // 3 digits: throws left in Volle or Abraeumen
constexpr u8 AnzFehler = 165;         // 3 digits: misses
constexpr u8 AnzTeilwert = 166;       // one byte
constexpr u8 AnzSatzpunkte = 167;     // units and tenths
constexpr u8 AnzRestDurchgang = 168;  // 3 digits: throws left in the part
constexpr u8 AnzKorrektur = 169;      // throw number, previous pins, new pins

// Counter codes of the state replay (kinds 0x31..0x3D; the lanes use the
// same codes in their counter reports).
constexpr u8 ZaehlerVolleGesamt = 0x31;         // 16 bit, player
constexpr u8 ZaehlerVolleDurchgang = 0x32;      // 16 bit
constexpr u8 ZaehlerAbraeumenGesamt = 0x33;     // 16 bit, player
constexpr u8 ZaehlerAbraeumenDurchgang = 0x34;  // 16 bit
constexpr u8 ZaehlerFehlerSpieler = 0x35;       // byte, player
constexpr u8 ZaehlerFehlerDurchgang = 0x36;     // byte (BahnFehler)
constexpr u8 ZaehlerHolzDurchgang = 0x37;       // 16 bit
constexpr u8 ZaehlerHolzGesamt = 0x38;          // 16 bit, player
constexpr u8 ZaehlerLaufendeSumme = 0x39;       // 16 bit
constexpr u8 ZaehlerVerwarnungenSpieler = 0x3A; // byte, player
constexpr u8 ZaehlerVerwarnungen = 0x3B;        // byte
constexpr u8 ZaehlerWuerfeSpieler = 0x3C;       // byte (low byte), player
constexpr u8 ZaehlerWurfNr = 0x3D;              // byte

// ---- PC to lane ----

CanDaten ZustandEnde();                   // 2, 27: end of the state replay
CanDaten ParameterEnde(u8 spielNr);       // 3: after the game parameters
CanDaten Abmelden();                      // 4
CanDaten Spielparameter(u8 subCode, int wert);  // 5: one Param... value (low byte)
CanDaten SpielNrAnfrage();                // 10
CanDaten SpielZuordnung(u8 spielNr);      // 12: the lane belongs to this match
CanDaten KegelbildAnzeigen(u16 maske);    // 13, 176: mask low byte first
CanDaten SpielBeitreten();                // 29
// 30: probeMinuten and probeWuerfe are 0 when the lane is not in practice.
CanDaten Startblock(u8 probeMinuten, u8 probeWuerfe, u8 volle, u8 abraeumen, u8 minuten);
CanDaten KegelStellen(u16 maske);         // 33: pins 1..8, then pin 9 (low byte first)

// 34: a control code without further bytes (codes with further bytes have
// their own builders below; given here, they get no further bytes either).
CanDaten Steuerbefehl(u8 code);
CanDaten Bahnzeit(u16 zehntelMinuten);    // 34, 'H', time high first
CanDaten ProbeWuerfe(u8 wuerfe, bool heim);    // 34, '['
CanDaten ProbeMinuten(u8 minuten, bool heim);  // 34, '\'
CanDaten DurchgangStart(u8 volle, u8 abraeumen, u8 minuten, bool heim);  // 34, 'a'

// 35 with 161..165 or 168: the value as decimal digits 0..9, most
// significant first, zero-padded to the code's digit count (163: 4, the
// others 3; 3 as well for any other code). A longer value keeps its lowest
// digits; a negative value shows as 0.
CanDaten BahnanzeigeWert(u8 code, int wert);
CanDaten BahnanzeigeTeilwert(u8 wert);    // 35, 166
// 35, 167: units and tenths, cut (not rounded) to tenths; below 0 shows 0.0,
// 10 and more keep the units digit.
CanDaten BahnanzeigeSatzpunkte(float punkte);
CanDaten BahnanzeigeKorrektur(u8 wurfNr, u8 holzAlt, u8 holzNeu);  // 35, 169

CanDaten Konfiguration(u8 pcEinheit);     // 36
CanDaten ProgrammEnde(u8 pcEinheit);      // 37
CanDaten Online();                        // 38
CanDaten Freigeben();                     // 39
CanDaten SpieleUebernehmen();             // 41
CanDaten StatusAnfrage();                 // 42

// 0x31..0x3D: layout by code (see the Zaehler... constants): 16-bit values
// high byte first, then the player number where the code carries one. An
// unknown code gets the one-byte layout.
CanDaten Zaehlerstand(u8 code, int wert, u8 spieler = 0);
CanDaten KegelbildZustand(u16 maske);     // 0x41: mask high byte first
CanDaten Ersatzspieler(u8 spielerNr);     // 0x42
CanDaten Auswechslungen(bool heim1, bool heim2, bool gast1, bool gast2);  // 0x43
CanDaten SpielerAufBahn(u8 spielerNr);    // 166

// 170..173: player number and characters 1-6, 7-12, 13-18, 19-24 of the
// name (Windows-1252). The name ends at its first NUL; missing characters
// are sent as blanks (0x20). nullptr counts as an empty name.
std::array<CanDaten, 4> SpielerName(u8 spielerNr, const char* name);
std::array<CanDaten, 4> SpielerName(u8 spielerNr, const QByteArray& name);

// 174: characters 1, 2, 4, 5, 7, 8 of the date text "dd.mm.yy" as they are
// (characters, not digit values); a shorter text gives blanks for the
// missing characters. The QDate form writes the same text (an invalid date
// gives blanks).
CanDaten Datum(const char* datum);
CanDaten Datum(const QByteArray& datum);
CanDaten Datum(const QDate& datum);
// 175: "hhmmss" as characters; an invalid time gives blanks.
CanDaten Uhrzeit(const QTime& zeit);

CanDaten KorrekturStart();                // 195
CanDaten DruckerEin();                    // 196
CanDaten DruckerAus();                    // 197
CanDaten MannschaftssummeHeim(u16 summe); // 211
CanDaten MannschaftssummeGast(u16 summe); // 212
// 236: player numbers on the match's first lane and the next three (0
// beyond the match's last lane).
CanDaten BahnSpielerNummern(u8 nr1, u8 nr2, u8 nr3, u8 nr4);

// A lane frame of which only the newest of its key counts, as it refreshes
// what the lane shows: the display values (35 with 161..168), the pins shown
// down (13, 176) and the team state on the match's first lane (236, 211,
// 212). Its key (kind and code); 0 for every frame the lane acts upon
// (starts, stops, registration, game parameters, replay, names, the throw
// correction 35/169, ...).
u16 Auffrischschluessel(u8 laenge, u8 d0, u8 d1);

// ---- lane to PC ----

// Message kinds (d0) of the frames a lane sends.
constexpr u8 MeldungWurf = 1;              // Wurfmeldung below
constexpr u8 MeldungSpielUebergabe = 3;    // the lane hands over the game it runs
constexpr u8 MeldungSpielNr = 10;          // d1: the match number the lane plays, 0 none
constexpr u8 MeldungZustandAnfrage = 14;   // asks for the state replay
constexpr u8 MeldungTaste = 34;            // a keypad command
constexpr u8 MeldungKorrektur = 35;        // throw number, part pins, running total
constexpr u8 MeldungKonfiguration = 36;    // asks for the configuration
constexpr u8 MeldungOnline = 38;
constexpr u8 MeldungFrei = 39;
constexpr u8 MeldungUebernommen = 41;      // the handed-over game was taken
constexpr u8 MeldungStatus = 42;           // d1, d2: status word
constexpr u8 MeldungZaehler = 166;         // one counter of a handed-over game
constexpr u8 MeldungDruckerAnfrage = 194;
constexpr u8 MeldungDruckerEin = 196;
constexpr u8 MeldungDruckerAus = 197;

// Bits of a lane's status word (the answer to kind 42); 0x01..0x08 give
// the time state, 0x400 and 0x800 the foul-line state.
constexpr u16 StatusVolle = 0x0010;
constexpr u16 StatusAbraeumen = 0x0020;
constexpr u16 StatusProbe = 0x0100;       // practice running
constexpr u16 StatusSport = 0x0200;       // a game runs on the lane
constexpr u16 StatusGestoppt = 0x4000;

// Kind 1, one throw: d1 pins 1..7 (bits 0..6), d2 pins 8 and 9 (bits 0, 1),
// d3 the flag byte (Wurfart... bits), d4 d5 the lane time in tenths of a
// minute, high byte first, when the frame is 6 bytes or longer.
struct Wurfmeldung {
    u16 bild = 0;        // pin word with WurfbildVorhanden
    int holz = 0;        // pins that count: 0 for a throw that counts zero
    u16 flags = 0;       // d3, with WurfartFehlwurfHolz for a foul that felled pins
    bool fehlwurfHolz = false;  // a foul throw that felled pins
    bool mitZeit = false;
    u16 zeit = 0;
};
Wurfmeldung WurfmeldungLesen(const CanDaten& rahmen);

// ---- result boards ----

// 234: address byte and six characters (Windows-1252; the text ends at its
// first NUL, missing characters are blanks, more than six are cut).
CanDaten AnzeigeText(u8 adresse, const char* text);
CanDaten AnzeigeText(u8 adresse, const QByteArray& text);
CanDaten AnzeigenEin(u8 pcEinheit);       // 236
CanDaten AnzeigenAus(u8 pcEinheit);       // 237
CanDaten AnzeigenAusBahn();               // 237 alone, as a frame to the first lane
CanDaten AnzeigenKonfiguration(u8 anzahl, u8 breite);  // 238
CanDaten AnzeigenHelligkeit(u8 helligkeit);            // 239

// ---- name and team boards (LED text rows) ----
//
// A board row holds up to 30 characters; the board shows the first `breite`
// of them. A 234 frame writes six characters at column..column+5 of a row:
// d1 = ((row << 4) OR column) cut to 8 bits, so row 16 has the nibble 0.
// Positions within the width carry the text, blank-padded; positions past
// the width are 0.
constexpr int AnzeigeZeilenPuffer = 30;

// One 234 block: the characters given (at most six), then 0 bytes.
CanDaten AnzeigeBlock(int zeile, int spalte, std::string_view zeichen);
// A whole row: one block at each of the columns 1, 7, 13, ... up to the
// width (none for width 0); the text (Windows-1252, at most 30 characters,
// ending at its first NUL) blank-padded to the width, 0 past it.
std::vector<CanDaten> AnzeigeZeile(int zeile, std::string_view text, int breite);

// Team board rows. The result column is breite - 8 (1 for width 9, 3 for
// width 11); no result frames below column 1.
constexpr int TafelErgebnisSpalte(int breite) { return breite - 8; }
// The side's letter "H"/"G" at column 1; blank on a board too narrow for it
// (width 9 and below: the results begin at column 1).
std::vector<CanDaten> TafelKennung(int zeile, int breite, char seite);
// The first field (4 characters of the throw count, or 3 of the points
// text) at the result column, the total (4 characters) five columns on;
// each block ends in 0 bytes.
std::vector<CanDaten> TafelErgebnis(int zeile, int breite, std::string_view erstes, std::string_view total);

}  // namespace CanRahmen
