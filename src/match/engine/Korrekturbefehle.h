#pragma once
// The referee's commands on one lane of a running match (the correction
// panel): each changes the records and returns the frames that go to the
// lanes, in order. A lane that is not online gets no frames (except the
// throw-time frames); the PC side of a command still runs. Questions go
// through boxen().

#include "core/Boxes.h"
#include "core/Records.h"
#include "match/bus/CanFrames.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct KorrekturRahmen {
    int bahn = 0;
    CanDaten daten;
    bool operator==(const KorrekturRahmen&) const = default;
};
using KorrekturRahmenliste = QList<KorrekturRahmen>;

// Queues the frames, each for its lane.
void KorrekturRahmenSenden(const KorrekturRahmenliste& rahmen);

// The part of a lane: its match, the player on it and his part. A
// substitute who took over continues the part of the player he replaced.
struct KorrekturTeil {
    TWettkampfDaten* wettk = nullptr;
    TSpielerEintrag* spieler = nullptr;  // the player on the lane
    const TSpielerEintrag* traeger = nullptr;  // the one whose part it is
    int durchgang = 0;
    int svRunde = 0;  // the sudden-victory round; 0 outside one
    // The same part, whoever of its substitute chain plays it.
    bool operator==(const KorrekturTeil& o) const
    {
        return wettk == o.wettk && traeger == o.traeger && durchgang == o.durchgang && svRunde == o.svRunde;
    }
};
KorrekturTeil KorrekturTeilVon(int bahn);
// Commands on a part act only while the lane still plays it: false, after
// the notice "Bahn n hat den Durchgang gewechselt !", once it has moved on.
bool TeilPruefen(int bahn, const KorrekturTeil& teil);

// What the panel shows for a lane.
struct KorrekturAnzeige {
    bool gueltig = false;  // the lane has a match and a player
    KorrekturTeil teil;
    // Throw texts: one character per played throw of the phase; the maximum
    // length allows one throw added at the end of the current phase.
    bool volleSichtbar = false;
    int volleMax = 0;
    QString volleText;
    bool abrSichtbar = false;
    int abrMax = 0;
    QString abrText;
    QString name, pass, gebdat;
    bool letzterWurfAktiv = false;  // "Wurf zählt nicht", "Fehlwurf"
    bool ersatzSichtbar = false;
    QString ersatz1Text, ersatz2Text;
    bool ersatz1Aktiv = false, ersatz2Aktiv = false;
    bool stopBildSichtbar = false;
    QString stopText;  // "Bahn Stop" / "Bahn Start"
    bool spielStartSichtbar = false;
    QString spielStartText;  // "Spiel Start" / "Spiel Stop"
    bool zeitSichtbar = false;
    bool korrekturSichtbar = false;
};
KorrekturAnzeige KorrekturZustand(int bahn);

// "Probe beenden".
KorrekturRahmenliste ProbeBeenden(int bahn);
// "Bahn Stop" (stoppen) or "Bahn Start", as the panel showed it.
KorrekturRahmenliste BahnStopStart(int bahn, bool stoppen);
// "Durchg beenden": asks "Durchgang abbrechen ?"; nothing on "no".
KorrekturRahmenliste DurchgangAbbrechen(int bahn);
// "Spiel Start" / "Spiel Stop" of the lane's match (started matches only):
// asks, then SpielStarten or SpielStoppen.
void SpielStartStop(int bahn);
// "Zeit Start" / "Zeit Stop" on every lane in play of the match that is online.
KorrekturRahmenliste ZeitStartStop(int bahn, bool start);

// Player fields of the player the panel showed (while the lane plays the
// match), cut to the record's capacity.
enum class Spielerfeld { Name, Pass, Gebdat };
void SpielerfeldAendern(int bahn, const KorrekturTeil& teil, Spielerfeld feld, const QString& text);
// Leaving the name field: name board and monitors, while the lane plays the part.
void SpielernameVerlassen(int bahn, const KorrekturTeil& teil);

// Substitution by button 1 or 2: asks "Ersatzspieler einsetzen ?" (or
// "zweiten Ersatzspieler einsetzen ?") and brings the substitute in only on
// "Ja". True when the substitute came in.
bool ErsatzEinsetzen(int bahn, int knopf);

KorrekturRahmenliste VerwarnungGeben(int bahn);
KorrekturRahmenliste VerwarnungLoeschen(int bahn);
// The last throw: these queue 34/'r' and 34/'q' themselves, ahead of the
// display frames the booking (lane control modes 1 and 2) queues, and
// return nothing further to send.
void WurfZaehltNicht(int bahn);
void Fehlwurf(int bahn);

// Throw time: the request 34/'H', 0xFF, 0xFF; the input box's request (in
// steps of 10 seconds when SpielzeitIntervall is 10); the entered minutes
// ("8,75" or "8.75"), cut to tenths and held within 0..9999 tenths. Nothing
// when the value is unchanged; a text that is no number gets a message and
// changes nothing.
KorrekturRahmenliste WurfzeitAnfragen(int bahn);
EingabeAnfrage WurfzeitEingabe(int bahn);
KorrekturRahmenliste WurfzeitSetzen(int bahn, const QString& text);

// The three correction buttons.
enum class Ausbesserung { PCBahn, PC, Bahn };
// The typed throw texts against the ones the panel showed: a digit changed
// there corrects that throw to it, one digit past the shown throws adds the
// next throw; blanks and characters other than digits leave the throw as it
// is. abr is ignored while the Abräumen field was hidden (Volle phase,
// sudden victory). Once the lane has moved to another part nothing is
// booked (TeilPruefen). A throw that the lane has meanwhile reported where
// one was added, or removed where one was corrected, stays as the lane has
// it, and a notice names it.
KorrekturRahmenliste Ausbessern(int bahn, const KorrekturAnzeige& gezeigt, const QByteArray& volle,
                                const QByteArray& abr, Ausbesserung art);
// The same against the lane's texts now.
KorrekturRahmenliste Ausbessern(int bahn, const QByteArray& volle, const QByteArray& abr, Ausbesserung art);
