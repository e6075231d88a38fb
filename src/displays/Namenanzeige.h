#pragma once
// The LED name boards of the lanes: one text row per lane on NamenanzCanId,
// NamenanzBreite characters wide (9 or 11). A board shows the player on the
// lane, his first word and the rest of his name in turn during practice,
// his name and his set points in turn during play, "STOP" and "BAHN" in turn
// while the lane stands, and advert words between the phases of a match.
//
// The texts are pure functions; the controller holds the run's state and
// its two timers and queues the frames on the board queue (nothing is
// queued while the bus is not in use). The configuration dialog is a view
// onto the controller.

#include "core/FixedText.h"
#include "core/Records.h"
#include "core/Zeitgeber.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <utility>

// ---- texts (Windows-1252 bytes, German letters transliterated) ----------------------

// The board's line for a player's name: "Meier, Hans" becomes "Meier Hans";
// when that is wider than the board, the first word alone. Blank-padded to
// the width.
QByteArray NamenanzText(const char* name, int breite);
// The practice halves: the first word and the rest of the name, each
// blank-padded (or cut) to the width; the rest is blank for one word.
std::pair<QByteArray, QByteArray> NamenWechselTexte(const char* name, int breite);
// The name half of the play alternation: as NamenanzText, but the two-word
// rule judges the whole transliterated name, so "Müller Hans" on an 11-wide
// board gives "Mueller".
QByteArray NameSatzpunkteText(const char* name, int breite);
// Set points with one decimal cut, as the boards show them ("7.5", "12.0").
QByteArray SatzpunkteText(float satzpunkte);
// An advert text split at blanks: word k in row k, transliterated, cut or
// blank-padded to 11 characters; 16 rows, rows without a word blank.
std::array<QByteArray, 16> WerbeWorte(const QString& text);

// ---- advert entries ("Namenanz<n>.dat", one "<Text>;<Maske>;<Werbezeit>;<Werbeabstand>" a line) ----

// Mask bit of the running text: stored, shown, matches no phase.
constexpr u16 WerbungLaufschrift = 0x100;

struct Namenwerbeeintrag {
    QString Text;
    u16 Maske = 0;
    i32 Werbezeit = 0;     // seconds, 0 = the setting NamenanzWerbezeit
    i32 Werbeabstand = 0;  // seconds, 0 = the setting NamenanzWerbeabst
    bool operator==(const Namenwerbeeintrag&) const = default;
};
// Lenient: a missing or malformed number counts 0; a line of text alone is
// an entry with mask 0; with more than four fields the last three are the
// numbers and the text keeps its ';'.
Namenwerbeeintrag NamenWerbezeileLesen(const QString& zeile);
// The line of an entry; a ';' in the text becomes ',' so the line keeps its
// four fields.
QString NamenWerbezeileText(const Namenwerbeeintrag& e);

// ---- the controller -------------------------------------------------------------------

constexpr int NamenanzWechselMs = 1000;
constexpr int NamenanzWerbetakt = 2000;

class Namenanzsteuerung {
public:
    Namenanzsteuerung();

    Zeitgeber TimerWechsel;  // 1,000 ms: STOP/BAHN and the two alternations
    Zeitgeber TimerWerbung;  // 2,000 ms: the advert rotation

    Array1<u8, MaxBahnen> StopBahnZustand;  // 1 "STOP" next, 2 "BAHN" next
    u8 NaVorZustand = 1;                    // 1 first word, 2 the rest
    u8 NaSaPZustand = 1;                    // 1 name, 2 set points
    i32 NaVorZaehler = 0;
    i32 NaSaPZaehler = 0;
    std::array<Text<31>, 16> WerbeZeilen{};

    // One lane's board by the lane's state and its match's phase.
    void NamenanzeigeAktualisieren(int bahn);
    // A blank line.
    void NamenanzeigeLoeschen(int bahn);
    void NameAnzeigen(int bahn);
    void NamenWechselAnzeigen(int bahn);
    void NameSatzpunkteAnzeigen(int bahn);
    void StopBahnAnzeigen(int bahn);

    // The match's adverts: "Namenanz<NamenanzWerbung.Index>.dat" into its
    // list, then the rotation (re)started when the match owns all its
    // lanes' boards and the list has entries.
    void NamenanzWerbungLaden(TWettkampfDaten& w);
    void NamenanzWerbungStarten(TWettkampfDaten& w);
    // The current entry's words onto the match's lanes.
    void NamenanzWerbungAnzeigen(TWettkampfDaten& w);
    // Line Position of the match's list into Eintrag, Ereignismaske,
    // Anzeigezeit and Intervall.
    void WerbeeintragLesen(TWettkampfDaten& w);

    void wechselTakt();
    void werbungTakt();

    // A 239 frame with the brightness to the name boards, when they are on.
    void HelligkeitSenden(u8 helligkeit);

    // Timers off, the start state back.
    void zuruecksetzen();

private:
    void zeileSenden(int bahn, const QByteArray& text);

    bool m_werbungEndet = false;  // the names return after an advert
};

// The one controller of the run.
Namenanzsteuerung& namenanzsteuerung();
